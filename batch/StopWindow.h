#pragma once

#include <QWidget>

// The frame both progress windows share: a small window that stays on top, opens centred on
// its owner, offers only a minimise button, and shows what a long loop is doing beside a
// "Stop" button. Every close is refused, the window manager's too; the loop hide()s it.
class StopWindow : public QWidget {
    Q_OBJECT

public:
    StopWindow(const QString& caption, QWidget* progress, QWidget* parent);

signals:
    // Stop was clicked; the loop that listens decides what stopping means.
    void stopClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
