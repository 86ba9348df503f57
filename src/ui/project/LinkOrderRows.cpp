#include "ui/project/LinkOrderRows.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/LinkOrder.h"
#include "model/ProjectRootNode.h"
#include "ui/project/ListRows.h"
#include <algorithm>
#include <string>

namespace torvane {

namespace {

bool hasNoChildren(const ProjectNode& node)
{
    return (node.kindBit() & (NodeKindMask::Target | NodeKindMask::Url | NodeKindMask::Locator)) != 0;
}

bool linkLess(const EntryRecord* a, const EntryRecord* b)
{
    return sameLinkLess(*a, *b);
}

// A node's own records in the order of the rows they make.
std::vector<EntryRecord*> ownRows(ProjectNode& node)
{
    struct Own : NodeVisitor {
        std::vector<EntryRecord*> records;
        void visitEntry(IndexEntry& entry, ProjectNode&) override { records.push_back(&entry); }
        void visitCrossReference(CrossReference& reference, ProjectNode&) override { records.push_back(&reference); }
    } own;
    node.visitOwnRecords(own);
    std::stable_sort(own.records.begin(), own.records.end(), linkLess);
    return std::move(own.records);
}

std::vector<ProjectNode*> childrenOf(ProjectNode& node)
{
    std::vector<ProjectNode*> children;
    node.forEachChild([&children](ProjectNode& child) { children.push_back(&child); });
    return children;
}

// The selected cross-references in walk order; they have no link.
void addReferences(ProjectNode& node, bool shared, std::vector<EntryRecord*>& out)
{
    if (!shared && !node.mayHoldSelection())
        return;
    const bool selected = shared || node.isSelected();
    const bool collapsed = !node.isExpanded();
    if (collapsed && !selected)
        return;
    if (selected) {
        const std::vector<EntryRecord*> own = ownRows(node);
        out.insert(out.end(), own.begin(), own.end());
    }
    if (!hasNoChildren(node))
        node.forEachChild([collapsed, &out](ProjectNode& child) { addReferences(child, collapsed, out); });
}

} // namespace

std::unique_ptr<LinkOrderRows> LinkOrderRows::make(ProjectRootNode& root)
{
    auto rows = std::make_unique<LinkOrderRows>();
    const bool collapsed = !root.isExpanded();
    if (!root.mayHoldSelection() || (collapsed && !root.isSelected()))
        return rows;
    rows->local_ = Span {&root.localFiles(), collapsed, 0};
    rows->urls_ = Span {&root.externalUrls(), collapsed, 0};
    if (!rows->measure(rows->local_) || !rows->measure(rows->urls_))
        return nullptr;
    addReferences(root.locators(), collapsed, rows->references_);
    std::stable_sort(rows->references_.begin(), rows->references_.end(), linkLess);

    // Each URL row goes after the local rows that do not go after it.
    rows->urlRows_.reserve(rows->urls_.count);
    std::size_t from = 0;
    for (std::size_t k = 0; k < rows->urls_.count; ++k) {
        const EntryRecord& url = rows->recordIn(rows->urls_, k);
        const std::string link = url.linkUrlLower();
        std::size_t to = rows->local_.count;
        while (from < to) {
            const std::size_t middle = from + (to - from) / 2;
            const EntryRecord& local = rows->recordIn(rows->local_, middle);
            if (compareUrlColumn(local, local.linkUrlLower(), url, link) <= 0)
                from = middle + 1;
            else
                to = middle;
        }
        rows->urlRows_.push_back(from + k);
    }
    return rows;
}

bool LinkOrderRows::measure(Span& span)
{
    const bool known = measureSpan(span);
    shape_.push_back(span);
    return known;
}

bool LinkOrderRows::measureSpan(Span& span)
{
    ProjectNode& node = *span.node;
    if (span.whole) {
        span.count = node.recordsBelow();
        return node.linkOrderedBelow();
    }
    span.count = 0;
    if (!node.mayHoldSelection())
        return true;
    const bool selected = node.isSelected();
    if (!node.isExpanded()) {
        // Everything below shares its mark.
        span.whole = selected;
        return !selected || measureSpan(span);
    }
    Level level;
    if (selected)
        level.own = ownRows(node);
    span.count = level.own.size();
    if (!hasNoChildren(node)) {
        std::vector<ProjectNode*> children = childrenOf(node);
        if (!putInLinkOrder(children))
            return false;
        for (ProjectNode* child : children) {
            Span part {child, false, 0};
            if (!measure(part))
                return false;
            if (part.count == 0)
                continue;
            level.children.push_back(part);
            level.starts.push_back(span.count);
            span.count += part.count;
        }
    }
    levels_[&node] = std::move(level);
    return true;
}

bool LinkOrderRows::sameRows(const LinkOrderRows& other) const
{
    return shape_ == other.shape_ && references_ == other.references_ && urlRows_ == other.urlRows_;
}

LinkOrderRows::Level LinkOrderRows::makeLevel(const Span& span) const
{
    Level level;
    level.own = ownRows(*span.node);
    std::size_t start = level.own.size();
    if (hasNoChildren(*span.node))
        return level;
    std::vector<ProjectNode*> children = childrenOf(*span.node);
    // Known to succeed: the span was measured.
    putInLinkOrder(children);
    for (ProjectNode* child : children) {
        const std::size_t count = child->recordsBelow();
        if (count == 0)
            continue;
        level.children.push_back(Span {child, true, count});
        level.starts.push_back(start);
        start += count;
    }
    return level;
}

const LinkOrderRows::Level& LinkOrderRows::levelOf(const Span& span) const
{
    auto found = levels_.find(span.node);
    if (found == levels_.end())
        found = levels_.emplace(span.node, makeLevel(span)).first;
    return found->second;
}

EntryRecord& LinkOrderRows::recordIn(Span span, std::size_t row) const
{
    for (;;) {
        const Level& level = levelOf(span);
        if (row < level.own.size())
            return *level.own[row];
        // The last child starting at or before the row.
        const auto next = std::upper_bound(level.starts.begin(), level.starts.end(), row);
        const auto index = static_cast<std::size_t>(next - level.starts.begin()) - 1;
        row -= level.starts[index];
        span = level.children[index];
    }
}

EntryRecord& LinkOrderRows::at(std::size_t row) const
{
    if (row < references_.size())
        return *references_[row];
    row -= references_.size();
    const auto url = std::lower_bound(urlRows_.begin(), urlRows_.end(), row);
    if (url != urlRows_.end() && *url == row)
        return recordIn(urls_, static_cast<std::size_t>(url - urlRows_.begin()));
    return recordIn(local_, row - static_cast<std::size_t>(url - urlRows_.begin()));
}

std::optional<std::size_t> LinkOrderRows::startOf(const ProjectNode& node) const
{
    if (&node == local_.node || &node == urls_.node)
        return 0;
    if (const auto known = starts_.find(&node); known != starts_.end())
        return known->second;
    ProjectNode* parent = node.parent();
    const std::optional<std::size_t> parentStart = parent ? startOf(*parent) : std::nullopt;
    if (!parentStart)
        return std::nullopt;
    // Every child of the level is placed at once: the marks of a range
    // share their parents.
    const Level& level = levelOf(Span {parent, true, 0});
    for (std::size_t i = 0; i < level.children.size(); ++i)
        starts_.emplace(level.children[i].node, *parentStart + level.starts[i]);
    const auto found = starts_.find(&node);
    return found == starts_.end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

std::optional<std::size_t> LinkOrderRows::rowOf(const EntryRecord& record) const
{
    if (record.kind() == EntryKind::CrossReference) {
        const auto found = std::find(references_.begin(), references_.end(), &record);
        if (found == references_.end())
            return std::nullopt;
        return static_cast<std::size_t>(found - references_.begin());
    }
    // The levels going up are those measured, or lie in a selected
    // collapsed node, only for the records of selected nodes.
    ProjectNode* owner = record.owner();
    if (!owner || !owner->isSelected())
        return std::nullopt;
    const std::optional<std::size_t> start = startOf(*owner);
    if (!start)
        return std::nullopt;
    const Level& level = levelOf(Span {owner, true, 0});
    const auto own = std::find(level.own.begin(), level.own.end(), &record);
    if (own == level.own.end())
        return std::nullopt;
    const std::size_t row = *start + static_cast<std::size_t>(own - level.own.begin());
    const ProjectNode* top = owner;
    while (top->parent() && top != local_.node && top != urls_.node)
        top = top->parent();
    if (top == urls_.node)
        return references_.size() + urlRows_[row];
    // A local row goes after the URL rows that go before the local rows
    // from it on.
    std::size_t urlsBefore = 0;
    std::size_t to = urlRows_.size();
    while (urlsBefore < to) {
        const std::size_t middle = urlsBefore + (to - urlsBefore) / 2;
        if (urlRows_[middle] - middle <= row)
            urlsBefore = middle + 1;
        else
            to = middle;
    }
    return references_.size() + row + urlsBefore;
}

} // namespace torvane
