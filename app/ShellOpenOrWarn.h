#pragma once

#include <QString>
#include <QUrl>

class DesktopShell;
class QWidget;

// The warning shown when the desktop could start nothing for a file, folder or page:
// "Cannot open <what> !".
void WarnCannotOpen(QWidget* parent, const QString& what);

// Hands the address to the desktop; when nothing could be started, says so with
// WarnCannotOpen, naming a local file by its path.
void OpenOrWarn(DesktopShell& shell, QWidget* parent, const QUrl& url);
