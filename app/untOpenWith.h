#pragma once

#include "platform/DesktopEntries.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

// Our own chooser of a program for a file, for desktops whose portal does not answer: lists
// the programs registered for the file's type and shows the command of the chosen one, which
// the user may change or type afresh.
class TfrmOpenWith : public QDialog {
    Q_OBJECT

public:
    TfrmOpenWith(const QString& fileName, std::vector<DesktopApplication> applications,
                 QWidget* parent = nullptr);

    // The command line to open the file with, in the form of a desktop entry's Exec line.
    QString Command() const;

private:
    void ProgramChosen(int row);

    std::vector<DesktopApplication> m_applications;
    QListWidget* m_lstPrograms = nullptr;
    QLineEdit* m_edCommand = nullptr;
    QPushButton* m_btnOpen = nullptr;
};
