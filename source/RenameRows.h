#pragma once

#include "batch/RenameItem.h"
#include "platform/DirectoryListing.h"
#include "platform/PassProgress.h"
#include "source/FileEntry.h"

#include <functional>
#include <string>
#include <vector>

// Fills the tag cells of a new rename list row from the file at fullPath. It is called only
// for regular files, so a FIFO or a device named like an MP3 file is never opened. What it
// throws ends the adding: the row it was given is not added.
using TagReader = std::function<void(const std::string& fullPath, RenameItem& row)>;

// A rename list row from a file list row: "Original Name", "Type", "Modified Date", "Created"
// and "Accessed" from the row, "Path" = folderPath (ending with "/"), the rest empty.
RenameItem RowFromEntry(const FileEntry& entry, const std::string& folderPath);

// A rename list row for a file the subfolder walk found in folderPath.
RenameItem RowFromWalkedFile(const DirectoryEntry& file, const std::string& folderPath);

// "Add Selected" and "Add All": appends to rows one rename list row per file list row given
// (FilesModel::Row of each selected or shown row), in that order, with the tags read through
// readTags when it is set. Continue is asked before every row and Advance told after it;
// returns false when Continue stopped it. When readTags throws, rows keeps the rows made
// before.
bool AddFileRows(const std::vector<const FileEntry*>& entries, const std::string& folderPath,
                 const TagReader& readTags, PassProgress& progress,
                 std::vector<RenameItem>& rows);
