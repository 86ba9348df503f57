#pragma once
#include "ui/project/ShownRowList.h"
#include <QAbstractTableModel>

namespace torvane {

// The list's rows as Qt's item model sees them: nothing but a count and
// texts read from the rows on demand. Putting a project's every entry into
// the list is then one reset, however many rows there are.
class ListRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    ListRowsModel(const ShownRowList& rows, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows were replaced or re-sorted: the view takes them anew.
    void reset();

private:
    const ShownRowList& rows_;
    int shown_ = 0;
};

} // namespace torvane
