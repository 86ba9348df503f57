#pragma once
#include "ui/project/LinkOrderRows.h"
#include "ui/project/ListRows.h"
#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace torvane {

class ProjectRootNode;

// The rows the list shows: in the Target URL column's ascending order with
// no filter (the list's first view) they are found when asked for, so that
// selecting a million records costs what the rows in view cost; any other
// order or a filter makes them all at once.
class ShownRowList {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = ListRow;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = ListRow;

        Iterator(const ShownRowList& list, std::size_t row)
            : list_(&list)
            , row_(row)
        {
        }
        ListRow operator*() const { return (*list_)[row_]; }
        Iterator& operator++()
        {
            ++row_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return row_ == other.row_; }
        difference_type operator-(const Iterator& other) const
        {
            return static_cast<difference_type>(row_) - static_cast<difference_type>(other.row_);
        }

    private:
        const ShownRowList* list_;
        std::size_t row_;
    };

    ShownRowList() = default;
    // The rows of the tree's selection sorted by `column`, holding `filter`.
    static ShownRowList of(ProjectRootNode& root, int column, bool ascending, const std::string& filter);

    std::size_t size() const { return found_ ? found_->size() : letGo_ ? letGoCount_ : made_.size(); }
    bool empty() const { return size() == 0; }
    ListRow operator[](std::size_t row) const;
    ListRow front() const { return (*this)[0]; }
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, size()); }

    // The rows made all at once (made now when they were found on demand),
    // to be sorted or let go of.
    std::vector<ListRow>& made();
    // The rows of the list-marked records, in order; `marked` are those
    // records, found without going through the rows found on demand.
    std::vector<std::size_t> markedRows(const std::vector<EntryRecord*>& marked) const;
    // Whether both show the same records in the same order, the tree not
    // having changed in between.
    bool sameRows(const ShownRowList& other) const;
    // The records are about to be freed: the rows keep only their count and
    // show no record until the list is made anew.
    void letGo();

private:
    std::vector<ListRow> made_;
    std::unique_ptr<LinkOrderRows> found_;
    bool letGo_ = false;
    std::size_t letGoCount_ = 0;
};

} // namespace torvane
