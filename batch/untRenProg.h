#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

// The progress window of the rename, copy and tag-writing passes. Made once at start-up with
// the main window as parent and kept hidden; a pass shows it, drives the bar and hides it.
// There is no close box and every close is refused, the window manager's too: hide() it.
class TfrmRenProg : public QWidget {
    Q_OBJECT

public:
    explicit TfrmRenProg(QWidget* parent = nullptr);

    QProgressBar* Bar() const { return m_pbrMain; }

signals:
    // Stop was clicked; the pass that listens decides what stopping means.
    void stopClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* m_pbrMain;
    QPushButton* m_btnStop;
};
