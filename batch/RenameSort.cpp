#include "batch/RenameSort.h"

#include "engine/DateStamp.h"
#include "engine/untGenLib.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

enum class KeyKind { Text, Date, Number, None };

KeyKind KindOf(RenameItem::Column column)
{
    switch (column) {
    case RenameItem::OriginalName:
    case RenameItem::NewName:
    case RenameItem::Path:
    case RenameItem::Type:
    case RenameItem::Title:
    case RenameItem::Artist:
    case RenameItem::Album:
    case RenameItem::Genre:
        return KeyKind::Text;
    case RenameItem::ModifiedDate:
        return KeyKind::Date;
    case RenameItem::Year:
        return KeyKind::Number;
    case RenameItem::Org:
    case RenameItem::Created:
    case RenameItem::Accessed:
    case RenameItem::ColumnCount:
        return KeyKind::None;
    }
    return KeyKind::None;
}

std::string FoldAsciiUpper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// Days as yyyymmdd, which orders like the dates themselves.
std::optional<int> DateKey(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    try {
        const DateTime date = ParseListDate(text);
        return date.year * 10000 + date.month * 100 + date.day;
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

// std::string compares through char_traits<char>, which orders bytes as unsigned char.
void SortText(std::vector<int>& order, const std::vector<RenameItem>& rows,
              RenameItem::Column column, bool flag)
{
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const RenameItem& row : rows)
        keys.push_back(FoldAsciiUpper(row[column]));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return flag ? keys[a] < keys[b] : keys[b] < keys[a];
    });
}

// Highest first with the flag true; rows without a value stay behind, in their order.
void SortValues(std::vector<int>& order, const std::vector<RenameItem>& rows,
                RenameItem::Column column, bool flag,
                std::optional<int> (*keyOf)(std::string_view))
{
    std::vector<std::optional<int>> keys;
    keys.reserve(rows.size());
    for (const RenameItem& row : rows)
        keys.push_back(keyOf(row[column]));
    const auto withValue = std::stable_partition(order.begin(), order.end(),
                                                 [&](int row) { return keys[row].has_value(); });
    std::stable_sort(order.begin(), withValue, [&](int a, int b) {
        return flag ? *keys[b] < *keys[a] : *keys[a] < *keys[b];
    });
}

} // namespace

std::vector<int> RenameSortOrder(const std::vector<RenameItem>& rows, RenameItem::Column column,
                                 bool flag)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    switch (KindOf(column)) {
    case KeyKind::Text:
        SortText(order, rows, column, flag);
        break;
    case KeyKind::Date:
        SortValues(order, rows, column, flag, DateKey);
        break;
    case KeyKind::Number:
        SortValues(order, rows, column, flag, TryParseInt);
        break;
    case KeyKind::None:
        break;
    }
    return order;
}
