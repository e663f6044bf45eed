#include "engine/DateStamp.h"
#include "engine/NewName.h"

#include "tests/support/ByteText.h"

#include <QTest>

#include <stdexcept>

Q_DECLARE_METATYPE(RenameRules)

namespace {

const char* const kSampleBase = "A SAMPLE FILE-(name)-1900-#2";

template <typename Edit>
RenameRules Rules(Edit edit)
{
    RenameRules rules;
    edit(rules);
    return rules;
}

DateTime FixedNow()
{
    return {2026, 12, 10, 14, 5, 9};
}

// The message of the std::invalid_argument that call throws, or "" when it throws nothing.
template <typename Call>
QByteArray ErrorOf(Call call)
{
    try {
        call();
    } catch (const std::invalid_argument& error) {
        return QByteArray(error.what());
    }
    return {};
}

} // namespace

class NewNameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetNowSource(&FixedNow); }
    void cleanup() { SetNowSource(nullptr); }

    void splitName_data();
    void splitName();
    void removals_data();
    void removals();
    void removalErrors();
    void baseName_data();
    void baseName();
    void extension_data();
    void extension();
    void dateStamp_data();
    void dateStamp();
    void computationErrors();
    void joinName();
};

void NewNameTest::splitName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QByteArray>("ext");
    QTest::newRow("sample") << QByteArray("A SAMPLE FILE-(name)-1900-#2.JPG") << QByteArray(kSampleBase) << QByteArray(".JPG");
    QTest::newRow("repeated extension") << QByteArray("a.jpg.jpg") << QByteArray("a.jpg") << QByteArray(".jpg");
    QTest::newRow("no dot") << QByteArray("notes") << QByteArray("notes") << QByteArray("");
    QTest::newRow("leading dot") << QByteArray(".bashrc") << QByteArray("") << QByteArray(".bashrc");
}

void NewNameTest::splitName()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, ext);
    const NameParts parts = SplitName(name.toStdString());
    QCOMPARE(Bytes(parts.base), base);
    QCOMPARE(Bytes(parts.ext), ext);
}

void NewNameTest::removals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<RenameRules>("rules");
    QTest::addColumn<QByteArray>("expected");

    auto atPos = [](const char* from, const char* length) {
        return Rules([=](RenameRules& r) { r.rematpos = true; r.remfrom = from; r.remlen = length; });
    };
    auto specific = [](bool caseSensitive, bool all) {
        return Rules([=](RenameRules& r) {
            r.remspeci = true;
            r.remtext = "file";
            r.remspeccs = caseSensitive;
            r.remspecall = all;
        });
    };

    QTest::newRow("all classes") << QByteArray(kSampleBase) << Rules([](RenameRules& r) { r.remall = true; }) << QByteArray("");
    QTest::newRow("all with a class flag")
        << QByteArray(kSampleBase) << Rules([](RenameRules& r) { r.remall = true; r.remalpha = true; }) << QByteArray("");
    QTest::newRow("digits and spaces")
        << QByteArray(kSampleBase) << Rules([](RenameRules& r) { r.remnum = true; r.remspace = true; })
        << QByteArray("ASAMPLEFILE-(name)--#");
    QTest::newRow("spaces keep tabs") << QByteArray("a b\tc") << Rules([](RenameRules& r) { r.remspace = true; }) << QByteArray("ab\tc");
    QTest::newRow("at 3 over 2") << QByteArray("abcdef") << atPos("3", "2") << QByteArray("abef");
    QTest::newRow("start below 1") << QByteArray("abcdef") << atPos("-5", "2") << QByteArray("cdef");
    QTest::newRow("past the end") << QByteArray("abcdef") << atPos("3", "100") << QByteArray("ab");
    QTest::newRow("start past end") << QByteArray("abcdef") << atPos("10", "1") << QByteArray("abcdef");
    QTest::newRow("negative length") << QByteArray("abcdef") << atPos("3", "-1") << QByteArray("abcdef");
    QTest::newRow("earlier copy goes") << QByteArray("ab-ab") << atPos("4", "2") << QByteArray("-ab");
    QTest::newRow("position 0 skips length") << QByteArray("abc") << atPos("0", "x") << QByteArray("abc");
    QTest::newRow("classes before position")
        << QByteArray("a b") << Rules([](RenameRules& r) { r.remspace = true; r.rematpos = true; r.remfrom = "1"; r.remlen = "1"; })
        << QByteArray("b");
    QTest::newRow("specific, first, any case") << QByteArray("File file FILE") << specific(false, false) << QByteArray(" file FILE");
    QTest::newRow("specific, all, any case") << QByteArray("File file FILE") << specific(false, true) << QByteArray("  ");
    QTest::newRow("specific, all, exact case") << QByteArray("File file FILE") << specific(true, true) << QByteArray("File  FILE");
    QTest::newRow("specific, first, exact case") << QByteArray("File file FILE") << specific(true, false) << QByteArray("File  FILE");
    QTest::newRow("specific, empty text")
        << QByteArray("abc") << Rules([](RenameRules& r) { r.remspeci = true; }) << QByteArray("abc");
    // Positions count characters: «é» and «😀» are one each, a stray byte is one.
    QTest::newRow("position over accents") << QByteArray("éaéb") << atPos("2", "2") << QByteArray("éb");
    QTest::newRow("position over emoji") << QByteArray("😀x😀y") << atPos("3", "1") << QByteArray("x😀y");
    QTest::newRow("position over stray byte") << QByteArray("caf\xE9-1") << atPos("4", "1") << QByteArray("caf-1");
}

void NewNameTest::removals()
{
    QFETCH(QByteArray, text);
    QFETCH(RenameRules, rules);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(ApplyRemovals(text.toStdString(), rules)), expected);
}

void NewNameTest::removalErrors()
{
    const RenameRules badFrom = Rules([](RenameRules& r) { r.rematpos = true; r.remfrom = "x"; });
    QCOMPARE(ErrorOf([&] { ApplyRemovals("abc", badFrom); }), QByteArray("'x' is not a valid integer value"));
    const RenameRules badLength = Rules([](RenameRules& r) { r.rematpos = true; r.remlen = "2 "; });
    QCOMPARE(ErrorOf([&] { ApplyRemovals("abc", badLength); }), QByteArray("'2 ' is not a valid integer value"));
    const RenameRules offWithBadNumbers = Rules([](RenameRules& r) { r.remfrom = "x"; r.remlen = ""; });
    QCOMPARE(ErrorOf([&] { ApplyRemovals("abc", offWithBadNumbers); }), QByteArray());
}

void NewNameTest::baseName_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<RenameRules>("rules");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray sample(kSampleBase);

    auto insertAt = [](const char* text, const char* position) {
        return Rules([=](RenameRules& r) { r.textins = true; r.textinstext = text; r.textinstextpos = position; });
    };
    auto replaceDash = [](bool all) {
        return Rules([=](RenameRules& r) { r.textrep = true; r.textreptext = "-"; r.textreptextw = "_"; r.textrepall = all; });
    };
    auto counter = [](const char* position) {
        return Rules([=](RenameRules& r) { r.counter = true; r.countlen = "3"; r.countprefix = position; });
    };

    QTest::newRow("defaults") << sample << RenameRules{} << sample;
    QTest::newRow("lower") << sample << Rules([](RenameRules& r) { r.lower = true; }) << QByteArray("a sample file-(name)-1900-#2");
    QTest::newRow("title") << sample << Rules([](RenameRules& r) { r.title = true; }) << QByteArray("A Sample File-(name)-1900-#2");
    QTest::newRow("first case flag wins")
        << QByteArray("aB") << Rules([](RenameRules& r) { r.upper = true; r.lower = true; r.none = false; }) << QByteArray("ab");
    QTest::newRow("counter suffix") << sample << counter("Suffix") << sample + "001";
    QTest::newRow("counter prefix") << sample << counter("Prefix") << "001" + sample;
    QTest::newRow("counter lower-case prefix is a suffix") << sample << counter("prefix") << sample + "001";
    QTest::newRow("everything suffix")
        << QByteArray("b") << Rules([](RenameRules& r) {
               r.textadd = true; r.text = "_x"; r.fdate = true; r.dateformat = "DDMM";
               r.counter = true; r.countlen = "2"; })
        << QByteArray("b_x050301");
    QTest::newRow("date, appended text and counter prefix")
        << sample << Rules([](RenameRules& r) {
               r.fdate = true; r.dateformat = "YYYYMMDD"; r.textadd = true; r.text = "_x";
               r.counter = true; r.countlen = "2"; r.countprefix = "Prefix"; })
        << "01" + sample + "_x20090305";
    QTest::newRow("date prefix") << QByteArray("b") << Rules([](RenameRules& r) { r.fdate = true; r.fdateprefix = "Prefix"; r.dateformat = "YY"; })
                                 << QByteArray("09b");
    QTest::newRow("todays date") << QByteArray("b") << Rules([](RenameRules& r) { r.fdate = true; r.fdatetype = "Todays Date"; r.dateformat = "DDMMYYYY"; })
                                 << QByteArray("b10122026");
    QTest::newRow("empty format with time")
        << QByteArray("b") << Rules([](RenameRules& r) { r.fdate = true; r.fdatetype = "Todays Date"; r.dateformat = ""; })
        << QByteArray("b10122026140509");
    QTest::newRow("empty format, list date") << QByteArray("b") << Rules([](RenameRules& r) { r.fdate = true; r.dateformat = ""; })
                                             << QByteArray("b05032009");
    QTest::newRow("insert at 2") << sample << insertAt("NEW", "2") << QByteArray("A NEWSAMPLE FILE-(name)-1900-#2");
    QTest::newRow("insert, trailing space is 0") << sample << insertAt("NEW", "2 ") << "NEW" + sample;
    QTest::newRow("insert, letters are 0") << sample << insertAt("NEW", "x") << "NEW" + sample;
    QTest::newRow("insert past the end") << sample << insertAt("NEW", "99") << sample + "NEW";
    QTest::newRow("insert, blank position") << sample << insertAt("NEW", " ") << sample;
    QTest::newRow("insert, empty position") << sample << insertAt("NEW", "") << sample;
    QTest::newRow("insert after accents") << QByteArray("éé😀") << insertAt("-", "2") << QByteArray("éé-😀");
    QTest::newRow("insert after stray byte") << QByteArray("\xE9\xE9x") << insertAt("-", "1") << QByteArray("\xE9-\xE9x");
    QTest::newRow("removal after insert")
        << sample << Rules([](RenameRules& r) { r.remnum = true; r.textins = true; r.textinstext = "99"; r.textinstextpos = "0"; })
        << QByteArray("A SAMPLE FILE-(name)--#");
    QTest::newRow("removal before insert")
        << sample << Rules([](RenameRules& r) { r.remnum = true; r.remins = true; r.textins = true; r.textinstext = "99"; r.textinstextpos = "0"; })
        << QByteArray("99A SAMPLE FILE-(name)--#");
    QTest::newRow("removal never sees appended text")
        << QByteArray("ab") << Rules([](RenameRules& r) { r.remalpha = true; r.textadd = true; r.text = "cd"; }) << QByteArray("cd");
    QTest::newRow("replace all") << sample << replaceDash(true) << QByteArray("A SAMPLE FILE_(name)_1900_#2");
    QTest::newRow("replace first") << sample << replaceDash(false) << QByteArray("A SAMPLE FILE_(name)-1900-#2");
    QTest::newRow("replace accented, any case")
        << QByteArray("CAFÉ") << Rules([](RenameRules& r) { r.textrep = true; r.textreptext = "é"; r.textreptextw = "e"; })
        << QByteArray("CAFe");
    QTest::newRow("replace keeps stray byte")
        << QByteArray("caf\xE9_x") << Rules([](RenameRules& r) { r.textrep = true; r.textreptext = "_"; r.textreptextw = " "; })
        << QByteArray("caf\xE9 x");
    QTest::newRow("all removal") << sample << Rules([](RenameRules& r) { r.remall = true; }) << QByteArray("");
}

void NewNameTest::baseName()
{
    QFETCH(QByteArray, base);
    QFETCH(RenameRules, rules);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(NewBaseName(rules, base.toStdString(), 1, "05/03/2009")), expected);
}

void NewNameTest::extension_data()
{
    QTest::addColumn<QByteArray>("ext");
    QTest::addColumn<RenameRules>("rules");
    QTest::addColumn<bool>("filesMode");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("defaults") << QByteArray(".JPG") << RenameRules{} << true << QByteArray(".JPG");
    QTest::newRow("lower") << QByteArray(".JPG") << Rules([](RenameRules& r) { r.lower = true; }) << true << QByteArray(".jpg");
    QTest::newRow("counter prefix")
        << QByteArray(".JPG") << Rules([](RenameRules& r) { r.counter = true; r.countlen = "2"; r.countprefix = "Prefix"; })
        << true << QByteArray(".07JPG");
    QTest::newRow("folders mode drops the dot") << QByteArray(".JPG") << RenameRules{} << false << QByteArray("JPG");
    QTest::newRow("no extension") << QByteArray("") << RenameRules{} << true << QByteArray(".");
    QTest::newRow("no extension, appended")
        << QByteArray("") << Rules([](RenameRules& r) { r.textadd = true; r.text = "txt"; }) << true << QByteArray(".txt");
    QTest::newRow("date fields ignored")
        << QByteArray(".JPG") << Rules([](RenameRules& r) { r.fdate = true; r.dateformat = "YYYY"; }) << true << QByteArray(".JPG");
}

void NewNameTest::extension()
{
    QFETCH(QByteArray, ext);
    QFETCH(RenameRules, rules);
    QFETCH(bool, filesMode);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(NewExtension(rules, ext.toStdString(), 7, filesMode)), expected);
}

void NewNameTest::dateStamp_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("expected");
    const QList<QPair<const char*, const char*>> cases = {
        {"DDMMYYYY", "05032009"}, {"MMDDYYYY", "03052009"}, {"YYYYMMDD", "20090305"}, {"YYMMDD", "090305"},
        {"DDMMYY", "050309"}, {"DDMM", "0503"}, {"MMDD", "0305"}, {"MMYYYY", "032009"}, {"MMYY", "0309"},
        {"YYYY", "2009"}, {"MM", "03"}, {"DD", "05"}, {"YY", "09"}, {"yyyy-mm-dd", "20090305"}, {"", "05032009"}};
    for (const auto& [pattern, expected] : cases)
        QTest::newRow(*pattern ? pattern : "empty") << QByteArray(pattern) << QByteArray(expected);
}

void NewNameTest::dateStamp()
{
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(DateStamp(pattern.toStdString(), ParseListDate("05/03/2009"))), expected);
}

void NewNameTest::computationErrors()
{
    const RenameRules defaults;
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, "31/02/2009"); }), QByteArray("'31/02/2009' is not a valid date"));
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, ""); }), QByteArray("'' is not a valid date"));
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, "29/02/2024"); }), QByteArray());
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, "29/02/1900"); }), QByteArray("'29/02/1900' is not a valid date"));
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, "5/3/2009"); }), QByteArray());
    QCOMPARE(ErrorOf([&] { NewBaseName(defaults, "a", 1, "05/03/09"); }), QByteArray("'05/03/09' is not a valid date"));

    const RenameRules today = Rules([](RenameRules& r) { r.fdatetype = "Todays Date"; });
    QCOMPARE(ErrorOf([&] { NewBaseName(today, "a", 1, "31/02/2009"); }), QByteArray());

    const RenameRules emptyWidth = Rules([](RenameRules& r) { r.counter = true; r.countlen = ""; });
    QCOMPARE(ErrorOf([&] { NewBaseName(emptyWidth, "a", 1, "05/03/2009"); }), QByteArray("'' is not a valid integer value"));
    QCOMPARE(ErrorOf([&] { NewExtension(emptyWidth, ".a", 1, true); }), QByteArray("'' is not a valid integer value"));
    const RenameRules widthWhileOff = Rules([](RenameRules& r) { r.countlen = ""; });
    QCOMPARE(ErrorOf([&] { NewBaseName(widthWhileOff, "a", 1, "05/03/2009"); }), QByteArray());
}

void NewNameTest::joinName()
{
    QCOMPARE(JoinName("notes", "."), std::string("notes"));
    QCOMPARE(JoinName("notes", ""), std::string("notes"));
    QCOMPARE(JoinName("a", ".txt"), std::string("a.txt"));
    QCOMPARE(JoinName("", ".JPG"), std::string(".JPG"));
}

QTEST_APPLESS_MAIN(NewNameTest)
#include "tst_newname.moc"
