#include "app/untNetDrive.h"

#include "app/ErrorDisplay.h"
#include "platform/DesktopShell.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Runs gio with the dialog shut to input and the hourglass up; mounts can take a while.
ProgramRun RunGio(DesktopShell& shell, QDialog& dialog, const QStringList& arguments)
{
    dialog.setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ProgramRun run = shell.RunProgram(QStringLiteral("gio"), arguments);
    QApplication::restoreOverrideCursor();
    dialog.setEnabled(true);
    return run;
}

QString FailureText(const QString& what, const QString& reason)
{
    return what + QStringLiteral(" !\r\nPossible Reason: ") + reason;
}

// The dialog's own button, the default, and Cancel, at the bottom right.
QHBoxLayout* Buttons(QDialog* dialog, const QString& caption, const char* name, QPushButton*& button)
{
    button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button);
    buttons->addWidget(cancel);
    return buttons;
}

} // namespace

TfrmMapDrive::TfrmMapDrive(DesktopShell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("TfrmMapDrive"));
    setWindowTitle(QStringLiteral("Map Network Drive"));

    auto* prompt = new QLabel(QStringLiteral("&Address of the network location:"), this);
    m_edAddress = new QLineEdit(this);
    m_edAddress->setObjectName(QStringLiteral("edAddress"));
    m_edAddress->setPlaceholderText(QStringLiteral("smb://server/share"));
    m_edAddress->setMinimumWidth(380);
    prompt->setBuddy(m_edAddress);
    auto* hint = new QLabel(QStringLiteral(
        "For example smb://server/share, sftp://user@server/folder, ftp://server/ or "
        "davs://server/path. A location that asks for a password connects when the "
        "desktop's keyring holds that password."), this);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);

    QHBoxLayout* buttons = Buttons(this, QStringLiteral("&Connect"), "btnConnect", m_btnConnect);
    connect(m_btnConnect, &QPushButton::clicked, this, &TfrmMapDrive::Connect);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(prompt);
    layout->addWidget(m_edAddress);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    hint->setFixedWidth(m_edAddress->minimumWidth());
}

void TfrmMapDrive::Connect()
{
    const QString address = m_edAddress->text().trimmed();
    if (address.isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("Please type the address of a network location !"));
        return;
    }
    const ProgramRun run = RunGio(m_shell, *this, {QStringLiteral("mount"), address});
    if (run.succeeded) {
        accept();
        return;
    }
    ShowMessage(this, QMessageBox::Warning, FailureText(QStringLiteral("Cannot connect to ") + address, run.reason));
    m_edAddress->setFocus();
}

TfrmDisconnect::TfrmDisconnect(DesktopShell& shell, std::vector<NetworkMount> mounts, QWidget* parent)
    : QDialog(parent)
    , m_shell(shell)
    , m_mounts(std::move(mounts))
{
    setObjectName(QStringLiteral("TfrmDisconnect"));
    setWindowTitle(QStringLiteral("Disconnect Network Drive"));

    auto* prompt = new QLabel(QStringLiteral("Choose the network location to disconnect:"), this);
    m_lstMounts = new QListWidget(this);
    m_lstMounts->setObjectName(QStringLiteral("lstMounts"));
    m_lstMounts->setMinimumWidth(380);
    for (const NetworkMount& mount : m_mounts) {
        auto* item = new QListWidgetItem(mount.name + QStringLiteral("  \u2014  ") + mount.location, m_lstMounts);
        item->setIcon(QIcon::fromTheme(QStringLiteral("folder-remote")));
    }
    m_lstMounts->setCurrentRow(0);

    QHBoxLayout* buttons = Buttons(this, QStringLiteral("&Disconnect"), "btnDisconnect", m_btnDisconnect);
    connect(m_btnDisconnect, &QPushButton::clicked, this, &TfrmDisconnect::Disconnect);
    connect(m_lstMounts, &QListWidget::itemActivated, this, &TfrmDisconnect::Disconnect);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(prompt);
    layout->addWidget(m_lstMounts, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    resize(440, 260);
}

void TfrmDisconnect::Disconnect()
{
    const int row = m_lstMounts->currentRow();
    if (row < 0)
        return;
    const QString location = m_mounts[static_cast<std::size_t>(row)].location;
    const ProgramRun run = RunGio(m_shell, *this, {QStringLiteral("mount"), QStringLiteral("-u"), location});
    if (run.succeeded)
        accept();
    else
        ShowMessage(this, QMessageBox::Warning, FailureText(QStringLiteral("Cannot disconnect ") + location, run.reason));
}
