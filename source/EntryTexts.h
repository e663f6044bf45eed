#pragma once

#include <cstdint>
#include <string>

// The size column's text: "1023 bytes", "2 KB" (1600 bytes), "1 MB", "1.00 GB". Rounded to
// the nearest whole number (two decimals for GB, with the locale's decimal point), halves
// away from zero, no thousands separator.
std::string SizeText(std::uint64_t size);

// The UTC date of a time stamp (seconds since 1970) as "dd/MM/yyyy"; the time of day and the
// local zone play no part.
std::string ListDateOf(std::int64_t utcSeconds);
