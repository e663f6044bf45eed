#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "tests/support/MessageCatcher.h"
#include "tests/support/WindowControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <functional>

using Setup = std::function<void(TfrmMain&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kSample = QStringLiteral("A SAMPLE FILE-(name)-1900-#2.JPG");

void Check(TfrmMain& window, const char* name, bool on = true)
{
    Find<QAbstractButton>(window, name)->setChecked(on);
}

void Type(TfrmMain& window, const char* name, const QString& text)
{
    Find<QLineEdit>(window, name)->setText(text);
}

// A user's choice from a drop-down list.
void Choose(TfrmMain& window, const char* name, const QString& item)
{
    auto* box = Find<QComboBox>(window, name);
    box->setCurrentIndex(box->findText(item));
    emit box->activated(box->currentIndex());
}

QString NewName(const TfrmMain& window)
{
    return Find<QLineEdit>(window, "lblNewName")->text();
}

RenameItem Row(const char* name)
{
    RenameItem item;
    item[RenameItem::OriginalName] = name;
    item[RenameItem::Path] = "/tmp/";
    return item;
}

void AddRows(TfrmMain& window, std::initializer_list<const char*> names)
{
    std::vector<RenameItem> rows;
    for (const char* name : names)
        rows.push_back(Row(name));
    RenameList(window)->Append(std::move(rows));
}

QStringList OriginalNames(const TfrmMain& window)
{
    QStringList names;
    for (const RenameItem& item : RenameList(window)->Rows())
        names << QString::fromStdString(item[RenameItem::OriginalName]);
    return names;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void actions_data();
    void actions();
    void preview_data();
    void preview();
    void allRule();
    void startNumberError();
    void selectionSetsSample();
    void removeSelected();
    void clearList();
    void deleteKeyFromFileList();
    void headerClickSorts();
};

void MainWindowTest::startState()
{
    TfrmMain window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillmark"));
    QCOMPARE(Find<QLineEdit>(window, "lblOldName")->text(), kSample);
    QCOMPARE(NewName(window), kSample);
    auto* tabs = Find<QTabWidget>(window, "pcParam");
    QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("tsFile"));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("MP3 Tags"));
    QCOMPARE(Find<QComboBox>(window, "cboFilter")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>(window, "cboFilter")->count(), 5);
    QCOMPARE(Find<QComboBox>(window, "cboDateFormat")->currentText(), QStringLiteral("MMDDYYYY"));
    QCOMPARE(Find<QSpinBox>(window, "edCountLen1")->value(), 1);
    QVERIFY(Find<QRadioButton>(window, "rbShowFiles")->isChecked());
    QVERIFY(Find<QRadioButton>(window, "rbNone1")->isChecked());
    for (const char* box : {"cbCountPre", "cbTextPre", "cbFDatePre", "cbCountPre1", "cbTextPre1"})
        QVERIFY(!Find<QCheckBox>(window, box)->isChecked());
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("cbFDatePre1")));

    auto* renamed = Find<QTableView>(window, "lvwRenamed");
    for (int column = RenameItem::Title; column < RenameItem::ColumnCount; ++column)
        QVERIFY2(renamed->isColumnHidden(column), qPrintable(QString::number(column)));
    QCOMPARE(renamed->columnWidth(RenameItem::Path), 200);
    QVERIFY(Find<QWidget>(window, "TfrmProg")->isHidden());
    QVERIFY(Find<QWidget>(window, "TfrmRenProg")->isHidden());
}

void MainWindowTest::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } actions[] = {
        {"actRename", "&Rename Files", QKeySequence(Qt::Key_F2)},
        {"actUndoRen", "&Undo Rename", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"actCopyRen", "&Copy Renamed Files", {}},
        {"actSaveCSV", "Save as CS&V File", {}},
        {"actSaveM3U", "Save as &M3U File", {}},
        {"actExit", "E&xit Quillmark", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"actAddFiles", "Add &selected files to list", {}},
        {"actAddAll", "Add &All Files", {}},
        {"actAddFolder", "Add All Files (including s&ubfolder files)", {}},
        {"actRemoveSel", "&Remove selected files", QKeySequence(Qt::Key_Delete)},
        {"actClearList", "&Clear File List", {}},
        {"actLaunchExp", "Launch &Windows Explorer", {}},
        {"actMapDrive", "&Map Network Drive", {}},
        {"actDisconnect", "&Disconnect network Drive", {}},
        {"actUserManual", "&User Guide", QKeySequence(Qt::Key_F1)},
        {"actContact", "&Contact for Technical Support", {}},
        {"actAbout", "&About", {}},
        {"NewPreset1", "&New Rename Preset", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"LoadPreset1", "&Load Rename Preset", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"SavePreset1", "&Save Rename Preset", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"DeletePreset1", "&Delete Rename Preset", {}},
    };
    for (const auto& action : actions)
        QTest::newRow(action.name) << QString::fromLatin1(action.name) << QString::fromLatin1(action.caption) << action.shortcut;
}

void MainWindowTest::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    TfrmMain window;
    auto* action = window.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void MainWindowTest::preview_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("expected");
    const QString year = QString::number(QDate::currentDate().year());

    QTest::newRow("defaults") << Setup([](TfrmMain&) {}) << kSample;
    QTest::newRow("all on the file-name tab") << Setup([](TfrmMain& w) { Check(w, "cbAll"); }) << QStringLiteral(".JPG");
    QTest::newRow("date stamp YYYY")
        << Setup([](TfrmMain& w) {
               Choose(w, "cboFileDate", QStringLiteral("Modified Date"));
               Choose(w, "cboDateFormat", QStringLiteral("YYYY"));
               Check(w, "cbFDatePre");
           })
        << QStringLiteral("A SAMPLE FILE-(name)-1900-#2") + year + QStringLiteral(".JPG");
    QTest::newRow("extension counter from its own start")
        << Setup([](TfrmMain& w) {
               Type(w, "edSFrom1", QStringLiteral("5"));
               Check(w, "cbCountPre1");
           })
        << QStringLiteral("A SAMPLE FILE-(name)-1900-#2.JPG5");
    QTest::newRow("counter width 3 prefix")
        << Setup([](TfrmMain& w) {
               Find<QSpinBox>(w, "edCountLen")->setValue(3);
               Choose(w, "cboCountPrefix", QStringLiteral("Prefix"));
               Check(w, "cbCountPre");
           })
        << QStringLiteral("001") + kSample;
    QTest::newRow("lower on both tabs")
        << Setup([](TfrmMain& w) {
               Check(w, "rbLower");
               Check(w, "rbLower1");
           })
        << QStringLiteral("a sample file-(name)-1900-#2.jpg");
    QTest::newRow("replace and insert")
        << Setup([](TfrmMain& w) {
               Type(w, "edTextRep", QStringLiteral("-"));
               Type(w, "edTextRepW", QStringLiteral("_"));
               Check(w, "cbRepTextAll");
               Check(w, "cbTextRep");
               Type(w, "edTextIns", QStringLiteral("NEW"));
               Type(w, "edTextInsPos", QStringLiteral("2"));
               Check(w, "cbTextIns");
           })
        << QStringLiteral("A NEWSAMPLE FILE_(name)_1900_#2.JPG");
    QTest::newRow("selected row upper on both tabs")
        << Setup([](TfrmMain& w) {
               AddRows(w, {"notes.txt"});
               Find<QTableView>(w, "lvwRenamed")->selectRow(0);
               Check(w, "rbUpper");
               Check(w, "rbUpper1");
           })
        << QStringLiteral("NOTES.TXT");
    QTest::newRow("folders mode keeps the dot")
        << Setup([](TfrmMain& w) {
               Check(w, "rbShowFolders");
               Check(w, "cbTextPre");
               Type(w, "edText", QStringLiteral("_x"));
           })
        << QStringLiteral("A SAMPLE FILE-(name)-1900-#2.JPG_x");
    QTest::newRow("no extension gets no dot")
        << Setup([](TfrmMain& w) {
               AddRows(w, {"notes"});
               Find<QTableView>(w, "lvwRenamed")->selectRow(0);
               Check(w, "rbTitle");
           })
        << QStringLiteral("Notes");
}

void MainWindowTest::preview()
{
    QFETCH(Setup, setup);
    QFETCH(QString, expected);
    TfrmMain window;
    window.show();
    MessageCatcher catcher;
    setup(window);
    QCOMPARE(catcher.Texts(), QStringList());
    QCOMPARE(NewName(window), expected);
}

void MainWindowTest::allRule()
{
    TfrmMain window;
    const char* classes[] = {"cbAlpha1", "cbNum1", "cbSpe1", "cbSpaces1", "cbBrackets1"};
    Check(window, "cbNum1");
    Check(window, "cbAll1");
    for (const char* name : classes) {
        QVERIFY(!Find<QCheckBox>(window, name)->isChecked());
        QVERIFY(!Find<QCheckBox>(window, name)->isEnabled());
    }
    // An extension left empty adds no trailing dot.
    QCOMPARE(NewName(window), QStringLiteral("A SAMPLE FILE-(name)-1900-#2"));
    Check(window, "cbAll1", false);
    for (const char* name : classes) {
        QVERIFY(!Find<QCheckBox>(window, name)->isChecked());
        QVERIFY(Find<QCheckBox>(window, name)->isEnabled());
    }
    QCOMPARE(NewName(window), kSample);
    // The other tab's boxes are untouched.
    QVERIFY(Find<QCheckBox>(window, "cbAlpha")->isEnabled());
}

void MainWindowTest::startNumberError()
{
    TfrmMain window;
    window.show();
    Check(window, "rbUpper1");
    const QString before = NewName(window);
    MessageCatcher catcher;
    Type(window, "edSFrom", QString());
    QCOMPARE(catcher.Messages().size(), 1);
    QCOMPARE(catcher.Messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(catcher.Messages()[0].title, QStringLiteral("Quillmark"));
    QCOMPARE(catcher.Messages()[0].text, QStringLiteral("'' is not a valid integer value."));
    QCOMPARE(NewName(window), before);
    Type(window, "edSFrom", QStringLiteral("3"));
    QCOMPARE(catcher.Messages().size(), 1);
    Check(window, "rbLower1");
    QCOMPARE(NewName(window), QStringLiteral("A SAMPLE FILE-(name)-1900-#2.jpg"));
}

void MainWindowTest::selectionSetsSample()
{
    TfrmMain window;
    window.show();
    AddRows(window, {"a.txt", "b.txt", "c.txt"});
    auto* list = Find<QTableView>(window, "lvwRenamed");
    auto* oldName = Find<QLineEdit>(window, "lblOldName");
    list->selectRow(1);
    QCOMPARE(oldName->text(), QStringLiteral("b.txt"));
    list->selectionModel()->select(RenameList(window)->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(oldName->text(), QStringLiteral("c.txt"));
    // Deselecting a row makes it the sample too.
    list->selectionModel()->select(RenameList(window)->index(1, 0),
                                   QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    QCOMPARE(oldName->text(), QStringLiteral("b.txt"));
}

void MainWindowTest::removeSelected()
{
    TfrmMain window;
    window.show();
    auto* remove = Find<QAction>(window, "actRemoveSel");
    MessageCatcher catcher;
    remove->trigger();
    AddRows(window, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    remove->trigger();
    QCOMPARE(catcher.Texts(), (QStringList{QStringLiteral("The file list is empty !"),
                                           QStringLiteral("Nothing is selected to remove from the list !")}));
    QCOMPARE(catcher.Messages()[0].icon, QMessageBox::Warning);

    auto* list = Find<QTableView>(window, "lvwRenamed");
    list->selectRow(9);
    for (const int row : {2, 3, 7})
        list->selectionModel()->select(RenameList(window)->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    remove->trigger();
    QCOMPARE(OriginalNames(window), (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("4"),
                                                 QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("8")}));
    // The sample keeps the last selected row's name while rows remain.
    QCOMPARE(Find<QLineEdit>(window, "lblOldName")->text(), QStringLiteral("7"));

    list->selectAll();
    remove->trigger();
    QVERIFY(RenameList(window)->Rows().empty());
    QCOMPARE(Find<QLineEdit>(window, "lblOldName")->text(), kSample);
    QCOMPARE(catcher.Messages().size(), 2);
}

void MainWindowTest::clearList()
{
    TfrmMain window;
    window.show();
    MessageCatcher catcher;
    auto* clear = Find<QAction>(window, "actClearList");
    clear->trigger();
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("The file / folder list is empty !")});
    AddRows(window, {"x.jpg", "y.jpg"});
    Find<QTableView>(window, "lvwRenamed")->selectRow(0);
    Check(window, "rbUpper");
    QCOMPARE(NewName(window), QStringLiteral("X.jpg"));
    clear->trigger();
    QVERIFY(RenameList(window)->Rows().empty());
    QCOMPARE(Find<QLineEdit>(window, "lblOldName")->text(), kSample);
    QCOMPARE(NewName(window), QStringLiteral("A SAMPLE FILE-(NAME)-1900-#2.JPG"));
    QCOMPARE(catcher.Messages().size(), 1);
}

void MainWindowTest::deleteKeyFromFileList()
{
    TfrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AddRows(window, {"a", "b"});
    Find<QTableView>(window, "lvwRenamed")->selectRow(0);
    auto* files = Find<QTableView>(window, "lvwFiles");
    window.activateWindow();
    files->setFocus();
    QTest::keyClick(files, Qt::Key_Delete);
    QCOMPARE(OriginalNames(window), QStringList{QStringLiteral("b")});
}

void MainWindowTest::headerClickSorts()
{
    TfrmMain window;
    window.show();
    AddRows(window, {"b", "C", "a"});
    auto* header = Find<QTableView>(window, "lvwRenamed")->horizontalHeader();
    emit header->sectionClicked(RenameItem::OriginalName);
    QCOMPARE(OriginalNames(window), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("C")}));
    emit header->sectionClicked(RenameItem::OriginalName);
    QCOMPARE(OriginalNames(window), (QStringList{QStringLiteral("C"), QStringLiteral("b"), QStringLiteral("a")}));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
