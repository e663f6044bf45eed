#include "batch/RenamedModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

// Rows named r0, r1 ... with the years given (empty when the list is shorter).
std::vector<RenameItem> MakeRows(int count, const QList<QByteArray>& years = {})
{
    std::vector<RenameItem> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        RenameItem& row = rows[static_cast<std::size_t>(i)];
        row[RenameItem::OriginalName] = "r" + std::to_string(i);
        if (i < years.size())
            row[RenameItem::Year] = years[i].toStdString();
    }
    return rows;
}

QStringList Names(const RenamedModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row, RenameItem::OriginalName).data().toString();
    return names;
}

QStringList NamesOf(std::initializer_list<int> numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QStringLiteral("r%1").arg(number);
    return names;
}

} // namespace

class RenamedModelTest : public QObject {
    Q_OBJECT

private slots:
    void modelTester();
    void removeRows_data();
    void removeRows();
    void sortFlipsFlagAndSelectionFollows();
    void cellsShowUtf8AndKeepBytes();
    void dropIsAcceptedAndInsertsNothing();
};

void RenamedModelTest::modelTester()
{
    RenamedModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Append(MakeRows(10, {"1999", "2005", "", "abc"}));
    model.Append({});
    model.Sort(RenameItem::Year);
    model.Sort(RenameItem::OriginalName);
    model.RemoveRows({1, 2, 5});
    model.RemoveRows({0, 1});
    model.MutableRows()[0][RenameItem::NewName] = "x";
    model.CellsChanged(0, 0);
    model.Clear();
    QCOMPARE(model.rowCount(), 0);
}

void RenamedModelTest::removeRows_data()
{
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("2, 3 and 7 of ten") << QList<int>{2, 3, 7}
                                       << NamesOf({0, 1, 4, 5, 6, 8, 9});
    QTest::newRow("one block") << QList<int>{3, 4, 5} << NamesOf({0, 1, 2, 6, 7, 8, 9});
    QTest::newRow("every other") << QList<int>{0, 2, 4, 6, 8} << NamesOf({1, 3, 5, 7, 9});
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << QStringList{};
    QTest::newRow("none") << QList<int>{} << NamesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

void RenamedModelTest::removeRows()
{
    QFETCH(QList<int>, removed);
    QFETCH(QStringList, left);
    RenamedModel model;
    model.Append(MakeRows(10));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // A kept row's persistent index (a view's current row, say) must follow it.
    const QPersistentModelIndex last = model.index(9, 0);

    model.RemoveRows(std::vector<int>(removed.begin(), removed.end()));

    QCOMPARE(Names(model), left);
    QCOMPARE(static_cast<qsizetype>(model.Rows().size()), left.size());
    if (!left.isEmpty() && left.last() == QStringLiteral("r9"))
        QCOMPARE(last.row(), left.size() - 1);
    else
        QVERIFY(!last.isValid());
}

void RenamedModelTest::sortFlipsFlagAndSelectionFollows()
{
    RenamedModel model;
    model.Append(MakeRows(4, {"1999", "", "2005", "1980"}));
    QItemSelectionModel selection(&model);
    selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(model.index(3, 0), QItemSelectionModel::NoUpdate);

    QVERIFY(!model.SortFlag());
    model.Sort(RenameItem::Year);
    QVERIFY(model.SortFlag());
    QCOMPARE(Names(model), NamesOf({2, 0, 3, 1}));
    QCOMPARE(selection.selectedRows().size(), 1);
    QCOMPARE(selection.selectedRows().first().data().toString(), QStringLiteral("r0"));
    QCOMPARE(selection.currentIndex().data().toString(), QStringLiteral("r3"));

    // Hidden columns keep the order but still flip the shared flag.
    model.Sort(RenameItem::Created);
    QVERIFY(!model.SortFlag());
    QCOMPARE(Names(model), NamesOf({2, 0, 3, 1}));
    model.Sort(RenameItem::OriginalName);
    QCOMPARE(Names(model), NamesOf({0, 1, 2, 3}));
}

void RenamedModelTest::cellsShowUtf8AndKeepBytes()
{
    RenamedModel model;
    std::vector<RenameItem> rows(1);
    rows[0][RenameItem::OriginalName] = "caf\xC3\xA9\xFF.mp3";
    model.Append(std::move(rows));

    QCOMPARE(model.index(0, RenameItem::OriginalName).data().toString(),
             QStringLiteral(u"caf\u00E9\uFFFD.mp3"));
    QCOMPARE(model.Rows()[0][RenameItem::OriginalName], std::string("caf\xC3\xA9\xFF.mp3"));
    QCOMPARE(model.headerData(RenameItem::ModifiedDate, Qt::Horizontal).toString(),
             QStringLiteral("Modified Date"));
    QCOMPARE(model.headerData(RenameItem::Accessed, Qt::Horizontal).toString(),
             QStringLiteral("Accessed"));
    QCOMPARE(model.flags(model.index(0, 0)) & ~Qt::ItemNeverHasChildren,
             Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

// What the view does with a drag from anywhere: enter, move over a row, drop.
void RenamedModelTest::dropIsAcceptedAndInsertsNothing()
{
    RenamedModel model;
    model.Append(MakeRows(3));
    QTableView view;
    view.setModel(&model);
    view.setAcceptDrops(true);
    view.setDragDropMode(QAbstractItemView::DropOnly);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy dropped(&model, &RenamedModel::dropRequested);

    QMimeData mime;
    mime.setData(QStringLiteral("application/x-some-other-program"), "x");
    const QPointF onRow = view.visualRect(model.index(0, 0)).center();
    QDragEnterEvent enter(onRow.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(onRow.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(onRow, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    QVERIFY(drop.isAccepted());

    QCOMPARE(dropped.count(), 1);
    QCOMPARE(model.rowCount(), 3);
}

QTEST_MAIN(RenamedModelTest)
#include "tst_renamedmodel.moc"
