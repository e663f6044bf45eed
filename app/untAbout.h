#pragma once

#include <QDialog>

class DesktopShell;

// The about box: program name, version and a link to the product site, opened through shell.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(DesktopShell& shell, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
