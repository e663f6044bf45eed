#pragma once

#include <dirent.h>

#include <cstdint>
#include <string>

enum class EntryKind {
    File,    // a regular file
    Folder,
    Other,   // a FIFO, a device, a socket, or a link that leads nowhere
};

// One entry of a folder. A symbolic link is described by what it points to; isLink says that
// it is one, so a walk can refuse to descend through it.
struct DirectoryEntry {
    std::string name;  // the exact bytes the file system gives
    EntryKind kind = EntryKind::Other;
    bool isLink = false;
    std::uint64_t size = 0;
    // UTC seconds since 1970. created is the birth time where the file system records one,
    // else the last status change.
    std::int64_t modified = 0;
    std::int64_t accessed = 0;
    std::int64_t created = 0;
};

// The entries of one folder in the order the file system returns them, "." and ".." left
// out. Hidden entries are listed like any other. A folder that cannot be opened has no
// entries, and an entry that vanishes before its status is read is passed over.
class DirectoryListing {
public:
    explicit DirectoryListing(const std::string& folder);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // Fills entry with the next entry; false when none is left.
    bool Next(DirectoryEntry& entry);

private:
    DIR* m_dir;
};
