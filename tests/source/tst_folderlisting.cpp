#include "platform/TypeNames.h"
#include "source/EntryTexts.h"
#include "source/FolderListing.h"

#include "Fixture.h"

#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <map>

namespace {

QStringList Names(const std::vector<FileEntry>& rows)
{
    QStringList names;
    for (const FileEntry& row : rows)
        names << QString::fromLatin1(row.name);
    names.sort();
    return names;
}

} // namespace

class FolderListingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sizeText_data();
    void sizeText();
    void listDate_data();
    void listDate();
    void filter_data();
    void filter();
    void folderPath_data();
    void folderPath();
    void filesMode();
    void folderRows();
    void stopKeepsRowsSoFar();

private:
    QTemporaryDir m_dir;
    std::string m_root;
};

// A zone fourteen hours ahead of UTC, so any local-time conversion shows in the dates.
void FolderListingTest::initTestCase()
{
    qputenv("TZ", "Pacific/Kiritimati");
    tzset();
    m_root = m_dir.path().toStdString() + '/';
    WriteFile(m_root + "Photo.JPG", 1600);
    WriteFile(m_root + "x.jp");
    WriteFile(m_root + "clip.mp");
    WriteFile(m_root + "notes");
    WriteFile(m_root + ".hidden.png");
    WriteFile(m_root + "caf\xE9.jpg");
    MakeFifo(m_root + "song.mp3");
    MakeFolder(m_root + "Trip.jpg");
    MakeFolder(m_root + "caf\xE9");
    QVERIFY(symlink("Trip.jpg", (m_root + "toTrip").c_str()) == 0);
    // 1 January 2003, 23:30 UTC: 2 January in the zone above.
    const timespec times[2] = {{1041463800 - 86400, 0}, {1041463800, 0}};
    QVERIFY(utimensat(AT_FDCWD, (m_root + "Photo.JPG").c_str(), times, 0) == 0);
}

void FolderListingTest::sizeText_data()
{
    QTest::addColumn<qulonglong>("size");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const QString c = QStringLiteral("C");
    QTest::newRow("0") << 0ULL << c << QStringLiteral("0 bytes");
    QTest::newRow("1023") << 1023ULL << c << QStringLiteral("1023 bytes");
    QTest::newRow("1024") << 1024ULL << c << QStringLiteral("1 KB");
    QTest::newRow("1600 rounds up") << 1600ULL << c << QStringLiteral("2 KB");
    QTest::newRow("1536 half away from zero") << 1536ULL << c << QStringLiteral("2 KB");
    QTest::newRow("just under 1 MB") << 1048575ULL << c << QStringLiteral("1024 KB");
    QTest::newRow("1 MB") << 1048576ULL << c << QStringLiteral("1 MB");
    QTest::newRow("1 GB") << 1073741824ULL << c << QStringLiteral("1.00 GB");
    QTest::newRow("1 GB, comma locale") << 1073741824ULL << QStringLiteral("de_DE")
                                        << QStringLiteral("1,00 GB");
    QTest::newRow("5 TB, no separator") << 5497558138880ULL << c << QStringLiteral("5120.00 GB");
    QTest::newRow("fraction keeps its zero") << 1127428915ULL << c << QStringLiteral("1.05 GB");
}

void FolderListingTest::sizeText()
{
    QFETCH(qulonglong, size);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    const std::string text = SizeText(size);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(QString::fromStdString(text), expected);
}

void FolderListingTest::listDate_data()
{
    QTest::addColumn<qlonglong>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("epoch") << 0LL << QStringLiteral("01/01/1970");
    QTest::newRow("23:30 UTC stays that day") << 1041463800LL << QStringLiteral("01/01/2003");
    QTest::newRow("last second before 1970") << -1LL << QStringLiteral("31/12/1969");
    QTest::newRow("leap day") << 951825600LL << QStringLiteral("29/02/2000");
    QTest::newRow("1601") << -11644473600LL << QStringLiteral("01/01/1601");
}

void FolderListingTest::listDate()
{
    QFETCH(qlonglong, seconds);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ListDateOf(seconds)), expected);
}

void FolderListingTest::filter_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QList<int>>("admittedBy");
    QTest::newRow("Photo.JPG") << QByteArray("Photo.JPG") << QList<int>{0, 4};
    QTest::newRow("x.jp: prefix of .jpg") << QByteArray("x.jp") << QList<int>{0, 4};
    QTest::newRow("x.mp: prefix of .mpg, .mp3, .mp4") << QByteArray("x.mp") << QList<int>{1, 2, 4};
    QTest::newRow("x.au: .au and .aud") << QByteArray("x.au") << QList<int>{3, 4};
    QTest::newRow("song.Mp3") << QByteArray("song.Mp3") << QList<int>{2, 4};
    QTest::newRow("no extension") << QByteArray("notes") << QList<int>{4};
    QTest::newRow("last dot counts") << QByteArray("a.jpg.txt") << QList<int>{4};
    QTest::newRow("dot file") << QByteArray(".png") << QList<int>{0, 4};
    QTest::newRow("non-ASCII not folded") << QByteArray("x.\xC3\xA9") << QList<int>{4};
}

void FolderListingTest::filter()
{
    QFETCH(QByteArray, name);
    QFETCH(QList<int>, admittedBy);
    QList<int> admitted;
    for (int index = 0; index < int(kFilterTexts.size()); ++index) {
        if (FileFilter::ForEntry(index).Admits(name.toStdString()))
            admitted << index;
    }
    QCOMPARE(admitted, admittedBy);
    QCOMPARE(FileFilter::ForEntry(-1).Admits(name.toStdString()), admittedBy.contains(0));
}

void FolderListingTest::folderPath_data()
{
    QTest::addColumn<QString>("treePath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root unchanged") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("folder gets /") << QStringLiteral("/home/data") << QStringLiteral("/home/data/");
    QTest::newRow("ending in / unchanged") << QStringLiteral("/mnt/") << QStringLiteral("/mnt/");
}

void FolderListingTest::folderPath()
{
    QFETCH(QString, treePath);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FolderPathOf(treePath.toStdString())), expected);
}

void FolderListingTest::filesMode()
{
    StopAfter progress;
    std::vector<FileEntry> pictures;
    QVERIFY(ListFolder(m_root, ListMode::Files, FileFilter::ForEntry(0), progress, pictures));
    QCOMPARE(Names(pictures), (QStringList{QStringLiteral(".hidden.png"),
                                           QStringLiteral("Photo.JPG"),
                                           QString::fromLatin1("caf\xE9.jpg"),
                                           QStringLiteral("x.jp")}));
    const auto nonUtf8 = std::find_if(pictures.begin(), pictures.end(), [](const FileEntry& row) {
        return row.name.find('\xE9') != std::string::npos;
    });
    QCOMPARE(nonUtf8->name, std::string("caf\xE9.jpg"));

    const FileEntry& photo =
        *std::find_if(pictures.begin(), pictures.end(),
                      [](const FileEntry& row) { return row.name == "Photo.JPG"; });
    QCOMPARE(photo.sizeText, std::string("2 KB"));
    QCOMPARE(photo.size, std::uint64_t(1600));
    QCOMPARE(photo.modifiedDate, std::string("01/01/2003"));
    QCOMPARE(photo.accessedDate, std::string("31/12/2002"));
    QCOMPARE(photo.createdDate.size(), std::size_t(10));
    QCOMPARE(photo.type, TypeNameOf(".jpg"));
    QVERIFY(photo.kind == EntryKind::File);

    std::vector<FileEntry> music;
    QVERIFY(ListFolder(m_root, ListMode::Files, FileFilter::ForEntry(kMp3Filter), progress, music));
    QCOMPARE(Names(music), (QStringList{QStringLiteral("clip.mp"), QStringLiteral("song.mp3")}));
    for (const FileEntry& row : music)
        QVERIFY(row.kind == (row.name == "song.mp3" ? EntryKind::Other : EntryKind::File));

    std::vector<FileEntry> all;
    QVERIFY(ListFolder(m_root, ListMode::Files, FileFilter::ForEntry(kAllFilesFilter), progress,
                       all));
    QCOMPARE(all.size(), std::size_t(7));
    QVERIFY(Names(all).contains(QStringLiteral("notes")));
    QCOMPARE(progress.AskedAfterStop(), std::size_t(0));
}

void FolderListingTest::folderRows()
{
    StopAfter progress;
    std::vector<FileEntry> rows;
    QVERIFY(ListFolder(m_root, ListMode::Folders, FileFilter::ForEntry(0), progress, rows));
    QCOMPARE(Names(rows), (QStringList{QStringLiteral("Trip.jpg"), QString::fromLatin1("caf\xE9"),
                                       QStringLiteral("toTrip")}));
    for (const FileEntry& row : rows) {
        QCOMPARE(row.type, std::string("File Folder"));
        QCOMPARE(row.sizeText, std::string());
        QCOMPARE(row.size, std::uint64_t(0));
        QVERIFY(row.IsFolder());
        QCOMPARE(row.modifiedDate.size(), std::size_t(10));
    }

    std::vector<FileEntry> none;
    QVERIFY(ListFolder(m_root + "missing/", ListMode::Files, FileFilter::ForEntry(4), progress,
                       none));
    QVERIFY(none.empty());
}

void FolderListingTest::stopKeepsRowsSoFar()
{
    StopAfter progress(4);
    std::vector<FileEntry> rows;
    QVERIFY(!ListFolder(m_root, ListMode::Files, FileFilter::ForEntry(4), progress, rows));
    QVERIFY(!rows.empty());
    QVERIFY(rows.size() <= 4);
    QCOMPARE(progress.AskedAfterStop(), std::size_t(1));
}

QTEST_GUILESS_MAIN(FolderListingTest)
#include "tst_folderlisting.moc"
