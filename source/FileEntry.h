#pragma once

#include "platform/DirectoryListing.h"

#include <cstdint>
#include <string>

// One row of the file list: a file or a folder of the listed folder.
struct FileEntry {
    std::string name;          // the exact bytes the file system gives
    std::string type;          // type name of the extension, or "File Folder"
    std::string sizeText;      // "12 KB"; empty for a folder
    std::string modifiedDate;  // "dd/MM/yyyy", UTC
    std::uint64_t size = 0;    // exact size for sorting; 0 for a folder
    std::string createdDate;
    std::string accessedDate;
    // What the entry is (a link counts as what it points to). Tags are read only from a File.
    EntryKind kind = EntryKind::File;

    bool IsFolder() const { return kind == EntryKind::Folder; }
};
