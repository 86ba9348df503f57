#include "ui/project/ListRows.h"
#include "model/IndexEntry.h"
#include <algorithm>

namespace torvane {

namespace {

// Byte order of the lower-cased texts; a prefix sorts first.
int compareText(const std::string& a, const std::string& b)
{
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int compareInt(int a, int b)
{
    return a < b ? -1 : (a == b ? 0 : 1);
}

int compareRows(const ListRow& a, const ListRow& b, int column)
{
    int result = 0;
    auto then = [&result](int next) {
        if (result == 0)
            result = next;
    };
    switch (column) {
    case ColumnIcon:
        then(compareInt(a.kind, b.kind));
        then(compareText(a.linkUrlLower, b.linkUrlLower));
        then(compareInt(a.groupClass, b.groupClass));
        then(compareText(a.sortKeyLower, b.sortKeyLower));
        break;
    case ColumnIndexEntry:
        then(compareInt(a.groupClass, b.groupClass));
        then(compareText(a.sortKeyLower, b.sortKeyLower));
        then(compareText(a.linkUrlLower, b.linkUrlLower));
        then(compareInt(a.kind, b.kind));
        break;
    default:
        then(compareText(a.linkUrlLower, b.linkUrlLower));
        then(compareInt(a.kind, b.kind));
        then(compareInt(a.groupClass, b.groupClass));
        then(compareText(a.sortKeyLower, b.sortKeyLower));
        break;
    }
    return result;
}

} // namespace

ListRow makeListRow(EntryRecord& record, bool isEntry)
{
    ListRow row;
    row.kind = static_cast<int>(record.kind());
    row.iconIndex = record.iconIndex();
    row.sortKey = record.sortKey();
    row.groupClass = record.groupClass();
    row.sortKeyLower = record.sortKeyLower();
    row.linkUrl = record.linkUrl();
    row.linkUrlLower = record.linkUrlLower();
    row.isEntry = isEntry;
    row.record = &record;
    return row;
}

bool rowLess(const ListRow& a, const ListRow& b, int column)
{
    return compareRows(a, b, column) < 0;
}

void sortRows(std::vector<ListRow>& rows, int column, bool ascending)
{
    std::stable_sort(rows.begin(), rows.end(), [column, ascending](const ListRow& a, const ListRow& b) {
        return ascending ? rowLess(a, b, column) : rowLess(b, a, column);
    });
}

void applyListSelection(std::vector<ListRow>& rows, int index, bool shift, bool ctrl)
{
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return;
    EntryRecord& clicked = *rows[index].record;
    if (ctrl) {
        clicked.setListSelected(!clicked.isListSelected());
        return;
    }
    if (shift) {
        int first = -1;
        int last = -1;
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            if (rows[i].record->isListSelected()) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        if (first < 0) {
            clicked.setListSelected(true);
            return;
        }
        const int from = std::min(first, index);
        const int to = first < index ? index : last;
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            rows[i].record->setListSelected(i >= from && i <= to);
        return;
    }
    for (ListRow& row : rows)
        row.record->setListSelected(false);
    clicked.setListSelected(true);
}

ListCounts countListSelection(const std::vector<ListRow>& rows)
{
    ListCounts counts;
    const IndexEntry* reference = nullptr;
    for (const ListRow& row : rows) {
        if (!row.record->isListSelected())
            continue;
        if (!row.isEntry) {
            ++counts.selectedCrossRefCount;
            continue;
        }
        const auto& entry = static_cast<const IndexEntry&>(*row.record);
        ++counts.selectedEntryCount;
        if (entry.isDefault() && !entry.sortKey().empty())
            ++counts.selectedDefaultCount;
        if (!reference)
            reference = &entry;
        else if (entry.lessThan(*reference) || reference->lessThan(entry))
            counts.allSelectedEqual = false;
    }
    return counts;
}

} // namespace torvane
