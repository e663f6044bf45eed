// The commands that hand work to the desktop: open, open with, properties, the file manager,
// network locations, the user guide and the web pages.
#include "app/untMain.h"

#include "app/ErrorDisplay.h"
#include "app/ShellOpenOrWarn.h"
#include "app/untNetDrive.h"
#include "app/untOpenWith.h"
#include "app/untProperties.h"
#include "batch/RenamedModel.h"
#include "platform/DesktopShell.h"
#include "platform/ItemStatus.h"
#include "platform/ShellOpen.h"
#include "platform/WebPages.h"
#include "source/FilesModel.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTableView>

#include <algorithm>

namespace {

// The first selected row in the list's shown order, which is not the order of selecting.
std::optional<int> FirstSelectedRow(const QTableView& view)
{
    const QModelIndexList selected = view.selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    const auto first = std::min_element(selected.cbegin(), selected.cend(),
                                        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return first->row();
}

QString Shown(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

QString FileNameOf(const std::string& path)
{
    return Shown(path.substr(path.find_last_of('/') + 1));
}

} // namespace

std::optional<std::string> TfrmMain::RenameListItemPath() const
{
    if (m_renamed->Rows().empty())
        return std::nullopt;
    const std::optional<int> row = FirstSelectedRow(*m_lvwRenamed);
    if (!row)
        return std::nullopt;
    return CurrentPath(m_renamed->Rows()[static_cast<std::size_t>(*row)]);
}

std::optional<std::string> TfrmMain::FileListItemPath() const
{
    if (m_files->rowCount() == 0)
        return std::nullopt;
    const std::optional<int> row = FirstSelectedRow(*m_lvwFiles);
    if (!row)
        return std::nullopt;
    return TreeFolderPath() + m_files->Row(*row).name;
}

bool TfrmMain::ExistsOrWarn(const std::string& path)
{
    if (ReadItemStatus(path))
        return true;
    WarnCannotOpen(this, Shown(path));
    return false;
}

void TfrmMain::OpenItem(const std::string& path)
{
    if (ExistsOrWarn(path))
        OpenOrWarn(*m_shell, this, LocalFileUrl(path));
}

// The desktop's chooser where it has one, else ours; ours also steps in when the desktop's
// chooser gives up without starting anything.
void TfrmMain::OpenItemWith(const std::string& path)
{
    if (!ExistsOrWarn(path))
        return;
    const QPointer<TfrmMain> window(this);
    const auto chooserGaveUp = [window, path] {
        if (window)
            RunCommand(window, [window, path] { window->ChooseProgramOurselves(path); });
    };
    if (!m_shell->ChooseProgramFor(path, windowHandle(), chooserGaveUp))
        ChooseProgramOurselves(path);
}

void TfrmMain::ChooseProgramOurselves(const std::string& path)
{
    TfrmOpenWith chooser(FileNameOf(path), m_shell->ApplicationsFor(path), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    QStringList arguments = ExecArguments(chooser.Command(), QFile::decodeName(QByteArray::fromStdString(path)));
    if (arguments.isEmpty() || !m_shell->StartProgram(arguments.takeFirst(), arguments))
        WarnCannotOpen(this, Shown(path));
}

void TfrmMain::OpenRenamedItem()
{
    if (const std::optional<std::string> path = RenameListItemPath())
        OpenItem(*path);
}

void TfrmMain::OpenRenamedItemWith()
{
    if (const std::optional<std::string> path = RenameListItemPath())
        OpenItemWith(*path);
}

void TfrmMain::OpenFileItem()
{
    if (const std::optional<std::string> path = FileListItemPath())
        OpenItem(*path);
}

void TfrmMain::OpenFileItemWith()
{
    if (const std::optional<std::string> path = FileListItemPath())
        OpenItemWith(*path);
}

void TfrmMain::ShowFileItemProperties()
{
    const std::optional<std::string> path = FileListItemPath();
    if (!path)
        return;
    const std::optional<ItemStatus> status = ReadItemStatus(*path);
    if (!status) {
        WarnCannotOpen(this, Shown(*path));
        return;
    }
    if (m_shell->ShowProperties(*path))
        return;
    TfrmProperties properties(*path, *status, this);
    properties.exec();
}

void TfrmMain::LaunchFileManager()
{
    OpenOrWarn(*m_shell, this, QUrl::fromLocalFile(QDir::homePath()));
}

bool TfrmMain::GioPresent()
{
    if (m_shell->HasProgram(QStringLiteral("gio")))
        return true;
    ShowMessage(this, QMessageBox::Information,
                QStringLiteral("Network locations are connected with the program gio, which is not installed "
                               "(it comes with the package libglib2.0-bin) !"));
    return false;
}

void TfrmMain::MapNetworkDrive()
{
    if (!GioPresent())
        return;
    TfrmMapDrive dialog(*m_shell, this);
    dialog.exec();
}

void TfrmMain::DisconnectNetworkDrive()
{
    if (!GioPresent())
        return;
    const ProgramRun listing = m_shell->RunProgram(QStringLiteral("gio"), {QStringLiteral("mount"), QStringLiteral("-l")});
    if (!listing.succeeded) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Cannot list the network locations !\r\nPossible Reason: ") + listing.reason);
        return;
    }
    std::vector<NetworkMount> mounts = NetworkMountsIn(listing.output);
    if (mounts.empty()) {
        ShowMessage(this, QMessageBox::Information, QStringLiteral("No network location is connected !"));
        return;
    }
    TfrmDisconnect dialog(*m_shell, std::move(mounts), this);
    dialog.exec();
}

void TfrmMain::OpenUserGuide()
{
    OpenOrWarn(*m_shell, this, HelpFileUrl());
}

void TfrmMain::OpenContactPage()
{
    OpenOrWarn(*m_shell, this, WebPages::Contact());
}

void TfrmMain::OpenCompanySite()
{
    OpenOrWarn(*m_shell, this, WebPages::CompanySite());
}
