#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>

bool OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QUrl HelpFileUrl()
{
    return QUrl::fromLocalFile(ProgramFolder() + QStringLiteral("quillmark.html"));
}

bool OpenHelpFile()
{
    return OpenUrl(HelpFileUrl());
}
