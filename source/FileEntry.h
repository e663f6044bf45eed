#pragma once

#include <cstdint>
#include <string>

// One row of the file list: a file or a folder of the listed folder.
struct FileEntry {
    std::string name;          // UTF-8 bytes as the file system gives them
    std::string type;          // type name of the extension, or "File Folder"
    std::string sizeText;      // "12 KB"; empty for a folder
    std::string modifiedDate;  // "dd/MM/yyyy", UTC
    std::uint64_t size = 0;    // exact size for sorting; 0 for a folder
    std::string createdDate;
    std::string accessedDate;
    bool isFolder = false;
};
