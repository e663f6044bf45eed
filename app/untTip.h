#pragma once

#include <QDialog>
#include <QString>

class DesktopShell;

// The start-up tips dialog: points a new user at the user guide and the video tutorial, and
// holds the "show at start" choice until the main window saves it at exit.
class TfrmTip : public QDialog {
    Q_OBJECT

public:
    // showTips is the stored setting; only "1" starts with chkShowTip checked. The guide and
    // the tutorial page open through shell.
    TfrmTip(const QString& showTips, DesktopShell& shell, QWidget* parent = nullptr);

    // The setting after the user's clicks on chkShowTip: "1" or "0" for the state the last
    // click left, the setting as given when the box was never clicked.
    QString ShowTips() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_showTips;
};
