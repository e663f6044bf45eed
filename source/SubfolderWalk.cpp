#include "source/SubfolderWalk.h"

#include "platform/DirectoryListing.h"

namespace {

struct Walk {
    const FileFilter& filter;
    const FolderEntered& entered;
    const TagReader& readTags;
    PassProgress& progress;
    std::vector<RenameItem>& rows;
    std::size_t index = 0;

    bool Folder(const std::string& folder)
    {
        DirectoryListing listing(folder);
        DirectoryEntry entry;
        for (;;) {
            if (!progress.Continue())
                return false;
            if (!listing.Next(entry))
                return true;
            if (entry.kind == EntryKind::Folder) {
                if (!entry.isLink) {
                    if (entered)
                        entered(entry.name);
                    if (!Folder(folder + entry.name + '/'))
                        return false;
                }
            } else if (filter.Admits(entry.name)) {
                RenameItem row = RowFromWalkedFile(entry, folder);
                if (readTags && entry.kind == EntryKind::File)
                    readTags(folder + entry.name, row);
                rows.push_back(std::move(row));
            }
            progress.Advance(index++);
        }
    }
};

} // namespace

bool WalkSubfolders(const std::string& folder, const FileFilter& filter,
                    const FolderEntered& entered, const TagReader& readTags,
                    PassProgress& progress, std::vector<RenameItem>& rows)
{
    return Walk{filter, entered, readTags, progress, rows}.Folder(folder);
}
