#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "tests/support/MessageCatcher.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Trigger(const TfrmMain& window, const char* action)
{
    Find<QAction>(window, action)->trigger();
}

// Answers the next file dialog with `path`.
void AnswerFileDialog(const QString& path)
{
    QTimer::singleShot(50, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class PassesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusals();
    void renameUndoCopyAndExport();
    void blankNameMessage();

private:
    std::vector<RenameItem> AddFiles(std::initializer_list<const char*> names);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TfrmMain> m_window;
};

void PassesTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<TfrmMain>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void PassesTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

std::vector<RenameItem> PassesTest::AddFiles(std::initializer_list<const char*> names)
{
    std::vector<RenameItem> rows;
    for (const char* name : names) {
        QFile file(m_dir->filePath(QString::fromUtf8(name)));
        file.open(QIODevice::WriteOnly);
        file.write(name);
        RenameItem row;
        row[RenameItem::OriginalName] = name;
        row[RenameItem::Path] = m_dir->path().toStdString() + "/";
        row[RenameItem::Type] = "Text";
        row[RenameItem::ModifiedDate] = row[RenameItem::Created] = row[RenameItem::Accessed] = "05/03/2009";
        rows.push_back(row);
    }
    RenameList(*m_window)->Append(rows);
    return rows;
}

void PassesTest::refusals()
{
    MessageCatcher catcher;
    for (const char* action : {"actRename", "actUndoRen", "actCopyRen", "actSaveCSV", "actSaveM3U"})
        Trigger(*m_window, action);
    AddFiles({"a.txt"});
    Find<QAbstractButton>(*m_window, "cbFDatePre")->setChecked(true);
    Trigger(*m_window, "actRename");
    Find<QAbstractButton>(*m_window, "cbFDatePre")->setChecked(false);
    RenameList(*m_window)->MutableRows()[0][RenameItem::NewName] = "b.txt";
    Trigger(*m_window, "actRename");
    RenameList(*m_window)->MutableRows()[0][RenameItem::NewName].clear();
    Trigger(*m_window, "actUndoRen");
    Trigger(*m_window, "actCopyRen");  // nothing renamed: silent
    Find<QAbstractButton>(*m_window, "rbShowFolders")->setChecked(true);
    Trigger(*m_window, "actCopyRen");
    QCOMPARE(catcher.Texts(), (QStringList{
        QStringLiteral("Please select at least one file / folder to rename !"),
        QStringLiteral("The rename file list is empty !"),
        QStringLiteral("The file list is empty, add some files and rename them first !"),
        QStringLiteral("The file list is empty, add some files to the list and rename them first !"),
        QStringLiteral("Only MP3 files can be saved to a M3U playlist !"),
        QStringLiteral("All items in the rename list are already renamed !"),
        QStringLiteral("Cannot undo rename as no file or folder has been renamed yet !"),
        QStringLiteral("Only files can be copied to another location !"),
    }));
    // The date-format refusal cannot occur through the list box, which always has a choice.
}

void PassesTest::renameUndoCopyAndExport()
{
    AddFiles({"one.txt", "two.txt", "three.txt"});
    Find<QLineEdit>(*m_window, "edSFrom")->setText(QStringLiteral("5"));
    Find<QAbstractButton>(*m_window, "cbCountPre")->setChecked(true);
    MessageCatcher catcher;
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QCOMPARE(catcher.Texts(), QStringList());
    QCOMPARE(FilesIn(m_dir->path()), (QStringList{QStringLiteral("one5.txt"), QStringLiteral("three7.txt"), QStringLiteral("two6.txt")}));
    QVERIFY(Find<QWidget>(*m_window, "TfrmRenProg")->isHidden());

    QTemporaryDir copies;
    AnswerFileDialog(copies.path());
    Trigger(*m_window, "actCopyRen");
    QCOMPARE(FilesIn(copies.path()).size(), 3);
    QCOMPARE(catcher.Texts().last(), QStringLiteral("Files copied to ") + copies.path() + QStringLiteral("/ successfully !"));

    const QString csv = copies.filePath(QStringLiteral("list"));
    AnswerFileDialog(csv);
    Trigger(*m_window, "actSaveCSV");
    QFile report(csv + QStringLiteral(".csv"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY(text.startsWith("Quillmark - Renamed Files List \r\n"));
    QVERIFY(text.contains("\r\none.txt,one5.txt," + m_dir->path().toUtf8() + "/,Text,05/03/2009\r\n"));

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(FilesIn(m_dir->path()), (QStringList{QStringLiteral("one.txt"), QStringLiteral("three.txt"), QStringLiteral("two.txt")}));
    QCOMPARE(RenameList(*m_window)->Rows()[1][RenameItem::NewName], std::string());
    QCOMPARE(catcher.Messages().size(), 1);
}

void PassesTest::blankNameMessage()
{
    AddFiles({"a1.txt", "22.txt", "b3.txt"});
    Find<QAbstractButton>(*m_window, "cbNum")->setChecked(true);
    MessageCatcher catcher;
    Trigger(*m_window, "actRename");
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("A file name cannot be blank !")});
    QCOMPARE(FilesIn(m_dir->path()), (QStringList{QStringLiteral("22.txt"), QStringLiteral("a.txt"), QStringLiteral("b3.txt")}));
}

QTEST_MAIN(PassesTest)
#include "tst_passes.moc"
