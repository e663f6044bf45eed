#include "batch/RenameSort.h"

#include <QTest>

// Each row sets only the sorted column; the expected order lists old row indices.
class RenameSortTest : public QObject {
    Q_OBJECT

private slots:
    void sortOrder_data();
    void sortOrder();
};

void RenameSortTest::sortOrder_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QByteArrayList>("cells");
    QTest::addColumn<QList<int>>("expected");

    const QByteArrayList names = {"beta", "Alpha", "alpha", "Gamma"};
    QTest::newRow("text, flag true: A to Z, a-z folded, ties kept")
        << int(RenameItem::OriginalName) << true << names << QList<int>{1, 2, 0, 3};
    QTest::newRow("text, flag false: Z to A, ties kept")
        << int(RenameItem::OriginalName) << false << names << QList<int>{3, 0, 1, 2};
    // Folding to upper case puts "_" (0x5F) after "Z"; non-ASCII bytes rank above ASCII and
    // are not folded: "É" (C3 89) before "é" (C3 A9).
    QTest::newRow("text, fold to upper, unsigned bytes")
        << int(RenameItem::Path) << true << QByteArrayList{"\xC3\xA9", "z", "\xC3\x89", "_"}
        << QList<int>{1, 3, 2, 0};
    QTest::newRow("text, invalid UTF-8 byte")
        << int(RenameItem::Genre) << true << QByteArrayList{"\xFF", "a", ""}
        << QList<int>{2, 1, 0};

    const QByteArrayList dates = {"01/02/2003", "15/01/2003", "", "31/12/2002", "30/02/2003",
                                  "1/2/2003"};
    QTest::newRow("date, flag true: newest first, empty and unreadable last")
        << int(RenameItem::ModifiedDate) << true << dates << QList<int>{0, 5, 1, 3, 2, 4};
    QTest::newRow("date, flag false: oldest first, empty and unreadable last")
        << int(RenameItem::ModifiedDate) << false << dates << QList<int>{3, 1, 0, 5, 2, 4};

    const QByteArrayList years = {"1999", "2005", "", "abc", "999", "2005"};
    QTest::newRow("year, flag true: highest first by value, missing last")
        << int(RenameItem::Year) << true << years << QList<int>{1, 5, 0, 4, 2, 3};
    QTest::newRow("year, flag false: lowest first, missing last")
        << int(RenameItem::Year) << false << years << QList<int>{4, 0, 1, 5, 2, 3};

    QTest::newRow("Org has no comparison")
        << int(RenameItem::Org) << true << QByteArrayList{"b", "a", "c"} << QList<int>{0, 1, 2};
    QTest::newRow("Created has no comparison")
        << int(RenameItem::Created) << false
        << QByteArrayList{"02/01/2000", "01/01/2000", "03/01/2000"} << QList<int>{0, 1, 2};
}

void RenameSortTest::sortOrder()
{
    QFETCH(int, column);
    QFETCH(bool, flag);
    QFETCH(QByteArrayList, cells);
    QFETCH(QList<int>, expected);

    const auto sorted = static_cast<RenameItem::Column>(column);
    std::vector<RenameItem> rows(static_cast<std::size_t>(cells.size()));
    for (qsizetype i = 0; i < cells.size(); ++i)
        rows[static_cast<std::size_t>(i)][sorted] = cells[i].toStdString();

    const std::vector<int> order = RenameSortOrder(rows, sorted, flag);
    QCOMPARE(QList<int>(order.begin(), order.end()), expected);
}

QTEST_APPLESS_MAIN(RenameSortTest)
#include "tst_renamesort.moc"
