#include "source/FilesModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QTest>

namespace {

std::vector<FileEntry> Fixture()
{
    FileEntry file;
    file.name = "photo\xFF.jpg";
    file.type = "JPEG image";
    file.sizeText = "2 GB";
    file.modifiedDate = "01/02/2003";
    file.size = 2147483648ULL;
    file.createdDate = "31/12/2002";
    file.accessedDate = "02/02/2003";
    FileEntry folder;
    folder.name = "Trip";
    folder.type = "File Folder";
    folder.kind = EntryKind::Folder;
    return {file, folder};
}

// Five rows for the sort cases: name, type, exact size, modified date.
std::vector<FileEntry> SortFixture()
{
    struct Row {
        const char* name;
        const char* type;
        std::uint64_t size;
        const char* modified;
    };
    const Row rows[] = {
        {"beta", "PNG image", 10, "01/02/2003"},  {"Alpha", "JPEG image", 300, "15/01/2003"},
        {"alpha", "JPEG image", 300, "01/02/2003"}, {"Gamma", "File Folder", 0, "31/12/2002"},
        {"delta", "plain text", 20, "10/10/2010"},
    };
    std::vector<FileEntry> entries;
    for (const Row& row : rows) {
        FileEntry entry;
        entry.name = row.name;
        entry.type = row.type;
        entry.size = row.size;
        entry.modifiedDate = row.modified;
        entry.createdDate = "01/01/2000";
        entry.kind = row.size == 0 ? EntryKind::Folder : EntryKind::File;
        entries.push_back(entry);
    }
    return entries;
}

QStringList Names(const FilesModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << QString::fromStdString(model.Row(row).name);
    return names;
}

} // namespace

class FilesModelTest : public QObject {
    Q_OBJECT

private slots:
    void modelTester();
    void cells();
    void rowsCanBeDragged();
    void sort_data();
    void sort();
    void sortComparesWholeNames();
    void selectionFollowsSort();
};

void FilesModelTest::modelTester()
{
    FilesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Append(Fixture());
    model.Append(Fixture());
    QCOMPARE(model.rowCount(), 4);
    model.Clear();
    QCOMPARE(model.rowCount(), 0);
}

void FilesModelTest::cells()
{
    FilesModel model;
    model.Append(Fixture());
    const QStringList captions = {QStringLiteral("Name"), QStringLiteral("Type"),
                                  QStringLiteral("Size"), QStringLiteral("Modified Date"),
                                  QStringLiteral("Size"), QStringLiteral("Created"),
                                  QStringLiteral("Last Accessed")};
    QStringList shownCaptions;
    QStringList fileCells;
    for (int column = 0; column < model.columnCount(); ++column) {
        shownCaptions << model.headerData(column, Qt::Horizontal).toString();
        fileCells << model.index(0, column).data().toString();
    }
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(fileCells, (QStringList{QStringLiteral(u"photo\uFFFD.jpg"),
                                     QStringLiteral("JPEG image"), QStringLiteral("2 GB"),
                                     QStringLiteral("01/02/2003"), QStringLiteral("2147483648"),
                                     QStringLiteral("31/12/2002"), QStringLiteral("02/02/2003")}));
    QCOMPARE(model.index(1, FilesModel::ExactSize).data().toString(), QStringLiteral("0"));

    const auto fileIcon = model.index(0, FilesModel::Name).data(Qt::DecorationRole).value<QIcon>();
    const auto folderIcon = model.index(1, FilesModel::Name).data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(!fileIcon.isNull());
    QVERIFY(!folderIcon.isNull());
    QVERIFY(fileIcon.cacheKey() != folderIcon.cacheKey());
    QVERIFY(!model.index(0, FilesModel::Type).data(Qt::DecorationRole).isValid());
}

void FilesModelTest::rowsCanBeDragged()
{
    FilesModel model;
    model.Append(Fixture());
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsDragEnabled));
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    const std::unique_ptr<QMimeData> data(
        model.mimeData({model.index(0, 0), model.index(0, 3), model.index(1, 0)}));
    QVERIFY(data);
    QVERIFY(data->hasFormat(model.mimeTypes().first()));
    QCOMPARE(data->data(model.mimeTypes().first()), QByteArray("photo\xFF.jpg\nTrip\n"));
}

void FilesModelTest::sort_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("flag");
    QTest::newRow("Name first: A to Z, ties kept")
        << QList<int>{FilesModel::Name} << QStringLiteral("Alpha alpha beta delta Gamma") << true;
    QTest::newRow("Name twice: Z to A")
        << QList<int>{FilesModel::Name, FilesModel::Name}
        << QStringLiteral("Gamma delta beta Alpha alpha") << false;
    QTest::newRow("Type first: A to Z")
        << QList<int>{FilesModel::Type} << QStringLiteral("Gamma Alpha alpha delta beta") << true;
    QTest::newRow("Size first: largest first, folder as 0")
        << QList<int>{FilesModel::Size} << QStringLiteral("Alpha alpha delta beta Gamma") << true;
    QTest::newRow("Size twice: smallest first")
        << QList<int>{FilesModel::Size, FilesModel::Size}
        << QStringLiteral("Gamma beta delta Alpha alpha") << false;
    QTest::newRow("Size then Name: Z to A")
        << QList<int>{FilesModel::Size, FilesModel::Name}
        << QStringLiteral("Gamma delta beta Alpha alpha") << false;
    QTest::newRow("Modified Date first: newest first, same day kept")
        << QList<int>{FilesModel::ModifiedDate} << QStringLiteral("delta beta alpha Alpha Gamma")
        << true;
    QTest::newRow("Created flips the flag only")
        << QList<int>{FilesModel::Created} << QStringLiteral("beta Alpha alpha Gamma delta")
        << true;
    QTest::newRow("Last Accessed, then Name: Z to A")
        << QList<int>{FilesModel::LastAccessed, FilesModel::Name}
        << QStringLiteral("Gamma delta beta Alpha alpha") << false;
    QTest::newRow("hidden size, then Size: smallest first")
        << QList<int>{FilesModel::ExactSize, FilesModel::Size}
        << QStringLiteral("Gamma beta delta Alpha alpha") << false;
}

void FilesModelTest::sort()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expected);
    QFETCH(bool, flag);
    FilesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.Append(SortFixture());
    for (int column : clicks)
        model.Sort(column);
    QCOMPARE(Names(model).join(u' '), expected);
    QCOMPARE(model.SortFlag(), flag);
}

// Names that agree in their first eight bytes up to case; "_" (0x5F) sorts after "Z" and a
// non-ASCII byte after both.
void FilesModelTest::sortComparesWholeNames()
{
    std::vector<FileEntry> rows(6);
    const char* const names[] = {"holiday_photo_2", "HOLIDAY photo 10", "holiday photo 1",
                                 "holidayZ", "holiday\xC3\xA9", "holiday"};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].name = names[i];
    FilesModel model;
    model.Append(rows);
    model.Sort(FilesModel::Name);
    QCOMPARE(Names(model), (QStringList{QStringLiteral("holiday"), QStringLiteral("holiday photo 1"),
                                        QStringLiteral("HOLIDAY photo 10"), QStringLiteral("holidayZ"),
                                        QStringLiteral("holiday_photo_2"),
                                        QString::fromUtf8("holiday\xC3\xA9")}));
}

void FilesModelTest::selectionFollowsSort()
{
    FilesModel model;
    model.Append(SortFixture());
    QItemSelectionModel selection(&model);
    selection.select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    model.Sort(FilesModel::Name);
    const QModelIndexList selected = selection.selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().data().toString(), QStringLiteral("beta"));
    QCOMPARE(selected.first().row(), 2);
}

QTEST_MAIN(FilesModelTest)
#include "tst_filesmodel.moc"
