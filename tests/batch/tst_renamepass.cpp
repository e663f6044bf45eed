#include "batch/CopyPass.h"
#include "batch/CsvLine.h"
#include "batch/ListExport.h"
#include "batch/RenamePass.h"
#include "engine/DateStamp.h"
#include "platform/FileOps.h"
#include "tests/support/CountingProgress.h"
#include "tests/support/FakeFileOps.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// name -> content of every entry of a folder; a subfolder shows as "<folder>".
std::map<std::string, std::string> Snapshot(const QString& folder)
{
    std::map<std::string, std::string> entries;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFile file(info.filePath());
        const std::string name = QFile::encodeName(info.fileName()).toStdString();
        if (info.isDir()) {
            entries[name] = "<folder>";
        } else if (file.open(QIODevice::ReadOnly)) {
            entries[name] = file.readAll().toStdString();
        }
    }
    return entries;
}

DateTime FixedNow()
{
    return {2026, 12, 10, 14, 5, 9};
}

class Folder {
public:
    std::string Path() const { return QFile::encodeName(m_dir.path()).toStdString() + "/"; }
    QString QPath() const { return m_dir.path(); }

    // A file whose content is its own name, so a lost or swapped file shows.
    void AddFile(const std::string& name)
    {
        QFile file(QFile::decodeName(QByteArray::fromStdString(Path() + name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString("content of " + name));
    }
    void AddFolder(const std::string& name) { QVERIFY(QDir().mkdir(QFile::decodeName(QByteArray::fromStdString(Path() + name)))); }

    std::vector<RenameItem> Rows(std::initializer_list<std::string> names) const
    {
        std::vector<RenameItem> rows;
        for (const std::string& name : names) {
            RenameItem row;
            row[RenameItem::OriginalName] = name;
            row[RenameItem::Path] = Path();
            row[RenameItem::Created] = "01/02/2003";
            row[RenameItem::ModifiedDate] = "04/05/2006";
            row[RenameItem::Accessed] = "07/08/2009";
            rows.push_back(row);
        }
        return rows;
    }

private:
    QTemporaryDir m_dir;
};

std::vector<std::string> Column(const std::vector<RenameItem>& rows, RenameItem::Column column)
{
    std::vector<std::string> cells;
    for (const RenameItem& row : rows)
        cells.push_back(row[column]);
    return cells;
}

using Names = std::vector<std::string>;

// The field as written into a buffer of just its bound; a write past the field's end fails.
std::string CsvField(std::string_view field)
{
    std::string buffer(CsvFieldBound(field.size()) + 16, '#');
    char* end = WriteCsvField(buffer.data(), field);
    const std::string written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (buffer.find_first_not_of('#', written.size()) != std::string::npos)
        return "written past the end";
    return written;
}

} // namespace

class RenamePassTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetNowSource(&FixedNow); }
    void cleanup() { SetNowSource(nullptr); }

    void counterFromStartNumber();
    void dateTextPerKind_data();
    void dateTextPerKind();
    void foldersMode();
    void stopAfterThirdRow();
    void blankNameEndsTheWalk();
    void slashInNameEndsTheWalk();
    void renamedRowsAreSkipped();
    void refusedMoveClaimsNoName();
    void undoRestoresAChain();
    void undoFailureKeepsTheRow();
    void copyReplacesAndCounts();
    void csvBytes();
    void csvQuotingAtEveryPlace();
    void randomizedSafety();
};

void RenamePassTest::counterFromStartNumber()
{
    Folder folder;
    for (const char* name : {"a.txt", "b.txt", "c"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a.txt", "b.txt", "c"});
    RenamePassSettings settings;
    settings.start = 5;
    settings.fileRules.counter = true;
    settings.extRules.counter = true;
    settings.extRules.countstart = "99";  // the extension counts from the file-name start too
    CountingProgress progress;
    const RenamePassResult result = RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(result.end, RenamePassResult::End::Completed);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"a5.txt5", "b6.txt6", "c7.7"}));
    QCOMPARE(Column(rows, RenameItem::Org), (Names{"a.txt", "b.txt", "c"}));
    const auto files = Snapshot(folder.QPath());
    QCOMPARE(files.at("a5.txt5"), std::string("content of a.txt"));
    QCOMPARE(files.at("c7.7"), std::string("content of c"));
    QCOMPARE(files.size(), std::size_t(3));
}

void RenamePassTest::dateTextPerKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("created") << 0 << QStringLiteral("Created Date") << QStringLiteral("photo20030201.jpg");
    QTest::newRow("modified") << 1 << QStringLiteral("Modified Date") << QStringLiteral("photo20060504.jpg");
    QTest::newRow("accessed") << 2 << QStringLiteral("Accessed Date") << QStringLiteral("photo20090807.jpg");
    QTest::newRow("today") << 3 << QStringLiteral("Todays Date") << QStringLiteral("photo20261210.jpg");
}

void RenamePassTest::dateTextPerKind()
{
    QFETCH(int, kind);
    QFETCH(QString, type);
    QFETCH(QString, expected);
    Folder folder;
    folder.AddFile("photo.jpg");
    std::vector<RenameItem> rows = folder.Rows({"photo.jpg"});
    RenamePassSettings settings;
    settings.dateKind = kind;
    settings.fileRules.fdate = true;
    settings.fileRules.fdatetype = type.toStdString();
    settings.fileRules.dateformat = "YYYYMMDD";
    CountingProgress progress;
    RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(QString::fromStdString(rows[0][RenameItem::NewName]), expected);
}

void RenamePassTest::foldersMode()
{
    Folder folder;
    for (const char* name : {"Alpha", "Beta", "alpha2", "Trip.2024"})
        folder.AddFolder(name);
    std::vector<RenameItem> rows = folder.Rows({"Alpha", "alpha2", "Trip.2024"});
    RenamePassSettings settings;
    settings.filesMode = false;
    settings.fileRules.textrep = true;
    settings.fileRules.textreptext = "alpha";  // any case: «Alpha» onto the existing «Beta»
    settings.fileRules.textreptextw = "Beta";
    settings.fileRules.textadd = true;
    rows[1][RenameItem::OriginalName] = "alpha2";
    CountingProgress progress;
    RenamePassResult result = RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(result.folderFailures, 1);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"", "Beta2", "Trip.2024"}));
    QCOMPARE(rows[0][RenameItem::Org], std::string("Alpha"));
    const auto entries = Snapshot(folder.QPath());
    QVERIFY(entries.count("Alpha") && entries.count("Beta") && entries.count("Beta2") && entries.count("Trip.2024"));

    // A change of letter case alone is carried out; a folder name keeps its dot.
    std::vector<RenameItem> again = folder.Rows({"Alpha", "Trip.2024"});
    RenamePassSettings upper;
    upper.filesMode = false;
    upper.fileRules.upper = true;
    upper.fileRules.textadd = true;
    upper.fileRules.text = "";
    result = RenameRows(again, upper, SystemFileOps(), progress);
    QCOMPARE(result.folderFailures, 0);
    QCOMPARE(Column(again, RenameItem::NewName), (Names{"ALPHA", "TRIP.2024"}));
    QVERIFY(Snapshot(folder.QPath()).count("TRIP.2024"));
}

void RenamePassTest::stopAfterThirdRow()
{
    Folder folder;
    std::vector<RenameItem> rows;
    for (int i = 0; i < 10; ++i) {
        const std::string name = "f" + std::to_string(i);
        folder.AddFile(name);
        rows.push_back(folder.Rows({name})[0]);
    }
    RenamePassSettings settings;
    settings.fileRules.upper = true;
    CountingProgress progress(3);
    const RenamePassResult result = RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(result.end, RenamePassResult::End::Stopped);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(rows[i][RenameItem::NewName].empty(), i >= 3);
    QVERIFY(Snapshot(folder.QPath()).count("F2") && Snapshot(folder.QPath()).count("f3"));
}

void RenamePassTest::blankNameEndsTheWalk()
{
    Folder folder;
    for (const char* name : {"a0.txt", "a1.txt", "a2.txt", "a3.txt", "4.txt", "a5.txt"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a0.txt", "a1.txt", "a2.txt", "a3.txt", "4.txt", "a5.txt"});
    RenamePassSettings settings;
    settings.fileRules.remnum = true;
    settings.fileRules.textadd = true;
    settings.fileRules.text = "";
    CountingProgress progress;
    // a0 -> a, then a1 -> a is refused (taken); the digits-only name of row 4 comes out blank.
    const RenamePassResult result = RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(result.end, RenamePassResult::End::BlankName);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"a.txt", "", "", "", "", ""}));
    QCOMPARE(Column(rows, RenameItem::Org), (Names{"a0.txt", "a1.txt", "a2.txt", "a3.txt", "", ""}));
    QCOMPARE(result.failures, 3);
    QCOMPARE(result.firstReason, std::string("File exists"));
    QCOMPARE(Snapshot(folder.QPath()).at("a.txt"), std::string("content of a0.txt"));
    QCOMPARE(Snapshot(folder.QPath()).at("a1.txt"), std::string("content of a1.txt"));
}

void RenamePassTest::slashInNameEndsTheWalk()
{
    Folder folder;
    for (const char* name : {"a", "b-c"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a", "b-c"});
    RenamePassSettings settings;
    settings.fileRules.textrep = true;
    settings.fileRules.textreptext = "-";
    settings.fileRules.textreptextw = "/";
    CountingProgress progress;
    const RenamePassResult result = RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(result.end, RenamePassResult::End::SlashInName);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"a", ""}));
    QCOMPARE(Column(rows, RenameItem::Org), (Names{"a", ""}));
}

void RenamePassTest::renamedRowsAreSkipped()
{
    Folder folder;
    for (const char* name : {"a", "b2", "c"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a", "b", "c"});
    rows[1][RenameItem::NewName] = "b2";
    rows[1][RenameItem::Org] = "b";
    RenamePassSettings settings;
    settings.start = 10;
    settings.fileRules.counter = true;
    settings.fileRules.countlen = "2";
    CountingProgress progress;
    RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"a10", "b2", "c12"}));
    QCOMPARE(Snapshot(folder.QPath()).at("b2"), std::string("content of b2"));
}

void RenamePassTest::refusedMoveClaimsNoName()
{
    Folder folder;
    for (const char* name : {"a", "b", "c"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a", "b", "c"});
    RenamePassSettings settings;
    settings.fileRules.upper = true;
    FakeFileOps ops;
    ops.FailCall(FakeFileOps::Op::MoveFile, 2, "Permission denied");
    CountingProgress progress;
    const RenamePassResult result = RenameRows(rows, settings, ops, progress);
    QCOMPARE(result.end, RenamePassResult::End::Completed);
    QCOMPARE(result.failures, 1);
    QCOMPARE(result.firstReason, std::string("Permission denied"));
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"A", "", "C"}));
    QCOMPARE(Column(rows, RenameItem::Org), (Names{"a", "b", "c"}));
    QVERIFY(Snapshot(folder.QPath()).count("b"));
}

void RenamePassTest::undoRestoresAChain()
{
    Folder folder;
    for (const char* name : {"a", "b"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"a", "b"});
    // Row 1 takes the name row 0 gave up: a -> z, b -> a.
    RenamePassSettings settings;
    settings.fileRules.textrep = true;
    settings.fileRules.textreptext = "a";
    settings.fileRules.textreptextw = "z";
    CountingProgress progress;
    RenameRows(rows, settings, SystemFileOps(), progress);
    rows[1][RenameItem::NewName].clear();
    settings.fileRules.textreptext = "b";
    settings.fileRules.textreptextw = "a";
    RenameRows(rows, settings, SystemFileOps(), progress);
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"z", "a"}));

    UndoPassResult undo = UndoRows(rows, true, SystemFileOps(), progress);
    QCOMPARE(undo.handled, 2);
    QCOMPARE(undo.failures, 0);
    const auto files = Snapshot(folder.QPath());
    QCOMPARE(files.at("a"), std::string("content of a"));
    QCOMPARE(files.at("b"), std::string("content of b"));
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"", ""}));
    undo = UndoRows(rows, true, SystemFileOps(), progress);
    QCOMPARE(undo.handled, 0);
}

void RenamePassTest::undoFailureKeepsTheRow()
{
    Folder folder;
    for (const char* name : {"x", "y"})
        folder.AddFile(name);
    std::vector<RenameItem> rows = folder.Rows({"x", "y"});
    RenamePassSettings settings;
    settings.fileRules.upper = true;
    CountingProgress progress;
    RenameRows(rows, settings, SystemFileOps(), progress);
    FakeFileOps ops;
    ops.FailCall(FakeFileOps::Op::MoveFile, 1, "Device or resource busy");  // the last row goes first
    UndoPassResult undo = UndoRows(rows, true, ops, progress);
    QCOMPARE(undo.failures, 1);
    QCOMPARE(undo.firstReason, std::string("Device or resource busy"));
    QCOMPARE(Column(rows, RenameItem::NewName), (Names{"", "Y"}));
    undo = UndoRows(rows, true, SystemFileOps(), progress);
    QCOMPARE(undo.failures, 0);
    QCOMPARE(Snapshot(folder.QPath()).count("y"), std::size_t(1));
}

void RenamePassTest::copyReplacesAndCounts()
{
    Folder source;
    Folder target;
    for (const char* name : {"one", "two", "three"})
        source.AddFile(name);
    target.AddFile("one");
    QFile old(target.QPath() + QStringLiteral("/one"));
    QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("old");
    old.close();
    std::vector<RenameItem> rows = source.Rows({"one", "two", "three"});
    rows[0][RenameItem::NewName] = "one";
    rows[2][RenameItem::NewName] = "three";
    CountingProgress progress;
    CopyPassResult result = CopyRows(rows, target.Path(), SystemFileOps(), progress);
    QCOMPARE(result.copied, 2);
    QCOMPARE(result.failures, 0);
    QCOMPARE(Snapshot(target.QPath()), (std::map<std::string, std::string>{{"one", "content of one"}, {"three", "content of three"}}));

    FakeFileOps ops;
    ops.FailCall(FakeFileOps::Op::ShellCopy, 1, "No space left on device");
    result = CopyRows(rows, target.Path(), ops, progress);
    QCOMPARE(result.copied, 1);
    QCOMPARE(result.failures, 1);
    QCOMPARE(result.firstReason, std::string("No space left on device"));

    CountingProgress stopAtOnce(0);
    result = CopyRows(rows, target.Path(), SystemFileOps(), stopAtOnce);
    QVERIFY(result.stopped);
    QCOMPARE(result.copied, 0);
}

void RenamePassTest::csvBytes()
{
    std::vector<RenameItem> rows(3);
    rows[0][RenameItem::OriginalName] = "a.jpg";
    rows[0][RenameItem::NewName] = "b.jpg";
    rows[0][RenameItem::Path] = "/pics/";
    rows[0][RenameItem::Type] = "JPEG image";
    rows[0][RenameItem::ModifiedDate] = "05/01/2009";
    rows[1][RenameItem::OriginalName] = "x, \"y\".jpg";
    rows[1][RenameItem::Path] = "/pics/";
    rows[2][RenameItem::OriginalName] = "two\r\nlines";
    rows[2][RenameItem::Type] = std::string("nul\0, then comma", 16);
    const auto csvOf = [](const std::vector<RenameItem>& list, const DateTime& now) {
        CountingProgress progress;
        std::string text;
        WriteCsv(list, now, "March", [&text](std::string_view piece) { text += piece; }, progress);
        return text;
    };
    QCOMPARE(QByteArray::fromStdString(csvOf(rows, DateTime{2009, 3, 7, 14, 5, 9})),
             QByteArray("Quillmark - Renamed Files List \r\n\r\n"
                        "Date : 07, March 2009 02:05:09 pm\r\n\r\n"
                        "Original Name,New Name,Path,Type,Date\r\n\r\n"
                        "a.jpg,b.jpg,/pics/,JPEG image,05/01/2009\r\n"
                        "\"x, \"\"y\"\".jpg\",,/pics/,,\r\n"
                        "\"two\r\nlines\",,,\"nul\0, then comma\",\r\n", 217));
    QVERIFY(csvOf({}, DateTime{2009, 3, 7, 0, 5, 9}).find("12:05:09 am") != std::string::npos);
    QVERIFY(csvOf({}, DateTime{2009, 3, 7, 12, 0, 0}).find("12:00:00 pm") != std::string::npos);

    // A long list arrives in several pieces that join into every row, in order.
    std::vector<RenameItem> many(40000);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i][RenameItem::OriginalName] = std::to_string(i);
    CountingProgress progress;
    std::string text;
    int pieces = 0;
    WriteCsv(many, DateTime{2009, 3, 7, 0, 0, 0}, "March", [&](std::string_view piece) {
        text += piece;
        ++pieces;
    }, progress);
    QVERIFY(pieces > 1);
    QVERIFY(text.ends_with("\r\n39998,,,,\r\n39999,,,,\r\n"));
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    QCOMPARE(lines, many.size() + 6);
}

// The check reads a field in blocks: a character that needs quotes is found at every place
// of every length around the block sizes, and no byte beside the field is taken for one.
void RenamePassTest::csvQuotingAtEveryPlace()
{
    for (std::size_t size = 1; size <= 40; ++size) {
        for (std::size_t at = 0; at < size; ++at) {
            for (const char special : {',', '"', '\r', '\n'}) {
                std::string field(size, 'a');
                field[at] = special;
                const std::string out = CsvField(field);
                QVERIFY2(out.front() == '"' && out.back() == '"', qPrintable(u"size %1 at %2"_s.arg(size).arg(at)));
            }
        }
        // Ordinary bytes, a NUL and bytes with the high bit set stay as they are, even with a
        // comma right behind the field.
        const std::string line = std::string(size, '\0') + "\xAC\xA2," ;
        const std::string_view plain(line.data() + 1, size + 1);
        QCOMPARE(CsvField(plain), std::string(plain));
    }
}

// Rules that make names collide (counters that shift names onto each other, swaps of letters,
// replacements that map two names onto one) over a small folder; whatever the system refuses,
// no file is lost or overwritten, each file bears its original name or its row's "New Name",
// and undo gives every original name back.
void RenamePassTest::randomizedSafety()
{
    QRandomGenerator random(20261210);
    const std::vector<std::string> pool = {"a1", "a2", "b1", "b2", "1", "2", "12", "ab", "ba", "a1.txt", "b1.txt", "A1"};
    for (int run = 0; run < 300; ++run) {
        Folder folder;
        std::vector<std::string> names = pool;
        std::shuffle(names.begin(), names.end(), std::mt19937(random.generate()));
        names.resize(4 + random.bounded(5));
        std::vector<RenameItem> rows;
        for (const std::string& name : names) {
            folder.AddFile(name);
            rows.push_back(folder.Rows({name})[0]);
        }
        const auto before = Snapshot(folder.QPath());

        RenamePassSettings settings;
        settings.start = static_cast<std::int32_t>(random.bounded(3));
        RenameRules& rules = settings.fileRules;
        switch (random.bounded(5)) {
        case 0:  // counters that shift names onto their neighbours' names
            rules.remnum = true;
            rules.counter = true;
            break;
        case 1:  // a swap of letters
            rules.textrep = true;
            rules.textreptext = random.bounded(2) ? "a" : "b";
            rules.textreptextw = rules.textreptext == "a" ? "b" : "a";
            rules.textrepall = true;
            break;
        case 2:  // two names onto one
            rules.remalpha = true;
            break;
        case 3:
            rules.upper = true;
            break;
        default:
            rules.remall = true;  // blank names end the walk
            break;
        }
        FakeFileOps ops;
        if (random.bounded(3) == 0)
            ops.FailCall(FakeFileOps::Op::MoveFile, 1 + static_cast<int>(random.bounded(4)), "Permission denied");
        CountingProgress progress(random.bounded(4) == 0 ? random.bounded(static_cast<quint32>(rows.size())) : SIZE_MAX);
        RenameRows(rows, settings, ops, progress);

        const auto after = Snapshot(folder.QPath());
        QCOMPARE(after.size(), before.size());
        for (const RenameItem& row : rows) {
            const std::string& newName = row[RenameItem::NewName];
            const std::string bearer = newName.empty() ? row[RenameItem::OriginalName] : newName;
            QVERIFY2(after.count(bearer), bearer.c_str());
            QCOMPARE(after.at(bearer), "content of " + row[RenameItem::OriginalName]);
        }

        CountingProgress unlimited;
        const UndoPassResult undo = UndoRows(rows, true, SystemFileOps(), unlimited);
        QCOMPARE(undo.failures, 0);
        QCOMPARE(Snapshot(folder.QPath()), before);
    }
}

QTEST_GUILESS_MAIN(RenamePassTest)
#include "tst_renamepass.moc"
