#include "ui/project/ListRowsModel.h"
#include "ui/common/QtText.h"

namespace torvane {

ListRowsModel::ListRowsModel(const std::vector<ListRow>& rows, QObject* parent)
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
    return parent.isValid() ? 0 : 3;
}

QVariant ListRowsModel::data(const QModelIndex& index, int role) const
{
    // The rows may already be rebuilt while the view still counts the old ones.
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= rows_.size())
        return {};
    if (index.column() == ColumnIndexEntry)
        return fromBytes(rows_[row].sortKey);
    if (index.column() == ColumnTargetUrl)
        return fromBytes(rows_[row].linkUrl);
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
    return QString();
}

void ListRowsModel::reset()
{
    beginResetModel();
    shown_ = static_cast<int>(rows_.size());
    endResetModel();
}

} // namespace torvane
