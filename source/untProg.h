#pragma once

#include "batch/StopWindow.h"

class QLabel;

// The progress window of the subfolder walk. Made once at start-up with the main window as
// parent and kept hidden; the walk shows it and hides it.
class TfrmProg : public StopWindow {
    Q_OBJECT

public:
    explicit TfrmProg(QWidget* parent = nullptr);

    // The subfolder the walk entered last; the text stays until the next call.
    void SetFolderName(const QString& name);

private:
    QLabel* m_pnlProg;
};
