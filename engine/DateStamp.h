#pragma once

#include <string>
#include <string_view>

// A local calendar moment, as the date stamp needs it.
struct DateTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime&) const = default;
};

bool IsValidDate(int year, int month, int day);

// Reads a list date, day/month/year (the form "dd/MM/yyyy"), as that day at midnight.
// Throws std::invalid_argument "'<text>' is not a valid date".
DateTime ParseListDate(std::string_view text);

// The form the lists use, "dd/MM/yyyy", always with "/" whatever the locale says.
std::string FormatListDate(const DateTime& moment);

// Writes the moment with a stamp pattern: "YYYY", "YY", "MM" and "DD" in either case, other
// characters as they stand. The empty pattern writes "dd/MM/yyyy", and " HH:mm:ss" after it
// when the moment is not midnight.
std::string FormatDatePattern(std::string_view pattern, const DateTime& moment);

// The stamp added to a name: the pattern's text with every separator stripped.
std::string DateStamp(std::string_view pattern, const DateTime& moment);

// The current local moment, from the clock or from the source tests put in its place.
DateTime LocalNow();

// Puts another clock in place of the system's (nullptr restores it); returns the previous one.
using NowSource = DateTime (*)();
NowSource SetNowSource(NowSource source);
