#pragma once

#include "batch/StopWindow.h"

class QProgressBar;

// The progress window of the rename, copy and tag-writing passes. Made once at start-up with
// the main window as parent and kept hidden; a pass shows it, drives the bar and hides it.
class TfrmRenProg : public StopWindow {
    Q_OBJECT

public:
    explicit TfrmRenProg(QWidget* parent = nullptr);

    QProgressBar* Bar() const { return m_pbrMain; }

private:
    QProgressBar* m_pbrMain;
};
