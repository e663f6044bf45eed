#include "source/FolderListing.h"

#include "platform/TypeNames.h"
#include "source/EntryTexts.h"

std::string FolderPathOf(std::string treePath)
{
    if (!treePath.ends_with('/'))
        treePath += '/';
    return treePath;
}

FileEntry MakeFileEntry(const DirectoryEntry& entry)
{
    FileEntry row;
    row.name = entry.name;
    row.kind = entry.kind;
    if (entry.kind == EntryKind::Folder) {
        row.type = kFolderTypeName;
    } else {
        row.type = TypeNameOf(ExtensionOf(entry.name));
        row.sizeText = SizeText(entry.size);
        row.size = entry.size;
    }
    row.modifiedDate = ListDateOf(entry.modified);
    row.createdDate = ListDateOf(entry.created);
    row.accessedDate = ListDateOf(entry.accessed);
    return row;
}

bool ListFolder(const std::string& folder, ListMode mode, const FileFilter& filter,
                PassProgress& progress, std::vector<FileEntry>& rows)
{
    DirectoryListing listing(folder);
    DirectoryEntry entry;
    for (std::size_t index = 0;; ++index) {
        if (!progress.Continue())
            return false;
        if (!listing.Next(entry))
            return true;
        const bool isFolder = entry.kind == EntryKind::Folder;
        if (mode == ListMode::Folders ? isFolder : !isFolder && filter.Admits(entry.name))
            rows.push_back(MakeFileEntry(entry));
        progress.Advance(index);
    }
}
