#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace torvane {

class EntryRecord;

// One row of the project list: its record, whose texts are read when the
// row is drawn, so that a million rows cost no copies.
struct ListRow {
    // Null from the moment the document warns that records may go until the
    // rows are matched with the records again.
    EntryRecord* record = nullptr;
    bool isEntry = true;
};

// Sort columns: the picture, "Index Entry", "Target URL"; the entry's text
// as the index shows it comes after them.
enum ListColumn : int { ColumnIcon = 0, ColumnIndexEntry = 1, ColumnTargetUrl = 2, ColumnEntryText = 3 };

// The order of the Target URL column among records with the same link.
bool sameLinkLess(const EntryRecord& a, const EntryRecord& b);
// The Target URL column's order, each record given with its lower-cased link.
int compareUrlColumn(const EntryRecord& a, const std::string& aLink, const EntryRecord& b, const std::string& bLink);
// Whether two records neither of which goes before the other in the Target
// URL column keep their walk order between them.
bool tiedInUrlColumn(const EntryRecord& a, const EntryRecord& b);

// The order of one column; descending is the same order with the rows
// swapped, equal rows staying in the order given.
void sortRows(std::vector<ListRow>& rows, int column, bool ascending);

// The text of an entry as the index shows it (levels joined by ", ") or of
// a cross-reference as the index shows it ("Heading. See also Locator").
std::string entryText(const EntryRecord& record);
// Keeps the rows whose sort key or entry text holds `filter`, letter case
// ignored; all of them when it is empty.
void filterRows(std::vector<ListRow>& rows, const std::string& filter);
// Whether the filter keeps the record's row; `lowerFilter` is lower-cased.
bool passesFilter(const EntryRecord& record, const std::string& lowerFilter);

// The counts the enabling rules read.
struct ListCounts {
    int selectedEntryCount = 0;
    bool allSelectedEqual = true;
    int selectedDefaultCount = 0;
    int selectedCrossRefCount = 0;
};
// Of the marked records of the rows, in any order.
ListCounts countListSelection(const std::vector<EntryRecord*>& marked);

} // namespace torvane
