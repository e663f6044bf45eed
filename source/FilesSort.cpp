#include "source/FilesSort.h"

#include "engine/DateStamp.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

unsigned char FoldedByte(char c)
{
    return static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
}

// The first eight folded bytes, big-endian and zero-padded, so comparing the numbers compares
// the texts' starts; only texts that agree there are compared in full.
std::uint64_t FoldedPrefix(const std::string& text)
{
    std::uint64_t prefix = 0;
    const std::size_t length = std::min<std::size_t>(text.size(), 8);
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < length ? FoldedByte(text[i]) : 0U);
    return prefix;
}

bool FoldedLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return FoldedByte(x) < FoldedByte(y); });
}

// Days as yyyymmdd, which orders like the dates; a date the list did not make sorts as 0.
std::uint64_t DateKey(const std::string& text)
{
    try {
        const DateTime date = ParseListDate(text);
        return static_cast<std::uint64_t>(date.year * 10000 + date.month * 100 + date.day);
    } catch (const std::invalid_argument&) {
        return 0;
    }
}

// Keys are made once and sorted with their row numbers on one contiguous array.
struct Keyed {
    std::uint64_t key;
    int row;
};

template <typename Less>
std::vector<int> SortKeyed(std::vector<Keyed>& keyed, bool ascending, Less less)
{
    if (ascending)
        std::stable_sort(keyed.begin(), keyed.end(), less);
    else
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&](const Keyed& a, const Keyed& b) { return less(b, a); });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const Keyed& item : keyed)
        order.push_back(item.row);
    return order;
}

template <typename KeyOf>
std::vector<Keyed> KeysInShownOrder(const std::vector<FileEntry>& rows,
                                    const std::vector<int>& shown, KeyOf keyOf)
{
    std::vector<Keyed> keyed;
    keyed.reserve(shown.size());
    for (int row : shown)
        keyed.push_back({keyOf(rows[static_cast<std::size_t>(row)]), row});
    return keyed;
}

std::vector<int> SortText(const std::vector<FileEntry>& rows, const std::vector<int>& shown,
                          std::string FileEntry::*text, bool ascending)
{
    std::vector<Keyed> keyed = KeysInShownOrder(
        rows, shown, [&](const FileEntry& row) { return FoldedPrefix(row.*text); });
    return SortKeyed(keyed, ascending, [&](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return FoldedLess(rows[static_cast<std::size_t>(a.row)].*text,
                          rows[static_cast<std::size_t>(b.row)].*text);
    });
}

template <typename KeyOf>
std::vector<int> SortNumbers(const std::vector<FileEntry>& rows, const std::vector<int>& shown,
                             KeyOf keyOf, bool ascending)
{
    std::vector<Keyed> keyed = KeysInShownOrder(rows, shown, keyOf);
    return SortKeyed(keyed, ascending,
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
}

} // namespace

std::vector<int> SortedShownOrder(const std::vector<FileEntry>& rows,
                                  const std::vector<int>& shown, FilesSortKey key,
                                  bool ascending)
{
    switch (key) {
    case FilesSortKey::Name:
        return SortText(rows, shown, &FileEntry::name, ascending);
    case FilesSortKey::Type:
        return SortText(rows, shown, &FileEntry::type, ascending);
    case FilesSortKey::Size:
        return SortNumbers(
            rows, shown, [](const FileEntry& row) { return row.size; }, ascending);
    case FilesSortKey::ModifiedDate:
        return SortNumbers(
            rows, shown, [](const FileEntry& row) { return DateKey(row.modifiedDate); },
            ascending);
    }
    return shown;
}
