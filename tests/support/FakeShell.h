#pragma once

#include "platform/DesktopShell.h"

#include <QList>

// Records what the commands hand to the desktop, starts nothing, and answers as told.
class FakeShell final : public DesktopShell {
public:
    // What each service answers.
    bool openSucceeds = true;
    bool chooserAnswers = true;
    bool propertiesAnswer = true;
    bool startSucceeds = true;
    bool gioPresent = true;
    std::vector<DesktopApplication> applications;
    ProgramRun run{true, {}, {}};

    // What was asked: the opened addresses, and every other call as its name and arguments.
    QList<QUrl> opened;
    QList<QStringList> calls;

    bool OpenUrl(const QUrl& url) override
    {
        opened << url;
        return openSucceeds;
    }
    bool ChooseProgramFor(const std::string& path, QWindow*, std::function<void()>) override
    {
        calls << QStringList{QStringLiteral("ChooseProgramFor"), QString::fromStdString(path)};
        return chooserAnswers;
    }
    bool ShowProperties(const std::string& path) override
    {
        calls << QStringList{QStringLiteral("ShowProperties"), QString::fromStdString(path)};
        return propertiesAnswer;
    }
    std::vector<DesktopApplication> ApplicationsFor(const std::string&) override { return applications; }
    bool StartProgram(const QString& program, const QStringList& arguments) override
    {
        calls << QStringList{QStringLiteral("StartProgram"), program} + arguments;
        return startSucceeds;
    }
    bool HasProgram(const QString& name) override { return gioPresent && name == u"gio"; }
    ProgramRun RunProgram(const QString& program, const QStringList& arguments) override
    {
        calls << QStringList{QStringLiteral("RunProgram"), program} + arguments;
        return run;
    }
};
