#include "ui/project/ShownRowList.h"
#include "model/EntryRecord.h"
#include "ui/project/ShownRows.h"

namespace torvane {

ShownRowList ShownRowList::of(ProjectRootNode& root, int column, bool ascending, const std::string& filter)
{
    ShownRowList list;
    if (column == ColumnTargetUrl && ascending && filter.empty())
        list.found_ = LinkOrderRows::make(root);
    if (!list.found_) {
        list.made_ = shownRows(root, column, ascending);
        filterRows(list.made_, filter);
    }
    return list;
}

ListRow ShownRowList::operator[](std::size_t row) const
{
    if (!found_)
        return made_[row];
    EntryRecord& record = found_->at(row);
    return ListRow{&record, record.kind() != EntryKind::CrossReference, false};
}

std::vector<ListRow>& ShownRowList::made()
{
    if (found_) {
        made_.clear();
        made_.reserve(found_->size());
        for (const ListRow row : *this)
            made_.push_back(row);
        found_.reset();
    }
    return made_;
}

bool ShownRowList::sameRows(const ShownRowList& other) const
{
    if (size() != other.size())
        return false;
    if (found_ && other.found_)
        return found_->sameRows(*other.found_);
    for (std::size_t row = 0; row < size(); ++row)
        if ((*this)[row].record != other[row].record)
            return false;
    return true;
}

} // namespace torvane
