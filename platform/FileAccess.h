#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Byte-wise access to regular files by raw path bytes; no file stays open between calls.
// Anything that is not a regular file (a folder, FIFO or device) is refused without waiting
// on it, and no call creates a file.

// Success, or the system's reason for the failure (strerror text).
struct FileStatus {
    bool ok = true;
    std::string error;
};

struct FileTail {
    FileStatus status;
    std::uint64_t size = 0;
    // The last bytes of the file: as many as asked for, or the whole file when it is shorter.
    std::string bytes;
};

struct FileInfo {
    FileStatus status;
    std::uint64_t size = 0;
    // The permission bits of st_mode (07777).
    unsigned permissions = 0;
};

inline constexpr unsigned kOwnerWritePermission = 0200;

FileTail ReadFileTail(const std::string& path, std::size_t count);

// offset counts from the start of the file; a negative one fails.
FileStatus WriteFileAt(const std::string& path, std::int64_t offset, std::string_view bytes);

FileStatus AppendToFile(const std::string& path, std::string_view bytes);

FileInfo ReadFileInfo(const std::string& path);

FileStatus SetFileMode(const std::string& path, unsigned permissions);

// A regular file of that name exists (a symbolic link counts by its target).
bool RegularFileExists(const std::string& path);
