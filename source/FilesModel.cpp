#include "source/FilesModel.h"

#include <QFileIconProvider>
#include <QMimeData>

#include <algorithm>
#include <iterator>
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

void FilesModel::Append(std::vector<FileEntry> rows)
{
    if (rows.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    endInsertRows();
}

void FilesModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
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
    const FileEntry& row = m_rows[index.row()];
    if (role == Qt::DecorationRole && index.column() == Name)
        return row.isFolder ? m_folderIcon : m_fileIcon;
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
        names += QByteArray::fromStdString(m_rows[row].name) + '\n';
    auto* data = new QMimeData;
    data->setData(kMimeType, names);
    return data;
}

// Copy only: a move would let the view try to delete the dragged rows from the file list.
Qt::DropActions FilesModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
