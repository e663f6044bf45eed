#pragma once

#include "source/FileEntry.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

// The file list's rows: the entries of the listed folder. Rows can be dragged onto the rename
// list, which looks only at the selection, not at what is dragged.
//
// Sorting changes only the order in which rows are shown; the rows themselves stay where they
// were appended, so a sort of 100,000 rows moves ints, not entries.
class FilesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Type, Size, ModifiedDate, ExactSize, Created, LastAccessed, ColumnCount };

    explicit FilesModel(QObject* parent = nullptr);

    // The row shown at position row.
    const FileEntry& Row(int row) const;
    void Append(std::vector<FileEntry> rows);
    void Clear();

    // A header click: flips the list's sort direction flag, then sorts by column. With the
    // flag true "Name" and "Type" run A to Z, "Size" largest first by the exact size,
    // "Modified Date" newest first; false reverses each (FilesSort.h). "Created", "Last
    // Accessed" and the hidden size have no comparison: the order stays. Persistent indexes,
    // and so the view's selection, follow their rows.
    void Sort(int column);
    bool SortFlag() const { return m_sortFlag; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    void ShowInOrder(std::vector<int> shown);

    std::vector<FileEntry> m_rows;  // in the order they were appended
    std::vector<int> m_shown;       // m_shown[i]: the index in m_rows of the row shown at i
    bool m_sortFlag = false;
    QIcon m_fileIcon;
    QIcon m_folderIcon;
};
