#pragma once

#include "engine/RenameRules.h"

#include <cstdint>
#include <string>
#include <string_view>

// The new name of one item, computed from its old name under the two records. Pure: no file,
// no list; only the "Todays Date" stamp reads the clock (DateStamp.h).

struct NameParts {
    std::string base;
    std::string ext;  // from the last "." to the end, dot included; empty without a dot
};

// Splits a file name at its last dot. A folder name has no extension: callers in folders mode
// pass the whole folder name to NewBaseName and use its result alone, so «Trip.2024» keeps
// «.2024».
NameParts SplitName(std::string_view name);

// The Remove group of rules applied to text: character classes, the text at a position, then
// the given text. Throws std::invalid_argument when the position or length is read and is no
// number.
std::string ApplyRemovals(std::string_view text, const RenameRules& rules);

// The rewritten base name with counter, appended text and date stamp. dateText is the item's
// date in "dd/MM/yyyy"; it must be a valid date unless the stamp shows "Todays Date", even when
// the stamp is off. Throws std::invalid_argument for an unreadable number or date.
std::string NewBaseName(const RenameRules& rules, std::string_view base,
                        std::int32_t counter, std::string_view dateText);

// The rewritten extension: "." and the text in files mode, the text alone in folders mode.
// ext is the old extension as SplitName gives it.
std::string NewExtension(const RenameRules& rules, std::string_view ext,
                         std::int32_t counter, bool filesMode);

// The new name: the extension is joined only when it holds text after its dot, so «notes»
// never becomes «notes.».
std::string JoinName(std::string_view newBase, std::string_view newExt);
