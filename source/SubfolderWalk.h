#pragma once

#include "platform/PassProgress.h"
#include "source/FileFilter.h"
#include "source/RenameRows.h"

#include <functional>
#include <string>
#include <vector>

// Told the name of each subfolder as the walk enters it, for the progress window.
using FolderEntered = std::function<void(const std::string& name)>;

// "Add All Files (including subfolder files)": appends to rows one rename list row per file
// that the filter admits in folder (a path ending with "/") and, depth first in the order
// the file system gives the entries, in all its subfolders. Folders never become rows, and a
// link to a folder is never followed, so a link to a parent cannot make the walk loop. A
// folder that cannot be read adds nothing. Continue is asked before every entry and Advance
// told after it; returns false when Continue stopped the walk, at every level, with the rows
// found so far kept. When readTags throws, rows keeps the rows made before.
bool WalkSubfolders(const std::string& folder, const FileFilter& filter,
                    const FolderEntered& entered, const TagReader& readTags,
                    PassProgress& progress, std::vector<RenameItem>& rows);
