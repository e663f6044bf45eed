#pragma once

#include "batch/RenameItem.h"

#include <QAbstractTableModel>

#include <vector>

// The rename list's rows, in the order every pass visits them. Cells show as UTF-8; a byte that
// is not valid UTF-8 shows as the replacement character while the row keeps its exact bytes.
// The list accepts every drop and leaves the adding to the window (dropRequested).
class RenamedModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RenamedModel(QObject* parent = nullptr);

    const std::vector<RenameItem>& Rows() const { return m_rows; }

    // For passes that rewrite cells in place; announce the touched rows with CellsChanged.
    std::vector<RenameItem>& MutableRows() { return m_rows; }
    void CellsChanged(int firstRow, int lastRow);

    void Append(std::vector<RenameItem> rows);
    // rows: ascending and unique.
    void RemoveRows(const std::vector<int>& rows);
    void Clear();

    // A header click: flips the sort direction flag, then sorts by column (RenameSort.h).
    // Persistent indexes, and so the view's selection, follow their rows.
    void Sort(int column);
    bool SortFlag() const { return m_sortFlag; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // Something was dropped on the list. Emitted while the drop is still being delivered: a
    // slot that shows a modal message is best connected queued.
    void dropRequested();

private:
    // order[i] is the old index of the row that moves to position i.
    void Reorder(const std::vector<int>& order);

    std::vector<RenameItem> m_rows;
    bool m_sortFlag = false;
};
