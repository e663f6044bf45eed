#include "batch/RenamePass.h"

#include "engine/NewName.h"
#include "platform/FileOps.h"
#include "platform/PassProgress.h"

namespace {

const std::string& DateTextOf(const RenameItem& row, int dateKind)
{
    switch (dateKind) {
    case 0:
        return row[RenameItem::Created];
    case 1:
        return row[RenameItem::ModifiedDate];
    default:
        return row[RenameItem::Accessed];
    }
}

// A name no file system entry can bear counts as blank.
bool IsBlankName(const std::string& name)
{
    return name.empty() || name == "." || name == ".." || name.find('\0') != std::string::npos;
}

void NoteFailure(int& failures, std::string& firstReason, const std::string& reason)
{
    if (failures++ == 0)
        firstReason = reason;
}

} // namespace

RenamePassResult RenameRows(std::vector<RenameItem>& rows, const RenamePassSettings& settings,
                            FileOps& ops, PassProgress& progress)
{
    RenamePassResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!progress.Continue()) {
            result.end = RenamePassResult::End::Stopped;
            break;
        }
        RenameItem& row = rows[i];
        if (row.IsDone()) {
            progress.Advance(i);
            continue;
        }
        const std::int32_t counter = settings.start + static_cast<std::int32_t>(i);
        const std::string& original = row[RenameItem::OriginalName];
        // A folder name has no extension: the whole name is the base name.
        const NameParts parts = settings.filesMode ? SplitName(original) : NameParts{original, {}};
        const std::string newBase = NewBaseName(settings.fileRules, parts.base, counter, DateTextOf(row, settings.dateKind));
        const std::string newName = settings.filesMode
            ? JoinName(newBase, NewExtension(settings.extRules, parts.ext, counter, true))
            : newBase;
        if (IsBlankName(newBase) || IsBlankName(newName)) {
            result.end = RenamePassResult::End::BlankName;
            break;
        }
        if (newName.find('/') != std::string::npos) {
            result.end = RenamePassResult::End::SlashInName;
            break;
        }

        row[RenameItem::Org] = original;
        const std::string from = row[RenameItem::Path] + original;
        const std::string to = row[RenameItem::Path] + newName;
        if (!settings.filesMode && ops.FolderExists(to) && !SamePathIgnoringCase(from, to)) {
            ++result.folderFailures;
        } else {
            const FileStatus status = settings.filesMode ? ops.MoveFile(from, to) : ops.ShellRename(from, to);
            if (status.ok)
                row[RenameItem::NewName] = newName;
            else
                NoteFailure(result.failures, result.firstReason, status.error);
        }
        progress.Advance(i);
    }
    return result;
}

UndoPassResult UndoRows(std::vector<RenameItem>& rows, bool filesMode, FileOps& ops, PassProgress& progress)
{
    UndoPassResult result;
    for (std::size_t i = rows.size(); i-- > 0;) {
        RenameItem& row = rows[i];
        if (!row.IsDone())
            continue;
        ++result.handled;
        const std::string from = row[RenameItem::Path] + row[RenameItem::NewName];
        const std::string to = row[RenameItem::Path] + row[RenameItem::Org];
        const FileStatus status = filesMode ? ops.MoveFile(from, to) : ops.ShellRename(from, to);
        if (status.ok) {
            row[RenameItem::OriginalName] = row[RenameItem::Org];
            row[RenameItem::NewName].clear();
        } else {
            NoteFailure(result.failures, result.firstReason, status.error);
        }
        progress.Advance(rows.size() - 1 - i);
    }
    return result;
}
