#pragma once

#include "source/FileEntry.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

// The file list's rows: the entries of the listed folder. Rows can be dragged onto the rename
// list, which looks only at the selection, not at what is dragged.
class FilesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Type, Size, ModifiedDate, ExactSize, Created, LastAccessed, ColumnCount };

    explicit FilesModel(QObject* parent = nullptr);

    const std::vector<FileEntry>& Rows() const { return m_rows; }
    void Append(std::vector<FileEntry> rows);
    void Clear();

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
    std::vector<FileEntry> m_rows;
    QIcon m_fileIcon;
    QIcon m_folderIcon;
};
