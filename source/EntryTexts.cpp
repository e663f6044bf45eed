#include "source/EntryTexts.h"

#include "engine/DateStamp.h"

#include <QLocale>

#include <cmath>

std::string SizeText(std::uint64_t size)
{
    const double bytes = static_cast<double>(size);
    if (bytes < 1024)
        return std::to_string(size) + " bytes";
    const double kilobytes = bytes / 1024;
    if (kilobytes < 1024)
        return std::to_string(std::llround(kilobytes)) + " KB";
    const double megabytes = kilobytes / 1024;
    if (megabytes < 1024)
        return std::to_string(std::llround(megabytes)) + " MB";
    const long long hundredths = std::llround(megabytes / 1024 * 100);
    const std::string fraction = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + QLocale().decimalPoint().toStdString()
        + (fraction.size() < 2 ? "0" : "") + fraction + " GB";
}

// Days since 1970-01-01 to the proleptic Gregorian calendar (H. Hinnant's civil_from_days).
std::string ListDateOf(std::int64_t utcSeconds)
{
    constexpr std::int64_t kSecondsPerDay = 86400;
    std::int64_t days = utcSeconds / kSecondsPerDay;
    if (utcSeconds % kSecondsPerDay < 0)
        --days;
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return FormatListDate({year, month, day});
}
