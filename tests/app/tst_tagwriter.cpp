#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "tests/support/MessageCatcher.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

} // namespace

class TagWriterTest : public QObject {
    Q_OBJECT

private slots:
    void tabStartState();
    void refusals();
    void writesTheListedFiles();
};

void TagWriterTest::tabStartState()
{
    TfrmMain window;
    auto* genres = Find<QComboBox>(window, "cboTagGenre");
    QCOMPARE(genres->count(), 116);
    QCOMPARE(genres->currentIndex(), 12);
    QCOMPARE(genres->currentText(), QStringLiteral("Other"));
    QCOMPARE(genres->itemText(79), QStringLiteral("Hard Rock"));
    for (const char* box : {"cbTitle", "cbArtist", "cbAlbum", "cbYear", "cbGenre", "cbComment"})
        QVERIFY(!Find<QAbstractButton>(window, box)->isChecked());
}

void TagWriterTest::refusals()
{
    TfrmMain window;
    window.show();
    MessageCatcher catcher;
    auto* button = Find<QToolButton>(window, "btnRenTag");
    button->click();
    RenameItem row;
    row[RenameItem::OriginalName] = "a.mp3";
    row[RenameItem::Path] = "/nowhere/";
    RenameList(window)->Append({row});
    Find<QComboBox>(window, "cboFilter")->setCurrentIndex(4);
    button->click();
    Find<QComboBox>(window, "cboFilter")->setCurrentIndex(2);
    button->click();
    QCOMPARE(catcher.Texts(), (QStringList{QStringLiteral("Please select at least one file to rename !"),
                                           QStringLiteral("You must have MP3 files in the rename list to rename ID3 tags !"),
                                           QStringLiteral("You must select something to add to the MP3 tags !")}));
    for (const MessageCatcher::Message& message : catcher.Messages())
        QCOMPARE(message.icon, QMessageBox::Warning);
}

void TagWriterTest::writesTheListedFiles()
{
    QTemporaryDir dir;
    std::vector<RenameItem> rows;
    for (const char* name : {"one.mp3", "two.mp3"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(64, 'x'));
        RenameItem row;
        row[RenameItem::OriginalName] = name;
        row[RenameItem::Path] = dir.path().toStdString() + "/";
        rows.push_back(row);
    }
    TfrmMain window;
    window.show();
    RenameList(window)->Append(rows);
    Find<QComboBox>(window, "cboFilter")->setCurrentIndex(2);
    Find<QAbstractButton>(window, "cbTitle")->setChecked(true);
    Find<QLineEdit>(window, "edTitle")->setText(QStringLiteral("Café"));
    MessageCatcher catcher;
    Find<QToolButton>(window, "btnRenTag")->click();
    QCOMPARE(catcher.Texts(), QStringList());
    for (const char* name : {"one.mp3", "two.mp3"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QCOMPARE(content.size(), 64 + 128);
        QCOMPARE(content.mid(64 + 3, 5), QByteArray("Caf\xE9 "));
    }
    QCOMPARE(RenameList(window)->Rows()[1][RenameItem::Title], std::string("Café"));
    QVERIFY(Find<QWidget>(window, "TfrmRenProg")->isHidden());
}

QTEST_MAIN(TagWriterTest)
#include "tst_tagwriter.moc"
