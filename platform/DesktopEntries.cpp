#include "platform/DesktopEntries.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

using Group = QHash<QString, QString>;
using Groups = QHash<QString, Group>;

// Undoes the escapes of a desktop entry value: \s \n \t \r and \\.
QString Unescaped(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case u's': text += u' '; break;
        case u'n': text += u'\n'; break;
        case u't': text += u'\t'; break;
        case u'r': text += u'\r'; break;
        default: text += value[i]; break;
        }
    }
    return text;
}

// The groups of a desktop entry or a mimeapps.list file: "[Group]" lines and "key=value" lines.
Groups ReadGroups(const QString& path)
{
    Groups groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    Group* current = nullptr;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            current = &groups[line.mid(1, line.size() - 2)];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (current && equals > 0)
            current->insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return groups;
}

QStringList ListValue(const QString& value)
{
    return value.split(u';', Qt::SkipEmptyParts);
}

bool IsTrue(const QString& value)
{
    return value == u"true";
}

// The name in the user's language where the entry has one: Name[de_AT], Name[de], Name.
QString LocalName(const Group& entry)
{
    const QString locale = QLocale::system().name();
    for (const QString& key : {QStringLiteral("Name[%1]").arg(locale),
                               QStringLiteral("Name[%1]").arg(locale.section(u'_', 0, 0))}) {
        if (entry.contains(key))
            return Unescaped(entry.value(key));
    }
    return Unescaped(entry.value(QStringLiteral("Name")));
}

bool ProgramPresent(const QString& program)
{
    if (program.isEmpty())
        return true;
    if (program.startsWith(u'/'))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

struct Entry {
    DesktopApplication application;
    QStringList mimeTypes;
    bool usable = false;  // hidden, a terminal program or a missing TryExec program: no
};

// Every desktop entry by ID; the first data folder that has an ID decides it.
QHash<QString, Entry> ReadEntries(const QStringList& dataDirs)
{
    QHash<QString, Entry> entries;
    for (const QString& dataDir : dataDirs) {
        const QString folder = dataDir + QStringLiteral("/applications/");
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QString id = path.mid(folder.size());
            id.replace(u'/', u'-');
            if (entries.contains(id))
                continue;
            const Group group = ReadGroups(path).value(QStringLiteral("Desktop Entry"));
            Entry& entry = entries[id];
            entry.application.id = id;
            entry.application.name = LocalName(group);
            entry.application.exec = Unescaped(group.value(QStringLiteral("Exec")));
            entry.application.icon = group.value(QStringLiteral("Icon"));
            entry.mimeTypes = ListValue(group.value(QStringLiteral("MimeType")));
            entry.usable = group.value(QStringLiteral("Type")) == u"Application"
                && !entry.application.exec.isEmpty()
                && !IsTrue(group.value(QStringLiteral("Hidden")))
                && !IsTrue(group.value(QStringLiteral("Terminal")))
                && ProgramPresent(Unescaped(group.value(QStringLiteral("TryExec"))));
        }
    }
    return entries;
}

// The associations of mimeapps.list, the files of higher precedence first.
struct Associations {
    QHash<QString, QStringList> defaults;
    QHash<QString, QStringList> added;
    QHash<QString, QSet<QString>> removed;
};

Associations ReadAssociations(const QStringList& configDirs, const QStringList& dataDirs)
{
    QStringList files;
    for (const QString& dir : configDirs)
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString& dir : dataDirs)
        files << dir + QStringLiteral("/applications/mimeapps.list");

    Associations associations;
    for (const QString& file : files) {
        const Groups groups = ReadGroups(file);
        const auto collect = [&](const QString& groupName, QHash<QString, QStringList>& into) {
            const Group group = groups.value(groupName);
            for (auto it = group.cbegin(); it != group.cend(); ++it)
                into[it.key()] << ListValue(it.value());
        };
        collect(QStringLiteral("Default Applications"), associations.defaults);
        collect(QStringLiteral("Added Associations"), associations.added);
        const Group removed = groups.value(QStringLiteral("Removed Associations"));
        for (auto it = removed.cbegin(); it != removed.cend(); ++it) {
            for (const QString& id : ListValue(it.value()))
                associations.removed[it.key()].insert(id);
        }
    }
    return associations;
}

} // namespace

std::vector<DesktopApplication> ApplicationsFor(const QStringList& mimeTypes,
                                                const QStringList& configDirs,
                                                const QStringList& dataDirs)
{
    const QHash<QString, Entry> entries = ReadEntries(dataDirs);
    const Associations associations = ReadAssociations(configDirs, dataDirs);

    std::vector<DesktopApplication> applications;
    QSet<QString> taken;
    const auto take = [&](const QString& id, bool isDefault) {
        const auto found = entries.constFind(id);
        if (found == entries.cend() || !found->usable || taken.contains(id))
            return false;
        taken.insert(id);
        applications.push_back(found->application);
        applications.back().isDefault = isDefault;
        return true;
    };

    for (const QString& type : mimeTypes) {
        for (const QString& id : associations.defaults.value(type)) {
            if (take(id, applications.empty()))
                break;
        }
        const QSet<QString> removed = associations.removed.value(type);
        for (const QString& id : associations.added.value(type)) {
            if (!removed.contains(id))
                take(id, false);
        }
        std::vector<const Entry*> declared;
        for (const Entry& entry : entries) {
            if (entry.mimeTypes.contains(type) && !removed.contains(entry.application.id))
                declared.push_back(&entry);
        }
        std::sort(declared.begin(), declared.end(), [](const Entry* a, const Entry* b) {
            return QString::compare(a->application.name, b->application.name, Qt::CaseInsensitive) < 0;
        });
        for (const Entry* entry : declared)
            take(entry->application.id, false);
    }
    return applications;
}

QStringList ExecArguments(const QString& exec, const QString& file)
{
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    bool quoted = false;
    bool fileGiven = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < exec.size())
                argument += exec[++i];
            else if (c == u'"')
                quoted = false;
            else
                argument += c;
            continue;
        }
        if (c == u'"') {
            quoted = true;
            inArgument = true;
        } else if (c.isSpace()) {
            if (inArgument)
                arguments << argument;
            argument.clear();
            inArgument = false;
        } else if (c == u'%' && i + 1 < exec.size()) {
            const char16_t code = exec[++i].unicode();
            if (code == u'f' || code == u'F' || code == u'u' || code == u'U') {
                argument += file;
                fileGiven = true;
                inArgument = true;
            } else if (code == u'%') {
                argument += u'%';
                inArgument = true;
            }
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (quoted)
        return {};
    if (inArgument)
        arguments << argument;
    if (arguments.isEmpty())
        return {};
    if (!fileGiven)
        arguments << file;
    return arguments;
}
