#include "presets/PresetStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <stdexcept>

namespace {

QByteArray Lines(std::initializer_list<const char*> lines)
{
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

// A fresh window's options, as the Windows program writes them for a new section.
const QByteArray kFreshSection = Lines({
    "[Photos]", "showfiles=1", "filefilter=", "incsub=0",
    "textadd=0", "text=", "textins=0", "textinstext=", "textinstextpos=", "fdate=0",
    "fdatetype=Created Date", "fdateprefix=Suffix", "counter=0", "countlen=1", "countstart=1",
    "countprefix=Suffix", "textrep=0", "textreptext=", "textreptextw=", "textrepcs=0",
    "textrepall=0", "lower=0", "upper=0", "toggle=0", "title=0", "none=1", "remalpha=0",
    "remnum=0", "remspec=0", "remspace=0", "rembracket=0", "remall=0", "rematpos=0",
    "remfrom=1", "remlen=1", "remspeci=0", "remtext=", "remspeccs=0", "remspecall=0",
    "remins=0", "dateformat=MMDDYYYY",
    "textadd1=0", "text1=", "textins1=0", "textinstext1=", "textinstextpos1=", "counter1=0",
    "countlen1=1", "countstart1=1", "countprefix1=Suffix", "textrep1=0", "textreptext1=",
    "textreptextw1=", "textrepcs1=0", "textrepall1=0", "lower1=0", "upper1=0", "toggle1=0",
    "title1=0", "none1=1", "remalpha1=0", "remnum1=0", "remspec1=0", "remspace1=0",
    "rembracket1=0", "remall1=0", "rematpos1=0", "remfrom1=1", "remlen1=1", "remspeci1=0",
    "remtext1=", "remspeccs1=0", "remspecall1=0", "remins1=0",
});

// A file as the Windows functions leave it after a hand edit: CR LF, a comment, a blank line,
// keys in table order with "key=" for empty values, a key the program does not know.
const QByteArray kWindowsFile = Lines({
    "; presets of the renamer", "",
    "[Folders]", "showfiles=0", "mykey=kept", "",
    "[MP3 Tracks]", "showfiles=1", "filefilter=pictures (*.jpg;*.gif;*.png;*.ico;*.cur;*.pcx;*.bmp;*.psd;*.tif;*.tga)", "incsub=1",
    "textadd=1", "text=\" (1)\"", "textins=1", "textinstext=_x_", "textinstextpos=3", "fdate=1",
    "fdatetype=Modified Date", "fdateprefix=Prefix", "counter=1", "countlen=3", "countstart=10",
    "countprefix=Prefix", "textrep=1", "textreptext=a=b", "textreptextw=Ä", "textrepcs=1",
    "textrepall=1", "lower=0", "upper=0", "toggle=0", "title=1", "none=0", "remalpha=0",
    "remnum=1", "remspec=0", "remspace=1", "rembracket=0", "remall=0", "rematpos=1",
    "remfrom=", "remlen=2", "remspeci=1", "remtext=[x]", "remspeccs=1", "remspecall=0",
    "remins=1", "dateformat=YYYY-MM-DD",
    "textadd1=1", "text1=bak", "textins1=0", "textinstext1=", "textinstextpos1=", "counter1=1",
    "countlen1=2", "countstart1=0", "countprefix1=Suffix", "textrep1=0", "textreptext1=",
    "textreptextw1=", "textrepcs1=0", "textrepall1=0", "lower1=1", "upper1=0", "toggle1=0",
    "title1=0", "none1=0", "remalpha1=0", "remnum1=0", "remspec1=0", "remspace1=0",
    "rembracket1=0", "remall1=1", "rematpos1=0", "remfrom1=", "remlen1=", "remspeci1=0",
    "remtext1=", "remspeccs1=0", "remspecall1=0", "remins1=0",
});

Preset WindowsFilePreset()
{
    Preset p;
    p.filefilter = "pictures (*.jpg;*.gif;*.png;*.ico;*.cur;*.pcx;*.bmp;*.psd;*.tif;*.tga)";
    p.incsub = true;
    RenameRules& f = p.file;
    f.textadd = true;
    f.text = " (1)";
    f.textins = true;
    f.textinstext = "_x_";
    f.textinstextpos = "3";
    f.fdate = true;
    f.fdatetype = "Modified Date";
    f.fdateprefix = "Prefix";
    f.counter = true;
    f.countlen = "3";
    f.countstart = "10";
    f.countprefix = "Prefix";
    f.textrep = true;
    f.textreptext = "a=b";
    f.textreptextw = "Ä";
    f.textrepcs = true;
    f.textrepall = true;
    f.title = true;
    f.none = false;
    f.remnum = true;
    f.remspace = true;
    f.rematpos = true;
    f.remfrom = "";
    f.remlen = "2";
    f.remspeci = true;
    f.remtext = "[x]";
    f.remspeccs = true;
    f.remins = true;
    f.dateformat = "YYYY-MM-DD";
    RenameRules& e = p.ext;
    e.textadd = true;
    e.text = "bak";
    e.counter = true;
    e.countlen = "2";
    e.countstart = "0";
    e.lower = true;
    e.none = false;
    e.remall = true;
    e.remfrom = "";
    e.remlen = "";
    return p;
}

// What a section without keys reads as; not the fresh window (no case button, empty remove
// position and length).
Preset KeyTableDefaults()
{
    Preset p;
    for (RenameRules* rules : {&p.file, &p.ext}) {
        rules->none = false;
        rules->remfrom = "";
        rules->remlen = "";
    }
    return p;
}

void ComparePresets(const Preset& actual, const Preset& expected)
{
    QCOMPARE(actual.showfiles, expected.showfiles);
    QCOMPARE(actual.filefilter, expected.filefilter);
    QCOMPARE(actual.incsub, expected.incsub);
    QVERIFY(actual.file == expected.file);
    QVERIFY(actual.ext == expected.ext);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::string Path(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool Chattr(const QString& flag, const QString& path)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

} // namespace

class PresetStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void missingFileHasNoPresets();
    void firstSaveCreatesTheFile();
    void roundTripsEveryValue();
    void readsWindowsFileAndWritesItBackUnchanged();
    void overwriteKeepsPlaceSpellingAndOtherKeys();
    void missingKeysReadAsTheKeyTable();
    void encodings_data();
    void encodings();
    void eraseRemovesOnlyThatSection();
    void failedWriteLeavesTheFile_data();
    void failedWriteLeavesTheFile();
    void presetNames_data();
    void presetNames();

private:
    QTemporaryDir m_dir;
    QString m_ini;
};

void PresetStoreTest::init()
{
    QVERIFY(m_dir.isValid());
    m_ini = m_dir.filePath(QStringLiteral("settings.ini"));
    QFile::remove(m_ini);
}

void PresetStoreTest::missingFileHasNoPresets()
{
    const PresetStore store(Path(m_ini));
    QVERIFY(store.ListPresets().empty());
    ComparePresets(store.ReadPreset("Photos"), KeyTableDefaults());
    QVERIFY(!QFile::exists(m_ini));
}

void PresetStoreTest::firstSaveCreatesTheFile()
{
    PresetStore store(Path(m_ini));
    store.WritePreset("Photos", Preset{});
    QCOMPARE(ReadBytes(m_ini), kFreshSection);
    QCOMPARE(store.ListPresets(), std::vector<std::string>{"Photos"});
    ComparePresets(store.ReadPreset("Photos"), Preset{});
}

void PresetStoreTest::roundTripsEveryValue()
{
    PresetStore store(Path(m_ini));
    Preset preset = WindowsFilePreset();
    preset.showfiles = false;
    preset.file.textinstext = "'quoted'";
    preset.file.remtext = " ends with a blank ";
    preset.ext.textreptext = "\"\"";
    preset.ext.textreptextw = "\t";
    store.WritePreset("Mixed", preset);
    store.WritePreset("Other", Preset{});
    ComparePresets(store.ReadPreset("Mixed"), preset);
}

void PresetStoreTest::readsWindowsFileAndWritesItBackUnchanged()
{
    WriteBytes(m_ini, kWindowsFile);
    PresetStore store(Path(m_ini));
    QCOMPARE(store.ListPresets(), (std::vector<std::string>{"Folders", "MP3 Tracks"}));
    const Preset preset = store.ReadPreset("MP3 Tracks");
    ComparePresets(preset, WindowsFilePreset());
    store.WritePreset("MP3 Tracks", preset);
    QCOMPARE(ReadBytes(m_ini), kWindowsFile);
}

// Also keeps the file's permissions across the replacement.
void PresetStoreTest::overwriteKeepsPlaceSpellingAndOtherKeys()
{
    const QByteArray first = Lines({"[First]", "showfiles=0"});
    const QByteArray last = Lines({"[Last]", "text=z"});
    WriteBytes(m_ini, first + Lines({"[Mp3]", "text=old", "extra=kept", "", ""}) + last);
    QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    PresetStore store(Path(m_ini));
    Preset preset = WindowsFilePreset();
    store.WritePreset(" MP3 ", preset);
    store.WritePreset("mp3", preset);

    QCOMPARE(store.ListPresets(), (std::vector<std::string>{"First", "Mp3", "Last"}));
    const QByteArray bytes = ReadBytes(m_ini);
    QVERIFY(bytes.startsWith(first + "[Mp3]\r\ntext=\" (1)\"\r\nextra=kept\r\nshowfiles=1\r\n"));
    QVERIFY(bytes.endsWith("remins1=0\r\n\r\n\r\n" + last));
    QCOMPARE(bytes.count("\r\n"), first.count("\r\n") + 1 + 73 + 1 + 2 + last.count("\r\n"));
    ComparePresets(store.ReadPreset("MP3"), preset);
    const auto userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QCOMPARE(QFile::permissions(m_ini) & ~userBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void PresetStoreTest::missingKeysReadAsTheKeyTable()
{
    WriteBytes(m_ini, Lines({"[Folders]", "showfiles=0"}));
    Preset expected = KeyTableDefaults();
    expected.showfiles = false;
    ComparePresets(PresetStore(Path(m_ini)).ReadPreset("folders"), expected);
    ComparePresets(PresetStore(Path(m_ini)).ReadPreset("Elsewhere"), KeyTableDefaults());
}

void PresetStoreTest::encodings_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("checked");
    QTest::newRow("showfiles 1") << QByteArray("showfiles=1") << true;
    QTest::newRow("showfiles 0") << QByteArray("showfiles=0") << false;
    QTest::newRow("showfiles 2") << QByteArray("showfiles=2") << false;
    QTest::newRow("showfiles -1") << QByteArray("showfiles=-1") << false;
    QTest::newRow("showfiles 0x1") << QByteArray("showfiles=0x1") << true;
    QTest::newRow("showfiles word") << QByteArray("showfiles=yes") << true;
    QTest::newRow("showfiles empty") << QByteArray("showfiles=") << true;
    QTest::newRow("flag 1") << QByteArray("incsub=1") << true;
    QTest::newRow("flag 7") << QByteArray("incsub=7") << true;
    QTest::newRow("flag -1") << QByteArray("incsub=-1") << true;
    QTest::newRow("flag 0x1") << QByteArray("incsub=0x1") << true;
    QTest::newRow("flag $10") << QByteArray("incsub=$10") << true;
    QTest::newRow("flag quoted and padded") << QByteArray("incsub= '1' ") << true;
    QTest::newRow("flag 0") << QByteArray("incsub=0") << false;
    QTest::newRow("flag word") << QByteArray("incsub=true") << false;
    QTest::newRow("flag empty") << QByteArray("incsub=") << false;
    QTest::newRow("flag 1.5") << QByteArray("incsub=1.5") << false;
}

void PresetStoreTest::encodings()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, checked);
    const QByteArray key = line.left(line.indexOf('='));
    const QByteArray value = line.mid(line.indexOf('=') + 1);
    // The same value in a flag of each record, under a name in another case.
    WriteBytes(m_ini, "[P]\r\n" + line + "\r\nREMALL=" + value + "\r\nRemAll1=" + value + "\r\n");
    const Preset preset = PresetStore(Path(m_ini)).ReadPreset("p");
    QCOMPARE(key == "showfiles" ? preset.showfiles : preset.incsub, checked);
    if (key != "showfiles") {
        QCOMPARE(preset.file.remall, checked);
        QCOMPARE(preset.ext.remall, checked);
    }
}

void PresetStoreTest::eraseRemovesOnlyThatSection()
{
    const QByteArray first = Lines({"; top", "[First]", "showfiles=0"});
    const QByteArray last = Lines({"[Last]", "text=z"});
    WriteBytes(m_ini, first + Lines({"[Gone]", "text=x", "; note", "unknown=1", ""}) + last);
    PresetStore store(Path(m_ini));
    store.ErasePreset("GONE");
    QCOMPARE(ReadBytes(m_ini), first + last);
    store.ErasePreset("First");
    store.ErasePreset("Last");
    QVERIFY(store.ListPresets().empty());
    QCOMPARE(ReadBytes(m_ini), QByteArray("; top\r\n"));
}

void PresetStoreTest::failedWriteLeavesTheFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("blocker");
    QTest::newRow("folder missing") << QStringLiteral("missing") << QString();
    QTest::newRow("folder is a file") << QStringLiteral("plain") << QStringLiteral("file");
    QTest::newRow("read-only file") << QStringLiteral("ro") << QStringLiteral("read-only file");
    QTest::newRow("folder that takes no new file") << QStringLiteral("locked") << QStringLiteral("immutable folder");
}

// Save fails with the path in the message; where the file holds the preset, erase fails too.
// Both leave the old bytes and no temporary file behind.
void PresetStoreTest::failedWriteLeavesTheFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, blocker);
    const QString folderPath = m_dir.filePath(folder);
    const QString ini = folderPath + QStringLiteral("/settings.ini");
    const QByteArray old = Lines({"[Keep]", "text=old"});
    QString undoFlagOn;
    const auto undo = qScopeGuard([&] {
        if (!undoFlagOn.isEmpty())
            Chattr(QStringLiteral("-i"), undoFlagOn);
    });
    if (blocker == QStringLiteral("file")) {
        WriteBytes(folderPath, "not a folder");
    } else if (!blocker.isEmpty()) {
        QVERIFY(QDir(m_dir.path()).mkdir(folder));
        WriteBytes(ini, old);
        const bool asRoot = geteuid() == 0;
        if (blocker == QStringLiteral("read-only file") && !asRoot) {
            QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadUser));
        } else {
            // Permissions do not stop root; the immutable attribute does.
            undoFlagOn = blocker == QStringLiteral("read-only file") ? ini : folderPath;
            if (!Chattr(QStringLiteral("+i"), undoFlagOn)) {
                undoFlagOn.clear();
                QSKIP("chattr +i is not available here");
            }
        }
    }
    PresetStore store(Path(ini));
    const QString expected = QStringLiteral("Unable to write to ") + ini;
    const bool fileKept = !blocker.isEmpty() && blocker != QStringLiteral("file");
    for (const bool erase : {false, true}) {
        if (erase && !fileKept)
            break;
        try {
            if (erase)
                store.ErasePreset("Keep");
            else
                store.WritePreset("Keep", Preset{});
            QFAIL("no error");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString::fromUtf8(error.what()), expected);
        }
        if (fileKept) {
            QCOMPARE(ReadBytes(ini), old);
            QCOMPARE(QDir(folderPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("settings.ini")});
        }
    }
}

void PresetStoreTest::presetNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << QByteArray("mp3 files") << true;
    QTest::newRow("outer blanks") << QByteArray("  mp3 ") << true;
    QTest::newRow("semicolon inside") << QByteArray("a;b") << true;
    QTest::newRow("non-ASCII") << QByteArray("Fotos für Oma") << true;
    QTest::newRow("blank") << QByteArray("   ") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("opening bracket") << QByteArray("a[b") << false;
    QTest::newRow("closing bracket") << QByteArray("a]b") << false;
    QTest::newRow("semicolon first after blanks") << QByteArray(" ;a") << false;
    QTest::newRow("line break") << QByteArray("a\nb") << false;
}

// A refused name is refused by the store too, before the file is touched.
void PresetStoreTest::presetNames()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, valid);
    QCOMPARE(IsValidPresetName(name.toStdString()), valid);
    if (valid)
        return;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, PresetStore(Path(m_ini)).WritePreset(name.toStdString(), Preset{}));
    QVERIFY(!QFile::exists(m_ini));
}

QTEST_GUILESS_MAIN(PresetStoreTest)
#include "tst_presetstore.moc"
