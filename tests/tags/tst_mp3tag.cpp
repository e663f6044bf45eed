#include "tags/MP3Tag.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "tests/support/ByteText.h"

#include <QTest>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <sys/stat.h>

namespace {

const QByteArray kMissingFile = "File doesn`t exist or is not valid !";
const QByteArray kReadOnly = "Can´t write ID3 tag information !";
const QByteArray kEAcute = "\xC3\xA9";

// Stands for the audio in front of a tag; it never starts a tag block.
QByteArray Audio(int size)
{
    return QByteArray(size, 'x');
}

// A tag block whose texts are padded by pad to their widths.
QByteArray TagBlock(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
                    const QByteArray& year, const QByteArray& comment, int genre, char pad = '\0')
{
    QByteArray block = "TAG";
    block += title.leftJustified(30, pad, true);
    block += artist.leftJustified(30, pad, true);
    block += album.leftJustified(30, pad, true);
    block += year.leftJustified(4, pad, true);
    block += comment.leftJustified(30, pad, true);
    block += static_cast<char>(genre);
    return block;
}

QByteArray SongBlock(int genre = 17, char pad = '\0')
{
    return TagBlock("Song", "Band", "Disc", "1980", "Nice", genre, pad);
}

QByteArray Contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned Mode(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QByteArrayList Texts(const TMP3Tag& tag)
{
    return {Bytes(tag.Title()), Bytes(tag.Artist()), Bytes(tag.Album()), Bytes(tag.Year()),
            Bytes(tag.Comment())};
}

} // namespace

class MP3TagTest : public QObject {
    Q_OBJECT

private slots:
    void initialState();
    void readTag_data();
    void readTag();
    void unreadableFile_data();
    void unreadableFile();
    void saveLayout_data();
    void saveLayout();
    void textEncoding_data();
    void textEncoding();
    void limits_data();
    void limits();
    void genre_data();
    void genre();
    void missingFileOnSave_data();
    void missingFileOnSave();
    void readOnlyFile_data();
    void readOnlyFile();
    void readOnlyFileWriteFails();

private:
    std::string Fixture(const QByteArray& bytes);
    std::string NewPath();

    QTemporaryDir m_dir;
    int m_files = 0;
};

std::string MP3TagTest::NewPath()
{
    return m_dir.filePath(QStringLiteral("file%1.mp3").arg(++m_files)).toStdString();
}

std::string MP3TagTest::Fixture(const QByteArray& bytes)
{
    const std::string path = NewPath();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture %s", path.c_str());
    return path;
}

void MP3TagTest::initialState()
{
    const TMP3Tag tag;
    QCOMPARE(Texts(tag), QByteArrayList(5));
    QCOMPARE(tag.GenreID(), 12);
    QCOMPARE(Bytes(tag.Genre()), QByteArray());
    QVERIFY(!tag.Valid());
    QVERIFY(!tag.Saved());
    QCOMPARE(tag.Genres().size(), 116u);
}

void MP3TagTest::readTag_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<int>("genreId");
    QTest::addColumn<QByteArray>("genre");

    const QByteArrayList song = {"Song", "Band", "Disc", "1980", "Nice"};
    const QByteArray spaces(26, ' ');
    const QByteArrayList none(5);
    QByteArray trackNumber = TagBlock("Song", "", "", "", QByteArray(28, 'c'), 0);
    trackNumber[126] = 7;
    QByteArray smallLetters = SongBlock();
    smallLetters.replace(0, 3, "tag");

    QTest::newRow("padded by NULs") << Audio(1000) + SongBlock() << true << song << 17
                                    << QByteArray("Rock");
    QTest::newRow("padded by spaces")
        << Audio(1000) + SongBlock(17, ' ') << true
        << QByteArrayList{"Song" + spaces, "Band" + spaces, "Disc" + spaces, "1980",
                          "Nice" + spaces}
        << 17 << QByteArray("Rock");
    QTest::newRow("full-width fields")
        << TagBlock(QByteArray(30, 't'), QByteArray(30, 'a'), QByteArray(30, 'b'), "2009",
                    QByteArray(30, 'c'), 0)
        << true
        << QByteArrayList{QByteArray(30, 't'), QByteArray(30, 'a'), QByteArray(30, 'b'), "2009",
                          QByteArray(30, 'c')}
        << 0 << QByteArray("Blues");
    QTest::newRow("track number in the comment")
        << Audio(10) + trackNumber << true
        << QByteArrayList{"Song", "", "", "", QByteArray(28, 'c')} << 0 << QByteArray("Blues");
    QTest::newRow("Latin-1 title") << TagBlock("Caf\xE9", "", "", "", "", 1) << true
                                   << QByteArrayList{"Caf" + kEAcute, "", "", "", ""} << 1
                                   << QByteArray("Classic Rock");
    QTest::newRow("genre 255") << SongBlock(255) << true << song << 12 << QByteArray("Other");
    QTest::newRow("genre 115") << SongBlock(115) << true << song << 115
                               << QByteArray("Folklore");
    QTest::newRow("marker in small letters") << Audio(1000) + smallLetters << false << none << 12
                                             << QByteArray();
    QTest::newRow("no tag") << Audio(1000) << false << none << 12 << QByteArray();
    QTest::newRow("100 bytes") << Audio(100) << false << none << 12 << QByteArray();
    QTest::newRow("127 bytes starting with TAG") << SongBlock().chopped(1) << false << none << 12
                                                 << QByteArray();
    QTest::newRow("empty file") << QByteArray() << false << none << 12 << QByteArray();
}

// Each file is read after another tagged one, so nothing of the earlier tag may survive.
void MP3TagTest::readTag()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    QFETCH(QByteArrayList, texts);
    QFETCH(int, genreId);
    QFETCH(QByteArray, genre);

    TMP3Tag tag;
    tag.SetFilename(Fixture(TagBlock("Old", "Old", "Old", "1111", "Old", 5)));
    int changes = 0;
    tag.onChange = [&changes](TMP3Tag&) { ++changes; };
    const std::string path = Fixture(file);
    tag.SetFilename(path);

    QCOMPARE(tag.Filename(), path);
    QCOMPARE(tag.Valid(), valid);
    QCOMPARE(Texts(tag), texts);
    QCOMPARE(int(tag.GenreID()), genreId);
    QCOMPARE(Bytes(tag.Genre()), genre);
    QCOMPARE(changes, valid ? 1 : 0);
}

void MP3TagTest::unreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("missing") << QStringLiteral("missing") << QByteArray(std::strerror(ENOENT));
    QTest::newRow("folder") << QStringLiteral("folder") << QByteArray(std::strerror(EISDIR));
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QByteArray("Not a regular file");
}

// A FIFO must be refused at once: opening or reading it would wait for a writer forever.
void MP3TagTest::unreadableFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, reason);

    TMP3Tag tag;
    tag.SetFilename(Fixture(SongBlock()));
    int changes = 0;
    tag.onChange = [&changes](TMP3Tag&) { ++changes; };
    const std::string path = NewPath();
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(QString::fromStdString(path)));
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(path.c_str(), 0644), 0);

    try {
        tag.SetFilename(path);
        QFAIL("no exception");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QByteArray(error.what()), "Cannot open file \"" + Bytes(path) + "\". " + reason);
    }
    QCOMPARE(tag.Filename(), path);
    QVERIFY(tag.Valid());
    QCOMPARE(Bytes(tag.Title()), QByteArray("Song"));
    QCOMPARE(int(tag.GenreID()), 17);
    QCOMPARE(changes, 0);
}

void MP3TagTest::saveLayout_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sizeAfter");
    QTest::addColumn<QByteArray>("tagAfter");

    const QByteArray emptyTag = TagBlock("", "", "", "1999", "", 12, ' ');
    QByteArray trackNumber = TagBlock("Song", "", "", "", QByteArray(28, 'c'), 3);
    trackNumber[126] = 7;
    QByteArray smallLetters = SongBlock();
    smallLetters.replace(0, 3, "tag");

    QTest::newRow("tag padded by NULs")
        << Audio(1000) + SongBlock() << int(1128)
        << TagBlock("Song", "Band", "Disc", "1999", "Nice", 17, ' ');
    QTest::newRow("track number in the comment")
        << Audio(1000) + trackNumber << int(1128)
        << TagBlock("Song", "", "", "1999", QByteArray(28, 'c'), 3, ' ');
    QTest::newRow("tag only") << SongBlock() << int(128)
                              << TagBlock("Song", "Band", "Disc", "1999", "Nice", 17, ' ');
    QTest::newRow("no tag") << Audio(1000) << int(1128) << emptyTag;
    QTest::newRow("100 bytes") << Audio(100) << int(228) << emptyTag;
    QTest::newRow("empty file") << QByteArray() << int(128) << emptyTag;
    QTest::newRow("marker in small letters")
        << Audio(1000) + smallLetters << int(1256) << emptyTag;
}

// Saved twice, each time after reading the file again: the second save must find the first
// tag and replace it.
void MP3TagTest::saveLayout()
{
    QFETCH(QByteArray, file);
    QFETCH(int, sizeAfter);
    QFETCH(QByteArray, tagAfter);

    const std::string path = Fixture(file);
    TMP3Tag tag;
    for (int round = 0; round < 2; ++round) {
        tag.SetFilename(path);
        tag.SetYear("1999");
        tag.Save();
        QVERIFY(tag.Saved());
        const QByteArray saved = Contents(path);
        QCOMPARE(saved.size(), sizeAfter);
        QCOMPARE(saved.right(128), tagAfter);
        QCOMPARE(saved.left(sizeAfter - 128), file.left(sizeAfter - 128));
    }
}

void MP3TagTest::textEncoding_data()
{
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::addColumn<QByteArray>("readBack");

    QTest::newRow("ASCII") << QByteArray("Abc") << QByteArray("Abc") << QByteArray("Abc");
    QTest::newRow("Latin-1 letter") << "Caf" + kEAcute << QByteArray("Caf\xE9") << "Caf" + kEAcute;
    QTest::newRow("outside Latin-1") << QByteArray("5 \xE2\x82\xAC") << QByteArray("5 ?")
                                     << QByteArray("5 ?");
    QTest::newRow("stray byte") << QByteArray("a\xFF" "b") << QByteArray("a?b")
                                << QByteArray("a?b");
    QTest::newRow("30 two-byte characters")
        << kEAcute.repeated(30) << QByteArray(30, '\xE9') << kEAcute.repeated(30);
}

void MP3TagTest::textEncoding()
{
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, onDisk);
    QFETCH(QByteArray, readBack);

    const std::string path = Fixture(Audio(500));
    TMP3Tag tag;
    tag.SetFilename(path);
    tag.SetTitle(title.toStdString());
    tag.Save();
    QCOMPARE(Contents(path).right(128).mid(3, 30), onDisk.leftJustified(30, ' '));

    tag.SetFilename(path);
    QCOMPARE(Bytes(tag.Title()), readBack + QByteArray(30 - onDisk.size(), ' '));
}

void MP3TagTest::limits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("assigned");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray thirty(30, 'x');
    QTest::newRow("title of 31") << QStringLiteral("title") << thirty + "y" << thirty;
    QTest::newRow("artist of 31") << QStringLiteral("artist") << thirty + "y" << thirty;
    QTest::newRow("album of 31") << QStringLiteral("album") << thirty + "y" << thirty;
    QTest::newRow("comment of 31") << QStringLiteral("comment") << thirty + "y" << thirty;
    QTest::newRow("year of 5") << QStringLiteral("year") << QByteArray("20091")
                               << QByteArray("2009");
    QTest::newRow("short title") << QStringLiteral("title") << QByteArray("Abc")
                                 << QByteArray("Abc");
    QTest::newRow("two-byte characters") << QStringLiteral("title") << kEAcute.repeated(31)
                                         << kEAcute.repeated(30);
    QTest::newRow("four-byte characters") << QStringLiteral("title")
                                          << QByteArray("\xF0\x9F\x8E\xB5").repeated(31)
                                          << QByteArray("\xF0\x9F\x8E\xB5").repeated(30);
    QTest::newRow("year of two-byte characters") << QStringLiteral("year") << kEAcute.repeated(5)
                                                 << kEAcute.repeated(4);
    QTest::newRow("stray bytes") << QStringLiteral("comment") << QByteArray(31, '\xFF')
                                 << QByteArray(30, '\xFF');
}

void MP3TagTest::limits()
{
    QFETCH(QString, field);
    QFETCH(QByteArray, assigned);
    QFETCH(QByteArray, kept);

    TMP3Tag tag;
    int changes = 0;
    tag.onChange = [&changes](TMP3Tag&) { ++changes; };
    const std::string text = assigned.toStdString();
    const std::string* stored = nullptr;
    if (field == u"title") {
        tag.SetTitle(text);
        stored = &tag.Title();
    } else if (field == u"artist") {
        tag.SetArtist(text);
        stored = &tag.Artist();
    } else if (field == u"album") {
        tag.SetAlbum(text);
        stored = &tag.Album();
    } else if (field == u"year") {
        tag.SetYear(text);
        stored = &tag.Year();
    } else {
        tag.SetComment(text);
        stored = &tag.Comment();
    }
    QCOMPARE(Bytes(*stored), kept);
    QCOMPARE(changes, 1);
}

void MP3TagTest::genre_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("0") << 0 << 0 << QByteArray("Blues");
    QTest::newRow("1") << 1 << 1 << QByteArray("Classic Rock");
    QTest::newRow("2") << 2 << 2 << QByteArray("Country");
    QTest::newRow("12") << 12 << 12 << QByteArray("Other");
    QTest::newRow("17") << 17 << 17 << QByteArray("Rock");
    QTest::newRow("67") << 67 << 67 << QByteArray("Psychadelic");
    QTest::newRow("79") << 79 << 79 << QByteArray("Hard Rock");
    QTest::newRow("80") << 80 << 80 << QByteArray("Folk");
    QTest::newRow("115") << 115 << 115 << QByteArray("Folklore");
    QTest::newRow("116") << 116 << 12 << QByteArray("Other");
    QTest::newRow("255") << 255 << 12 << QByteArray("Other");
    QTest::newRow("-1") << -1 << 12 << QByteArray("Other");
}

void MP3TagTest::genre()
{
    QFETCH(int, code);
    QFETCH(int, stored);
    QFETCH(QByteArray, name);

    TMP3Tag tag;
    int changes = 0;
    tag.onChange = [&changes](TMP3Tag&) { ++changes; };
    tag.SetGenreID(code);
    QCOMPARE(int(tag.GenreID()), stored);
    QCOMPARE(Bytes(tag.Genre()), name);
    QCOMPARE(Bytes(tag.Genres()[tag.GenreID()]), name);
    QCOMPARE(changes, 1);
}

void MP3TagTest::missingFileOnSave_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("deleted") << QStringLiteral("deleted");
    QTest::newRow("replaced by a folder") << QStringLiteral("folder");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
}

void MP3TagTest::missingFileOnSave()
{
    QFETCH(QString, kind);

    TMP3Tag tag;
    int errors = 0;
    tag.onError = [&errors](TMP3Tag& sender) {
        ++errors;
        QCOMPARE(Bytes(sender.Error()), kMissingFile);
    };
    const std::string path = Fixture(SongBlock());
    tag.SetFilename(path);
    QVERIFY(QFile::remove(QString::fromStdString(path)));
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(QString::fromStdString(path)));
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(path.c_str(), 0644), 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, tag.SetFilename(path));
    }

    tag.Save();
    QVERIFY(!tag.Saved());
    QVERIFY(!tag.Valid());
    QCOMPARE(Bytes(tag.Error()), kMissingFile);
    QCOMPARE(errors, 1);
    QCOMPARE(QFile::exists(QString::fromStdString(path)), kind != u"deleted");
}

void MP3TagTest::readOnlyFile_data()
{
    QTest::addColumn<unsigned>("mode");
    QTest::newRow("read-only for all") << 0444u;
    QTest::newRow("owner only, group may write") << 0460u;
}

// Write permission is lent for the write only: the file keeps its own mode afterwards.
void MP3TagTest::readOnlyFile()
{
    QFETCH(unsigned, mode);

    const std::string path = Fixture(Audio(300) + SongBlock());
    QCOMPARE(::chmod(path.c_str(), mode), 0);
    TMP3Tag tag;
    tag.SetFilename(path);
    tag.SetTitle("New");
    tag.Save();
    QVERIFY(tag.Saved());
    QCOMPARE(Contents(path), Audio(300) + TagBlock("New", "Band", "Disc", "1980", "Nice", 17, ' '));
    QCOMPARE(Mode(path), mode);
}

// The file was cut below its tag after the read, so the write fails; the mode comes back all
// the same.
void MP3TagTest::readOnlyFileWriteFails()
{
    const std::string path = Fixture(SongBlock());
    TMP3Tag tag;
    tag.SetFilename(path);
    QVERIFY(QFile::resize(QString::fromStdString(path), 50));
    QCOMPARE(::chmod(path.c_str(), 0444), 0);

    try {
        tag.Save();
        QFAIL("no exception");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QByteArray(error.what()),
                 "Cannot write file \"" + Bytes(path) + "\". " + QByteArray(std::strerror(EINVAL)));
    }
    QCOMPARE(Mode(path), 0444u);
    QCOMPARE(Contents(path), SongBlock().left(50));
}

QTEST_GUILESS_MAIN(MP3TagTest)
#include "tst_mp3tag.moc"
