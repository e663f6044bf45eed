#include "bench/Cases.h"

#include "batch/CopyPass.h"
#include "batch/ListExport.h"
#include "batch/RenamePass.h"
#include "batch/RenamedModel.h"
#include "engine/DateStamp.h"
#include "platform/FileOps.h"
#include "platform/FileWrite.h"

#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The rename list's passes against the raw system calls that do the same work.
namespace {

std::string Name(const char* stem, std::size_t i)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s%07zu.jpg", stem, i);
    return name;
}

void MakeFiles(const std::string& folder, std::size_t count, std::size_t size, const char* stem)
{
    mkdir(folder.c_str(), 0755);
    const std::string content(size, 'x');
    for (std::size_t i = 0; i < count; ++i) {
        const int fd = open((folder + Name(stem, i)).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0) {
            if (!content.empty() && write(fd, content.data(), content.size()) < 0)
                std::perror("write");
            close(fd);
        }
    }
}

// The names a rename with a counter suffix gives: «f0000001.jpg» -> «f00000012.jpg».
struct RenameFixture {
    std::string folder;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    RenamePassSettings settings;

    RenameFixture(const std::string& scratch, std::size_t count)
        : folder(scratch + "rename/")
    {
        MakeFiles(folder, count, 0, "f");
        settings.fileRules.counter = true;
        for (std::size_t i = 0; i < count; ++i) {
            oldNames.push_back(Name("f", i));
            newNames.push_back(oldNames.back().substr(0, oldNames.back().size() - 4) + std::to_string(1 + i) + ".jpg");
        }
    }

    std::vector<RenameItem> Rows() const
    {
        std::vector<RenameItem> rows(oldNames.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i][RenameItem::OriginalName] = oldNames[i];
            rows[i][RenameItem::Path] = folder;
            rows[i][RenameItem::Created] = "05/03/2009";
        }
        return rows;
    }

    void Move(const std::vector<std::string>& from, const std::vector<std::string>& to) const
    {
        for (std::size_t i = 0; i < from.size(); ++i) {
            if (renameat2(AT_FDCWD, (folder + from[i]).c_str(), AT_FDCWD, (folder + to[i]).c_str(), RENAME_NOREPLACE) != 0)
                std::perror("renameat2");
        }
    }
};

} // namespace

CaseResult RenameCase(const BenchContext& context)
{
    const RenameFixture fixture(context.scratch, context.files);
    CaseResult result;
    result.n = context.files;
    bool renamedOnDisk = false;
    const auto nameBack = [&] {
        if (renamedOnDisk)
            fixture.Move(fixture.newNames, fixture.oldNames);
        renamedOnDisk = true;
    };
    result.baselineSeconds = TimeRaw(nameBack, [&] { fixture.Move(fixture.oldNames, fixture.newNames); });

    RenamedModel renamed;
    const auto view = ShowTable(&renamed);
    TimeWatched(result, [&] {
        nameBack();
        renamed.Clear();
        renamed.Append(fixture.Rows());
    }, [&] {
        PumpingProgress progress;
        RenameRows(renamed.MutableRows(), fixture.settings, SystemFileOps(), progress);
        renamed.CellsChanged(0, renamed.rowCount() - 1);
    });
    fixture.Move(fixture.newNames, fixture.oldNames);
    return result;
}

CaseResult UndoCase(const BenchContext& context)
{
    const RenameFixture fixture(context.scratch, context.files);
    CaseResult result;
    result.n = context.files;
    result.baselineSeconds = TimeRaw([&] { fixture.Move(fixture.oldNames, fixture.newNames); },
                                     [&] { fixture.Move(fixture.newNames, fixture.oldNames); });

    RenamedModel renamed;
    const auto view = ShowTable(&renamed);
    TimeWatched(result, [&] {
        renamed.Clear();
        renamed.Append(fixture.Rows());
        PumpingProgress progress;
        RenameRows(renamed.MutableRows(), fixture.settings, SystemFileOps(), progress);
    }, [&] {
        PumpingProgress progress;
        UndoRows(renamed.MutableRows(), true, SystemFileOps(), progress);
        renamed.CellsChanged(0, renamed.rowCount() - 1);
    });
    return result;
}

CaseResult CopyCase(const BenchContext& context)
{
    const std::size_t count = std::max<std::size_t>(context.files / 10, 1);
    const std::string source = context.scratch + "copy-source/";
    const std::string target = context.scratch + "copy-target/";
    MakeFiles(source, count, 4096, "c");
    mkdir(target.c_str(), 0755);
    // Both sides start from an empty target with nothing left to write back.
    const auto emptyTarget = [&] {
        for (std::size_t i = 0; i < count; ++i)
            unlink((target + Name("c", i)).c_str());
        sync();
    };
    const auto rawCopy = [&] {
        for (std::size_t i = 0; i < count; ++i) {
            const int in = open((source + Name("c", i)).c_str(), O_RDONLY);
            const int out = open((target + Name("c", i)).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
            if (in >= 0 && out >= 0 && copy_file_range(in, nullptr, out, nullptr, 4096, 0) < 0)
                std::perror("copy_file_range");
            close(in);
            close(out);
        }
    };
    std::vector<RenameItem> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows[i][RenameItem::NewName] = Name("c", i);
        rows[i][RenameItem::Path] = source;
    }
    CaseResult result;
    result.n = count;
    TimeInTurns(result, emptyTarget, rawCopy, [&] {
        PumpingProgress progress;
        CopyRows(rows, target, SystemFileOps(), progress);
    });
    return result;
}

CaseResult CsvCase(const BenchContext& context)
{
    std::vector<RenameItem> rows(context.files);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i][RenameItem::OriginalName] = Name("IMG_", i);
        rows[i][RenameItem::NewName] = Name("Holiday ", i);
        rows[i][RenameItem::Path] = "/home/user/Pictures/2024/";
        rows[i][RenameItem::Type] = "JPEG image";
        rows[i][RenameItem::ModifiedDate] = "05/03/2009";
    }
    const std::string target = context.scratch + "list.csv";
    const DateTime now{2009, 3, 5, 14, 5, 9};
    PumpingProgress untimed;
    std::string bytes;
    WriteCsv(rows, now, "March", [&bytes](std::string_view piece) { bytes += piece; }, untimed);
    // Each run writes a new file: the last run's text, still on its way to the disk, would
    // otherwise cost either side a wait of the disk's choosing when it is replaced.
    const auto removeTarget = [&target] { unlink(target.c_str()); };
    CaseResult result;
    result.n = context.files;
    TimeInTurns(result, removeTarget, [&] {
        const int fd = open(target.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0 && write(fd, bytes.data(), bytes.size()) < 0)
            std::perror("write");
        close(fd);
    }, [&] {
        PumpingProgress progress;
        const auto produce = [&](const TextOutput& output) { WriteCsv(rows, now, "March", output, progress); };
        if (!WriteWholeFile(target, produce).ok)
            std::perror("csv");
    });
    return result;
}
