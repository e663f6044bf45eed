#pragma once

#include "batch/RenameItem.h"

#include <cstddef>
#include <string_view>

// The most bytes WriteCsvField writes for a field of `size` bytes: every byte a doubled quote,
// and the two quotes around.
constexpr std::size_t CsvFieldBound(std::size_t size)
{
    return 2 * size + 2;
}

// Writes `field` at `out` as a CSV field: as it is, or, where it holds a comma, a double quote,
// CR or LF, in double quotes with each inner quote doubled. Returns the end of what it wrote.
char* WriteCsvField(char* out, std::string_view field);

// The most bytes WriteCsvLine writes for `row`.
std::size_t CsvLineBound(const RenameItem& row);

// Writes the report's line for `row`: "Original Name", "New Name", "Path", "Type" and "Date" as
// fields, then CR LF. Returns the end of what it wrote.
char* WriteCsvLine(char* out, const RenameItem& row);

// Asks memory for what WriteCsvLine will read of a row some rows ahead: a long list is far
// larger than the caches, and waiting for each row in turn costs more than writing its line.
// The cells first; their texts once the cells have come.
void PrefetchCsvCells(const RenameItem& row);
void PrefetchCsvTexts(const RenameItem& row);
