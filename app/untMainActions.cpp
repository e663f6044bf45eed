// The action list of the main window and the menus, toolbar and pop-up menus that run it.
#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "source/FilesModel.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolButton {
    const char* name;
    const char* iconName;
    QStyle::StandardPixmap fallback;
    QString tooltip;
};

} // namespace

QAction* TfrmMain::NewAction(const char* name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // Shortcuts act from the window even where no visible menu shows the action.
    addAction(action);
    return action;
}

void TfrmMain::OnTriggered(QAction* action, void (TfrmMain::*command)())
{
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(this, [this, command] { (this->*command)(); }); });
}

// A menu entry whose caption differs from its action's: it shows the action's shortcut and
// runs the action, enabled as the action is.
void TfrmMain::AddMenuEntry(QMenu* menu, QAction* action, const QString& caption)
{
    if (caption == action->text()) {
        menu->addAction(action);
        return;
    }
    QString text = caption;
    if (!action->shortcut().isEmpty())
        text += u'\t' + action->shortcut().toString(QKeySequence::NativeText);
    QAction* entry = menu->addAction(text, action, &QAction::trigger);
    entry->setEnabled(action->isEnabled());
    connect(action, &QAction::enabledChanged, entry, &QAction::setEnabled);
}

void TfrmMain::CreateActions()
{
    m_actRename = NewAction("actRename", QStringLiteral("&Rename Files"), Qt::Key_F2);
    m_actUndoRen = NewAction("actUndoRen", QStringLiteral("&Undo Rename"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_actCopyRen = NewAction("actCopyRen", QStringLiteral("&Copy Renamed Files"));
    m_actSaveCSV = NewAction("actSaveCSV", QStringLiteral("Save as CS&V File"));
    m_actSaveM3U = NewAction("actSaveM3U", QStringLiteral("Save as &M3U File"));
    m_actExit = NewAction("actExit", QStringLiteral("E&xit Quillmark"), QKeySequence(Qt::ALT | Qt::Key_X));
    m_actAddFiles = NewAction("actAddFiles", QStringLiteral("Add &selected files to list"));
    m_actAddAll = NewAction("actAddAll", QStringLiteral("Add &All Files"));
    m_actAddFolder = NewAction("actAddFolder", QStringLiteral("Add All Files (including s&ubfolder files)"));
    m_actRemoveSel = NewAction("actRemoveSel", QStringLiteral("&Remove selected files"), Qt::Key_Delete);
    m_actClearList = NewAction("actClearList", QStringLiteral("&Clear File List"));
    m_actLaunchExp = NewAction("actLaunchExp", QStringLiteral("Launch &Windows Explorer"));
    m_actMapDrive = NewAction("actMapDrive", QStringLiteral("&Map Network Drive"));
    m_actDisconnect = NewAction("actDisconnect", QStringLiteral("&Disconnect network Drive"));
    m_actUserManual = NewAction("actUserManual", QStringLiteral("&User Guide"), Qt::Key_F1);
    m_actContact = NewAction("actContact", QStringLiteral("&Contact for Technical Support"));
    m_actAbout = NewAction("actAbout", QStringLiteral("&About"));
    m_actCompanySite = NewAction("CompanySite1", QStringLiteral("Visit Company Website"));
    m_actNewPreset = NewAction("NewPreset1", QStringLiteral("&New Rename Preset"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_actLoadPreset = NewAction("LoadPreset1", QStringLiteral("&Load Rename Preset"), QKeySequence(Qt::CTRL | Qt::Key_L));
    m_actSavePreset = NewAction("SavePreset1", QStringLiteral("&Save Rename Preset"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_actDeletePreset = NewAction("DeletePreset1", QStringLiteral("&Delete Rename Preset"));

    connect(m_actExit, &QAction::triggered, this, &QWidget::close);
    OnTriggered(m_actRename, &TfrmMain::RenameFiles);
    OnTriggered(m_actNewPreset, &TfrmMain::NewPreset);
    OnTriggered(m_actLoadPreset, &TfrmMain::LoadPreset);
    OnTriggered(m_actSavePreset, &TfrmMain::SavePreset);
    OnTriggered(m_actDeletePreset, &TfrmMain::DeletePreset);
    OnTriggered(m_actUndoRen, &TfrmMain::UndoRename);
    OnTriggered(m_actCopyRen, &TfrmMain::CopyRenamed);
    OnTriggered(m_actSaveCSV, &TfrmMain::SaveCsv);
    OnTriggered(m_actSaveM3U, &TfrmMain::SaveM3u);
    OnTriggered(m_actAddFiles, &TfrmMain::AddSelectedFiles);
    OnTriggered(m_actAddAll, &TfrmMain::AddAllFiles);
    OnTriggered(m_actAddFolder, &TfrmMain::AddFolderFiles);
    OnTriggered(m_actRemoveSel, &TfrmMain::RemoveSelected);
    OnTriggered(m_actClearList, &TfrmMain::ClearList);
    OnTriggered(m_actUserManual, &TfrmMain::OpenUserGuide);
    OnTriggered(m_actContact, &TfrmMain::OpenContactPage);
    OnTriggered(m_actCompanySite, &TfrmMain::OpenCompanySite);
    OnTriggered(m_actAbout, &TfrmMain::ShowAbout);
    OnTriggered(m_actLaunchExp, &TfrmMain::LaunchFileManager);
    OnTriggered(m_actMapDrive, &TfrmMain::MapNetworkDrive);
    OnTriggered(m_actDisconnect, &TfrmMain::DisconnectNetworkDrive);
}

void TfrmMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mmMain"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    AddMenuEntry(file, m_actRename, QStringLiteral("&Rename Files"));
    AddMenuEntry(file, m_actUndoRen, QStringLiteral("&Undo Rename"));
    file->addSeparator();
    AddMenuEntry(file, m_actCopyRen, QStringLiteral("&Copy Renamed Files"));
    AddMenuEntry(file, m_actSaveCSV, QStringLiteral("Save as CS&V File"));
    AddMenuEntry(file, m_actSaveM3U, QStringLiteral("Save as M3&U File"));
    file->addSeparator();
    AddMenuEntry(file, m_actExit, QStringLiteral("E&xit Quillmark"));

    QMenu* preset = bar->addMenu(QStringLiteral("&Preset"));
    preset->setObjectName(QStringLiteral("Preset1"));
    preset->addActions({m_actNewPreset, m_actLoadPreset, m_actSavePreset, m_actDeletePreset});

    // The list commands keep a menu of their own that the menu bar does not show.
    auto* list = new QMenu(QStringLiteral("&List"), this);
    list->setObjectName(QStringLiteral("List1"));
    AddMenuEntry(list, m_actAddFiles, QStringLiteral("Add &Selected Files to List"));
    AddMenuEntry(list, m_actAddAll, QStringLiteral("Add &All Files"));
    AddMenuEntry(list, m_actAddFolder, QStringLiteral("Add All Files (incl&uding subfolder files)"));
    list->addSeparator();
    AddMenuEntry(list, m_actRemoveSel, QStringLiteral("&Remove Selected Files"));
    AddMenuEntry(list, m_actClearList, QStringLiteral("&Clear File List"));

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("Tools1"));
    AddMenuEntry(tools, m_actLaunchExp, QStringLiteral("Launch &Windows Explorer"));
    AddMenuEntry(tools, m_actMapDrive, QStringLiteral("&Map network Drive"));
    AddMenuEntry(tools, m_actDisconnect, QStringLiteral("&Disconnect Network Drive"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    AddMenuEntry(help, m_actUserManual, QStringLiteral("&Users Guide"));
    help->addSeparator();
    help->addAction(m_actCompanySite);
    AddMenuEntry(help, m_actContact, QStringLiteral("Contact Us for Support"));
    help->addSeparator();
    AddMenuEntry(help, m_actAbout, QStringLiteral("About"));
}

void TfrmMain::CreateToolBar()
{
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("sPanel1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->toggleViewAction()->setVisible(false);

    const auto addButton = [&](const ToolButton& tool, QAction* runs) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setIcon(QIcon::fromTheme(QString::fromLatin1(tool.iconName), style()->standardIcon(tool.fallback)));
        button->setIconSize(QSize(32, 32));
        button->setFixedSize(46, 40);
        button->setAutoRaise(true);
        button->setToolTip(tool.tooltip);
        toolbar->addWidget(button);
        if (runs) {
            connect(button, &QToolButton::clicked, runs, &QAction::trigger);
            button->setEnabled(runs->isEnabled());
            connect(runs, &QAction::enabledChanged, button, &QWidget::setEnabled);
        }
        return button;
    };

    addButton({"btnRenFiles", "edit-find-replace", QStyle::SP_FileDialogDetailedView, QStringLiteral("Rename Files / Folders")}, m_actRename);
    m_btnRenTag = addButton({"btnRenTag", "audio-x-generic", QStyle::SP_MediaVolume, QStringLiteral("Rename MP3 tags as specified")}, nullptr);
    connect(static_cast<QToolButton*>(m_btnRenTag), &QToolButton::clicked, this, [this] { RunCommand(this, [this] { RenameTags(); }); });
    addButton({"btnUndo", "edit-undo", QStyle::SP_ArrowBack, QStringLiteral("Undo Rename")}, m_actUndoRen);
    toolbar->addSeparator();
    addButton({"btnDelFile", "list-remove", QStyle::SP_DialogDiscardButton, QStringLiteral("Remove selected items from the rename list")}, m_actRemoveSel);
    addButton({"btnDelAll", "edit-clear", QStyle::SP_DialogResetButton, QStringLiteral("Clear rename list")}, m_actClearList);
    toolbar->addSeparator();
    addButton({"btnSaveCSV", "x-office-spreadsheet", QStyle::SP_DialogSaveButton, QStringLiteral("Save renamed items list as a CSV File")}, m_actSaveCSV);
    addButton({"btnSaveM3U", "document-save-as", QStyle::SP_DriveCDIcon, QStringLiteral("Save renamed files list as M3U playlist")}, m_actSaveM3U);
    addButton({"btnCopy", "edit-copy", QStyle::SP_DriveHDIcon, QStringLiteral("Copy renamed items to another disk or folder")}, m_actCopyRen);
    toolbar->addSeparator();
    addButton({"btnContact", "mail-message-new", QStyle::SP_MessageBoxQuestion, QStringLiteral("Contact us for technical support")}, m_actContact);
    addButton({"btnUsersGuide", "help-browser", QStyle::SP_DialogHelpButton, QStringLiteral("Open user manual")}, m_actUserManual);
    addButton({"btnExit", "system-log-out", QStyle::SP_DialogCloseButton, QStringLiteral("Close application")}, m_actExit);
}

void TfrmMain::CreatePopupMenus()
{
    const auto addCommand = [this](QMenu* menu, const QString& caption, const char* name, void (TfrmMain::*command)()) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        OnTriggered(entry, command);
    };

    m_popRenamed = new QMenu(this);
    m_popRenamed->setObjectName(QStringLiteral("popRenamed"));
    addCommand(m_popRenamed, QStringLiteral("&Open"), "OpenRenamed1", &TfrmMain::OpenRenamedItem);
    addCommand(m_popRenamed, QStringLiteral("Open &With"), "OpenWithRenamed1", &TfrmMain::OpenRenamedItemWith);
    m_popRenamed->addSeparator();
    AddMenuEntry(m_popRenamed, m_actRemoveSel, QStringLiteral("Remove Selected File(s)"));

    m_popLeft = new QMenu(this);
    m_popLeft->setObjectName(QStringLiteral("popLeft"));
    QAction* selectAll = m_popLeft->addAction(QStringLiteral("Select All files"), this, [this] {
        if (m_files->rowCount() > 0)
            m_lvwFiles->selectAll();
    });
    selectAll->setObjectName(QStringLiteral("SelectAllFiles1"));
    QAction* clearSelection = m_popLeft->addAction(QStringLiteral("Clear selection"), this, [this] {
        if (m_files->rowCount() > 0)
            m_lvwFiles->clearSelection();
    });
    clearSelection->setObjectName(QStringLiteral("ClearSelection1"));
    m_popLeft->addSeparator();
    addCommand(m_popLeft, QStringLiteral("Open"), "OpenFile1", &TfrmMain::OpenFileItem);
    addCommand(m_popLeft, QStringLiteral("Open With..."), "OpenWithFile1", &TfrmMain::OpenFileItemWith);
    m_popLeft->addSeparator();
    addCommand(m_popLeft, QStringLiteral("Properties"), "Properties1", &TfrmMain::ShowFileItemProperties);
}
