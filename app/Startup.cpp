#include "app/Startup.h"

#include "app/untMain.h"
#include "platform/UserStore.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

namespace {

// Where the desktop names no icon theme, the toolbar takes its pictures from Tango.
void ChooseIconTheme()
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == u"hicolor")
        QIcon::setThemeName(QStringLiteral("Tango"));
    else
        QIcon::setFallbackThemeName(QStringLiteral("Tango"));
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/quillmark-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int RunQuillmark(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Quillmark"));
    app.setWindowIcon(ProgramIcon());
    if (!UserStore().Exists()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmark"),
                        QStringLiteral("Quillmark is not installed properly, please reinstall !"), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    ChooseIconTheme();
    TfrmMain window;
    window.showMaximized();
    return app.exec();
}
