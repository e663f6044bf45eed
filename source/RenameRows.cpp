#include "source/RenameRows.h"

#include "platform/TypeNames.h"
#include "source/EntryTexts.h"
#include "source/FileFilter.h"

RenameItem RowFromEntry(const FileEntry& entry, const std::string& folderPath)
{
    RenameItem row;
    row[RenameItem::OriginalName] = entry.name;
    row[RenameItem::Path] = folderPath;
    row[RenameItem::Type] = entry.type;
    row[RenameItem::ModifiedDate] = entry.modifiedDate;
    row[RenameItem::Created] = entry.createdDate;
    row[RenameItem::Accessed] = entry.accessedDate;
    return row;
}

RenameItem RowFromWalkedFile(const DirectoryEntry& file, const std::string& folderPath)
{
    RenameItem row;
    row[RenameItem::OriginalName] = file.name;
    row[RenameItem::Path] = folderPath;
    row[RenameItem::Type] = TypeNameOf(ExtensionOf(file.name));
    row[RenameItem::ModifiedDate] = ListDateOf(file.modified);
    row[RenameItem::Created] = ListDateOf(file.created);
    row[RenameItem::Accessed] = ListDateOf(file.accessed);
    return row;
}

bool AddFileRows(const std::vector<const FileEntry*>& entries, const std::string& folderPath,
                 const TagReader& readTags, PassProgress& progress,
                 std::vector<RenameItem>& rows)
{
    rows.reserve(rows.size() + entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (!progress.Continue())
            return false;
        const FileEntry& entry = *entries[index];
        RenameItem row = RowFromEntry(entry, folderPath);
        if (readTags && entry.kind == EntryKind::File)
            readTags(folderPath + entry.name, row);
        rows.push_back(std::move(row));
        progress.Advance(index);
    }
    return true;
}
