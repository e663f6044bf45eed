#include "app/Skin.h"

#include "platform/ShellOpen.h"

#include <QApplication>
#include <QFile>

void ApplySkin()
{
    QFile sheet(ProgramFolder() + QStringLiteral("Skins/Office2007 Blue.qss"));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
