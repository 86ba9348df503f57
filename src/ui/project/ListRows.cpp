#include "ui/project/ListRows.h"
#include "generate/EntryLevels.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <numeric>
#include <string_view>

namespace torvane {

namespace {

int compareText(std::string_view a, std::string_view b)
{
    const int order = a.compare(b);
    return order < 0 ? -1 : (order == 0 ? 0 : 1);
}

int compareInt(int a, int b)
{
    return a < b ? -1 : (a == b ? 0 : 1);
}

int kindOf(const EntryRecord& record)
{
    return static_cast<int>(record.kind());
}

int compareSameLink(const EntryRecord& a, const EntryRecord& b)
{
    if (const int order = compareInt(kindOf(a), kindOf(b)))
        return order;
    if (const int order = compareInt(a.groupClass(), b.groupClass()))
        return order;
    return compareText(a.sortKeyLower(), b.sortKeyLower());
}

// A row's keys for one sort; the lower-cased link is made once per row,
// and only for the columns that read it.
struct SortKeys {
    const EntryRecord* record;
    std::string link;
};

int compareRows(const SortKeys& a, const SortKeys& b, int column)
{
    const EntryRecord& x = *a.record;
    const EntryRecord& y = *b.record;
    int result = 0;
    auto then = [&result](int next) {
        if (result == 0)
            result = next;
    };
    switch (column) {
    case ColumnIcon:
        then(compareInt(kindOf(x), kindOf(y)));
        then(compareText(a.link, b.link));
        then(compareInt(x.groupClass(), y.groupClass()));
        then(compareText(x.sortKeyLower(), y.sortKeyLower()));
        break;
    case ColumnIndexEntry:
        then(compareInt(x.groupClass(), y.groupClass()));
        then(compareText(x.sortKeyLower(), y.sortKeyLower()));
        then(compareText(a.link, b.link));
        then(compareInt(kindOf(x), kindOf(y)));
        break;
    default:
        return compareUrlColumn(x, a.link, y, b.link);
    }
    return result;
}

std::string joinedLevels(std::string_view text)
{
    std::vector<std::string_view> levels;
    appendLevelPieces(text, levels);
    std::string joined;
    for (std::string_view level : levels) {
        if (!joined.empty())
            joined += ", ";
        joined += unescapeField(level);
    }
    return joined;
}

std::string withoutTags(std::string_view markup)
{
    std::string text;
    bool inTag = false;
    for (char c : markup) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return text;
}

bool holds(std::string_view text, const std::string& lowerFilter)
{
    const auto found = std::search(text.begin(), text.end(), lowerFilter.begin(), lowerFilter.end(),
                                   [](char a, char b) { return asciiLower(a) == b; });
    return found != text.end();
}

} // namespace

bool sameLinkLess(const EntryRecord& a, const EntryRecord& b)
{
    return compareSameLink(a, b) < 0;
}

int compareUrlColumn(const EntryRecord& a, const std::string& aLink, const EntryRecord& b, const std::string& bLink)
{
    if (const int order = compareText(aLink, bLink))
        return order;
    return compareSameLink(a, b);
}

bool tiedInUrlColumn(const EntryRecord& a, const EntryRecord& b)
{
    const bool sameLink =
        a.owner() == b.owner() || (a.kind() == EntryKind::CrossReference && b.kind() == EntryKind::CrossReference);
    return sameLink && compareSameLink(a, b) == 0;
}

void sortRows(std::vector<ListRow>& rows, int column, bool ascending)
{
    std::vector<SortKeys> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys[i] = SortKeys {rows[i].record, rows[i].record->linkUrlLower()};
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t {0});
    std::stable_sort(order.begin(), order.end(), [&keys, column, ascending](std::size_t a, std::size_t b) {
        return ascending ? compareRows(keys[a], keys[b], column) < 0 : compareRows(keys[b], keys[a], column) < 0;
    });
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t index : order)
        sorted.push_back(rows[index]);
    rows = std::move(sorted);
}

std::string entryText(const EntryRecord& record)
{
    if (record.kind() == EntryKind::CrossReference) {
        const auto& reference = static_cast<const CrossReference&>(record);
        // As the index shows it: the reference text is markup there.
        return joinedLevels(reference.heading()) + unescapeField(reference.separator()) + " " +
               withoutTags(unescapeField(reference.reference())) + " " + joinedLevels(reference.locator());
    }
    return joinedLevels(static_cast<const IndexEntry&>(record).indexAs());
}

bool passesFilter(const EntryRecord& record, const std::string& lowerFilter)
{
    // The stored texts are searched as they are, so that narrowing a million
    // rows makes no copies.
    if (lowerFilter.empty() || holds(record.sortKey(), lowerFilter))
        return true;
    if (record.kind() == EntryKind::CrossReference) {
        const auto& reference = static_cast<const CrossReference&>(record);
        if (holds(reference.heading(), lowerFilter) || holds(reference.reference(), lowerFilter))
            return true;
    } else if (holds(static_cast<const IndexEntry&>(record).indexAs(), lowerFilter)) {
        return true;
    }
    // The Target URL column is searched last: it is put together for each row.
    return holds(record.linkUrl(), lowerFilter);
}

void filterRows(std::vector<ListRow>& rows, const std::string& filter)
{
    if (filter.empty())
        return;
    const std::string lower = asciiLower(filter);
    std::erase_if(rows, [&lower](const ListRow& row) { return !passesFilter(*row.record, lower); });
}

ListCounts countListSelection(const std::vector<EntryRecord*>& marked)
{
    ListCounts counts;
    const IndexEntry* reference = nullptr;
    for (const EntryRecord* record : marked) {
        if (record->kind() == EntryKind::CrossReference) {
            ++counts.selectedCrossRefCount;
            continue;
        }
        const auto& entry = static_cast<const IndexEntry&>(*record);
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
