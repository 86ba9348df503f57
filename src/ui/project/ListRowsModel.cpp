#include "ui/project/ListRowsModel.h"
#include "model/EntryRecord.h"
#include "ui/common/QtText.h"

namespace torvane {

ListRowsModel::ListRowsModel(const ShownRowList& rows, QObject* parent)
    : QAbstractTableModel(parent)
    , rows_(rows)
{
}

int ListRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

int ListRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant ListRowsModel::data(const QModelIndex& index, int role) const
{
    // The rows may already be rebuilt while the view still counts the old ones.
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= rows_.size() || !rows_[row].record)
        return {};
    const EntryRecord& record = *rows_[row].record;
    if (index.column() == ColumnIndexEntry)
        return fromBytes(record.sortKey());
    if (index.column() == ColumnTargetUrl)
        return fromBytes(record.linkUrl());
    if (index.column() == ColumnEntryText)
        return fromBytes(entryText(record));
    return {};
}

QVariant ListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == ColumnIndexEntry)
        return tr("Index Entry");
    if (section == ColumnTargetUrl)
        return tr("Target URL");
    if (section == ColumnEntryText)
        return tr("Entry Text");
    return QString();
}

void ListRowsModel::reset()
{
    beginResetModel();
    shown_ = static_cast<int>(rows_.size());
    endResetModel();
}

} // namespace torvane
