#pragma once

#include "platform/ItemStatus.h"

#include <QDialog>

#include <string>

// Our own properties window of a file or folder, for desktops whose file manager does not
// answer: name, folder, type, size, the three dates and the permissions.
class TfrmProperties : public QDialog {
    Q_OBJECT

public:
    TfrmProperties(const std::string& path, const ItemStatus& status, QWidget* parent = nullptr);
};
