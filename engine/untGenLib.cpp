#include "engine/untGenLib.h"

#include "engine/TextUtil.h"
#include "engine/Utf8Text.h"

#include <limits>
#include <stdexcept>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> TryParseInt(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    if (at == text.size())
        return std::nullopt;
    // The magnitude may reach 2^31 for the most negative value.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = base == 16 ? HexDigit(text[at])
                                     : (text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

namespace {

bool IsAsciiUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsAsciiLower(char c)
{
    return c >= 'a' && c <= 'z';
}

char ToAsciiUpper(char c)
{
    return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

char ToAsciiLower(char c)
{
    return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::int32_t ParseInt(std::string_view text)
{
    if (const auto value = TryParseInt(text))
        return *value;
    throw std::invalid_argument("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t ParseIntOrZero(std::string_view text)
{
    return TryParseInt(text).value_or(0);
}

// Only ASCII bytes change, and they never occur inside a multi-byte character, so working
// byte by byte keeps every other character whole.
std::string ChangeCase(std::string_view text, std::string_view mode)
{
    std::string result(text);
    if (mode == "Lower") {
        for (char& c : result)
            c = ToAsciiLower(c);
    } else if (mode == "Upper") {
        for (char& c : result)
            c = ToAsciiUpper(c);
    } else if (mode == "ToggleCase") {
        for (char& c : result)
            c = IsAsciiUpper(c) ? ToAsciiLower(c) : ToAsciiUpper(c);
    } else if (mode == "TitleCase") {
        for (std::size_t i = 0; i < result.size(); ++i)
            result[i] = (i == 0 || result[i - 1] == ' ') ? ToAsciiUpper(result[i]) : ToAsciiLower(result[i]);
    }
    return result;
}

std::string RemoveCharClass(std::string_view text, std::string_view className)
{
    std::string_view set;
    if (className == "Alpha")
        set = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    else if (className == "Num")
        set = "1234567890";
    else if (className == "Brackets")
        set = "()[]{}";
    else if (className == "Spec")
        set = "@#$%^_+-=~`;,.&!'";
    else
        return std::string(text);
    return EraseBytesOf(text, set);
}

std::string ZeroPad(std::int32_t value, std::int32_t width)
{
    std::string digits = std::to_string(value);
    if (width > 0 && static_cast<std::size_t>(width) > digits.size())
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::string ReplaceText(std::string_view text, std::string_view pattern,
                        std::string_view replacement, bool all, bool ignoreCase)
{
    if (pattern.empty())
        return std::string(text);
    const std::vector<char32_t> textKeys = Utf8CharKeys(text, ignoreCase);
    const std::vector<char32_t> patternKeys = Utf8CharKeys(pattern, ignoreCase);
    const std::vector<std::size_t> starts = Utf8CharStarts(text);
    const std::size_t count = textKeys.size();
    const std::size_t length = patternKeys.size();

    std::string result;
    result.reserve(text.size() + replacement.size());
    std::size_t copiedTo = 0;  // byte offset up to which the input is in the result
    std::size_t i = 0;
    while (i + length <= count) {
        std::size_t k = 0;
        while (k < length && textKeys[i + k] == patternKeys[k])
            ++k;
        if (k < length) {
            ++i;
            continue;
        }
        result.append(text.substr(copiedTo, starts[i] - copiedTo));
        result.append(replacement);
        i += length;
        copiedTo = starts[i];
        if (!all)
            break;
    }
    result.append(text.substr(copiedTo));
    return result;
}

void SplitToList(std::string_view text, std::vector<std::string>& list, std::string_view separator)
{
    std::string_view rest = text;
    if (!separator.empty()) {
        for (std::size_t at = rest.find(separator); at != std::string_view::npos; at = rest.find(separator)) {
            list.emplace_back(rest.substr(0, at));
            rest = TrimBlanks(rest.substr(at + separator.size()));
        }
    }
    rest = TrimBlanks(rest);
    if (!rest.empty())
        list.emplace_back(rest);
}
