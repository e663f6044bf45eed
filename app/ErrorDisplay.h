#pragma once

#include <QMessageBox>

#include <exception>
#include <functional>

class QWidget;

// A message box captioned "Quillmark" with one OK button.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// The general error display's text: the message, with a full stop added unless it ends in one.
QString ErrorText(const std::exception& error);

// Runs one command. A standard exception it throws ends the command where it stands and is
// shown with the error icon; the program goes on.
void RunCommand(QWidget* parent, const std::function<void()>& command);
