#pragma once

#include "platform/DirectoryListing.h"

#include <cstdint>
#include <optional>
#include <string>

// What the properties window shows of one file or folder. A link is described by what it
// points to.
struct ItemStatus {
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;
    // UTC seconds since 1970; created as the folder listing has it (the birth time where the
    // file system records one, else the last status change).
    std::int64_t created = 0;
    std::int64_t modified = 0;
    std::int64_t accessed = 0;
    unsigned permissions = 0;  // the mode's permission bits, 07777 at most
    std::string owner;         // the user name, or the number where no name is known
    std::string group;
};

// Empty when the item does not exist (a link that leads nowhere included) or cannot be read.
std::optional<ItemStatus> ReadItemStatus(const std::string& path);
