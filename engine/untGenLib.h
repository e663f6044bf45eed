#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small text operations the rename stages are built from. Texts are UTF-8; positions and
// lengths count characters (Utf8Text.h).

// Whole number in decimal or hexadecimal ("$1F", "x1F", "0x1F"), after leading spaces and one
// optional sign; nothing may follow the digits. Throws std::invalid_argument
// "'<text>' is not a valid integer value" otherwise, or when the value leaves 32 bits.
std::int32_t ParseInt(std::string_view text);

// ParseInt without the error: nothing where ParseInt would throw.
std::optional<std::int32_t> TryParseInt(std::string_view text);

// ParseInt, with 0 wherever ParseInt would throw.
std::int32_t ParseIntOrZero(std::string_view text);

// mode is "Lower", "Upper", "ToggleCase" or "TitleCase". Only ASCII letters change; in
// "TitleCase" only a space starts a word.
std::string ChangeCase(std::string_view text, std::string_view mode);

// className is "Alpha", "Num", "Brackets" or "Spec"; any other name leaves the text as it is.
std::string RemoveCharClass(std::string_view text, std::string_view className);

// Decimal text of value with zeros in front up to width, in front of a minus sign too.
std::string ZeroPad(std::int32_t value, std::int32_t width);

// Replaces the first (or, with all, every non-overlapping) occurrence of pattern. ignoreCase
// compares characters upper-cased by the Unicode simple mapping; the result keeps the input's
// own case outside the matches.
std::string ReplaceText(std::string_view text, std::string_view pattern,
                        std::string_view replacement, bool all, bool ignoreCase);

// Appends to list the pieces of text between separators; blanks around each piece after the
// first are trimmed (the first keeps its leading blanks, the last is trimmed on both sides).
void SplitToList(std::string_view text, std::vector<std::string>& list, std::string_view separator);
