#include "platform/DirectoryListing.h"
#include "platform/TypeNames.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>

namespace {

void WriteFile(const std::string& path, std::size_t size)
{
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
}

std::map<std::string, DirectoryEntry> ListAll(const std::string& folder)
{
    std::map<std::string, DirectoryEntry> entries;
    DirectoryListing listing(folder);
    DirectoryEntry entry;
    while (listing.Next(entry))
        entries[entry.name] = entry;
    return entries;
}

} // namespace

class DirectoryListingTest : public QObject {
    Q_OBJECT

private slots:
    void entriesByKind();
    void unreadableFolderHasNoEntries();
    void typeNames();
};

void DirectoryListingTest::entriesByKind()
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + '/';
    WriteFile(root + "a.txt", 5);
    WriteFile(root + ".hidden", 0);
    WriteFile(root + "caf\xE9.jpg", 0);
    QCOMPARE(mkdir((root + "sub").c_str(), 0755), 0);
    QCOMPARE(mkfifo((root + "pipe.mp3").c_str(), 0644), 0);
    QCOMPARE(symlink("sub", (root + "toSub").c_str()), 0);
    QCOMPARE(symlink("a.txt", (root + "toFile").c_str()), 0);
    QCOMPARE(symlink("missing", (root + "dangling").c_str()), 0);
    const timespec times[2] = {{1000000000, 0}, {1234567890, 0}};
    QCOMPARE(utimensat(AT_FDCWD, (root + "a.txt").c_str(), times, 0), 0);

    const auto entries = ListAll(root);
    struct Expected {
        EntryKind kind;
        bool isLink;
    };
    const std::map<std::string, Expected> expected = {
        {"a.txt", {EntryKind::File, false}},      {".hidden", {EntryKind::File, false}},
        {"caf\xE9.jpg", {EntryKind::File, false}}, {"sub", {EntryKind::Folder, false}},
        {"pipe.mp3", {EntryKind::Other, false}},   {"toSub", {EntryKind::Folder, true}},
        {"toFile", {EntryKind::File, true}},       {"dangling", {EntryKind::Other, true}},
    };
    QCOMPARE(entries.size(), expected.size());
    for (const auto& [name, want] : expected) {
        const auto found = entries.find(name);
        QVERIFY2(found != entries.end(), name.c_str());
        QVERIFY2(found->second.kind == want.kind, name.c_str());
        QVERIFY2(found->second.isLink == want.isLink, name.c_str());
    }
    const DirectoryEntry& file = entries.at("a.txt");
    QCOMPARE(file.size, std::uint64_t(5));
    QCOMPARE(file.accessed, std::int64_t(1000000000));
    QCOMPARE(file.modified, std::int64_t(1234567890));
    QVERIFY(file.created > 1234567890);
    QCOMPARE(entries.at("toFile").size, std::uint64_t(5));
}

void DirectoryListingTest::unreadableFolderHasNoEntries()
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + '/';
    WriteFile(root + "plain", 1);
    DirectoryEntry entry;
    QVERIFY(!DirectoryListing(root + "missing/").Next(entry));
    QVERIFY(!DirectoryListing(root + "plain/").Next(entry));
}

void DirectoryListingTest::typeNames()
{
    const std::string& jpeg = TypeNameOf(".jpg");
    QVERIFY(!jpeg.empty());
    QVERIFY(jpeg != "JPG File");
    QCOMPARE(&TypeNameOf(".JPG"), &jpeg);
    QCOMPARE(TypeNameOf(""), std::string("File"));
    QCOMPARE(TypeNameOf("."), std::string("File"));
    QCOMPARE(TypeNameOf(".qzx9"), std::string("QZX9 File"));
}

QTEST_GUILESS_MAIN(DirectoryListingTest)
#include "tst_directorylisting.moc"
