#include "source/FilesModel.h"

#include <QAbstractItemModelTester>
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
    folder.isFolder = true;
    return {file, folder};
}

} // namespace

class FilesModelTest : public QObject {
    Q_OBJECT

private slots:
    void modelTester();
    void cells();
    void rowsCanBeDragged();
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

QTEST_MAIN(FilesModelTest)
#include "tst_filesmodel.moc"
