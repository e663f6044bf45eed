#pragma once

#include "platform/FileAccess.h"

#include <string>
#include <string_view>

// The file operations of the rename, undo and copy passes, over raw path bytes. Each returns
// success or the system's reason; passes take a FileOps& so tests can put a failing one in.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Moves a file, never replacing an existing target ("File exists"). Moving a name onto
    // itself succeeds without touching it (if it exists); a change of letter case alone is
    // carried out on a file system that ignores case too.
    virtual FileStatus MoveFile(const std::string& from, const std::string& to) = 0;
    // Renames a folder with the same guarantees as MoveFile. A folder cannot be linked, and a
    // rename without RENAME_NOREPLACE could replace an empty folder of the target name, so on a
    // file system that rejects the flag this fails with the system's reason.
    virtual FileStatus ShellRename(const std::string& from, const std::string& to) = 0;
    // Copies a regular file, replacing `to`, with the source's modification time and
    // permissions. A failure leaves any existing `to` whole; a copy onto the source itself is
    // refused.
    virtual FileStatus ShellCopy(const std::string& from, const std::string& to) = 0;

    // Every existing name is exactly one of these two: a link counts as what it points to, and
    // a dangling link as a file, since its name is taken all the same.
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

FileOps& SystemFileOps();

// MoveFile with the route it takes by itself where the file system rejects RENAME_NOREPLACE:
// link + unlink, which equally refuses an existing target. Declared so tests reach that route
// on any file system.
FileStatus MoveFileByLink(const std::string& from, const std::string& to);

// Byte-wise comparison with ASCII letters folded; no other normalisation ("/" and "//" differ).
bool SamePathIgnoringCase(std::string_view a, std::string_view b);
