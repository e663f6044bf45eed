#include "batch/TagPass.h"
#include "tests/support/CountingProgress.h"
#include "tags/MP3Tag.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Field(const char* text, int width)
{
    QByteArray field(text);
    field.append(QByteArray(width - field.size(), '\0'));
    return field;
}

QByteArray TagBlock(const char* title, const char* artist, const char* year, unsigned char genre)
{
    return "TAG" + Field(title, 30) + Field(artist, 30) + Field("Album", 30) + Field(year, 4)
        + Field("Note", 30) + QByteArray(1, static_cast<char>(genre));
}

QByteArray Tail(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().right(128);
}

} // namespace

class TagPassTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void yearOnlyKeepsTheRest();
    void genreWritesCodeAndColumn();
    void fileFollowsTheCurrentName();
    void stopBetweenRows();
    void unreadableFileEndsThePass();

private:
    RenameItem AddFile(const char* name, const QByteArray& content);

    QTemporaryDir m_dir;
    std::vector<RenameItem> m_rows;
};

void TagPassTest::init()
{
    m_rows.clear();
}

RenameItem TagPassTest::AddFile(const char* name, const QByteArray& content)
{
    QFile file(m_dir.filePath(QString::fromUtf8(name)));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
    RenameItem row;
    row[RenameItem::OriginalName] = name;
    row[RenameItem::Path] = m_dir.path().toStdString() + "/";
    m_rows.push_back(row);
    return row;
}

void TagPassTest::yearOnlyKeepsTheRest()
{
    AddFile("tagged.mp3", QByteArray(200, 'x') + TagBlock("Song", "Band", "1980", 17));
    AddFile("bare.mp3", QByteArray(200, 'x'));
    TagFields fields;
    fields.year = "19991";  // the column gets the text as typed, the file four characters
    TMP3Tag tag;
    CountingProgress progress;
    const TagPassResult result = WriteTags(m_rows, fields, tag, progress);

    QCOMPARE(result.failures, 0);
    QCOMPARE(Tail(m_dir.filePath(QStringLiteral("tagged.mp3"))), TagBlock("Song", "Band", "1999", 17).replace('\0', ' '));
    const QByteArray fresh = Tail(m_dir.filePath(QStringLiteral("bare.mp3")));
    QCOMPARE(fresh.left(3), QByteArray("TAG"));
    QCOMPARE(fresh.mid(93, 4), QByteArray("1999"));
    QCOMPARE(fresh.mid(3, 30), QByteArray(30, ' '));
    QCOMPARE(static_cast<unsigned char>(fresh[127]), 12);
    for (const RenameItem& row : m_rows) {
        QCOMPARE(row[RenameItem::Year], std::string("19991"));
        QCOMPARE(row[RenameItem::Title], std::string());
    }
}

void TagPassTest::genreWritesCodeAndColumn()
{
    AddFile("a.mp3", QByteArray(10, 'x'));
    TagFields fields;
    fields.genreId = 0;
    fields.genreName = "Blues";
    TMP3Tag tag;
    CountingProgress progress;
    WriteTags(m_rows, fields, tag, progress);
    QCOMPARE(Tail(m_dir.filePath(QStringLiteral("a.mp3"))).at(127), '\0');
    QCOMPARE(m_rows[0][RenameItem::Genre], std::string("Blues"));
}

void TagPassTest::fileFollowsTheCurrentName()
{
    AddFile("renamed.mp3", QByteArray(10, 'x'));
    AddFile("original.mp3", QByteArray(10, 'x'));
    m_rows[0][RenameItem::OriginalName] = "old.mp3";
    m_rows[0][RenameItem::NewName] = "renamed.mp3";
    m_rows[1][RenameItem::NewName] = "  ";
    TagFields fields;
    fields.title = "T";
    TMP3Tag tag;
    CountingProgress progress;
    WriteTags(m_rows, fields, tag, progress);
    QCOMPARE(Tail(m_dir.filePath(QStringLiteral("renamed.mp3"))).mid(3, 2), QByteArray("T "));
    QCOMPARE(Tail(m_dir.filePath(QStringLiteral("original.mp3"))).mid(3, 2), QByteArray("T "));
}

void TagPassTest::stopBetweenRows()
{
    for (int i = 0; i < 50; ++i)
        AddFile(qPrintable(QStringLiteral("f%1.mp3").arg(i)), QByteArray(10, 'x'));
    TagFields fields;
    fields.artist = "A";
    TMP3Tag tag;
    CountingProgress progress(10);
    WriteTags(m_rows, fields, tag, progress);
    for (int i = 0; i < 50; ++i) {
        const QString path = m_dir.filePath(QStringLiteral("f%1.mp3").arg(i));
        QCOMPARE(QFileInfo(path).size(), i < 10 ? 138 : 10);
        QCOMPARE(m_rows[i][RenameItem::Artist], std::string(i < 10 ? "A" : ""));
    }
}

void TagPassTest::unreadableFileEndsThePass()
{
    AddFile("first.mp3", QByteArray(10, 'x'));
    AddFile("gone.mp3", QByteArray(10, 'x'));
    AddFile("last.mp3", QByteArray(10, 'x'));
    QFile::remove(m_dir.filePath(QStringLiteral("gone.mp3")));
    TagFields fields;
    fields.album = "B";
    TMP3Tag tag;
    CountingProgress progress;
    QVERIFY_THROWS_EXCEPTION(std::exception, WriteTags(m_rows, fields, tag, progress));
    QCOMPARE(QFileInfo(m_dir.filePath(QStringLiteral("first.mp3"))).size(), 138);
    QCOMPARE(QFileInfo(m_dir.filePath(QStringLiteral("last.mp3"))).size(), 10);
    QCOMPARE(m_rows[0][RenameItem::Album], std::string("B"));
}

QTEST_APPLESS_MAIN(TagPassTest)
#include "tst_tagpass.moc"
