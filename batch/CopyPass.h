#pragma once

#include "batch/RenameItem.h"

#include <string>
#include <vector>

class FileOps;
class PassProgress;

struct CopyPassResult {
    int copied = 0;
    int failures = 0;
    std::string firstReason;
    bool stopped = false;
};

// Copies the file of every renamed row, under its new name, into targetFolder (ending in
// "/"), replacing a file of that name there. Rows without a "New Name" are passed over.
CopyPassResult CopyRows(const std::vector<RenameItem>& rows, const std::string& targetFolder,
                        FileOps& ops, PassProgress& progress);
