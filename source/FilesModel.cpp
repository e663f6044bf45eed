#include "source/FilesModel.h"

#include "source/FilesSort.h"

#include <QFileIconProvider>
#include <QMimeData>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <string>

namespace {

const QString kMimeType = QStringLiteral("application/x-quillmark-files");

QString Display(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FilesModel::FilesModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    const QFileIconProvider icons;
    m_fileIcon = icons.icon(QAbstractFileIconProvider::File);
    m_folderIcon = icons.icon(QAbstractFileIconProvider::Folder);
}

const FileEntry& FilesModel::Row(int row) const
{
    return m_rows[static_cast<std::size_t>(m_shown[static_cast<std::size_t>(row)])];
}

void FilesModel::Append(std::vector<FileEntry> rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    // Into an empty list (every relisting) the batch is taken whole, not moved row by row.
    if (m_rows.empty())
        m_rows = std::move(rows);
    else
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    const std::size_t shownBefore = m_shown.size();
    m_shown.resize(m_rows.size());
    std::iota(m_shown.begin() + static_cast<std::ptrdiff_t>(shownBefore), m_shown.end(),
              static_cast<int>(shownBefore));
    endInsertRows();
}

void FilesModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_shown.clear();
    endResetModel();
}

void FilesModel::Sort(int column)
{
    m_sortFlag = !m_sortFlag;
    switch (column) {
    case Name:
        ShowInOrder(SortedShownOrder(m_rows, m_shown, FilesSortKey::Name, m_sortFlag));
        break;
    case Type:
        ShowInOrder(SortedShownOrder(m_rows, m_shown, FilesSortKey::Type, m_sortFlag));
        break;
    case Size:
        ShowInOrder(SortedShownOrder(m_rows, m_shown, FilesSortKey::Size, !m_sortFlag));
        break;
    case ModifiedDate:
        ShowInOrder(SortedShownOrder(m_rows, m_shown, FilesSortKey::ModifiedDate, !m_sortFlag));
        break;
    default:
        break;
    }
}

// Announced as a vertical sort (rows move, columns stay), which lets the selection model save
// one persistent index per selected row range instead of one per selected cell.
void FilesModel::ShowInOrder(std::vector<int> shown)
{
    if (shown == m_shown)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(m_rows.size());
    for (std::size_t position = 0; position < shown.size(); ++position)
        newRowOf[static_cast<std::size_t>(shown[position])] = static_cast<int>(position);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& persistent : from) {
        const int stored = m_shown[static_cast<std::size_t>(persistent.row())];
        to.append(index(newRowOf[static_cast<std::size_t>(stored)], persistent.column()));
    }
    changePersistentIndexList(from, to);
    m_shown = std::move(shown);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FilesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const FileEntry& row = Row(index.row());
    if (role == Qt::DecorationRole && index.column() == Name)
        return row.IsFolder() ? m_folderIcon : m_fileIcon;
    if (role != Qt::DisplayRole)
        return {};
    switch (static_cast<Column>(index.column())) {
    case Name:
        return Display(row.name);
    case Type:
        return Display(row.type);
    case Size:
        return Display(row.sizeText);
    case ModifiedDate:
        return Display(row.modifiedDate);
    case ExactSize:
        return QString::number(row.size);
    case Created:
        return Display(row.createdDate);
    case LastAccessed:
        return Display(row.accessedDate);
    case ColumnCount:
        break;
    }
    return {};
}

QVariant FilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kCaptions[ColumnCount] = {
        "Name", "Type", "Size", "Modified Date", "Size", "Created", "Last Accessed"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(kCaptions[section]);
}

Qt::ItemFlags FilesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
}

QStringList FilesModel::mimeTypes() const
{
    return {kMimeType};
}

// The dragged names, one a line; the rename list adds the selection whatever it receives.
QMimeData* FilesModel::mimeData(const QModelIndexList& indexes) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray names;
    for (int row : rows)
        names += QByteArray::fromStdString(Row(row).name) + '\n';
    auto* data = new QMimeData;
    data->setData(kMimeType, names);
    return data;
}

// Copy only: a move would let the view try to delete the dragged rows from the file list.
Qt::DropActions FilesModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
