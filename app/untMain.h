#pragma once

#include "platform/UserStore.h"
#include "source/RenameRows.h"
#include "tags/MP3Tag.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

class DesktopShell;
class FilesModel;
class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFileSystemModel;
class QItemSelection;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTreeView;
struct Preset;
class RenamedModel;
class RuleTab;
class TagsTab;
class TfrmProg;
class TfrmRenProg;

// The main window: owns both lists, the option controls that hold the rename rules, the two
// progress windows and the stop flags. Every command is an action of its action list and runs
// inside the general error display.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    // The shell commands go to shell in place of the desktop's own services.
    explicit TfrmMain(std::unique_ptr<DesktopShell> shell, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Recomputes "New Name" from the sample name and the rules; throws the engine's errors.
    void RefreshPreview();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePopupMenus();
    QWidget* BuildLeftPanel();
    QWidget* BuildRightPanel();
    QWidget* BuildPreviewGroup();
    void ConfigureFileList();
    void ConfigureRenameList();
    void ConnectLeftPanel();

    QAction* NewAction(const char* name, const QString& caption, const QKeySequence& shortcut = {});
    void OnTriggered(QAction* action, void (TfrmMain::*command)());
    void AddMenuEntry(QMenu* menu, QAction* action, const QString& caption);

    // The commands of this window.
    void RemoveSelected();
    void ClearList();
    void ShowTipsDialog();
    void ShowAbout();
    void OpenUserGuide();
    void OpenContactPage();
    void OpenCompanySite();

    // The shell commands (untMainShell.cpp). The item commands act on the first selected row
    // and do nothing while their list is empty or has no selection.
    void OpenRenamedItem();
    void OpenRenamedItemWith();
    void OpenFileItem();
    void OpenFileItemWith();
    void ShowFileItemProperties();
    void LaunchFileManager();
    void MapNetworkDrive();
    void DisconnectNetworkDrive();
    // "Path" + "New Name", or + "Original Name" while "New Name" is blank.
    std::optional<std::string> RenameListItemPath() const;
    // The tree's folder + the row's name.
    std::optional<std::string> FileListItemPath() const;
    // Says "Cannot open ... !" when the item is gone.
    bool ExistsOrWarn(const std::string& path);
    void OpenItem(const std::string& path);
    void OpenItemWith(const std::string& path);
    void ChooseProgramOurselves(const std::string& path);
    bool GioPresent();
    void RenameTags();
    void RenameFiles();
    void NewPreset();
    void LoadPreset();
    void SavePreset();
    void DeletePreset();
    void ApplyPreset(const Preset& preset);
    void UndoRename();
    void CopyRenamed();
    void SaveCsv();
    void SaveM3u();
    QString AskSaveTarget(const QString& filter, const QString& suffix);
    void RunRenameProgress(int rowCount);

    // While a pass runs, the commands that change the list or start another pass are off.
    void SetPassRunning(bool running);
    void HideRenameProgress();

    // The left panel: listing and adding.
    void ConnectFolderTree();
    std::string TreeFolderPath() const;
    void Relist(bool showHourglass);
    void ShowTagColumns(bool shown);
    void FilterChosen();
    void ModeChosen(bool files);
    bool AnyRowRenamed() const;
    TagReader TagReaderForAdding();
    // The sample follows the list: its first row's name, or the sample text while it is empty.
    void SampleFromList();
    void AddListRows(bool selectedOnly);
    void AddSelectedFiles();
    void AddAllFiles();
    void AddFolderFiles();
    void AddAllClicked();

    void SetSampleName(const std::string& name);
    void RefreshPreviewGuarded();
    void OnRenamedSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

    // The sample name while the rename list has no row to show.
    static inline const std::string kSampleName = "A SAMPLE FILE-(name)-1900-#2.JPG";

    UserStore m_store;
    TMP3Tag m_tag;
    QString m_showTips;
    std::unique_ptr<DesktopShell> m_shell;
    bool m_addingStop = false;
    bool m_renameStop = false;
    bool m_shown = false;
    bool m_removingRows = false;
    bool m_passRunning = false;
    bool m_closeAfterPass = false;
    bool m_treeChangedByPress = false;
    int m_listing = 0;  // the number of the latest listing; an older one stops  // removed rows lose their selection, which must not set the sample
    std::string m_sampleName;  // exact bytes; lblOldName shows them

    RenamedModel* m_renamed = nullptr;
    FilesModel* m_files = nullptr;
    QFileSystemModel* m_folders = nullptr;
    TfrmProg* m_prog = nullptr;
    TfrmRenProg* m_renProg = nullptr;

    QTreeView* m_tvwFolders = nullptr;
    QTableView* m_lvwFiles = nullptr;
    QTableView* m_lvwRenamed = nullptr;
    QRadioButton* m_rbShowFiles = nullptr;
    QRadioButton* m_rbShowFolders = nullptr;
    QComboBox* m_cboFilter = nullptr;
    QCheckBox* m_cbIncSub = nullptr;
    QPushButton* m_btnAddAllFiles = nullptr;
    QPushButton* m_btnMoveRight = nullptr;
    QTabWidget* m_pcParam = nullptr;
    RuleTab* m_tsFile = nullptr;
    RuleTab* m_tsExt = nullptr;
    TagsTab* m_tsTags = nullptr;
    QLineEdit* m_lblOldName = nullptr;
    QLineEdit* m_lblNewName = nullptr;
    QMenu* m_popRenamed = nullptr;
    QMenu* m_popLeft = nullptr;
    QWidget* m_btnRenTag = nullptr;
    QFileDialog* m_dlgSave = nullptr;

    QAction* m_actRename = nullptr;
    QAction* m_actUndoRen = nullptr;
    QAction* m_actCopyRen = nullptr;
    QAction* m_actSaveCSV = nullptr;
    QAction* m_actSaveM3U = nullptr;
    QAction* m_actExit = nullptr;
    QAction* m_actAddFiles = nullptr;
    QAction* m_actAddAll = nullptr;
    QAction* m_actAddFolder = nullptr;
    QAction* m_actRemoveSel = nullptr;
    QAction* m_actClearList = nullptr;
    QAction* m_actLaunchExp = nullptr;
    QAction* m_actMapDrive = nullptr;
    QAction* m_actDisconnect = nullptr;
    QAction* m_actUserManual = nullptr;
    QAction* m_actContact = nullptr;
    QAction* m_actAbout = nullptr;
    QAction* m_actCompanySite = nullptr;
    QAction* m_actNewPreset = nullptr;
    QAction* m_actLoadPreset = nullptr;
    QAction* m_actSavePreset = nullptr;
    QAction* m_actDeletePreset = nullptr;
};
