#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace torvane {

class EntryRecord;

// One row of the project list: what it shows and sorts by, copied from its
// record when the rows are built.
struct ListRow {
    int kind = 0;
    int iconIndex = 0;
    std::string sortKey;
    int groupClass = 0;
    std::string sortKeyLower;
    std::string linkUrl;
    std::string linkUrlLower;
    bool isEntry = true;
    // Null from the moment the document warns that records may go until the
    // rows are matched with the records again.
    EntryRecord* record = nullptr;
    // The record's list-selection mark when it was let go, shown meanwhile.
    bool shownSelected = false;
    // Where the record stood among the shown entries, then cross-references.
    std::size_t shownIndex = 0;
};

// Sort columns: the picture, "Index Entry", "Target URL".
enum ListColumn : int { ColumnIcon = 0, ColumnIndexEntry = 1, ColumnTargetUrl = 2 };

ListRow makeListRow(EntryRecord& record, bool isEntry);

// The order of one column; descending is the same order with the rows swapped.
bool rowLess(const ListRow& a, const ListRow& b, int column);
void sortRows(std::vector<ListRow>& rows, int column, bool ascending);

// A click (or Space) on row `index` with the modifier keys: Ctrl toggles,
// Shift selects the range between the selection and the row, neither selects
// the row alone. Works on the records' list-selection marks.
void applyListSelection(std::vector<ListRow>& rows, int index, bool shift, bool ctrl);

// The counts the enabling rules read.
struct ListCounts {
    int selectedEntryCount = 0;
    bool allSelectedEqual = true;
    int selectedDefaultCount = 0;
    int selectedCrossRefCount = 0;
};
ListCounts countListSelection(const std::vector<ListRow>& rows);

} // namespace torvane
