#include "presets/IniText.h"

#include "engine/TextUtil.h"
#include "engine/Utf8Text.h"

#include <algorithm>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// The buffers of the Windows program: 2048 characters for a value, 16384 bytes for the names.
constexpr std::size_t kValueLimit = 2047;
constexpr std::size_t kSectionListBytes = 16384;

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (IsAscii(a) && IsAscii(b))
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
    return Utf8CharKeys(a, true) == Utf8CharKeys(b, true);
}

// The name between "[" and the first "]" of a header line; nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view content)
{
    const std::string_view line = TrimBlanks(content);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;  // untrimmed, as it follows the "="
};

std::optional<KeyLine> ParseKeyLine(std::string_view content)
{
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = TrimBlanks(content.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyLine{key, content.substr(equals + 1)};
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

bool QuotedOnRead(std::string_view value)
{
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string EncodedValue(std::string_view value)
{
    const bool changedOnRead =
        !value.empty() && (IsBlankByte(value.front()) || IsBlankByte(value.back()) || QuotedOnRead(value));
    if (changedOnRead)
        return '"' + std::string(value) + '"';
    return std::string(value);
}

std::string DecodedValue(std::string_view stored)
{
    std::string_view value = TrimBlanks(stored);
    if (QuotedOnRead(value))
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, Utf8OffsetOfChar(value, kValueLimit)));
}

// The longest start of text within maxBytes that does not split a character.
std::string_view CutToBytes(std::string_view text, std::size_t maxBytes)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + Utf8CharLength(text, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return text.substr(0, end);
}

} // namespace

IniText::IniText(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        bom_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(text), {}});
            break;
        }
        const bool crlf = newline > 0 && text[newline - 1] == '\r';
        const std::size_t contentEnd = crlf ? newline - 1 : newline;
        lines_.push_back({std::string(text.substr(0, contentEnd)), std::string(text.substr(contentEnd, newline + 1 - contentEnd))});
        text.remove_prefix(newline + 1);
    }
}

std::string IniText::ToString() const
{
    std::string text = bom_;
    for (const Line& line : lines_)
        text += line.content + line.end;
    return text;
}

std::vector<std::string> IniText::SectionNames() const
{
    std::vector<std::string> names;
    // One byte of the buffer is kept for the zero that closes the list.
    std::size_t room = kSectionListBytes - 1;
    for (const Line& line : lines_) {
        const auto name = HeaderName(line.content);
        if (!name || name->empty())
            continue;
        const std::size_t needed = name->size() + 1;
        if (needed >= room) {
            const std::string_view cut = CutToBytes(*name, room - 1);
            if (!cut.empty())
                names.emplace_back(cut);
            break;
        }
        names.emplace_back(*name);
        room -= needed;
    }
    return names;
}

std::optional<std::size_t> IniText::FindSection(std::string_view name) const
{
    name = TrimBlanks(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto header = HeaderName(lines_[i].content);
        if (header && SameName(*header, name))
            return i;
    }
    return std::nullopt;
}

std::size_t IniText::SectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < lines_.size() && !HeaderName(lines_[end].content))
        ++end;
    return end;
}

std::optional<std::size_t> IniText::FindKey(std::size_t header, std::string_view key) const
{
    key = TrimBlanks(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto line = ParseKeyLine(lines_[i].content);
        if (line && SameName(line->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    const auto at = FindKey(*header, key);
    if (!at)
        return std::nullopt;
    return DecodedValue(ParseKeyLine(lines_[*at].content)->value);
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto header = FindSection(section);
    if (header) {
        if (const auto at = FindKey(*header, key)) {
            Line& line = lines_[*at];
            line.content = std::string(ParseKeyLine(line.content)->key) + '=' + EncodedValue(value);
            return;
        }
    }
    const Line keyLine{std::string(TrimBlanks(key)) + '=' + EncodedValue(value), std::string(kLineEnd)};
    std::size_t at = lines_.size();
    if (header) {
        // After the section's last line that is not blank, so blank lines before the next
        // header stay where they are.
        at = SectionEnd(*header);
        while (at > *header + 1 && IsBlankText(lines_[at - 1].content))
            --at;
    }
    if (at > 0 && lines_[at - 1].end.empty())
        lines_[at - 1].end = kLineEnd;
    if (header) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), keyLine);
        return;
    }
    lines_.push_back({'[' + std::string(TrimBlanks(section)) + ']', std::string(kLineEnd)});
    lines_.push_back(keyLine);
}

bool IniText::EraseSection(std::string_view section)
{
    bool erased = false;
    while (const auto header = FindSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
        erased = true;
    }
    return erased;
}
