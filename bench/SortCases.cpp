#include "bench/Cases.h"

#include "engine/DateStamp.h"
#include "platform/TypeNames.h"
#include "source/EntryTexts.h"
#include "source/FileFilter.h"
#include "source/FilesModel.h"

#include <QTableView>

#include <algorithm>
#include <functional>
#include <random>

namespace {

// Rows as a real folder gives them, in no particular order: mixed-case names of varied
// length, sizes up to 4 GB, dates over 25 years.
std::vector<FileEntry> SyntheticRows(std::size_t count)
{
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _-";
    static constexpr std::string_view kExtensions[] = {".jpg", ".png", ".mp3", ".txt", ".pdf"};
    std::mt19937_64 random(20240601);
    std::vector<FileEntry> rows(count);
    for (FileEntry& row : rows) {
        const std::size_t length = 4 + random() % 20;
        for (std::size_t i = 0; i < length; ++i)
            row.name += kLetters[random() % kLetters.size()];
        const std::string_view extension = kExtensions[random() % std::size(kExtensions)];
        row.name += extension;
        row.type = TypeNameOf(extension);
        row.size = random() % 4000000000ULL;
        row.sizeText = SizeText(row.size);
        row.modifiedDate = ListDateOf(946684800 + static_cast<std::int64_t>(random() % 788400000));
        row.createdDate = row.modifiedDate;
        row.accessedDate = row.modifiedDate;
    }
    return rows;
}

std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

int DateNumber(const std::string& text)
{
    const DateTime date = ParseListDate(text);
    return date.year * 10000 + date.month * 100 + date.day;
}

// The first header click on column, through the shown file list, against sorting the keys the
// click compares, extracted beforehand, in the same direction.
template <typename Key, typename Compare>
CaseResult SortCase(const BenchContext& context, int column, Key (*keyOf)(const FileEntry&),
                    Compare compare)
{
    const std::vector<FileEntry> rows = SyntheticRows(context.files);
    CaseResult result;
    result.n = rows.size();

    std::vector<Key> extracted;
    for (const FileEntry& row : rows)
        extracted.push_back(keyOf(row));
    std::vector<Key> keys;
    result.baselineSeconds = TimeRaw([&] { keys = extracted; },
                                     [&] { std::stable_sort(keys.begin(), keys.end(), compare); });

    std::unique_ptr<FilesModel> model;
    const auto view = ShowTable(nullptr);
    TimeWatched(result,
                [&] {
                    auto fresh = std::make_unique<FilesModel>();
                    fresh->Append(rows);
                    view->setModel(fresh.get());
                    model = std::move(fresh);
                },
                [&] { model->Sort(column); });
    return result;
}

} // namespace

CaseResult SortNameCase(const BenchContext& context)
{
    return SortCase<std::string>(
        context, FilesModel::Name, [](const FileEntry& row) { return Folded(row.name); },
        std::less<>());
}

CaseResult SortSizeCase(const BenchContext& context)
{
    return SortCase<std::uint64_t>(
        context, FilesModel::Size, [](const FileEntry& row) { return row.size; },
        std::greater<>());
}

CaseResult SortDateCase(const BenchContext& context)
{
    return SortCase<int>(
        context, FilesModel::ModifiedDate,
        [](const FileEntry& row) { return DateNumber(row.modifiedDate); }, std::greater<>());
}
