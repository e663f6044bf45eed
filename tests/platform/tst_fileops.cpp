#include "platform/FileOps.h"
#include "platform/FileWrite.h"
#include "tests/support/FakeFileOps.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Tree = std::map<std::string, std::string>;

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every entry below root by its raw name bytes: folders as "name/", files with their content.
void AddTree(const std::string& root, const std::string& prefix, Tree& tree)
{
    DIR* dir = ::opendir((root + prefix).c_str());
    QVERIFY(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string relative = prefix + name;
        struct stat info {};
        ::lstat((root + relative).c_str(), &info);
        if (S_ISDIR(info.st_mode)) {
            tree[relative + '/'] = {};
            AddTree(root, relative + '/', tree);
        } else {
            tree[relative] = S_ISREG(info.st_mode) ? ReadFile(root + relative) : "<not a file>";
        }
    }
    ::closedir(dir);
}

Tree Snapshot(const std::string& root)
{
    Tree tree;
    AddTree(root, {}, tree);
    return tree;
}

// One line an entry, for comparisons that show what differs.
QStringList Lines(const Tree& tree)
{
    QStringList lines;
    for (const auto& [name, content] : tree) {
        lines << QString::fromLatin1(QByteArray::fromStdString(name).toPercentEncoding(" /")) + u" = "_s
                + QString::fromLatin1(QByteArray::fromStdString(content).toPercentEncoding(" "));
    }
    return lines;
}

// The tree after `from` (a file, or a folder with all it holds) took the name `to`.
Tree Renamed(const Tree& tree, const std::string& from, const std::string& to)
{
    Tree result;
    for (const auto& [name, content] : tree) {
        if (name == from || name.starts_with(from + '/'))
            result[to + name.substr(from.size())] = content;
        else
            result[name] = content;
    }
    return result;
}

struct stat StatOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

} // namespace

class TestFileOps : public QObject {
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    std::string m_root;

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_root = QFile::encodeName(m_dir->path()).toStdString() + '/';
    }

    // QTemporaryDir cannot remove names that are not UTF-8.
    void cleanup()
    {
        const auto removeEntry = [](const char* path, const struct stat*, int, FTW*) {
            return ::remove(path);
        };
        QCOMPARE(::nftw(m_root.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS), 0);
    }

    void moveFile_data()
    {
        QTest::addColumn<bool>("byLink");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("reason");

        for (const bool byLink : {false, true}) {
            const QByteArray route = byLink ? "link: " : "rename flag: ";
            QTest::newRow(route + "new name") << byLink << u"plain"_s << "a.txt"_ba << "b.txt"_ba << QString();
            QTest::newRow(route + "target exists") << byLink << u"target file"_s << "a.txt"_ba
                                                   << "b.txt"_ba << u"File exists"_s;
            QTest::newRow(route + "target is a hard link of the source")
                << byLink << u"target hard link"_s << "a.txt"_ba << "b.txt"_ba << u"File exists"_s;
            QTest::newRow(route + "same name") << byLink << u"plain"_s << "a.txt"_ba << "a.txt"_ba << QString();
            QTest::newRow(route + "case change") << byLink << u"plain"_s << "a.txt"_ba << "A.TXT"_ba << QString();
            QTest::newRow(route + "source missing") << byLink << u"no source"_s << "a.txt"_ba
                                                    << "b.txt"_ba << u"No such file or directory"_s;
            QTest::newRow(route + "names that are not UTF-8")
                << byLink << u"plain"_s << "caf\xe9 \xff.txt"_ba << "\xfe\x80 new.txt"_ba << QString();
        }
    }

    void moveFile()
    {
        QFETCH(bool, byLink);
        QFETCH(QString, fixture);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, reason);
        const std::string source = from.toStdString();
        const std::string target = to.toStdString();
        WriteFile(m_root + "bystander", "bystander");
        if (fixture != u"no source"_s)
            WriteFile(m_root + source, "source");
        if (fixture == u"target file"_s)
            WriteFile(m_root + target, "target");
        if (fixture == u"target hard link"_s)
            QCOMPARE(::link((m_root + source).c_str(), (m_root + target).c_str()), 0);
        const Tree before = Snapshot(m_root);

        const FileStatus status = byLink ? MoveFileByLink(m_root + source, m_root + target)
                                         : SystemFileOps().MoveFile(m_root + source, m_root + target);

        QCOMPARE(QString::fromStdString(status.error), reason);
        QCOMPARE(status.ok, reason.isEmpty());
        QCOMPARE(Lines(Snapshot(m_root)), Lines(status.ok ? Renamed(before, source, target) : before));
    }

    void shellRename_data()
    {
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("reason");

        QTest::newRow("new name") << "Travel"_ba << QString();
        QTest::newRow("case change") << "TRIP"_ba << QString();
        QTest::newRow("same name") << "Trip"_ba << QString();
        QTest::newRow("onto an existing folder") << "Other"_ba << u"File exists"_s;
        QTest::newRow("onto an existing empty folder") << "Empty"_ba << u"File exists"_s;
        QTest::newRow("onto an existing file") << "note.txt"_ba << u"File exists"_s;
    }

    void shellRename()
    {
        QFETCH(QByteArray, to);
        QFETCH(QString, reason);
        for (const char* folder : {"Trip", "Other", "Empty"})
            QCOMPARE(::mkdir((m_root + folder).c_str(), 0755), 0);
        WriteFile(m_root + "Trip/inside", "trip");
        WriteFile(m_root + "Other/inside", "other");
        WriteFile(m_root + "note.txt", "note");
        const Tree before = Snapshot(m_root);

        const FileStatus status = SystemFileOps().ShellRename(m_root + "Trip", m_root + to.toStdString());

        QCOMPARE(QString::fromStdString(status.error), reason);
        QCOMPARE(status.ok, reason.isEmpty());
        QCOMPARE(Lines(Snapshot(m_root)), Lines(status.ok ? Renamed(before, "Trip", to.toStdString()) : before));
    }

    void shellCopy_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<unsigned>("mode");

        // 0666 holds bits the usual umask (022) takes away at creation; the copy has them still.
        QTest::newRow("new file") << "song.mp3"_ba << false << 0640u;
        QTest::newRow("new file, bits beyond the umask") << "song.mp3"_ba << false << 0666u;
        QTest::newRow("replaces an existing file") << "song.mp3"_ba << true << 0666u;
        QTest::newRow("name that is not UTF-8") << "caf\xe9.mp3"_ba << true << 0640u;
    }

    void shellCopy()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, targetExists);
        QFETCH(unsigned, mode);
        const std::string source = m_root + "from/" + name.toStdString();
        const std::string target = m_root + "to/" + name.toStdString();
        QCOMPARE(::mkdir((m_root + "from").c_str(), 0755), 0);
        QCOMPARE(::mkdir((m_root + "to").c_str(), 0755), 0);
        WriteFile(source, "new bytes");
        QCOMPARE(::chmod(source.c_str(), mode), 0);
        const timespec times[2] = {{978350400, 0}, {978350400, 123456789}};
        QCOMPARE(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
        if (targetExists)
            WriteFile(target, "old bytes, longer than the new ones");
        Tree expected = Snapshot(m_root);
        expected["to/" + name.toStdString()] = "new bytes";

        const FileStatus status = SystemFileOps().ShellCopy(source, target);

        QVERIFY2(status.ok, status.error.c_str());
        QCOMPARE(Lines(Snapshot(m_root)), Lines(expected));
        const struct stat copy = StatOf(target);
        QCOMPARE(copy.st_mtim.tv_sec, times[1].tv_sec);
        QCOMPARE(copy.st_mtim.tv_nsec, times[1].tv_nsec);
        QCOMPARE(copy.st_mode & 07777, mode);
    }

    void shellCopyRefused_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("reason");

        const QString same = u"Source and target are the same file"_s;
        QTest::newRow("onto itself") << QString() << "a/x"_ba << "a/x"_ba << same;
        QTest::newRow("onto a hard link of itself") << u"hard link"_s << "a/x"_ba << "b/x"_ba << same;
        QTest::newRow("onto a link to itself") << u"symbolic link"_s << "a/x"_ba << "b/x"_ba << same;
        QTest::newRow("into a missing folder") << QString() << "a/x"_ba << "missing/x"_ba
                                               << u"No such file or directory"_s;
        QTest::newRow("onto a folder") << u"folder target"_s << "a/x"_ba << "b/x"_ba << u"Is a directory"_s;
        QTest::newRow("a folder") << QString() << "b"_ba << "a/b"_ba << u"Is a directory"_s;
        QTest::newRow("a FIFO") << u"fifo"_s << "a/fifo"_ba << "b/fifo"_ba << u"Not a regular file"_s;
        QTest::newRow("source missing") << QString() << "a/gone"_ba << "b/gone"_ba
                                        << u"No such file or directory"_s;
    }

    // A refused copy leaves every file as it was and no temporary file behind.
    void shellCopyRefused()
    {
        QFETCH(QString, fixture);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, reason);
        QCOMPARE(::mkdir((m_root + "a").c_str(), 0755), 0);
        QCOMPARE(::mkdir((m_root + "b").c_str(), 0755), 0);
        WriteFile(m_root + "a/x", "source");
        if (fixture == u"hard link"_s)
            QCOMPARE(::link((m_root + "a/x").c_str(), (m_root + "b/x").c_str()), 0);
        if (fixture == u"symbolic link"_s)
            QCOMPARE(::symlink("../a/x", (m_root + "b/x").c_str()), 0);
        if (fixture == u"folder target"_s)
            QCOMPARE(::mkdir((m_root + "b/x").c_str(), 0755), 0);
        if (fixture == u"fifo"_s)
            QCOMPARE(::mkfifo((m_root + "a/fifo").c_str(), 0644), 0);
        const Tree before = Snapshot(m_root);

        const FileStatus status =
            SystemFileOps().ShellCopy(m_root + from.toStdString(), m_root + to.toStdString());

        QVERIFY(!status.ok);
        QCOMPARE(QString::fromStdString(status.error), reason);
        QCOMPARE(Lines(Snapshot(m_root)), Lines(before));
    }

    void existence_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("file");

        QTest::newRow("folder") << "folder"_ba << true << false;
        QTest::newRow("file") << "file"_ba << false << true;
        QTest::newRow("link to a folder") << "link to folder"_ba << true << false;
        QTest::newRow("link to a file") << "link to file"_ba << false << true;
        QTest::newRow("dangling link") << "dangling"_ba << false << true;
        QTest::newRow("missing") << "missing"_ba << false << false;
    }

    void existence()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, folder);
        QFETCH(bool, file);
        QCOMPARE(::mkdir((m_root + "folder").c_str(), 0755), 0);
        WriteFile(m_root + "file", "file");
        QCOMPARE(::symlink("folder", (m_root + "link to folder").c_str()), 0);
        QCOMPARE(::symlink("file", (m_root + "link to file").c_str()), 0);
        QCOMPARE(::symlink("nowhere", (m_root + "dangling").c_str()), 0);

        QCOMPARE(SystemFileOps().FolderExists(m_root + name.toStdString()), folder);
        QCOMPARE(SystemFileOps().FileExists(m_root + name.toStdString()), file);
    }

    void samePathIgnoringCase_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("same");

        QTest::newRow("equal") << "/home/me/Trip"_ba << "/home/me/Trip"_ba << true;
        QTest::newRow("empty") << ""_ba << ""_ba << true;
        QTest::newRow("ASCII case") << "/home/me/Trip"_ba << "/HOME/ME/tRIP"_ba << true;
        QTest::newRow("one longer") << "/home/me/Trip"_ba << "/home/me/Trip/"_ba << false;
        QTest::newRow("double slash") << "/home//me"_ba << "/home/me"_ba << false;
        QTest::newRow("punctuation 32 apart") << "[@]"_ba << "{`}"_ba << false;
        QTest::newRow("UTF-8 letters") << "/caf\xc3\xa9"_ba << "/CAF\xc3\x89"_ba << false;
        QTest::newRow("bytes 32 apart above ASCII") << "\xe9"_ba << "\xc9"_ba << false;
    }

    void samePathIgnoringCase()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, same);
        QCOMPARE(SamePathIgnoringCase(a.toStdString(), b.toStdString()), same);
        QCOMPARE(SamePathIgnoringCase(b.toStdString(), a.toStdString()), same);
    }

    void fakeFailsTheChosenCall()
    {
        for (const char* name : {"1", "2", "3"})
            WriteFile(m_root + name, name);
        FakeFileOps fake;
        fake.FailCall(FakeFileOps::Op::MoveFile, 2, "Permission denied");

        QVERIFY(fake.MoveFile(m_root + "1", m_root + "1 new").ok);
        const FileStatus second = fake.MoveFile(m_root + "2", m_root + "2 new");
        QVERIFY(fake.MoveFile(m_root + "3", m_root + "3 new").ok);

        QVERIFY(!second.ok);
        QCOMPARE(second.error, "Permission denied");
        QCOMPARE(Lines(Snapshot(m_root)), Lines((Tree{{"1 new", "1"}, {"2", "2"}, {"3 new", "3"}})));
        QCOMPARE(fake.Calls(FakeFileOps::Op::MoveFile), 3);
        QCOMPARE(fake.Calls(FakeFileOps::Op::ShellRename), 0);
    }

    // The text arrives in pieces; a replaced file keeps its mode, and nothing else is left behind.
    void writeWholeFile()
    {
        const auto twoPieces = [](const TextOutput& output) {
            output("new ");
            output("text");
        };
        QVERIFY(WriteWholeFile(m_root + "fresh.csv", twoPieces).ok);
        WriteFile(m_root + "old.csv", "old text");
        ::chmod((m_root + "old.csv").c_str(), 0640);
        QVERIFY(WriteWholeFile(m_root + "old.csv", twoPieces).ok);

        QCOMPARE(Lines(Snapshot(m_root)), Lines((Tree{{"fresh.csv", "new text"}, {"old.csv", "new text"}})));
        QCOMPARE(StatOf(m_root + "old.csv").st_mode & 07777, 0640u);
    }

    // A long text in uneven pieces, some longer and some shorter than the file's write blocks,
    // arrives whole and in order; the space taken ahead of the writes is given back.
    void writeWholeFileLongText()
    {
        std::string text(1'500'000, '\0');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>(i % 251);
        const std::string path = m_root + "long.csv";
        QVERIFY(WriteWholeFile(path, [&text](const TextOutput& output) {
            std::size_t at = 0;
            for (const std::size_t size : {1, 100, 262'143, 262'145, 1, 524'288, 300'000}) {
                output(std::string_view(text).substr(at, size));
                at += size;
            }
            output(std::string_view(text).substr(at));
        }).ok);

        QVERIFY(ReadFile(path) == text);
        QVERIFY(StatOf(path).st_blocks * 512 < static_cast<blkcnt_t>(text.size() + 64 * 1024));
    }

    // A failure on the way, or a throw from the producer, leaves the old file whole.
    void writeWholeFileFailures()
    {
        WriteFile(m_root + "old.csv", "old text");
        ::mkdir((m_root + "folder").c_str(), 0755);
        const auto text = [](const TextOutput& output) { output("new text"); };

        bool thrown = false;
        try {
            WriteWholeFile(m_root + "old.csv", [](const TextOutput& output) {
                output("half");
                throw std::runtime_error("tag unreadable");
            });
        } catch (const std::runtime_error&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(WriteWholeFile(m_root + "folder", text).error, std::string(std::strerror(EISDIR)));
        QCOMPARE(WriteWholeFile(m_root + "missing/list.csv", text).error, std::string(std::strerror(ENOENT)));

        QCOMPARE(Lines(Snapshot(m_root)), Lines((Tree{{"folder/", {}}, {"old.csv", "old text"}})));
    }
};

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"
