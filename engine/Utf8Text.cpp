#include "engine/Utf8Text.h"

#include <QChar>

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the well-formed sequence at `at`; returns its length, or 0 for a stray byte.
std::size_t DecodeAt(std::string_view text, std::size_t at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte))
            return 0;
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    codePoint = value;
    return length;
}

} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t at)
{
    char32_t ignored = 0;
    const std::size_t length = DecodeAt(text, at, ignored);
    return length == 0 ? 1 : length;
}

std::vector<std::size_t> Utf8CharStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    starts.reserve(text.size() + 1);
    for (std::size_t at = 0; at < text.size(); at += Utf8CharLength(text, at))
        starts.push_back(at);
    starts.push_back(text.size());
    return starts;
}

std::vector<char32_t> Utf8CharKeys(std::string_view text, bool upperCase)
{
    std::vector<char32_t> keys;
    keys.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeAt(text, at, codePoint);
        if (length == 0) {
            keys.push_back(0x110000 + static_cast<unsigned char>(text[at]));
            ++at;
            continue;
        }
        keys.push_back(upperCase ? QChar::toUpper(codePoint) : codePoint);
        at += length;
    }
    return keys;
}

std::size_t Utf8OffsetOfChar(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < count && at < text.size(); ++i)
        at += Utf8CharLength(text, at);
    return at;
}
