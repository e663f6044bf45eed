#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the name of the preset to save. Refuses a blank name, and one that cannot be a
// section of settings.ini, and stays open then.
class TfrmSaveSet : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSaveSet(QWidget* parent = nullptr);

    // The name exactly as typed.
    QString Name() const;

private:
    void SaveClicked();

    QLineEdit* m_name;
};
