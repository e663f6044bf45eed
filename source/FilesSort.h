#pragma once

#include "source/FileEntry.h"

#include <vector>

// What a header click on the file list compares.
enum class FilesSortKey { Name, Type, Size, ModifiedDate };

// The shown order after sorting: shown[i] is the index in rows of the row shown at i; the
// result is the new shown order. With ascending, "Name" and "Type" run A to Z (only a-z folded,
// other bytes by unsigned value) and "Size" and "Modified Date" (parsed back from its text,
// to the day) smallest and oldest first; without it, the reverse. Ties keep their order.
std::vector<int> SortedShownOrder(const std::vector<FileEntry>& rows,
                                  const std::vector<int>& shown, FilesSortKey key,
                                  bool ascending);
