#include "app/ShellOpenOrWarn.h"

#include "app/ErrorDisplay.h"
#include "platform/DesktopShell.h"

void WarnCannotOpen(QWidget* parent, const QString& what)
{
    ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Cannot open ") + what + QStringLiteral(" !"));
}

void OpenOrWarn(DesktopShell& shell, QWidget* parent, const QUrl& url)
{
    if (!shell.OpenUrl(url))
        WarnCannotOpen(parent, url.isLocalFile() ? url.toLocalFile() : url.toString());
}
