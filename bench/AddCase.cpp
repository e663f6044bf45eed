#include "bench/Cases.h"
#include "bench/Fixtures.h"

#include "batch/RenamedModel.h"
#include "source/FilesModel.h"
#include "source/FolderListing.h"
#include "source/RenameRows.h"

#include <QTableView>

#include <array>

// "Add All Files >>": every listed row becomes a rename list row in the shown rename list,
// against copying the same 13 cells per row into a vector.
CaseResult AddCase(const BenchContext& context)
{
    const std::string& folder = FlatFolder(context.scratch, context.files);
    FilesModel files;
    {
        std::vector<FileEntry> listed;
        PumpingProgress listing;
        ListFolder(folder, ListMode::Files, FileFilter::ForEntry(kAllFilesFilter), listing,
                   listed);
        files.Append(std::move(listed));
    }
    const std::string path = FolderPathOf(folder);
    CaseResult result;
    result.n = static_cast<std::size_t>(files.rowCount());

    std::vector<std::array<std::string, RenameItem::ColumnCount>> copies;
    // A fresh vector each time, as the rename list's rows are.
    result.baselineSeconds = TimeRaw([&] { copies = decltype(copies)(); }, [&] {
        copies.reserve(result.n);
        for (int row = 0; row < files.rowCount(); ++row) {
            const FileEntry& entry = files.Row(row);
            copies.push_back({entry.name, {}, path, entry.type, entry.modifiedDate, {}, {}, {}, {},
                              {}, {}, entry.createdDate, entry.accessedDate});
        }
    });

    RenamedModel renamed;
    const auto view = ShowTable(&renamed);
    TimeWatched(result, [&] { renamed.Clear(); }, [&] {
        std::vector<const FileEntry*> all;
        all.reserve(result.n);
        for (int row = 0; row < files.rowCount(); ++row)
            all.push_back(&files.Row(row));
        PumpingProgress progress;
        std::vector<RenameItem> rows;
        AddFileRows(all, path, {}, progress, rows);
        renamed.Append(std::move(rows));
    });
    return result;
}
