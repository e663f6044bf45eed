// The commands of the main window over the left panel: listing the tree's folder into the
// file list, the two list modes, the filter, and adding rows to the rename list.
#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "app/RuleTab.h"
#include "app/TagsTab.h"
#include "app/WindowProgress.h"
#include "batch/RenamedModel.h"
#include "engine/TextUtil.h"
#include "source/FileFilter.h"
#include "source/FilesModel.h"
#include "source/FolderListing.h"
#include "source/RenameRows.h"
#include "source/SubfolderWalk.h"
#include "source/untProg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <numeric>

namespace {

// A newer listing takes the place of a running one, which then stops at its next entry.
class ListingProgress : public PassProgress {
public:
    ListingProgress(const int& currentListing, int thisListing)
        : m_current(currentListing)
        , m_this(thisListing)
    {
    }
    bool Continue() override { return m_current == m_this; }
    void Advance(std::size_t) override { m_pump.Pump(); }

private:
    const int& m_current;
    const int m_this;
    EventPump m_pump;
};

} // namespace

std::string TfrmMain::TreeFolderPath() const
{
    const QModelIndex current = m_tvwFolders->currentIndex();
    if (!current.isValid())
        return {};
    return FolderPathOf(QFile::encodeName(m_folders->filePath(current)).toStdString());
}

void TfrmMain::Relist(bool showHourglass)
{
    const int listing = ++m_listing;
    if (showHourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lvwFiles->setUpdatesEnabled(false);
    const auto tidy = qScopeGuard([this, showHourglass] {
        m_lvwFiles->setUpdatesEnabled(true);
        if (showHourglass)
            QApplication::restoreOverrideCursor();
    });
    m_files->Clear();
    const std::string folder = TreeFolderPath();
    if (folder.empty())
        return;
    std::vector<FileEntry> rows;
    ListingProgress progress(m_listing, listing);
    const ListMode mode = m_rbShowFiles->isChecked() ? ListMode::Files : ListMode::Folders;
    if (ListFolder(folder, mode, FileFilter::ForEntry(m_cboFilter->currentIndex()), progress, rows))
        m_files->Append(std::move(rows));
}

// A press that moves the tree's current folder lists it through the change; the click that
// ends the press must not list it again. A click on the current folder lists it anew.
void TfrmMain::ConnectFolderTree()
{
    connect(m_tvwFolders->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        m_treeChangedByPress = QApplication::mouseButtons() != Qt::NoButton;
        RunCommand(this, [this] { Relist(true); });
    });
    connect(m_tvwFolders, &QTreeView::clicked, this, [this] {
        if (std::exchange(m_treeChangedByPress, false))
            return;
        RunCommand(this, [this] { Relist(true); });
    });
}

void TfrmMain::ShowTagColumns(bool shown)
{
    const int widths[] = {200, 130, 130, 50, 50};
    for (int i = 0; i < 5; ++i) {
        const int column = RenameItem::Title + i;
        m_lvwRenamed->setColumnHidden(column, !shown);
        if (shown)
            m_lvwRenamed->setColumnWidth(column, widths[i]);
    }
}

void TfrmMain::FilterChosen()
{
    Relist(false);
    ShowTagColumns(m_cboFilter->currentIndex() == kMp3Filter);
}

void TfrmMain::ModeChosen(bool files)
{
    m_cbIncSub->setEnabled(files);
    m_cboFilter->setEnabled(files);
    m_btnAddAllFiles->setText(files ? QStringLiteral("Add All Files >>") : QStringLiteral("Add All Folders >>"));
    m_btnMoveRight->setText(files ? QStringLiteral("Add Selected Files >>") : QStringLiteral("Add Selected Folders >>"));
    Relist(true);
    m_pcParam->setTabVisible(m_pcParam->indexOf(m_tsExt), files);
    m_pcParam->setTabVisible(m_pcParam->indexOf(m_tsTags), files);
    m_pcParam->setTabText(m_pcParam->indexOf(m_tsFile), files ? QStringLiteral("File Name") : QStringLiteral("Folder"));
    // The rename list never mixes files and folders.
    m_renamed->Clear();
    if (!files)
        ShowTagColumns(false);
    else if (m_cboFilter->currentIndex() == kMp3Filter)
        ShowTagColumns(true);
}

bool TfrmMain::AnyRowRenamed() const
{
    const std::vector<RenameItem>& rows = m_renamed->Rows();
    return std::any_of(rows.begin(), rows.end(), [](const RenameItem& row) { return row.IsDone(); });
}

TagReader TfrmMain::TagReaderForAdding()
{
    if (m_cboFilter->currentIndex() != kMp3Filter || !m_rbShowFiles->isChecked())
        return {};
    return [this](const std::string& fullPath, RenameItem& row) {
        m_tag.SetFilename(fullPath);
        row[RenameItem::Title] = TrimBlanks(m_tag.Title());
        row[RenameItem::Artist] = TrimBlanks(m_tag.Artist());
        row[RenameItem::Album] = TrimBlanks(m_tag.Album());
        row[RenameItem::Year] = TrimBlanks(m_tag.Year());
        row[RenameItem::Genre] = TrimBlanks(m_tag.Genre());
    };
}

void TfrmMain::SampleFromList()
{
    const std::vector<RenameItem>& rows = m_renamed->Rows();
    SetSampleName(rows.empty() ? kSampleName : rows.front()[RenameItem::OriginalName]);
    RefreshPreview();
}

void TfrmMain::AddListRows(bool selectedOnly)
{
    if (m_files->rowCount() == 0) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("No files found, please select a folder where files are present !"));
        return;
    }
    if (AnyRowRenamed()) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Please remove all the previously renamed files first (use Clear List toolbar button) !"));
        return;
    }
    std::vector<int> shownRows;
    if (selectedOnly) {
        for (const QModelIndex& index : m_lvwFiles->selectionModel()->selectedRows())
            shownRows.push_back(index.row());
        std::sort(shownRows.begin(), shownRows.end());
    } else {
        shownRows.resize(static_cast<std::size_t>(m_files->rowCount()));
        std::iota(shownRows.begin(), shownRows.end(), 0);
    }
    std::vector<const FileEntry*> entries;
    entries.reserve(shownRows.size());
    for (const int row : shownRows)
        entries.push_back(&m_files->Row(row));

    std::vector<RenameItem> rows;
    {
        if (!selectedOnly)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        SetPassRunning(true);
        // Rows made before a failed tag read stay in the list.
        const auto tidy = qScopeGuard([&] {
            m_renamed->Append(std::move(rows));
            SetPassRunning(false);
            if (!selectedOnly)
                QApplication::restoreOverrideCursor();
        });
        const bool neverStop = false;
        WindowProgress progress(neverStop);
        AddFileRows(entries, TreeFolderPath(), TagReaderForAdding(), progress, rows);
    }
    SampleFromList();
}

void TfrmMain::AddSelectedFiles()
{
    AddListRows(true);
}

void TfrmMain::AddAllFiles()
{
    AddListRows(false);
}

void TfrmMain::AddFolderFiles()
{
    const std::string folder = TreeFolderPath();
    if (folder.empty())
        return;
    if (AnyRowRenamed()) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Please remove all the previously renamed files first (use \"Clear List\" toolbar button) !"));
        return;
    }
    std::vector<RenameItem> rows;
    {
        SetPassRunning(true);
        m_prog->show();
        const auto tidy = qScopeGuard([&] {
            m_addingStop = false;
            m_prog->hide();
            m_renamed->Append(std::move(rows));
            SetPassRunning(false);
        });
        WindowProgress progress(m_addingStop);
        const FolderEntered entered = [this](const std::string& name) { m_prog->SetFolderName(QString::fromStdString(name)); };
        WalkSubfolders(folder, FileFilter::ForEntry(m_cboFilter->currentIndex()), entered, TagReaderForAdding(), progress, rows);
    }
    SampleFromList();
}

void TfrmMain::AddAllClicked()
{
    if (m_rbShowFiles->isChecked() && m_cbIncSub->isChecked())
        m_actAddFolder->trigger();
    else
        m_actAddAll->trigger();
}
