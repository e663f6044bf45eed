#pragma once

#include <QString>
#include <QUrl>

// Hands a page or a file to the desktop's default program. Returns whether a program was
// started; nothing is shown on failure, any message comes from the desktop.
bool OpenUrl(const QUrl& url);

// The folder of the running executable, ending in "/"; the help file and the skins lie there.
QString ProgramFolder();

// The user guide quillmark.html in ProgramFolder().
QUrl HelpFileUrl();

// Opens HelpFileUrl() in the default browser.
bool OpenHelpFile();
