#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

// Lists the saved presets, sorted without regard to letter case, for Load or, with other
// captions, for Delete. Nothing is selected when it opens, and it closes with OK only once a
// preset is selected.
class TfrmLoadSet : public QDialog {
    Q_OBJECT

public:
    explicit TfrmLoadSet(const std::vector<std::string>& names, QWidget* parent = nullptr);

    void SetDeleteCaptions();
    QString SelectedName() const;

private:
    void ChooseClicked();

    QListWidget* m_list;
    QPushButton* m_choose;
};
