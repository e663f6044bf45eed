#include "app/untMain.h"
#include "batch/RenamedModel.h"
#include "platform/ShellOpen.h"
#include "platform/WebPages.h"
#include "tests/support/FakeShell.h"
#include "tests/support/MessageCatcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace {

template <typename Widget = QWidget>
Widget* Find(const QObject& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Acts on the modal dialog named dialogName once it is up, as a user would; the act must
// close it.
void WhenShown(const char* dialogName, std::function<void(QDialog&)> act)
{
    auto* timer = new QTimer;
    const QString name = QString::fromLatin1(dialogName);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != name)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start(5);
}

void Click(QDialog& dialog, const char* button)
{
    Find<QAbstractButton>(dialog, button)->click();
}

} // namespace

class ShellCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void renameListPath_data();
    void renameListPath();
    void fileListPath_data();
    void fileListPath();
    void nothingWithoutSelection();
    void commandsReachTheShell_data();
    void commandsReachTheShell();
    void cannotOpenWarns_data();
    void cannotOpenWarns();
    void openWithOurChooser_data();
    void openWithOurChooser();
    void propertiesOfOurOwn();
    void connectNetworkLocation();
    void disconnectNetworkLocation();
    void withoutGio_data();
    void withoutGio();

private:
    std::string Folder() const { return QFile::encodeName(m_dir->path()).toStdString() + "/"; }
    void Write(const char* name);
    void AddRenameRow(const char* original, const char* newName);
    void SelectRows(QTableView* view, std::initializer_list<int> rows);
    void ShowFolder(const QString& path);
    QTableView* FileList() const { return Find<QTableView>(*m_window, "lvwFiles"); }
    QTableView* RenameList() const { return Find<QTableView>(*m_window, "lvwRenamed"); }
    void Trigger(const char* action) const { Find<QAction>(*m_window, action)->trigger(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TfrmMain> m_window;
    FakeShell* m_shell = nullptr;
};

void ShellCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char* name : {"a.jpg", "b.jpg", "renamed.jpg", " spaced.jpg "})
        Write(name);
    auto shell = std::make_unique<FakeShell>();
    m_shell = shell.get();
    m_window = std::make_unique<TfrmMain>(std::move(shell));
    m_window->show();
}

void ShellCommandsTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void ShellCommandsTest::Write(const char* name)
{
    QFile file(m_dir->filePath(QString::fromUtf8(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void ShellCommandsTest::AddRenameRow(const char* original, const char* newName)
{
    RenameItem item;
    item[RenameItem::OriginalName] = original;
    item[RenameItem::NewName] = newName;
    item[RenameItem::Path] = Folder();
    qobject_cast<RenamedModel*>(RenameList()->model())->Append({item});
}

// Selects the rows one after the other, in the order given.
void ShellCommandsTest::SelectRows(QTableView* view, std::initializer_list<int> rows)
{
    for (const int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void ShellCommandsTest::ShowFolder(const QString& path)
{
    auto* tree = Find<QTreeView>(*m_window, "tvwFolders");
    tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(path));
}

void ShellCommandsTest::renameListPath_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("secondSelectedFirst");
    QTest::addColumn<QString>("opened");
    QTest::newRow("new name") << QStringLiteral("renamed.jpg") << false << QStringLiteral("renamed.jpg");
    QTest::newRow("no new name") << QString() << false << QStringLiteral("a.jpg");
    QTest::newRow("blank new name") << QStringLiteral("   ") << false << QStringLiteral("a.jpg");
    QTest::newRow("new name used untrimmed") << QStringLiteral(" spaced.jpg ") << false << QStringLiteral(" spaced.jpg ");
    QTest::newRow("several selected: the first in the list") << QStringLiteral("renamed.jpg") << true << QStringLiteral("renamed.jpg");
}

void ShellCommandsTest::renameListPath()
{
    QFETCH(QString, newName);
    QFETCH(bool, secondSelectedFirst);
    QFETCH(QString, opened);
    AddRenameRow("a.jpg", newName.toUtf8().constData());
    AddRenameRow("b.jpg", "");
    SelectRows(RenameList(), secondSelectedFirst ? std::initializer_list<int>{1, 0} : std::initializer_list<int>{0});
    const QString expected = m_dir->filePath(opened);

    Trigger("OpenRenamed1");
    QCOMPARE(m_shell->opened, QList<QUrl>{QUrl::fromLocalFile(expected)});
    Trigger("OpenWithRenamed1");
    QCOMPARE(m_shell->calls, QList<QStringList>{(QStringList{QStringLiteral("ChooseProgramFor"), expected})});
}

void ShellCommandsTest::fileListPath_data()
{
    QTest::addColumn<bool>("root");
    QTest::newRow("root folder") << true;
    QTest::newRow("deeper folder") << false;
}

// The root lists folders (it may hold no pictures); the deeper folder lists its pictures. Two
// rows are selected, the second shown first: the first shown is the item.
void ShellCommandsTest::fileListPath()
{
    QFETCH(bool, root);
    if (root)
        Find<QRadioButton>(*m_window, "rbShowFolders")->setChecked(true);
    ShowFolder(root ? QStringLiteral("/") : m_dir->path());
    QVERIFY(FileList()->model()->rowCount() >= 2);
    SelectRows(FileList(), {1, 0});
    const QString name = FileList()->model()->index(0, 0).data().toString();
    const QString expected = root ? QStringLiteral("/") + name : m_dir->filePath(name);

    Trigger("OpenFile1");
    QCOMPARE(m_shell->opened, QList<QUrl>{QUrl::fromLocalFile(expected)});
    Trigger("OpenWithFile1");
    Trigger("Properties1");
    QCOMPARE(m_shell->calls, (QList<QStringList>{{QStringLiteral("ChooseProgramFor"), expected},
                                                 {QStringLiteral("ShowProperties"), expected}}));
}

void ShellCommandsTest::nothingWithoutSelection()
{
    MessageCatcher catcher;
    const char* entries[] = {"OpenRenamed1", "OpenWithRenamed1", "OpenFile1", "OpenWithFile1", "Properties1"};
    for (const char* entry : entries)  // both lists empty
        Trigger(entry);
    ShowFolder(m_dir->path());
    AddRenameRow("a.jpg", "");
    for (const char* entry : entries)  // rows, none selected
        Trigger(entry);
    QVERIFY(m_shell->opened.isEmpty());
    QVERIFY(m_shell->calls.isEmpty());
    QVERIFY(catcher.Messages().isEmpty());
}

void ShellCommandsTest::commandsReachTheShell_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QUrl>("opened");
    const QUrl guide = HelpFileUrl();
    QTest::newRow("actUserManual") << QStringLiteral("actUserManual") << guide;
    QTest::newRow("btnUsersGuide") << QStringLiteral("btnUsersGuide") << guide;
    QTest::newRow("actContact") << QStringLiteral("actContact") << WebPages::Contact();
    QTest::newRow("btnContact") << QStringLiteral("btnContact") << WebPages::Contact();
    QTest::newRow("CompanySite1") << QStringLiteral("CompanySite1") << WebPages::CompanySite();
    QTest::newRow("actLaunchExp") << QStringLiteral("actLaunchExp") << QUrl::fromLocalFile(QDir::homePath());
}

void ShellCommandsTest::commandsReachTheShell()
{
    QFETCH(QString, control);
    QFETCH(QUrl, opened);
    if (auto* action = m_window->findChild<QAction*>(control))
        action->trigger();
    else
        Find<QAbstractButton>(*m_window, control.toLatin1().constData())->click();
    QCOMPARE(m_shell->opened, QList<QUrl>{opened});
}

void ShellCommandsTest::cannotOpenWarns_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("fileGone");
    QTest::addColumn<QString>("shown");  // empty: the file-list item
    QTest::newRow("guide") << QStringLiteral("actUserManual") << false << HelpFileUrl().toLocalFile();
    QTest::newRow("page") << QStringLiteral("actContact") << false << WebPages::Contact().toString();
    QTest::newRow("file manager") << QStringLiteral("actLaunchExp") << false << QDir::homePath();
    QTest::newRow("file nothing opens") << QStringLiteral("OpenFile1") << false << QString();
    QTest::newRow("open: file gone") << QStringLiteral("OpenFile1") << true << QString();
    QTest::newRow("open with: file gone") << QStringLiteral("OpenWithFile1") << true << QString();
    QTest::newRow("properties: file gone") << QStringLiteral("Properties1") << true << QString();
}

void ShellCommandsTest::cannotOpenWarns()
{
    QFETCH(QString, action);
    QFETCH(bool, fileGone);
    QFETCH(QString, shown);
    m_shell->openSucceeds = false;
    ShowFolder(m_dir->path());
    SelectRows(FileList(), {0});
    const QString item = m_dir->filePath(FileList()->model()->index(0, 0).data().toString());
    if (fileGone)
        QVERIFY(QFile::remove(item));
    MessageCatcher catcher;
    Find<QAction>(*m_window, action.toLatin1().constData())->trigger();
    QCOMPARE(catcher.Texts(), QStringList{QStringLiteral("Cannot open ") + (shown.isEmpty() ? item : shown) + QStringLiteral(" !")});
    QCOMPARE(catcher.Messages().first().icon, QMessageBox::Warning);
    QCOMPARE(catcher.Messages().first().title, QStringLiteral("Quillmark"));
    if (fileGone)
        QVERIFY(m_shell->opened.isEmpty() && m_shell->calls.isEmpty());
}

void ShellCommandsTest::openWithOurChooser_data()
{
    QTest::addColumn<QString>("typed");  // empty: the registered program as listed
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QStringList>("started");
    QTest::newRow("registered program") << QString() << true
                                        << QStringList{QStringLiteral("viewer"), QStringLiteral("--new"), QStringLiteral("%1")};
    QTest::newRow("typed command") << QStringLiteral("\"my tool\" -x") << true
                                   << QStringList{QStringLiteral("my tool"), QStringLiteral("-x"), QStringLiteral("%1")};
    QTest::newRow("program does not start") << QString() << false
                                            << QStringList{QStringLiteral("viewer"), QStringLiteral("--new"), QStringLiteral("%1")};
}

// No desktop chooser answers: ours lists the registered programs and starts the chosen one.
void ShellCommandsTest::openWithOurChooser()
{
    QFETCH(QString, typed);
    QFETCH(bool, starts);
    QFETCH(QStringList, started);
    m_shell->chooserAnswers = false;
    m_shell->startSucceeds = starts;
    m_shell->applications = {{QStringLiteral("viewer.desktop"), QStringLiteral("Viewer"), QStringLiteral("viewer --new %U"), {}, true}};
    AddRenameRow("a.jpg", "");
    SelectRows(RenameList(), {0});
    const QString path = m_dir->filePath(QStringLiteral("a.jpg"));
    QString listed;
    WhenShown("TfrmOpenWith", [&](QDialog& dialog) {
        listed = Find<QListWidget>(dialog, "lstPrograms")->currentItem()->text();
        if (!typed.isEmpty())
            Find<QLineEdit>(dialog, "edCommand")->setText(typed);
        Click(dialog, "btnOpen");
    });
    MessageCatcher catcher;
    Trigger("OpenWithRenamed1");
    QCOMPARE(listed, QStringLiteral("Viewer (default)"));
    started.replace(2, path);
    QCOMPARE(m_shell->calls, (QList<QStringList>{{QStringLiteral("ChooseProgramFor"), path},
                                                 QStringList{QStringLiteral("StartProgram")} + started}));
    QCOMPARE(catcher.Texts(), starts ? QStringList() : QStringList{QStringLiteral("Cannot open ") + path + QStringLiteral(" !")});
}

void ShellCommandsTest::propertiesOfOurOwn()
{
    m_shell->propertiesAnswer = false;
    ShowFolder(m_dir->path());
    SelectRows(FileList(), {0});
    const QString name = FileList()->model()->index(0, 0).data().toString();
    QString shownName;
    WhenShown("TfrmProperties", [&](QDialog& dialog) {
        shownName = Find<QLabel>(dialog, "lblName")->text();
        Click(dialog, "btnOK");
    });
    Trigger("Properties1");
    QCOMPARE(shownName, name);
}

void ShellCommandsTest::connectNetworkLocation()
{
    m_shell->run = {false, {}, QStringLiteral("Host not found")};
    MessageCatcher catcher;
    bool closed = false;
    WhenShown("TfrmMapDrive", [&](QDialog& dialog) {
        Click(dialog, "btnConnect");  // no address: refused before gio runs
        Find<QLineEdit>(dialog, "edAddress")->setText(QStringLiteral("  smb://server/share "));
        Click(dialog, "btnConnect");  // gio fails: its reason, and the dialog stays
        m_shell->run = {true, {}, {}};
        Click(dialog, "btnConnect");
        closed = !dialog.isVisible();
        if (!closed)
            dialog.reject();
    });
    Trigger("actMapDrive");
    const QStringList mount{QStringLiteral("RunProgram"), QStringLiteral("gio"), QStringLiteral("mount"), QStringLiteral("smb://server/share")};
    QCOMPARE(m_shell->calls, (QList<QStringList>{mount, mount}));
    QCOMPARE(catcher.Texts(), (QStringList{QStringLiteral("Please type the address of a network location !"),
                                           QStringLiteral("Cannot connect to smb://server/share !\r\nPossible Reason: Host not found")}));
    QVERIFY(closed);
}

void ShellCommandsTest::disconnectNetworkLocation()
{
    m_shell->run = {true,
                    QStringLiteral("Volume(0): disk\n  Mount(0): disk -> file:///media/disk\n"
                                   "Mount(1): share on server -> smb://server/share/\n"
                                   "Mount(2): files on host -> sftp://host/home/\n"),
                    {}};
    int listed = 0;
    WhenShown("TfrmDisconnect", [&](QDialog& dialog) {
        auto* mounts = Find<QListWidget>(dialog, "lstMounts");
        listed = mounts->count();
        mounts->setCurrentRow(1);
        Click(dialog, "btnDisconnect");
    });
    Trigger("actDisconnect");
    QCOMPARE(listed, 2);
    QCOMPARE(m_shell->calls,
             (QList<QStringList>{{QStringLiteral("RunProgram"), QStringLiteral("gio"), QStringLiteral("mount"), QStringLiteral("-l")},
                                 {QStringLiteral("RunProgram"), QStringLiteral("gio"), QStringLiteral("mount"), QStringLiteral("-u"), QStringLiteral("sftp://host/home/")}}));
}

void ShellCommandsTest::withoutGio_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("gio");
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("Network locations are connected with the program gio, which is not installed "
                                           "(it comes with the package libglib2.0-bin) !");
    QTest::newRow("map without gio") << QStringLiteral("actMapDrive") << false << missing;
    QTest::newRow("disconnect without gio") << QStringLiteral("actDisconnect") << false << missing;
    QTest::newRow("disconnect with nothing mounted") << QStringLiteral("actDisconnect") << true << QStringLiteral("No network location is connected !");
}

void ShellCommandsTest::withoutGio()
{
    QFETCH(QString, action);
    QFETCH(bool, gio);
    QFETCH(QString, message);
    m_shell->gioPresent = gio;
    MessageCatcher catcher;
    Find<QAction>(*m_window, action.toLatin1().constData())->trigger();
    QCOMPARE(catcher.Texts(), QStringList{message});
    QCOMPARE(catcher.Messages().first().icon, QMessageBox::Information);
    QCOMPARE(m_shell->calls.size(), gio ? 1 : 0);
}

QTEST_MAIN(ShellCommandsTest)
#include "tst_shellcommands.moc"
