#pragma once

#include <QString>
#include <QUrl>

// The folder of the running executable, ending in "/"; the help file and the skins lie there.
QString ProgramFolder();

// The user guide quillmark.html in ProgramFolder(); the shell opens it in the default browser.
QUrl HelpFileUrl();
