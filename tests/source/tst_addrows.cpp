#include "platform/TypeNames.h"
#include "source/FolderListing.h"
#include "source/SubfolderWalk.h"

#include "Fixture.h"

#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

// Path and name of every row, sorted: the walk's order is the file system's.
QStringList Places(const std::vector<RenameItem>& rows, const std::string& root)
{
    QStringList places;
    for (const RenameItem& row : rows) {
        std::string place = row[RenameItem::Path] + row[RenameItem::OriginalName];
        if (place.starts_with(root))
            place.erase(0, root.size());
        places << QString::fromLatin1(place);
    }
    places.sort();
    return places;
}

} // namespace

class AddRowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void rowFromEntry();
    void walkFindsFilesOnly();
    void walkStopsEveryLevel();
    void tagsOnlyFromRegularFiles();
    void throwingTagReadDropsItsRow();

private:
    QTemporaryDir m_dir;
    std::string m_root;
};

// top: a.jpg, notes, pipe.mp3 (FIFO), sub/ (b.jpg, deep/ (c.mp3), up -> .. ), caf\xE9/ (d.jpg)
void AddRowsTest::initTestCase()
{
    m_root = m_dir.path().toStdString() + '/';
    WriteFile(m_root + "a.jpg");
    WriteFile(m_root + "notes");
    MakeFifo(m_root + "pipe.mp3");
    MakeFolder(m_root + "sub");
    WriteFile(m_root + "sub/b.jpg");
    MakeFolder(m_root + "sub/deep");
    WriteFile(m_root + "sub/deep/c.mp3", 200);
    QVERIFY(symlink("..", (m_root + "sub/up").c_str()) == 0);
    MakeFolder(m_root + "caf\xE9");
    WriteFile(m_root + "caf\xE9/d.jpg");
}

void AddRowsTest::rowFromEntry()
{
    FileEntry entry;
    entry.name = "photo\xFF.jpg";
    entry.type = "JPEG image";
    entry.sizeText = "2 KB";
    entry.modifiedDate = "01/02/2003";
    entry.size = 1600;
    entry.createdDate = "31/12/2002";
    entry.accessedDate = "02/02/2003";
    const RenameItem row = RowFromEntry(entry, "/data/");
    const std::array<std::string, RenameItem::ColumnCount> expected = {
        "photo\xFF.jpg", "", "/data/", "JPEG image", "01/02/2003", "", "", "", "", "", "",
        "31/12/2002", "02/02/2003"};
    QVERIFY(row.cells == expected);
}

void AddRowsTest::walkFindsFilesOnly()
{
    StopAfter progress;
    std::vector<std::string> entered;
    std::vector<RenameItem> rows;
    QVERIFY(WalkSubfolders(m_root, FileFilter::ForEntry(kAllFilesFilter),
                           [&](const std::string& name) { entered.push_back(name); }, {},
                           progress, rows));
    QCOMPARE(Places(rows, m_root),
             (QStringList{QStringLiteral("a.jpg"), QString::fromLatin1("caf\xE9/d.jpg"),
                          QStringLiteral("notes"), QStringLiteral("pipe.mp3"),
                          QStringLiteral("sub/b.jpg"), QStringLiteral("sub/deep/c.mp3")}));
    std::sort(entered.begin(), entered.end());
    QVERIFY((entered == std::vector<std::string>{"caf\xE9", "deep", "sub"}));

    const RenameItem& deep = *std::find_if(rows.begin(), rows.end(), [](const RenameItem& row) {
        return row[RenameItem::OriginalName] == "c.mp3";
    });
    QCOMPARE(deep[RenameItem::Path], m_root + "sub/deep/");
    QCOMPARE(deep[RenameItem::Type], TypeNameOf(".mp3"));
    QCOMPARE(deep[RenameItem::ModifiedDate].size(), std::size_t(10));
    QCOMPARE(deep[RenameItem::Created].size(), std::size_t(10));
    QCOMPARE(deep[RenameItem::Accessed].size(), std::size_t(10));

    std::vector<RenameItem> pictures;
    QVERIFY(WalkSubfolders(m_root, FileFilter::ForEntry(0), {}, {}, progress, pictures));
    QCOMPARE(Places(pictures, m_root),
             (QStringList{QStringLiteral("a.jpg"), QString::fromLatin1("caf\xE9/d.jpg"),
                          QStringLiteral("sub/b.jpg")}));
}

// Ten entries in four folders: the whole walk asks 14 times. Wherever Stop falls, nothing is
// asked after it at any level.
void AddRowsTest::walkStopsEveryLevel()
{
    for (std::size_t limit = 0; limit < 14; ++limit) {
        StopAfter progress(limit);
        std::vector<RenameItem> rows;
        QVERIFY(!WalkSubfolders(m_root, FileFilter::ForEntry(kAllFilesFilter), {}, {}, progress,
                                rows));
        QVERIFY(rows.size() <= limit);
        QCOMPARE(progress.AskedAfterStop(), std::size_t(1));
    }
    StopAfter enough(14);
    std::vector<RenameItem> rows;
    QVERIFY(WalkSubfolders(m_root, FileFilter::ForEntry(kAllFilesFilter), {}, {}, enough, rows));
    QCOMPARE(rows.size(), std::size_t(6));
}

void AddRowsTest::tagsOnlyFromRegularFiles()
{
    const FileFilter music = FileFilter::ForEntry(kMp3Filter);
    std::vector<std::string> read;
    const TagReader readTags = [&](const std::string& path, RenameItem& row) {
        read.push_back(path);
        row[RenameItem::Title] = "title";
    };
    StopAfter progress;
    std::vector<RenameItem> walked;
    QVERIFY(WalkSubfolders(m_root, music, {}, readTags, progress, walked));
    QCOMPARE(walked.size(), std::size_t(2));
    QVERIFY((read == std::vector<std::string>{m_root + "sub/deep/c.mp3"}));

    std::vector<FileEntry> listed;
    QVERIFY(ListFolder(m_root, ListMode::Files, music, progress, listed));
    QCOMPARE(listed.size(), std::size_t(1));
    read.clear();
    std::vector<RenameItem> added;
    QVERIFY(AddFileRows({&listed[0]}, m_root, readTags, progress, added));
    QVERIFY(read.empty());
    QCOMPARE(added.size(), std::size_t(1));
    QCOMPARE(added[0][RenameItem::Title], std::string());
}

void AddRowsTest::throwingTagReadDropsItsRow()
{
    std::vector<FileEntry> entries(3);
    entries[0].name = "a.mp3";
    entries[1].name = "b.mp3";
    entries[2].name = "c.mp3";
    const TagReader readTags = [](const std::string& path, RenameItem& row) {
        if (path == "/music/b.mp3")
            throw std::runtime_error("Unable to read /music/b.mp3");
        row[RenameItem::Title] = path;
    };
    StopAfter progress;
    std::vector<RenameItem> rows;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             AddFileRows({&entries[2], &entries[1], &entries[0]}, "/music/",
                                         readTags, progress, rows));
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(rows[0][RenameItem::OriginalName], std::string("c.mp3"));
    QCOMPARE(rows[0][RenameItem::Title], std::string("/music/c.mp3"));
}

QTEST_GUILESS_MAIN(AddRowsTest)
#include "tst_addrows.moc"
