#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The progress window of the subfolder walk. Made once at start-up with the main window as
// parent and kept hidden; the walk shows it and hides it. There is no close box and every
// close is refused, the window manager's too: hide() it.
class TfrmProg : public QWidget {
    Q_OBJECT

public:
    explicit TfrmProg(QWidget* parent = nullptr);

    // The subfolder the walk entered last; the text stays until the next call.
    void SetFolderName(const QString& name);

signals:
    // Stop was clicked; the walk that listens decides what stopping means.
    void stopClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_pnlProg;
    QPushButton* m_btnStop;
};
