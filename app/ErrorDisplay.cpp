#include "app/ErrorDisplay.h"

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QStringLiteral("Quillmark"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString ErrorText(const std::exception& error)
{
    QString text = QString::fromUtf8(error.what());
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

void RunCommand(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowMessage(parent, QMessageBox::Critical, ErrorText(error));
    }
}
