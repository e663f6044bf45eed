#include "engine/untGenLib.h"

#include "tests/support/ByteText.h"

#include <QTest>

#include <stdexcept>

class TextOpsTest : public QObject {
    Q_OBJECT

private slots:
    void parseInt_data();
    void parseInt();
    void parseIntOrZero_data();
    void parseIntOrZero();
    void changeCase_data();
    void changeCase();
    void removeCharClass_data();
    void removeCharClass();
    void zeroPad_data();
    void zeroPad();
    void replaceText_data();
    void replaceText();
    void splitToList_data();
    void splitToList();
};

void TextOpsTest::parseInt_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("leading spaces and sign") << QByteArray("  -12") << true << -12;
    QTest::newRow("plus sign") << QByteArray("+7") << true << 7;
    QTest::newRow("dollar hex") << QByteArray("$1F") << true << 31;
    QTest::newRow("0x hex") << QByteArray("0x1f") << true << 31;
    QTest::newRow("x hex") << QByteArray("X1f") << true << 31;
    QTest::newRow("negative hex") << QByteArray("-$10") << true << -16;
    QTest::newRow("leading zeros") << QByteArray("007") << true << 7;
    QTest::newRow("int max") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << true << int(-2147483647 - 1);
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("spaces only") << QByteArray("  ") << false << 0;
    QTest::newRow("trailing space") << QByteArray("1 ") << false << 0;
    QTest::newRow("leading tab") << QByteArray("\t1") << false << 0;
    QTest::newRow("decimal point") << QByteArray("1.5") << false << 0;
    QTest::newRow("lone sign") << QByteArray("-") << false << 0;
    QTest::newRow("lone hex mark") << QByteArray("0x") << false << 0;
    QTest::newRow("above int max") << QByteArray("2147483648") << false << 0;
    QTest::newRow("hex above int max") << QByteArray("$80000000") << false << 0;
    QTest::newRow("letters") << QByteArray("abc") << false << 0;
}

void TextOpsTest::parseInt()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(ParseInt(Str(text)), value);
        return;
    }
    try {
        ParseInt(Str(text));
        QFAIL("no error");
    } catch (const std::invalid_argument& error) {
        QCOMPARE(QByteArray(error.what()), "'" + text + "' is not a valid integer value");
    }
}

void TextOpsTest::parseIntOrZero_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << QByteArray("7") << 7;
    QTest::newRow("leading space") << QByteArray(" 7") << 7;
    QTest::newRow("trailing space") << QByteArray("7 ") << 0;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
}

void TextOpsTest::parseIntOrZero()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(ParseIntOrZero(Str(text)), value);
}

void TextOpsTest::changeCase_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("lower") << QByteArray("AbC 1.É") << QByteArray("Lower") << QByteArray("abc 1.É");
    QTest::newRow("upper keeps accents") << QByteArray("abc é") << QByteArray("Upper") << QByteArray("ABC é");
    QTest::newRow("toggle") << QByteArray("My File 2.b") << QByteArray("ToggleCase") << QByteArray("mY fILE 2.B");
    QTest::newRow("toggle accented") << QByteArray("éA1b") << QByteArray("ToggleCase") << QByteArray("éa1B");
    QTest::newRow("title only space starts a word")
        << QByteArray("JOHN o'neil-SMITH_x") << QByteArray("TitleCase") << QByteArray("John O'neil-smith_x");
    QTest::newRow("title hyphen") << QByteArray("hello-world foo") << QByteArray("TitleCase") << QByteArray("Hello-world Foo");
    QTest::newRow("title double space") << QByteArray("a  b") << QByteArray("TitleCase") << QByteArray("A  B");
    QTest::newRow("title leading space") << QByteArray(" ab") << QByteArray("TitleCase") << QByteArray(" Ab");
    QTest::newRow("title invalid byte kept") << QByteArray("\xE9t\xC3 x") << QByteArray("TitleCase") << QByteArray("\xE9t\xC3 X");
    QTest::newRow("empty") << QByteArray("") << QByteArray("TitleCase") << QByteArray("");
}

void TextOpsTest::changeCase()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(ChangeCase(Str(text), Str(mode))), expected);
}

void TextOpsTest::removeCharClass_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Spec") << QByteArray("Spec") << QByteArray("A SAMPLE FILE(name)19002");
    QTest::newRow("Brackets") << QByteArray("Brackets") << QByteArray("A SAMPLE FILE-name-1900-#2");
    QTest::newRow("Num") << QByteArray("Num") << QByteArray("A SAMPLE FILE-(name)--#");
    QTest::newRow("Alpha") << QByteArray("Alpha") << QByteArray("  -()-1900-#2");
    QTest::newRow("unknown class") << QByteArray("Other") << QByteArray("A SAMPLE FILE-(name)-1900-#2");
}

void TextOpsTest::removeCharClass()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(RemoveCharClass("A SAMPLE FILE-(name)-1900-#2", Str(className))), expected);
    // Letters beyond ASCII are no letters of the class.
    QCOMPARE(Bytes(RemoveCharClass("Café 😀", "Alpha")), QByteArray("é 😀"));
}

void TextOpsTest::zeroPad_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("padded") << 7 << 3 << QByteArray("007");
    QTest::newRow("wider than width") << 1234 << 3 << QByteArray("1234");
    QTest::newRow("zero") << 0 << 1 << QByteArray("0");
    QTest::newRow("negative") << -5 << 3 << QByteArray("0-5");
    QTest::newRow("width zero") << 5 << 0 << QByteArray("5");
    QTest::newRow("width negative") << 5 << -4 << QByteArray("5");
}

void TextOpsTest::zeroPad()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(ZeroPad(value, width)), expected);
}

void TextOpsTest::replaceText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<bool>("all");
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("all, case ignored") << QByteArray("aXaxa") << QByteArray("x") << QByteArray("-") << true << true << QByteArray("a-a-a");
    QTest::newRow("all, exact case") << QByteArray("aXaxa") << QByteArray("x") << QByteArray("-") << true << false << QByteArray("aXa-a");
    QTest::newRow("first, case ignored") << QByteArray("aXaxa") << QByteArray("x") << QByteArray("-") << false << true << QByteArray("a-axa");
    QTest::newRow("first, exact case") << QByteArray("aXaxa") << QByteArray("x") << QByteArray("-") << false << false << QByteArray("aXa-a");
    QTest::newRow("no overlap") << QByteArray("aaaa") << QByteArray("aa") << QByteArray("a") << true << false << QByteArray("aa");
    QTest::newRow("inserted text not searched") << QByteArray("ab") << QByteArray("a") << QByteArray("aa") << true << false << QByteArray("aab");
    QTest::newRow("empty pattern") << QByteArray("abc") << QByteArray("") << QByteArray("x") << true << true << QByteArray("abc");
    QTest::newRow("accent matches other case") << QByteArray("CAFÉ café") << QByteArray("café") << QByteArray("tea") << true << true << QByteArray("tea tea");
    QTest::newRow("accent exact case") << QByteArray("CAFÉ café") << QByteArray("café") << QByteArray("tea") << true << false << QByteArray("CAFÉ tea");
    QTest::newRow("emoji") << QByteArray("a😀b😀") << QByteArray("😀") << QByteArray("-") << true << false << QByteArray("a-b-");
    // A stray byte is one character: it never matches inside «é», nor a whole «é».
    QTest::newRow("stray byte not inside a character") << QByteArray("\xC3\xA9\xA9") << QByteArray("\xA9") << QByteArray("x") << true << false << QByteArray("\xC3\xA9x");
    QTest::newRow("stray byte kept around a match") << QByteArray("caf\xE9 cafe") << QByteArray("CAFE") << QByteArray("x") << true << true << QByteArray("caf\xE9 x");
}

void TextOpsTest::replaceText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, replacement);
    QFETCH(bool, all);
    QFETCH(bool, ignoreCase);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(ReplaceText(Str(text), Str(pattern), Str(replacement), all, ignoreCase)), expected);
}

void TextOpsTest::splitToList_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::newRow("plain") << QByteArray("a,b,c") << QByteArrayList{"a", "b", "c"};
    QTest::newRow("blanks") << QByteArray("a, b ,c") << QByteArrayList{"a", "b ", "c"};
    QTest::newRow("names with spaces") << QByteArray("Rock,Hard Rock,Pop") << QByteArrayList{"Rock", "Hard Rock", "Pop"};
    QTest::newRow("empty") << QByteArray("") << QByteArrayList{};
    QTest::newRow("no separator") << QByteArray(" one ") << QByteArrayList{"one"};
    QTest::newRow("trailing separator") << QByteArray("a,") << QByteArrayList{"a"};
}

void TextOpsTest::splitToList()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, expected);
    std::vector<std::string> list{"kept"};
    SplitToList(Str(text), list, ",");
    QCOMPARE(list.front(), std::string("kept"));
    QByteArrayList pieces;
    for (std::size_t i = 1; i < list.size(); ++i)
        pieces << Bytes(list[i]);
    QCOMPARE(pieces, expected);
}

QTEST_APPLESS_MAIN(TextOpsTest)
#include "tst_textops.moc"
