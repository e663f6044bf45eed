// The commands of the main window that run a pass over the rename list: rename, undo, copy
// and the two exports.
#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "app/RuleTab.h"
#include "app/WindowProgress.h"
#include "batch/CopyPass.h"
#include "batch/ListExport.h"
#include "batch/RenamePass.h"
#include "batch/RenamedModel.h"
#include "batch/untRenProg.h"
#include "engine/DateStamp.h"
#include "engine/TextUtil.h"
#include "engine/untGenLib.h"
#include "platform/FileOps.h"
#include "platform/FileWrite.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>

#include <algorithm>
#include <stdexcept>

namespace {

void Warn(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Warning, text);
}

QString FailureText(const char* what, const std::string& reason)
{
    return QString::fromUtf8(what) + QStringLiteral(" !\r\nPossible Reason: ") + QString::fromStdString(reason);
}

std::string EncodedPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

void WriteOrThrow(const std::string& path, const std::function<void(const TextOutput&)>& produce)
{
    const FileStatus status = WriteWholeFile(path, produce);
    if (!status.ok)
        throw std::runtime_error("Cannot write file \"" + path + "\". " + status.error);
}

} // namespace

void TfrmMain::RunRenameProgress(int rowCount)
{
    m_renProg->Bar()->setRange(0, std::max(rowCount - 1, 0));
    m_renameStop = false;
    SetPassRunning(true);
    m_renProg->show();
}

void TfrmMain::RenameFiles()
{
    const std::vector<RenameItem>& rows = m_renamed->Rows();
    if (rows.empty()) {
        Warn(this, QStringLiteral("Please select at least one file / folder to rename !"));
        return;
    }
    RenamePassSettings settings;
    settings.fileRules = m_tsFile->Rules();
    settings.extRules = m_tsExt->Rules();
    if (settings.fileRules.fdate && TrimBlanks(settings.fileRules.dateformat).empty()) {
        Warn(this, QStringLiteral("Date format must be entered if you wish to add date to the filename !"));
        return;
    }
    if (std::all_of(rows.begin(), rows.end(), [](const RenameItem& row) { return row.IsDone(); })) {
        Warn(this, QStringLiteral("All items in the rename list are already renamed !"));
        return;
    }
    settings.start = ParseInt(settings.fileRules.countstart);
    settings.filesMode = m_rbShowFiles->isChecked();
    settings.dateKind = m_tsFile->DateKind();

    RenamePassResult result;
    {
        RunRenameProgress(static_cast<int>(rows.size()));
        const auto tidy = qScopeGuard([this] {
            m_renamed->CellsChanged(0, static_cast<int>(m_renamed->Rows().size()) - 1);
            HideRenameProgress();
        });
        WindowProgress progress(m_renameStop, m_renProg->Bar());
        result = RenameRows(m_renamed->MutableRows(), settings, SystemFileOps(), progress);
    }
    if (result.end == RenamePassResult::End::BlankName)
        Warn(this, QStringLiteral("A file name cannot be blank !"));
    if (result.end == RenamePassResult::End::SlashInName)
        Warn(this, QStringLiteral("A file name cannot contain the character / !"));
    if (result.folderFailures > 0)
        Warn(this, QStringLiteral("Some folders could not be renamed !\r\nPossible Reason: Same folder name"));
    if (result.failures > 0)
        Warn(this, FailureText("Some files could not be renamed", result.firstReason));
}

void TfrmMain::UndoRename()
{
    if (m_renamed->Rows().empty()) {
        Warn(this, QStringLiteral("The rename file list is empty !"));
        return;
    }
    UndoPassResult result;
    {
        SetPassRunning(true);
        const auto tidy = qScopeGuard([this] {
            m_renamed->CellsChanged(0, static_cast<int>(m_renamed->Rows().size()) - 1);
            SetPassRunning(false);
        });
        // Undo has no Stop: it runs to the end, letting the window repaint meanwhile.
        const bool neverStop = false;
        WindowProgress progress(neverStop);
        result = UndoRows(m_renamed->MutableRows(), m_rbShowFiles->isChecked(), SystemFileOps(), progress);
    }
    if (result.handled == 0)
        Warn(this, QStringLiteral("Cannot undo rename as no file or folder has been renamed yet !"));
    if (result.failures > 0)
        Warn(this, FailureText("Some files could not be renamed back", result.firstReason));
}

void TfrmMain::CopyRenamed()
{
    if (m_rbShowFolders->isChecked()) {
        Warn(this, QStringLiteral("Only files can be copied to another location !"));
        return;
    }
    const std::vector<RenameItem>& rows = m_renamed->Rows();
    if (rows.empty()) {
        Warn(this, QStringLiteral("The file list is empty, add some files and rename them first !"));
        return;
    }
    if (std::none_of(rows.begin(), rows.end(), [](const RenameItem& row) { return row.IsDone(); }))
        return;

    QFileDialog browFold(this, QStringLiteral("Select folder"));
    browFold.setObjectName(QStringLiteral("browFold"));
    browFold.setFileMode(QFileDialog::Directory);
    browFold.setOption(QFileDialog::ShowDirsOnly);
    if (browFold.exec() != QDialog::Accepted || browFold.selectedFiles().isEmpty())
        return;
    QString target = browFold.selectedFiles().constFirst();
    if (target.trimmed().isEmpty())
        return;
    if (!target.endsWith(u'/'))
        target += u'/';

    CopyPassResult result;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        RunRenameProgress(static_cast<int>(rows.size()));
        const auto tidy = qScopeGuard([this] {
            HideRenameProgress();
            QApplication::restoreOverrideCursor();
        });
        WindowProgress progress(m_renameStop, m_renProg->Bar());
        result = CopyRows(rows, EncodedPath(target), SystemFileOps(), progress);
    }
    if (result.stopped || result.copied + result.failures == 0)
        Warn(this, QStringLiteral("File copy operation interrupted !"));
    else if (result.failures > 0)
        Warn(this, FailureText("Some files could not be copied", result.firstReason));
    else
        Warn(this, QStringLiteral("Files copied to ") + target + QStringLiteral(" successfully !"));
}

// The save dialog keeps the file name of its last confirmed use, whichever export chose it.
QString TfrmMain::AskSaveTarget(const QString& filter, const QString& suffix)
{
    if (!m_dlgSave) {
        m_dlgSave = new QFileDialog(this);
        m_dlgSave->setObjectName(QStringLiteral("dlgSave"));
        m_dlgSave->setAcceptMode(QFileDialog::AcceptSave);
        m_dlgSave->setFileMode(QFileDialog::AnyFile);
    }
    m_dlgSave->setNameFilter(filter);
    m_dlgSave->setDefaultSuffix(suffix);
    if (m_dlgSave->exec() != QDialog::Accepted || m_dlgSave->selectedFiles().isEmpty())
        return {};
    const QString target = m_dlgSave->selectedFiles().constFirst();
    m_dlgSave->selectFile(target);
    return target.trimmed().isEmpty() ? QString() : target;
}

void TfrmMain::SaveCsv()
{
    if (m_renamed->Rows().empty()) {
        Warn(this, QStringLiteral("The file list is empty, add some files to the list and rename them first !"));
        return;
    }
    const QString target = AskSaveTarget(QStringLiteral("CSV Files(*.csv)"), QStringLiteral("csv"));
    if (target.isEmpty())
        return;
    const DateTime now = LocalNow();
    const std::string month = QLocale::system().monthName(now.month, QLocale::LongFormat).toStdString();
    SetPassRunning(true);
    const auto tidy = qScopeGuard([this] { SetPassRunning(false); });
    const bool neverStop = false;
    WindowProgress progress(neverStop);
    WriteOrThrow(EncodedPath(target), [&](const TextOutput& output) {
        WriteCsv(m_renamed->Rows(), now, month, output, progress);
    });
}

void TfrmMain::SaveM3u()
{
    if (m_cboFilter->currentIndex() != 2 || m_rbShowFolders->isChecked()) {
        Warn(this, QStringLiteral("Only MP3 files can be saved to a M3U playlist !"));
        return;
    }
    if (m_renamed->Rows().empty()) {
        Warn(this, QStringLiteral("The file list is empty, add some files to the list and rename them first !"));
        return;
    }
    const QString target = AskSaveTarget(QStringLiteral("M3U Playlist (*.m3u)"), QStringLiteral("m3u"));
    if (target.isEmpty())
        return;
    SetPassRunning(true);
    const auto tidy = qScopeGuard([this] { SetPassRunning(false); });
    const bool neverStop = false;
    WindowProgress progress(neverStop);
    WriteOrThrow(EncodedPath(target), [&](const TextOutput& output) {
        WriteM3u(m_renamed->Rows(), m_tag, output, progress);
    });
}
