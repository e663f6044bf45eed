#pragma once

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
