#include "bench/Cases.h"
#include "bench/Fixtures.h"

#include "batch/RenamedModel.h"
#include "source/FilesModel.h"
#include "source/FolderListing.h"
#include "source/SubfolderWalk.h"
#include "source/untProg.h"

#include <QTableView>

// Relisting a folder into the shown file list: clear it, list with repainting suspended,
// append the rows, repaint.
CaseResult ListCase(const BenchContext& context)
{
    const std::string& folder = FlatFolder(context.scratch, context.files);
    CaseResult result;
    RawList(folder);
    result.baselineSeconds = TimeRaw([] {}, [&] { RawList(folder); });

    FilesModel model;
    const auto view = ShowTable(&model);
    const FileFilter filter = FileFilter::ForEntry(kAllFilesFilter);
    const auto relist = [&] {
        view->setUpdatesEnabled(false);
        model.Clear();
        PumpingProgress progress;
        std::vector<FileEntry> rows;
        ListFolder(folder, ListMode::Files, filter, progress, rows);
        model.Append(std::move(rows));
        view->setUpdatesEnabled(true);
    };
    relist();
    TimeWatched(result, [] {}, relist);
    result.n = static_cast<std::size_t>(model.rowCount());
    return result;
}

// "Add All Files >>" with subfolders: the walk with the progress window naming each folder,
// its rows appended to the shown rename list.
CaseResult WalkCase(const BenchContext& context)
{
    const std::string& root = FolderTree(context.scratch, context.files);
    CaseResult result;
    RawWalk(root);
    result.baselineSeconds = TimeRaw([] {}, [&] { RawWalk(root); });

    RenamedModel renamed;
    const auto view = ShowTable(&renamed);
    TfrmProg progressWindow(view.get());
    progressWindow.show();
    const FileFilter filter = FileFilter::ForEntry(kAllFilesFilter);
    const FolderEntered entered = [&](const std::string& name) {
        progressWindow.SetFolderName(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    };
    TimeWatched(result, [&] { renamed.Clear(); }, [&] {
        PumpingProgress progress;
        std::vector<RenameItem> rows;
        WalkSubfolders(root, filter, entered, {}, progress, rows);
        renamed.Append(std::move(rows));
    });
    result.n = renamed.Rows().size();
    return result;
}
