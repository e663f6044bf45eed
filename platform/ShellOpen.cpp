#include "platform/ShellOpen.h"

#include <QCoreApplication>

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QUrl HelpFileUrl()
{
    return QUrl::fromLocalFile(ProgramFolder() + QStringLiteral("quillmark.html"));
}
