#pragma once

#include "batch/RenameItem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The most bytes WriteCsvField writes for a field of `size` bytes: every byte a doubled quote,
// and the two quotes around.
constexpr std::size_t CsvFieldBound(std::size_t size)
{
    return 2 * size + 2;
}

// Writes `field` at `out` as a CSV field: as it is, or, where it holds a comma, a double quote,
// CR or LF, in double quotes with each inner quote doubled. Returns the end of what it wrote.
char* WriteCsvField(char* out, std::string_view field);

// Puts into `text` the report's lines for rows [first, last): "Original Name", "New Name",
// "Path", "Type" and "Date" as fields, each line ending in CR LF. `text` may hold anything
// before; its storage serves again without being cleared.
void WriteCsvLines(const std::vector<RenameItem>& rows, std::size_t first, std::size_t last, std::string& text);
