#include "ui/project/ShownRowList.h"
#include "model/EntryRecord.h"
#include "ui/project/ShownRows.h"
#include <algorithm>

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
    if (letGo_)
        return ListRow {nullptr, false};
    if (!found_)
        return made_[row];
    EntryRecord& record = found_->at(row);
    return ListRow {&record, record.kind() != EntryKind::CrossReference};
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

std::vector<std::size_t> ShownRowList::markedRows(const std::vector<EntryRecord*>& marked) const
{
    std::vector<std::size_t> rows;
    if (found_) {
        for (const EntryRecord* record : marked)
            if (const std::optional<std::size_t> row = found_->rowOf(*record))
                rows.push_back(*row);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    for (std::size_t row = 0; row < made_.size(); ++row)
        if (made_[row].record && made_[row].record->isListSelected())
            rows.push_back(row);
    return rows;
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

void ShownRowList::letGo()
{
    letGoCount_ = size();
    letGo_ = true;
    found_.reset();
    made_.clear();
}

} // namespace torvane
