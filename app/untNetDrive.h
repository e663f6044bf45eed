#pragma once

#include "platform/NetworkMounts.h"

#include <QDialog>

#include <vector>

class DesktopShell;
class QLineEdit;
class QListWidget;
class QPushButton;

// Connects a network location through `gio mount ADDRESS`. A failed mount shows gio's reason
// and leaves the dialog open for another try; a mount that works closes it.
class TfrmMapDrive : public QDialog {
    Q_OBJECT

public:
    explicit TfrmMapDrive(DesktopShell& shell, QWidget* parent = nullptr);

private:
    void Connect();

    DesktopShell& m_shell;
    QLineEdit* m_edAddress = nullptr;
    QPushButton* m_btnConnect = nullptr;
};

// Disconnects one of the mounted network locations through `gio mount -u LOCATION`.
class TfrmDisconnect : public QDialog {
    Q_OBJECT

public:
    TfrmDisconnect(DesktopShell& shell, std::vector<NetworkMount> mounts, QWidget* parent = nullptr);

private:
    void Disconnect();

    DesktopShell& m_shell;
    std::vector<NetworkMount> m_mounts;
    QListWidget* m_lstMounts = nullptr;
    QPushButton* m_btnDisconnect = nullptr;
};
