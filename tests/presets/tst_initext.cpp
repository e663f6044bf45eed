#include "presets/IniText.h"

#include "tests/support/ByteText.h"

#include <QTest>

class IniTextTest : public QObject {
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void longValueIsCut();
    void setValue_data();
    void setValue();
    void eraseSection_data();
    void eraseSection();
    void sectionNames_data();
    void sectionNames();
    void sectionListStopsAtItsBuffer();
};

void IniTextTest::value_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("[A]\r\nk=v\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("LF line ends") << QByteArray("[A]\nk=v\nj=w\n") << QByteArray("A") << QByteArray("j") << true << QByteArray("w");
    QTest::newRow("no line end at the end") << QByteArray("[A]\r\nk=v") << QByteArray("A") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("names in another case") << QByteArray("[Mp3]\r\nText=v\r\n") << QByteArray("MP3") << QByteArray("text") << true << QByteArray("v");
    QTest::newRow("non-ASCII section name in another case") << QByteArray("[Café]\r\nk=v\r\n") << QByteArray("CAFÉ") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("blanks around name and value") << QByteArray("  [ A ]  \r\n  k  =  v w \t\r\n") << QByteArray(" A") << QByteArray("k ") << true << QByteArray("v w");
    QTest::newRow("double quotes removed") << QByteArray("[A]\r\nk=\" v \"\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray(" v ");
    QTest::newRow("single quotes removed") << QByteArray("[A]\r\nk='v'\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("only one pair removed") << QByteArray("[A]\r\nk=\"\"v\"\"\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("\"v\"");
    QTest::newRow("unmatched quotes kept") << QByteArray("[A]\r\nk=\"v'\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("\"v'");
    QTest::newRow("a lone quote kept") << QByteArray("[A]\r\nk=\"\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("\"");
    QTest::newRow("equals sign in the value") << QByteArray("[A]\r\nk=a=b\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("a=b");
    QTest::newRow("empty value is present") << QByteArray("[A]\r\nk=\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray();
    QTest::newRow("header with a comment after it") << QByteArray("[A] ; note\r\nk=v\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("byte-order mark before the first header") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("v");
    QTest::newRow("key in another section") << QByteArray("[A]\r\nj=v\r\n[B]\r\nk=v\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
    QTest::newRow("key before any section") << QByteArray("k=v\r\n[A]\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
    QTest::newRow("commented-out key") << QByteArray("[A]\r\n;k=v\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
    QTest::newRow("line without equals sign") << QByteArray("[A]\r\nk\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
    QTest::newRow("header without closing bracket") << QByteArray("[A\r\nk=v\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
    QTest::newRow("first of two equal keys") << QByteArray("[A]\r\nk=1\r\nK=2\r\n") << QByteArray("A") << QByteArray("k") << true << QByteArray("1");
    QTest::newRow("only the first of two equal sections") << QByteArray("[A]\r\nj=1\r\n[a]\r\nk=2\r\n") << QByteArray("A") << QByteArray("k") << false << QByteArray();
}

void IniTextTest::value()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);
    const auto read = IniText(Str(text)).Value(Str(section), Str(key));
    QCOMPARE(read.has_value(), found);
    if (found)
        QCOMPARE(Bytes(*read), value);
}

// The cut counts characters and falls after the quotes are removed.
void IniTextTest::longValueIsCut()
{
    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "é";
    const IniText ini("[A]\r\nk=\"" + longText + "\"\r\n");
    QCOMPARE(Bytes(*ini.Value("A", "k")), Bytes(longText.substr(0, 2 * 2047)));
}

void IniTextTest::setValue_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("v")
                              << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("empty value") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray()
                                 << QByteArray("[A]\r\nk=\r\n");
    QTest::newRow("replaced on its own line, spelling kept") << QByteArray("[A]\r\n  Key = old \r\nx=1\r\n") << QByteArray("A") << QByteArray("key") << QByteArray("new")
                                                              << QByteArray("[A]\r\nKey=new\r\nx=1\r\n");
    QTest::newRow("LF line keeps its line end") << QByteArray("[A]\nk=1\nj=2\n") << QByteArray("A") << QByteArray("k") << QByteArray("3")
                                                << QByteArray("[A]\nk=3\nj=2\n");
    QTest::newRow("section in another case keeps its header") << QByteArray("[Mp3]\r\nk=1\r\n") << QByteArray("MP3") << QByteArray("j") << QByteArray("2")
                                                              << QByteArray("[Mp3]\r\nk=1\r\nj=2\r\n");
    QTest::newRow("new key before the blank lines of its section") << QByteArray("[A]\r\nk=1\r\n; note\r\n\r\n[B]\r\nk=1\r\n") << QByteArray("a") << QByteArray("j") << QByteArray("2")
                                                                   << QByteArray("[A]\r\nk=1\r\n; note\r\nj=2\r\n\r\n[B]\r\nk=1\r\n");
    QTest::newRow("new key in an empty section") << QByteArray("[A]\r\n[B]\r\n") << QByteArray("A") << QByteArray("k") << QByteArray("1")
                                                 << QByteArray("[A]\r\nk=1\r\n[B]\r\n");
    QTest::newRow("new section after a last line without line end") << QByteArray("; top\r\n[A]\r\nk=1") << QByteArray("B") << QByteArray("k") << QByteArray("2")
                                                                    << QByteArray("; top\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    QTest::newRow("new key after a last line without line end") << QByteArray("[A]\nk=1") << QByteArray("A") << QByteArray("j") << QByteArray("2")
                                                                << QByteArray("[A]\nk=1\r\nj=2\r\n");
    QTest::newRow("blanks dropped from the section name") << QByteArray() << QByteArray(" A ") << QByteArray("k") << QByteArray("v")
                                                          << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("leading blank quoted") << QByteArray() << QByteArray("A") << QByteArray("text") << QByteArray(" (1)")
                                          << QByteArray("[A]\r\ntext=\" (1)\"\r\n");
    QTest::newRow("trailing tab quoted") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("v\t")
                                         << QByteArray("[A]\r\nk=\"v\t\"\r\n");
    QTest::newRow("double quotes at both ends quoted") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("\"v\"")
                                                       << QByteArray("[A]\r\nk=\"\"v\"\"\r\n");
    QTest::newRow("single quotes at both ends quoted") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("'v'")
                                                       << QByteArray("[A]\r\nk=\"'v'\"\r\n");
    QTest::newRow("two double quotes quoted") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("\"\"")
                                              << QByteArray("[A]\r\nk=\"\"\"\"\r\n");
    QTest::newRow("inner blanks and one quote left plain") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("\"a b")
                                                           << QByteArray("[A]\r\nk=\"a b\r\n");
    QTest::newRow("a lone quote left plain") << QByteArray() << QByteArray("A") << QByteArray("k") << QByteArray("'")
                                             << QByteArray("[A]\r\nk='\r\n");
}

// Each written value also reads back exactly.
void IniTextTest::setValue()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    IniText ini(Str(before));
    ini.SetValue(Str(section), Str(key), Str(value));
    QCOMPARE(Bytes(ini.ToString()), after);
    QCOMPARE(Bytes(IniText(ini.ToString()).Value(Str(section), Str(key)).value()), value);
}

void IniTextTest::eraseSection_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<bool>("erased");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("middle section, comments and blank lines in it")
        << QByteArray("; top\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n; note\r\nextra=x\r\n\r\n[C]\r\nk=3\r\n") << QByteArray("b") << true
        << QByteArray("; top\r\n[A]\r\nk=1\r\n[C]\r\nk=3\r\n");
    QTest::newRow("last section") << QByteArray("[A]\nk=1\n[B]\nk=2") << QByteArray("B") << true << QByteArray("[A]\nk=1\n");
    QTest::newRow("every section of that name") << QByteArray("[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\n") << QByteArray("A") << true
                                                << QByteArray("[B]\r\n");
    QTest::newRow("missing section") << QByteArray("[A]\r\nk=1\r\n") << QByteArray("B") << false << QByteArray("[A]\r\nk=1\r\n");
}

void IniTextTest::eraseSection()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(bool, erased);
    QFETCH(QByteArray, after);
    IniText ini(Str(before));
    QCOMPARE(ini.EraseSection(Str(section)), erased);
    QCOMPARE(Bytes(ini.ToString()), after);
}

void IniTextTest::sectionNames_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("names");
    QTest::newRow("empty") << QByteArray() << QByteArrayList();
    QTest::newRow("file order, spelled as in the headers")
        << QByteArray("k=0\r\n[Zeta]\r\nk=1\r\n; [Comment]\r\n[alpha]\r\n  [ Mid ]\r\n[zeta]\r\n") << QByteArrayList{"Zeta", "alpha", "Mid", "zeta"};
    QTest::newRow("empty name and broken header left out") << QByteArray("[]\r\n[A\r\n[B]\r\n") << QByteArrayList{"B"};
}

void IniTextTest::sectionNames()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, names);
    QByteArrayList listed;
    for (const std::string& name : IniText(Str(text)).SectionNames())
        listed << Bytes(name);
    QCOMPARE(listed, names);
}

// 163 names of 99 bytes and their zeros fill 16300 of the 16383 bytes before the closing zero;
// the 164th is cut to the 82 bytes that still fit with its own zero, and no more follow.
void IniTextTest::sectionListStopsAtItsBuffer()
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "[" + std::to_string(1000 + i) + std::string(95, 'n') + "]\r\n";
    const std::vector<std::string> names = IniText(text).SectionNames();
    QCOMPARE(names.size(), std::size_t{164});
    QCOMPARE(names[162], std::to_string(1162) + std::string(95, 'n'));
    QCOMPARE(names[163], std::to_string(1163) + std::string(78, 'n'));
}

QTEST_APPLESS_MAIN(IniTextTest)
#include "tst_initext.moc"
