#pragma once

#include "platform/DesktopEntries.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <string>
#include <vector>

class QWindow;

// What a program run to its end left behind.
struct ProgramRun {
    bool succeeded = false;  // started, and ended by itself with exit code 0
    QString output;          // what it wrote on its standard output
    QString reason;          // its standard error, or why it did not start or finish
};

// The desktop services the shell commands hand their work to. The main window holds one;
// tests put a fake in its place. Paths are the exact bytes the file system gives.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Hands a page, a file or a folder to the desktop's default program. False when the
    // desktop reports that nothing handles it, and for a local file that does not exist; a
    // program still busy starting after a short wait counts as started.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // Asks the desktop's own chooser of a program for the item. False when no chooser
    // answers, and the caller offers its own. The chooser works on after this returns; if it
    // later reports that it started nothing (the user's cancel aside), notStarted runs.
    virtual bool ChooseProgramFor(const std::string& path, QWindow* parent,
                                  std::function<void()> notStarted) = 0;

    // Asks the file manager for its properties window of the item; false when none answers.
    virtual bool ShowProperties(const std::string& path) = 0;

    // The programs registered for the item's type, the user's default first.
    virtual std::vector<DesktopApplication> ApplicationsFor(const std::string& path) = 0;

    // Starts a program and leaves it running; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;

    // Whether a program of that name is on the search path.
    virtual bool HasProgram(const QString& name) = 0;

    // Runs a program to its end with no input. The windows keep painting meanwhile but take
    // no input; a run that has not ended after a minute is stopped.
    virtual ProgramRun RunProgram(const QString& program, const QStringList& arguments) = 0;
};

// The services of this desktop: xdg-open (QDesktopServices where it is missing), the desktop
// portal and the file manager over D-Bus, the desktop entries, and QProcess.
class SystemShell final : public DesktopShell {
public:
    bool OpenUrl(const QUrl& url) override;
    bool ChooseProgramFor(const std::string& path, QWindow* parent,
                          std::function<void()> notStarted) override;
    bool ShowProperties(const std::string& path) override;
    std::vector<DesktopApplication> ApplicationsFor(const std::string& path) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool HasProgram(const QString& name) override;
    ProgramRun RunProgram(const QString& program, const QStringList& arguments) override;
};

// A path's file URL, percent-encoded from its bytes, so a name that is not UTF-8 survives.
QUrl LocalFileUrl(const std::string& path);
