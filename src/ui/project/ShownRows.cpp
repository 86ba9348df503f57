#include "ui/project/ShownRows.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/LinkOrder.h"
#include "model/ProjectRootNode.h"
#include <algorithm>
#include <string>
#include <string_view>

namespace torvane {

namespace {

ListRow rowOf(EntryRecord& record)
{
    return ListRow {&record, record.kind() != EntryKind::CrossReference};
}

// The records of the selected holders and locators in walk order: the order
// the sorts keep among equal rows.
class WalkOrder : public NodeVisitor {
public:
    void visitEntry(IndexEntry& entry, ProjectNode&) override { rows.push_back(rowOf(entry)); }
    void visitCrossReference(CrossReference& reference, ProjectNode&) override { rows.push_back(rowOf(reference)); }

    std::vector<ListRow> rows;
};

class OwnRecords : public NodeVisitor {
public:
    explicit OwnRecords(std::vector<EntryRecord*>& records)
        : records_(records)
    {
    }
    void visitEntry(IndexEntry& entry, ProjectNode&) override { records_.push_back(&entry); }
    void visitCrossReference(CrossReference& reference, ProjectNode&) override { records_.push_back(&reference); }

private:
    std::vector<EntryRecord*>& records_;
};

// The rows of the Target URL column, ascending, made in one walk; `failed`
// tells that some names would not sort apart, and the caller sorts instead.
class LinkOrder {
public:
    std::vector<EntryRecord*> local;
    std::vector<EntryRecord*> urls;
    std::vector<EntryRecord*> references;
    bool failed = false;

    void visit(ProjectNode& node, bool shared, std::vector<EntryRecord*>& out)
    {
        if (failed || (!shared && !node.mayHoldSelection()))
            return;
        const bool selected = shared || node.isSelected();
        const bool collapsed = !node.isExpanded();
        if (collapsed && !selected)
            return;
        if (selected)
            addOwnRecords(node, out);
        const unsigned kind = node.kindBit();
        if (kind & (NodeKindMask::Target | NodeKindMask::Url | NodeKindMask::Locator))
            return;
        std::vector<ProjectNode*> children;
        node.forEachChild([&children](ProjectNode& child) { children.push_back(&child); });
        // Cross-references have no link: they are sorted apart, in walk order.
        if (kind == NodeKindMask::Locators) {
            for (ProjectNode* child : children)
                visit(*child, collapsed, out);
            return;
        }
        if (kind != NodeKindMask::Root && !inLinkOrder(children))
            return;
        for (ProjectNode* child : children)
            visit(*child, collapsed, runOf(*child, out));
    }

private:
    // URLs and cross-references are runs of their own; a node below the
    // project folder adds to its parent's run.
    std::vector<EntryRecord*>& runOf(const ProjectNode& node, std::vector<EntryRecord*>& parentRun)
    {
        switch (node.kindBit()) {
        case NodeKindMask::ExternalUrls:
            return urls;
        case NodeKindMask::Locators:
            return references;
        default:
            return parentRun;
        }
    }

    void addOwnRecords(ProjectNode& node, std::vector<EntryRecord*>& out)
    {
        const std::size_t first = out.size();
        OwnRecords own(out);
        node.visitOwnRecords(own);
        if (out.size() - first > 1)
            std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                             [](const EntryRecord* a, const EntryRecord* b) { return sameLinkLess(*a, *b); });
    }

    bool inLinkOrder(std::vector<ProjectNode*>& children)
    {
        if (!putInLinkOrder(children))
            failed = true;
        return !failed;
    }
};

// Merges two runs sorted by the Target URL column: each row of the shorter
// one finds its place in the longer one by halving, so that links are
// built only a few times per row of the shorter run. Rows of `first` go
// before equal rows of `second`, as in walk order.
std::vector<EntryRecord*> mergeRuns(const std::vector<EntryRecord*>& first, const std::vector<EntryRecord*>& second)
{
    const bool firstShorter = first.size() < second.size();
    const std::vector<EntryRecord*>& shorter = firstShorter ? first : second;
    const std::vector<EntryRecord*>& longer = firstShorter ? second : first;
    std::vector<EntryRecord*> merged;
    merged.reserve(first.size() + second.size());
    auto from = longer.begin();
    for (EntryRecord* row : shorter) {
        const std::string link = row->linkUrlLower();
        const auto before = [&](const EntryRecord* other) {
            // Whether `other` goes before `row`.
            const int order = compareUrlColumn(*other, other->linkUrlLower(), *row, link);
            return firstShorter ? order < 0 : order <= 0;
        };
        const auto to = std::partition_point(from, longer.end(), before);
        merged.insert(merged.end(), from, to);
        merged.push_back(row);
        from = to;
    }
    merged.insert(merged.end(), from, longer.end());
    return merged;
}

// Descending is the ascending order reversed, equal rows kept in walk order.
void reverseKeepingTies(std::vector<EntryRecord*>& records)
{
    std::reverse(records.begin(), records.end());
    auto run = records.begin();
    while (run != records.end()) {
        auto end = run + 1;
        while (end != records.end() && tiedInUrlColumn(**run, **end))
            ++end;
        std::reverse(run, end);
        run = end;
    }
}

std::vector<ListRow> rowsOf(const std::vector<EntryRecord*>& records)
{
    std::vector<ListRow> rows;
    rows.reserve(records.size());
    for (EntryRecord* record : records)
        rows.push_back(rowOf(*record));
    return rows;
}

} // namespace

std::vector<ListRow> shownRows(ProjectRootNode& root, int column, bool ascending)
{
    if (column == ColumnTargetUrl) {
        LinkOrder order;
        order.visit(root, false, order.local);
        if (!order.failed) {
            std::stable_sort(order.references.begin(), order.references.end(),
                             [](const EntryRecord* a, const EntryRecord* b) { return sameLinkLess(*a, *b); });
            // Cross-references have no link and come first.
            std::vector<EntryRecord*> records = std::move(order.references);
            const std::vector<EntryRecord*> linked = mergeRuns(order.local, order.urls);
            records.insert(records.end(), linked.begin(), linked.end());
            if (!ascending)
                reverseKeepingTies(records);
            return rowsOf(records);
        }
    }
    WalkOrder walk;
    root.walkSelected(walk);
    sortRows(walk.rows, column, ascending);
    return std::move(walk.rows);
}

} // namespace torvane
