#include "batch/CopyPass.h"

#include "platform/FileOps.h"
#include "platform/PassProgress.h"

CopyPassResult CopyRows(const std::vector<RenameItem>& rows, const std::string& targetFolder,
                        FileOps& ops, PassProgress& progress)
{
    CopyPassResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RenameItem& row = rows[i];
        if (!row.IsDone())
            continue;
        if (!progress.Continue()) {
            result.stopped = true;
            break;
        }
        const std::string& name = row[RenameItem::NewName];
        const FileStatus status = ops.ShellCopy(row[RenameItem::Path] + name, targetFolder + name);
        if (status.ok)
            ++result.copied;
        else if (result.failures++ == 0)
            result.firstReason = status.error;
        progress.Advance(i);
    }
    return result;
}
