#pragma once

#include "batch/RenameItem.h"
#include "engine/RenameRules.h"

#include <cstdint>
#include <string>
#include <vector>

class FileOps;
class PassProgress;

struct RenamePassSettings {
    RenameRules fileRules;
    RenameRules extRules;
    bool filesMode = true;
    std::int32_t start = 1;  // the counter of the first row; row i gets start + i
    int dateKind = 0;        // cboFileDate: 0 "Created", 1 "Modified Date", 2 and 3 "Accessed"
};

struct RenamePassResult {
    enum class End { Completed, Stopped, BlankName, SlashInName };
    End end = End::Completed;
    int folderFailures = 0;  // folders left alone: a different folder of the target name exists
    int failures = 0;        // items the system refused to rename
    std::string firstReason;
};

// Renames every row that has no "New Name" yet, first to last. Each handled row gets "Org";
// it gets "New Name" only when its item really bears that name now. A blank computed name, or
// one holding "/", ends the walk at that row. The engine's conversion errors throw and end the
// walk there; rows handled before keep what they got.
RenamePassResult RenameRows(std::vector<RenameItem>& rows, const RenamePassSettings& settings,
                            FileOps& ops, PassProgress& progress);

struct UndoPassResult {
    int handled = 0;  // rows that had a "New Name"
    int failures = 0;
    std::string firstReason;
};

// Gives every renamed row its "Org" name back, last row first, so a name that a later row took
// from an earlier one is free again when the earlier row's turn comes. A row whose rename back
// fails keeps its "New Name" and "Original Name", so Undo can run again.
UndoPassResult UndoRows(std::vector<RenameItem>& rows, bool filesMode, FileOps& ops, PassProgress& progress);
