#pragma once

#include "platform/DirectoryListing.h"
#include "platform/PassProgress.h"
#include "source/FileEntry.h"
#include "source/FileFilter.h"

#include <string>
#include <vector>

enum class ListMode { Files, Folders };

// The folder path of a folder tree node: a path that already ends with "/" (the root) stays as
// it is, any other gets "/" appended. Listing rows and rename list rows join it to a name.
std::string FolderPathOf(std::string treePath);

// The file list row of a directory entry: the type name, the size texts and the UTC dates.
FileEntry MakeFileEntry(const DirectoryEntry& entry);

// Appends to rows the entries of folder (a path ending with "/") in the order the file system
// gives them. Files mode lists every non-folder entry the filter admits, hidden ones too;
// folders mode lists every folder, with no filter. A link shows as what it points to.
// Continue is asked before every entry and Advance told after it. Returns false when
// Continue stopped the listing; rows then holds what was listed so far.
bool ListFolder(const std::string& folder, ListMode mode, const FileFilter& filter,
                PassProgress& progress, std::vector<FileEntry>& rows);
