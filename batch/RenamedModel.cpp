#include "batch/RenamedModel.h"

#include "batch/RenameSort.h"

#include <QMimeData>

#include <algorithm>
#include <iterator>

RenamedModel::RenamedModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void RenamedModel::CellsChanged(int firstRow, int lastRow)
{
    emit dataChanged(index(firstRow, 0), index(lastRow, RenameItem::ColumnCount - 1),
                     {Qt::DisplayRole});
}

void RenamedModel::Append(std::vector<RenameItem> rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    // Into an empty list the batch is taken whole: moving 100,000 rows one by one held the
    // event loop for tens of milliseconds.
    if (m_rows.empty())
        m_rows = std::move(rows);
    else
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    endInsertRows();
}

void RenamedModel::RemoveRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    const int first = rows.front();
    const int last = rows.back();
    if (last - first + 1 == static_cast<int>(rows.size())) {
        beginRemoveRows({}, first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        endRemoveRows();
        return;
    }
    // Erasing range by range would move the tail once per range. Move the kept rows to the
    // front in one layout change instead, then drop the tail at once.
    std::vector<int> order;
    order.reserve(m_rows.size());
    std::size_t next = 0;
    for (int row = 0; row < rowCount(); ++row) {
        if (next < rows.size() && rows[next] == row)
            ++next;
        else
            order.push_back(row);
    }
    const int kept = static_cast<int>(order.size());
    order.insert(order.end(), rows.begin(), rows.end());
    Reorder(order);
    beginRemoveRows({}, kept, rowCount() - 1);
    m_rows.resize(static_cast<std::size_t>(kept));
    endRemoveRows();
}

void RenamedModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void RenamedModel::Sort(int column)
{
    m_sortFlag = !m_sortFlag;
    if (column < 0 || column >= RenameItem::ColumnCount)
        return;
    const std::vector<int> order =
        RenameSortOrder(m_rows, static_cast<RenameItem::Column>(column), m_sortFlag);
    if (!std::is_sorted(order.begin(), order.end()))
        Reorder(order);
}

// Announced as a vertical sort (rows move, columns stay), which lets the selection model save
// one persistent index per selected row range instead of one per selected cell.
void RenamedModel::Reorder(const std::vector<int>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    for (std::size_t position = 0; position < order.size(); ++position)
        newRowOf[order[position]] = static_cast<int>(position);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& persistent : from)
        to.append(index(newRowOf[persistent.row()], persistent.column()));
    changePersistentIndexList(from, to);

    std::vector<RenameItem> reordered;
    reordered.reserve(m_rows.size());
    for (int oldRow : order)
        reordered.push_back(std::move(m_rows[oldRow]));
    m_rows = std::move(reordered);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int RenamedModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RenamedModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RenameItem::ColumnCount;
}

QVariant RenamedModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const std::string& cell = m_rows[index.row()].cells[index.column()];
    return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant RenamedModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kCaptions[RenameItem::ColumnCount] = {
        "Original Name", "New Name", "Path", "Type", "Modified Date", "Title", "Artist",
        "Album", "Year", "Genre", "Org", "Created", "Accessed"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= RenameItem::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kCaptions[section]);
}

Qt::ItemFlags RenamedModel::flags(const QModelIndex& index) const
{
    // The list itself is the drop target, so a drop lands anywhere on it.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QStringList RenamedModel::mimeTypes() const
{
    return {QStringLiteral("application/x-quillmark-files"), QStringLiteral("text/uri-list")};
}

Qt::DropActions RenamedModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool RenamedModel::canDropMimeData(const QMimeData*, Qt::DropAction, int, int,
                                   const QModelIndex&) const
{
    return true;
}

bool RenamedModel::dropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&)
{
    emit dropRequested();
    return true;
}
