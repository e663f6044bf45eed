#pragma once

#include "batch/RenameItem.h"

#include <vector>

// The order of the rename list after a header click on column, under the list's sort direction
// flag: result[i] is the old index of the row that goes to position i.
//
// With the flag true, text columns run A to Z (only a-z folded, other bytes by unsigned value),
// "Modified Date" newest first and "Year" highest first; false reverses each. Rows whose date
// or year is empty or unreadable go last in both directions. Ties keep their order.
// "Org", "Created" and "Accessed" have no comparison: the order is left as it is.
std::vector<int> RenameSortOrder(const std::vector<RenameItem>& rows, RenameItem::Column column,
                                 bool flag);
