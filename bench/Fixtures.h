#pragma once

#include <cstddef>
#include <string>

// Fixtures on disk, made once per run of the bench and shared by the cases that need them.

// A folder of `files` files with a few picture, music and text extensions and sizes up to a
// few megabytes (sparse, so they cost no disk). Returns its path, ending with "/".
const std::string& FlatFolder(const std::string& scratch, std::size_t files);

// `files` files spread evenly over files / 100 folders, two levels deep. Returns its path.
const std::string& FolderTree(const std::string& scratch, std::size_t files);

// The raw baseline: readdir and statx over one folder, or over a whole tree; the number of
// entries seen.
std::size_t RawList(const std::string& folder);
std::size_t RawWalk(const std::string& folder);
