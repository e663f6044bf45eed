#pragma once

#include <QDialog>

// The about box: program name, version and a link to the product site.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
