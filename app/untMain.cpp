#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "app/RuleTab.h"
#include "app/Skin.h"
#include "app/TagsTab.h"
#include "app/WindowProgress.h"
#include "app/untAbout.h"
#include "app/untTip.h"
#include "batch/RenamedModel.h"
#include "batch/TagPass.h"
#include "batch/untRenProg.h"
#include "engine/DateStamp.h"
#include "engine/NewName.h"
#include "engine/untGenLib.h"
#include "platform/DesktopShell.h"
#include "source/FileFilter.h"
#include "source/FilesModel.h"
#include "source/untProg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {


template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Report-style list: grid lines, whole rows, several selected, never edited.
void MakeReportList(QTableView* view)
{
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->horizontalHeader()->setStretchLastSection(false);
}

void SetColumnWidths(QTableView* view, std::initializer_list<int> widths)
{
    int column = 0;
    for (const int width : widths) {
        if (width == 0)
            view->setColumnHidden(column, true);
        else
            view->setColumnWidth(column, width);
        ++column;
    }
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : TfrmMain(std::make_unique<SystemShell>(), parent)
{
}

TfrmMain::TfrmMain(std::unique_ptr<DesktopShell> shell, QWidget* parent)
    : QMainWindow(parent)
    , m_showTips(m_store.ReadShowTips())
    , m_shell(std::move(shell))
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("Quillmark"));
    resize(1368, 608);
    ApplySkin();

    m_renamed = new RenamedModel(this);
    m_files = new FilesModel(this);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePopupMenus();

    auto* splitter = Named(new QSplitter(Qt::Horizontal), "Splitter1");
    splitter->addWidget(BuildLeftPanel());
    splitter->addWidget(BuildRightPanel());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({285, width() - 285});
    splitter->setChildrenCollapsible(false);

    auto* bottomStrip = Named(new QWidget, "Panel3");
    bottomStrip->setFixedHeight(7);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(splitter, 1);
    layout->addWidget(bottomStrip);
    setCentralWidget(central);

    ConfigureFileList();
    ConfigureRenameList();
    ConnectLeftPanel();
    SetSampleName(kSampleName);
    m_lblNewName->setText(m_lblOldName->text());

    m_prog = new TfrmProg(this);
    m_renProg = new TfrmRenProg(this);
    connect(m_prog, &TfrmProg::stopClicked, this, [this] { m_addingStop = true; });
    connect(m_renProg, &TfrmRenProg::stopClicked, this, [this] { m_renameStop = true; });
}

TfrmMain::~TfrmMain()
{
    m_store.WriteShowTips(m_showTips);
}

QWidget* TfrmMain::BuildLeftPanel()
{
    auto* panel = Named(new QWidget, "pnlLeft");
    panel->setMinimumWidth(200);

    auto* treeLabel = new QLabel(QStringLiteral("Folder Tree:"));
    QFont bold = treeLabel->font();
    bold.setBold(true);
    treeLabel->setFont(bold);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setOption(QFileSystemModel::DontWatchForChanges);
    m_folders->setReadOnly(true);
    m_folders->setRootPath(QDir::rootPath());
    m_tvwFolders = Named(new QTreeView, "tvwFolders");
    m_tvwFolders->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tvwFolders->hideColumn(column);
    m_tvwFolders->setHeaderHidden(true);
    m_tvwFolders->setUniformRowHeights(true);
    m_tvwFolders->setFixedHeight(245);

    m_rbShowFiles = Named(new QRadioButton(QStringLiteral("Show Files")), "rbShowFiles");
    m_rbShowFolders = Named(new QRadioButton(QStringLiteral("Show Folders")), "rbShowFolders");
    m_rbShowFiles->setChecked(true);
    auto* mode = new QHBoxLayout;
    mode->addWidget(m_rbShowFiles);
    mode->addWidget(m_rbShowFolders);
    mode->addStretch();

    m_cboFilter = Named(new QComboBox, "cboFilter");
    for (const std::string_view filter : kFilterTexts)
        m_cboFilter->addItem(QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())));
    m_cboFilter->setCurrentIndex(0);
    m_cboFilter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboFilter->setMinimumContentsLength(20);

    m_cbIncSub = Named(new QCheckBox(QStringLiteral("Include Subfolder files")), "cbIncSub");
    m_cbIncSub->setToolTip(QStringLiteral("Check this to include files from all subfolders"));

    m_btnAddAllFiles = Named(new QPushButton(QStringLiteral("Add All Files >>")), "btnAddAllFiles");
    m_btnAddAllFiles->setToolTip(QStringLiteral("Add all items present in the below list to the rename list (right side list)"));
    m_btnMoveRight = Named(new QPushButton(QStringLiteral("Add Selected files >>")), "btnMoveRight");
    m_btnMoveRight->setToolTip(QStringLiteral("Add selected items from below list to the rename list (right side list)"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnAddAllFiles);
    buttons->addWidget(m_btnMoveRight);

    m_lvwFiles = Named(new QTableView, "lvwFiles");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(treeLabel);
    layout->addWidget(m_tvwFolders);
    layout->addLayout(mode);
    layout->addWidget(m_cboFilter);
    layout->addWidget(m_cbIncSub);
    layout->addLayout(buttons);
    layout->addWidget(m_lvwFiles, 1);
    return panel;
}

QWidget* TfrmMain::BuildRightPanel()
{
    auto* panel = Named(new QWidget, "pnlRight");

    m_pcParam = Named(new QTabWidget, "pcParam");
    m_tsFile = Named(new RuleTab(RuleTab::Part::FileName), "tsFile");
    m_tsExt = Named(new RuleTab(RuleTab::Part::Extension), "tsExt");
    m_tsTags = Named(new TagsTab, "tsTags");
    m_tsTags->FillGenreList(m_tag.Genres());
    m_tsTags->SelectGenre(12);
    m_pcParam->addTab(m_tsFile, QStringLiteral("File Name"));
    m_pcParam->addTab(m_tsExt, QStringLiteral("Extension"));
    m_pcParam->addTab(m_tsTags, QStringLiteral("MP3 Tags"));
    m_pcParam->setCurrentIndex(0);
    m_pcParam->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    for (RuleTab* tab : {m_tsFile, m_tsExt})
        connect(tab, &RuleTab::rulesChanged, this, &TfrmMain::RefreshPreviewGuarded);

    m_lvwRenamed = Named(new QTableView, "lvwRenamed");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(5, 3, 5, 5);
    layout->setSpacing(5);
    layout->addWidget(m_pcParam);
    layout->addWidget(BuildPreviewGroup());
    layout->addWidget(m_lvwRenamed, 1);
    return panel;
}

QWidget* TfrmMain::BuildPreviewGroup()
{
    m_lblOldName = Named(new QLineEdit, "lblOldName");
    m_lblNewName = Named(new QLineEdit, "lblNewName");
    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 2, 6, 4);
    for (auto [caption, field] : {std::pair{QStringLiteral("Old Name"), m_lblOldName}, std::pair{QStringLiteral("New Name"), m_lblNewName}}) {
        field->setReadOnly(true);
        row->addWidget(new QLabel(caption));
        row->addWidget(field, 1);
    }
    auto* group = Named(new QGroupBox(QStringLiteral("Preview")), "gbSample");
    group->setLayout(row);
    return group;
}

void TfrmMain::ConfigureFileList()
{
    m_lvwFiles->setModel(m_files);
    MakeReportList(m_lvwFiles);
    m_lvwFiles->setIconSize(QSize(16, 16));
    m_lvwFiles->setDragEnabled(true);
    m_lvwFiles->setDragDropMode(QAbstractItemView::DragOnly);
    SetColumnWidths(m_lvwFiles, {150, 120, 80, 80, 0, 80, 80});
    connect(m_lvwFiles->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_files->Sort(column); });
    connect(m_lvwFiles, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popLeft->popup(m_lvwFiles->viewport()->mapToGlobal(at)); });
}

void TfrmMain::ConnectLeftPanel()
{
    ConnectFolderTree();
    connect(m_cboFilter, &QComboBox::activated, this, [this] { RunCommand(this, [this] { FilterChosen(); }); });
    for (QRadioButton* mode : {m_rbShowFiles, m_rbShowFolders}) {
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (checked)
                RunCommand(this, [this, mode] { ModeChosen(mode == m_rbShowFiles); });
        });
    }
    connect(m_btnMoveRight, &QPushButton::clicked, m_actAddFiles, &QAction::trigger);
    connect(m_btnAddAllFiles, &QPushButton::clicked, this, &TfrmMain::AddAllClicked);
}

void TfrmMain::ConfigureRenameList()
{
    m_lvwRenamed->setModel(m_renamed);
    MakeReportList(m_lvwRenamed);
    m_lvwRenamed->setAcceptDrops(true);
    m_lvwRenamed->setDragDropMode(QAbstractItemView::DropOnly);
    m_lvwRenamed->setDropIndicatorShown(false);
    SetColumnWidths(m_lvwRenamed, {140, 140, 200, 120, 130, 0, 0, 0, 0, 0, 0, 0, 0});
    connect(m_renamed, &RenamedModel::dropRequested, m_actAddFiles, &QAction::trigger, Qt::QueuedConnection);
    connect(m_lvwRenamed->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) {
                if (!m_passRunning)
                    m_renamed->Sort(column);
            });
    connect(m_lvwRenamed->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmMain::OnRenamedSelectionChanged);
    connect(m_lvwRenamed, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popRenamed->popup(m_lvwRenamed->viewport()->mapToGlobal(at)); });
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    const QModelIndex home = m_folders->index(QDir::homePath());
    m_tvwFolders->setCurrentIndex(home);
    // The tree reads and sorts folders in the background: show the start folder once the
    // first sorted rows are in.
    connect(m_folders, &QFileSystemModel::layoutChanged, this,
            [this] { m_tvwFolders->scrollTo(m_tvwFolders->currentIndex(), QAbstractItemView::PositionAtCenter); },
            Qt::SingleShotConnection);
    m_cboFilter->setCurrentIndex(0);
    m_tvwFolders->setFocus();
    // The main window is on screen before the tips dialog opens over it.
    if (m_showTips == u"1")
        QTimer::singleShot(0, this, &TfrmMain::ShowTipsDialog);
}

// Closing the window while a pass runs would pull its rows away under it: ask the pass to stop,
// and close once it has.
void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (m_passRunning) {
        m_renameStop = true;
        m_addingStop = true;
        m_closeAfterPass = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TfrmMain::RefreshPreview()
{
    const std::string today = FormatListDate(LocalNow());
    const RenameRules fileRules = m_tsFile->Rules();
    const std::int32_t start = ParseInt(fileRules.countstart);
    std::string newName;
    if (m_rbShowFiles->isChecked()) {
        const NameParts parts = SplitName(m_sampleName);
        const std::string base = NewBaseName(fileRules, parts.base, start, today);
        const RenameRules extRules = m_tsExt->Rules();
        const std::string ext = NewExtension(extRules, parts.ext, ParseInt(extRules.countstart), true);
        newName = JoinName(base, ext);
    } else {
        // A folder name has no extension: the whole name is the base name.
        newName = NewBaseName(fileRules, m_sampleName, start, today);
    }
    m_lblNewName->setText(QString::fromStdString(newName));
}

void TfrmMain::RefreshPreviewGuarded()
{
    RunCommand(this, [this] { RefreshPreview(); });
}

void TfrmMain::SetSampleName(const std::string& name)
{
    m_sampleName = name;
    m_lblOldName->setText(QString::fromStdString(name));
    m_lblOldName->setCursorPosition(0);
}

// Every row whose selection changed sets the sample in turn; the last one decides, so the
// newly selected row wins over those that lost the selection.
void TfrmMain::OnRenamedSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_removingRows)
        return;
    int lastRow = -1;
    for (const QItemSelection* changes : {&deselected, &selected}) {
        for (const QItemSelectionRange& range : *changes)
            lastRow = range.bottom();
    }
    if (lastRow < 0 || lastRow >= static_cast<int>(m_renamed->Rows().size()))
        return;
    SetSampleName(m_renamed->Rows()[lastRow][RenameItem::OriginalName]);
    RefreshPreviewGuarded();
}

void TfrmMain::RemoveSelected()
{
    if (m_renamed->Rows().empty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("The file list is empty !"));
        return;
    }
    const QModelIndexList selected = m_lvwRenamed->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("Nothing is selected to remove from the list !"));
        return;
    }
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex& index : selected)
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lvwRenamed->setUpdatesEnabled(false);
    m_removingRows = true;
    m_renamed->RemoveRows(rows);
    m_removingRows = false;
    m_lvwRenamed->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    if (m_renamed->Rows().empty())
        SampleFromList();
}

void TfrmMain::ClearList()
{
    if (m_renamed->Rows().empty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("The file / folder list is empty !"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lvwRenamed->setUpdatesEnabled(false);
    m_renamed->Clear();
    m_lvwRenamed->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    SampleFromList();
}

void TfrmMain::ShowTipsDialog()
{
    TfrmTip tips(m_showTips, *m_shell, this);
    tips.exec();
    m_showTips = tips.ShowTips();
}

void TfrmMain::ShowAbout()
{
    TfrmAbout about(*m_shell, this);
    about.exec();
}

void TfrmMain::SetPassRunning(bool running)
{
    m_passRunning = running;
    for (QAction* action : {m_actRename, m_actUndoRen, m_actCopyRen, m_actSaveCSV, m_actSaveM3U, m_actAddFiles,
                            m_actAddAll, m_actAddFolder, m_actRemoveSel, m_actClearList, m_actNewPreset,
                            m_actLoadPreset})
        action->setEnabled(!running);
    if (!running && m_closeAfterPass)
        QTimer::singleShot(0, this, &QWidget::close);
    for (QWidget* control : {m_btnRenTag, static_cast<QWidget*>(m_btnAddAllFiles), static_cast<QWidget*>(m_btnMoveRight),
                             static_cast<QWidget*>(m_rbShowFiles), static_cast<QWidget*>(m_rbShowFolders)})
        control->setEnabled(!running);
}

// Every exit from a pass, an error included, leaves the window as it was before the pass.
void TfrmMain::HideRenameProgress()
{
    m_renProg->Bar()->setValue(0);
    m_renProg->hide();
    m_renameStop = false;
    SetPassRunning(false);
}

void TfrmMain::RenameTags()
{
    if (m_renamed->Rows().empty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("Please select at least one file to rename !"));
        return;
    }
    if (m_cboFilter->currentIndex() != 2) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("You must have MP3 files in the rename list to rename ID3 tags !"));
        return;
    }
    if (!m_tsTags->AnyFieldOn()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("You must select something to add to the MP3 tags !"));
        return;
    }
    const TagFields fields = m_tsTags->Fields();
    std::vector<RenameItem>& rows = m_renamed->MutableRows();
    const int lastRow = static_cast<int>(rows.size()) - 1;
    RunRenameProgress(lastRow + 1);
    TagPassResult result;
    {
        const auto tidy = qScopeGuard([&] {
            m_renamed->CellsChanged(0, lastRow);
            HideRenameProgress();
        });
        WindowProgress progress(m_renameStop, m_renProg->Bar());
        result = WriteTags(rows, fields, m_tag, progress);
    }
    if (result.failures > 0)
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Some MP3 tags could not be written !\r\nPossible Reason: ") + QString::fromStdString(result.firstError));
}
