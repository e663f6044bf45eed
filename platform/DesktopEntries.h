#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A program as its desktop entry (applications/*.desktop) describes it.
struct DesktopApplication {
    QString id;    // the desktop file ID, "org.example.Viewer.desktop"
    QString name;  // the name shown to the user
    QString exec;  // the Exec line, field codes and all
    QString icon;  // a theme icon name or an icon file
    bool isDefault = false;  // the user's or the system's default for the type
};

// The programs that open files of the given MIME types: the type itself first, then the types
// it inherits from. For each type, its defaults from mimeapps.list come first, then its added
// associations, then the entries whose MimeType= names it, by name; an association removed in
// mimeapps.list is left out, and so are hidden entries, entries whose TryExec program is missing
// and programs that need a terminal. An entry in an earlier data folder hides one of the same ID
// in a later one.
//
// configDirs and dataDirs are the XDG config and data folders, the user's own first; the
// entries lie in dataDir/applications, mimeapps.list in each config folder and in
// dataDir/applications.
std::vector<DesktopApplication> ApplicationsFor(const QStringList& mimeTypes,
                                                const QStringList& configDirs,
                                                const QStringList& dataDirs);

// The program and its arguments from an Exec line for one file: quoted arguments unquoted,
// %f %F %u %U replaced by the file, %% by "%", every other field code dropped. A line without
// a file code gets the file as its last argument, so a command the user types works alike.
// Empty for an empty line or one whose quotes do not close.
QStringList ExecArguments(const QString& exec, const QString& file);
