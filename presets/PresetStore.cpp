#include "presets/PresetStore.h"

#include "engine/TextUtil.h"
#include "engine/untGenLib.h"
#include "platform/ShellOpen.h"
#include "presets/IniText.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// One key of a rename record: either a flag or a text (choices are stored as their text).
// fallback is what a missing text key reads as; dated keys have no extension twin.
struct RuleKey {
    std::string_view name;
    bool RenameRules::*flag;
    std::string RenameRules::*text;
    std::string_view fallback;
    bool dated;
};

constexpr RuleKey Flag(std::string_view name, bool RenameRules::*field, bool dated = false)
{
    return {name, field, nullptr, {}, dated};
}

constexpr RuleKey Text(std::string_view name, std::string RenameRules::*field, std::string_view fallback = {},
                       bool dated = false)
{
    return {name, nullptr, field, fallback, dated};
}

// The keys of the file-name record in the order they are written and read; the extension's
// keys follow the browsing keys and these, in the same order, each with "1" appended.
constexpr std::array kRuleKeys = {
    Flag("textadd", &RenameRules::textadd),
    Text("text", &RenameRules::text),
    Flag("textins", &RenameRules::textins),
    Text("textinstext", &RenameRules::textinstext),
    Text("textinstextpos", &RenameRules::textinstextpos),
    Flag("fdate", &RenameRules::fdate, true),
    Text("fdatetype", &RenameRules::fdatetype, "Created Date", true),
    Text("fdateprefix", &RenameRules::fdateprefix, "Suffix", true),
    Flag("counter", &RenameRules::counter),
    Text("countlen", &RenameRules::countlen, "1"),
    Text("countstart", &RenameRules::countstart, "1"),
    Text("countprefix", &RenameRules::countprefix, "Suffix"),
    Flag("textrep", &RenameRules::textrep),
    Text("textreptext", &RenameRules::textreptext),
    Text("textreptextw", &RenameRules::textreptextw),
    Flag("textrepcs", &RenameRules::textrepcs),
    Flag("textrepall", &RenameRules::textrepall),
    Flag("lower", &RenameRules::lower),
    Flag("upper", &RenameRules::upper),
    Flag("toggle", &RenameRules::toggle),
    Flag("title", &RenameRules::title),
    Flag("none", &RenameRules::none),
    Flag("remalpha", &RenameRules::remalpha),
    Flag("remnum", &RenameRules::remnum),
    Flag("remspec", &RenameRules::remspec),
    Flag("remspace", &RenameRules::remspace),
    Flag("rembracket", &RenameRules::rembracket),
    Flag("remall", &RenameRules::remall),
    Flag("rematpos", &RenameRules::rematpos),
    Text("remfrom", &RenameRules::remfrom),
    Text("remlen", &RenameRules::remlen),
    Flag("remspeci", &RenameRules::remspeci),
    Text("remtext", &RenameRules::remtext),
    Flag("remspeccs", &RenameRules::remspeccs),
    Flag("remspecall", &RenameRules::remspecall),
    Flag("remins", &RenameRules::remins),
    Text("dateformat", &RenameRules::dateformat, "MMDDYYYY", true),
};
static_assert(kRuleKeys.size() == 37);

std::string FlagText(bool on)
{
    return on ? "1" : "0";
}

// Any non-zero number is on; a missing key or a value that is no number is off.
bool ReadFlag(const std::optional<std::string>& value)
{
    return value && TryParseInt(*value).value_or(0) != 0;
}

void WriteRules(IniText& ini, std::string_view section, const RenameRules& rules, bool extension)
{
    for (const RuleKey& key : kRuleKeys) {
        if (extension && key.dated)
            continue;
        const std::string name = std::string(key.name) + (extension ? "1" : "");
        ini.SetValue(section, name, key.flag ? FlagText(rules.*key.flag) : rules.*key.text);
    }
}

void ReadRules(const IniText& ini, std::string_view section, RenameRules& rules, bool extension)
{
    for (const RuleKey& key : kRuleKeys) {
        if (extension && key.dated)
            continue;
        const auto value = ini.Value(section, std::string(key.name) + (extension ? "1" : ""));
        if (key.flag)
            rules.*key.flag = ReadFlag(value);
        else
            rules.*key.text = value.value_or(std::string(key.fallback));
    }
}

QString FilePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The file's text, "" when it does not exist, nothing when it exists but cannot be read.
std::optional<std::string> ReadFileText(const std::string& path)
{
    QFile file(FilePath(path));
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

[[noreturn]] void ThrowUnableToWrite(const std::string& path)
{
    throw std::runtime_error("Unable to write to " + path);
}

// The text of a file about to be changed; a file that exists but cannot be read is never
// replaced by one that lacks its other presets.
IniText ReadForChange(const std::string& path)
{
    const auto text = ReadFileText(path);
    if (!text)
        ThrowUnableToWrite(path);
    return IniText(*text);
}

// QSaveFile writes a temporary file in the same folder, syncs it and renames it over the
// target with the target's permissions; it refuses a target that is not writable and removes
// the temporary file on any failure.
void ReplaceFile(const std::string& path, const std::string& text)
{
    QSaveFile file(FilePath(path));
    if (!file.open(QIODevice::WriteOnly))
        ThrowUnableToWrite(path);
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.commit())
        ThrowUnableToWrite(path);
}

} // namespace

bool IsValidPresetName(std::string_view name)
{
    const std::string_view section = TrimBlanks(name);
    const bool hasForbidden = std::any_of(section.begin(), section.end(), [](char c) {
        return c == '[' || c == ']' || static_cast<unsigned char>(c) < ' ' || c == '\x7F';
    });
    return !section.empty() && section.front() != ';' && !hasForbidden;
}

PresetStore::PresetStore()
    : PresetStore(QFile::encodeName(ProgramFolder() + QStringLiteral("settings.ini")).toStdString())
{
}

PresetStore::PresetStore(std::string iniPath)
    : path_(std::move(iniPath))
{
}

std::vector<std::string> PresetStore::ListPresets() const
{
    return IniText(ReadFileText(path_).value_or(std::string())).SectionNames();
}

void PresetStore::WritePreset(const std::string& name, const Preset& preset)
{
    if (!IsValidPresetName(name))
        throw std::invalid_argument("'" + name + "' is not a valid preset name");
    IniText ini = ReadForChange(path_);
    ini.SetValue(name, "showfiles", FlagText(preset.showfiles));
    ini.SetValue(name, "filefilter", preset.filefilter);
    ini.SetValue(name, "incsub", FlagText(preset.incsub));
    WriteRules(ini, name, preset.file, false);
    WriteRules(ini, name, preset.ext, true);
    ReplaceFile(path_, ini.ToString());
}

Preset PresetStore::ReadPreset(const std::string& name) const
{
    const IniText ini(ReadFileText(path_).value_or(std::string()));
    Preset preset;
    // Only exactly 1 is Show Files; a missing or non-numeric value reads as 1.
    const auto showfiles = ini.Value(name, "showfiles");
    preset.showfiles = (showfiles ? TryParseInt(*showfiles).value_or(1) : 1) == 1;
    preset.filefilter = ini.Value(name, "filefilter").value_or(std::string());
    preset.incsub = ReadFlag(ini.Value(name, "incsub"));
    ReadRules(ini, name, preset.file, false);
    ReadRules(ini, name, preset.ext, true);
    return preset;
}

void PresetStore::ErasePreset(const std::string& name)
{
    IniText ini = ReadForChange(path_);
    if (ini.EraseSection(name))
        ReplaceFile(path_, ini.ToString());
}
