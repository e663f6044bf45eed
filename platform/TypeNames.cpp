#include "platform/TypeNames.h"

#include <QMimeDatabase>

#include <unordered_map>

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string LookUp(const std::string& extension)
{
    if (extension.size() <= 1)
        return "File";
    const QString madeUpName = QStringLiteral("x")
        + QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(madeUpName, QMimeDatabase::MatchExtension);
    if (!type.isDefault())
        return type.comment().toStdString();
    std::string name;
    for (std::size_t i = 1; i < extension.size(); ++i)
        name += AsciiUpper(extension[i]);
    return name + " File";
}

} // namespace

const std::string& TypeNameOf(std::string_view extension)
{
    static std::unordered_map<std::string, std::string> cache;
    // Extensions are short enough that the lower-cased key stays in the string's own buffer.
    std::string key(extension);
    for (char& c : key)
        c = AsciiLower(c);
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, LookUp(key)).first;
    return found->second;
}
