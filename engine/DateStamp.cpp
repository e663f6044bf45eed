#include "engine/DateStamp.h"

#include "engine/TextUtil.h"

#include <ctime>
#include <stdexcept>

namespace {

NowSource g_nowSource = nullptr;

DateTime SystemNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour, local.tm_min, local.tm_sec};
}

// Reads 1 to maxDigits decimal digits at `at`; -1 when there are none or too many.
int ReadNumber(std::string_view text, std::size_t& at, std::size_t minDigits, std::size_t maxDigits)
{
    const std::size_t begin = at;
    int value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - begin < maxDigits) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    const std::size_t digits = at - begin;
    if (digits < minDigits || (at < text.size() && text[at] >= '0' && text[at] <= '9'))
        return -1;
    return value;
}

void AppendDigits(std::string& out, int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view letters)
{
    if (at + letters.size() > text.size())
        return false;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const char c = text[at + i];
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != letters[i])
            return false;
    }
    return true;
}

} // namespace

bool IsValidDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

DateTime ParseListDate(std::string_view text)
{
    std::size_t at = 0;
    const int day = ReadNumber(text, at, 1, 2);
    const bool firstSlash = at < text.size() && text[at] == '/';
    ++at;
    const int month = firstSlash ? ReadNumber(text, at, 1, 2) : -1;
    const bool secondSlash = at < text.size() && text[at] == '/';
    ++at;
    const int year = secondSlash ? ReadNumber(text, at, 4, 4) : -1;
    if (day < 0 || month < 0 || year < 0 || at != text.size() || !IsValidDate(year, month, day))
        throw std::invalid_argument("'" + std::string(text) + "' is not a valid date");
    return {year, month, day, 0, 0, 0};
}

std::string FormatListDate(const DateTime& moment)
{
    std::string out;
    AppendDigits(out, moment.day, 2);
    out += '/';
    AppendDigits(out, moment.month, 2);
    out += '/';
    AppendDigits(out, moment.year, 4);
    return out;
}

std::string FormatDatePattern(std::string_view pattern, const DateTime& moment)
{
    if (pattern.empty()) {
        std::string out = FormatListDate(moment);
        if (moment.hour != 0 || moment.minute != 0 || moment.second != 0) {
            out += ' ';
            AppendDigits(out, moment.hour, 2);
            out += ':';
            AppendDigits(out, moment.minute, 2);
            out += ':';
            AppendDigits(out, moment.second, 2);
        }
        return out;
    }
    std::string out;
    std::size_t at = 0;
    while (at < pattern.size()) {
        if (StartsWithNoCase(pattern, at, "YYYY")) {
            AppendDigits(out, moment.year, 4);
            at += 4;
        } else if (StartsWithNoCase(pattern, at, "YY")) {
            AppendDigits(out, moment.year % 100, 2);
            at += 2;
        } else if (StartsWithNoCase(pattern, at, "MM")) {
            AppendDigits(out, moment.month, 2);
            at += 2;
        } else if (StartsWithNoCase(pattern, at, "DD")) {
            AppendDigits(out, moment.day, 2);
            at += 2;
        } else {
            out += pattern[at];
            ++at;
        }
    }
    return out;
}

std::string DateStamp(std::string_view pattern, const DateTime& moment)
{
    std::string stamp = FormatDatePattern(pattern, moment);
    for (const std::string_view separator : {"/", " ", "AM", "PM", ":", ".", "-", ";"})
        EraseAll(stamp, separator);
    return stamp;
}

DateTime LocalNow()
{
    return g_nowSource ? g_nowSource() : SystemNow();
}

NowSource SetNowSource(NowSource source)
{
    const NowSource previous = g_nowSource;
    g_nowSource = source;
    return previous;
}
