#pragma once

#include "engine/TextUtil.h"

#include <array>
#include <string>

// One row of the rename list: 13 text cells, UTF-8 bytes as the file system gives them.
// "Path" ends with "/"; dates are "dd/MM/yyyy"; a missing value is the empty text.
struct RenameItem {
    enum Column {
        OriginalName,
        NewName,
        Path,
        Type,
        ModifiedDate,
        Title,
        Artist,
        Album,
        Year,
        Genre,
        Org,
        Created,
        Accessed,
        ColumnCount
    };

    std::array<std::string, ColumnCount> cells;

    std::string& operator[](Column column) { return cells[column]; }
    const std::string& operator[](Column column) const { return cells[column]; }

    // Renamed by the last pass and not undone.
    bool IsDone() const { return !cells[NewName].empty(); }
};

// The item's full path under its present name: "Path" + "New Name", or + "Original Name" while
// "New Name" is blank (never renamed, or undone).
inline std::string CurrentPath(const RenameItem& item)
{
    const std::string& newName = item[RenameItem::NewName];
    return item[RenameItem::Path] + (IsBlankText(newName) ? item[RenameItem::OriginalName] : newName);
}
