#include "model/ProjectNode.h"

#include "model/CrossReference.h"
#include "model/IndexEntry.h"

#include <string_view>
#include <unordered_map>

namespace torvane {

namespace {

// Collects what a NodeKindMask asks for during a walk.
class MaskCollector : public NodeVisitor {
public:
    explicit MaskCollector(unsigned mask) : mask_(mask) {}

    std::vector<ProjectNode*>* nodes = nullptr;
    std::vector<IndexEntry*>* entries = nullptr;
    std::vector<CrossReference*>* references = nullptr;
    std::vector<EntryRecord*>* records = nullptr;
    std::size_t counted = 0;

    void visitNode(ProjectNode& node) override
    {
        if (mask_ & node.kindBit()) {
            ++counted;
            if (nodes)
                nodes->push_back(&node);
        }
    }

    void visitEntry(IndexEntry& entry, ProjectNode& holder) override
    {
        if (mask_ & NodeKindMask::Entries) {
            ++counted;
            if (entries)
                entries->push_back(&entry);
            if (records)
                records->push_back(&entry);
        }
    }

    bool visitsRecords() const override
    {
        return (mask_ & (NodeKindMask::Entries | NodeKindMask::CrossReferences)) != 0;
    }

    void visitCrossReference(CrossReference& reference, ProjectNode& locator) override
    {
        if (mask_ & NodeKindMask::CrossReferences) {
            ++counted;
            if (references)
                references->push_back(&reference);
            if (records)
                records->push_back(&reference);
        }
    }

private:
    unsigned mask_;
};

// A query for selected nodes goes only where selected nodes are, and the
// walk itself passes over the rest.
void runQuery(ProjectNode& node, MaskCollector& collector, unsigned mask)
{
    if (mask & NodeKindMask::SelectedOnly)
        node.walkSelected(collector);
    else
        node.walk(collector);
}

}  // namespace

ProjectNode::ProjectNode(std::string label, int iconKind) : label_(std::move(label)), iconKind_(iconKind)
{
}

ProjectNode::ProjectNode(const ProjectNode& other, ProjectNode* parent)
    : parent_(parent),
      label_(other.label_),
      expanded_(other.expanded_),
      selected_(other.selected_),
      iconKind_(other.iconKind_),
      // The copy holds the same selection, so what is known of it holds too.
      mayHoldSelection_(other.mayHoldSelection_)
{
}

ProjectNode::~ProjectNode()
{
    if (parent_) {
        if (treeItem_ != kNoTreeItem)
            parent_->releaseTreeItem(treeItem_);
        parent_->forgetDestroyedNode(this);
    }
}

void ProjectNode::markDisplayDirty()
{
    displayDirty_ = true;
    markShowingPending();
}

void ProjectNode::markShowingPending()
{
    for (ProjectNode* node = this; node && !node->showingPending_; node = node->parent_)
        node->showingPending_ = true;
}

void ProjectNode::markMayHoldSelection()
{
    // All the way up: a walk that finds a collapsed node unselected clears
    // its flag and leaves those below it as they were.
    for (ProjectNode* node = this; node; node = node->parent_)
        node->mayHoldSelection_ = true;
}

void ProjectNode::setLabel(std::string label)
{
    if (label != label_) {
        label_ = std::move(label);
        lookChanged_ = true;
        markDisplayDirty();
    }
}

void ProjectNode::setExpanded(bool expanded)
{
    if (expanded == expanded_)
        return;
    expanded_ = expanded;
    markDisplayDirty();
    // Children come into view deselected; collapsed, they share this node's
    // mark, and only those still open need closing.
    forEachChild([expanded](ProjectNode& child) {
        if (expanded)
            child.mark(false);
        else if (child.expanded_)
            child.setExpanded(false);
    });
}

const ProjectNode* ProjectNode::collapsedAncestor() const
{
    const ProjectNode* topmost = nullptr;
    for (const ProjectNode* up = parent_; up; up = up->parent_) {
        if (!up->expanded_)
            topmost = up;
    }
    return topmost;
}

bool ProjectNode::isSelected() const
{
    const ProjectNode* holder = collapsedAncestor();
    return holder ? holder->selected_ : selected_;
}

void ProjectNode::setSelected(bool selected)
{
    if (collapsedAncestor()) {
        if (isSelected() == selected)
            return;
        // A node out of sight differs from what it shares only once shown.
        std::vector<ProjectNode*> above;
        for (ProjectNode* up = parent_; up; up = up->parent_)
            above.push_back(up);
        for (auto up = above.rbegin(); up != above.rend(); ++up)
            (*up)->setExpanded(true);
    }
    mark(selected);
}

void ProjectNode::mark(bool selected)
{
    if (selected != selected_) {
        selected_ = selected;
        markDisplayDirty();
    }
    if (selected_)
        markMayHoldSelection();
}

ProjectNode* ProjectNode::findChild(std::string_view label)
{
    ProjectNode* found = nullptr;
    forEachChild([&found, label](ProjectNode& child) {
        if (!found && child.label() == label)
            found = &child;
    });
    return found;
}

void ProjectNode::unmarkRecords(bool selectedOnly)
{
    struct Unmark : NodeVisitor {
        void visitEntry(IndexEntry& entry, ProjectNode&) override { entry.setListSelected(false); }
        void visitCrossReference(CrossReference& reference, ProjectNode&) override
        {
            reference.setListSelected(false);
        }
    } unmark;
    if (selectedOnly)
        walkSelected(unmark);
    else
        walk(unmark);
}

void ProjectNode::deselectAll()
{
    if (!mayHoldSelection_)
        return;
    mark(false);
    if (expanded_)
        forEachChild([](ProjectNode& child) { child.deselectAll(); });
    mayHoldSelection_ = false;
}

void ProjectNode::collapseAll(bool selected)
{
    mark(selected);
    if (!expanded_)
        return;
    expanded_ = false;
    markDisplayDirty();
    forEachChild([selected](ProjectNode& child) {
        if (child.expanded_)
            child.collapseAll(selected);
    });
}

void ProjectNode::setIconKind(int kind)
{
    if (kind != iconKind_)
        lookChanged_ = true;
    iconKind_ = kind;
    markDisplayDirty();
}

TreeItem ProjectNode::insertIntoTree(TreeControl& tree, TreeItem parentItem, TreeItem insertAfter)
{
    if (!showingPending_ && treeItem_ != kNoTreeItem)
        return treeItem_;
    if (treeItem_ == kNoTreeItem || displayDirty_) {
        TreeItemLook look{label_, iconKind_, expanded_, selected_, lookChanged_};
        look.excluded = isExcludedFromIndex();
        if (treeItem_ == kNoTreeItem)
            treeItem_ = tree.insertItem(parentItem, insertAfter, look, this);
        else
            tree.updateItem(treeItem_, look);
    }
    displayDirty_ = false;
    lookChanged_ = false;

    // One captured reference keeps the callable within std::function's own
    // storage: no allocation per node of a tree that may hold a million.
    struct Placement {
        TreeControl& tree;
        TreeItem parent;
        TreeItem previous;
    } placement{tree, treeItem_, kNoTreeItem};
    forEachChild([&placement](ProjectNode& child) {
        placement.previous = child.insertIntoTree(placement.tree, placement.parent, placement.previous);
    });
    showingPending_ = false;
    return treeItem_;
}

void ProjectNode::forgetTreeItems()
{
    treeItem_ = kNoTreeItem;
    markDisplayDirty();
    forEachChild([](ProjectNode& child) { child.forgetTreeItems(); });
}

void ProjectNode::releaseTreeItem(TreeItem item)
{
    if (parent_)
        parent_->releaseTreeItem(item);
}

void ProjectNode::detach()
{
    releaseTreeItems();
    parent_ = nullptr;
}

void ProjectNode::releaseTreeItems()
{
    forEachChild([](ProjectNode& child) { child.releaseTreeItems(); });
    if (treeItem_ != kNoTreeItem && parent_)
        parent_->releaseTreeItem(treeItem_);
    treeItem_ = kNoTreeItem;
    displayDirty_ = true;
    showingPending_ = true;
}

void ProjectNode::takeDisplayStateFrom(ProjectNode& other)
{
    expanded_ = other.expanded_;
    selected_ = other.selected_;
    displayDirty_ = true;
    // What is selected below is no longer known; a walk finds out.
    mayHoldSelection_ = true;
    std::unordered_map<std::string_view, ProjectNode*> others;
    other.forEachChild([&others](ProjectNode& child) { others.emplace(child.label(), &child); });
    if (others.empty())
        return;
    forEachChild([&others](ProjectNode& child) {
        if (auto same = others.find(child.label()); same != others.end())
            child.takeDisplayStateFrom(*same->second);
    });
}

void ProjectNode::forgetDestroyedNode(ProjectNode* node)
{
    if (parent_)
        parent_->forgetDestroyedNode(node);
}

IndexEntry* ProjectNode::addEntry(std::unique_ptr<IndexEntry> entry)
{
    return nullptr;
}

void ProjectNode::removeFromParent()
{
}

void ProjectNode::setExcluded(bool excluded)
{
}

std::string ProjectNode::fullPath() const
{
    return {};
}

std::string ProjectNode::relativePath() const
{
    return {};
}

std::string ProjectNode::relativeUrl() const
{
    return {};
}

bool ProjectNode::isModified() const
{
    return true;
}

void ProjectNode::setModified(bool modified)
{
}

void ProjectNode::adoptChild(ProjectNode& child)
{
    child.parent_ = this;
    // The new child has no item yet: everything above it has something to show.
    markShowingPending();
    if (child.mayHoldSelection_)
        markMayHoldSelection();
}

void ProjectNode::adoptReplacement(ProjectNode& incoming, ProjectNode* outgoing)
{
    if (outgoing)
        incoming.takeDisplayStateFrom(*outgoing);
    else
        incoming.mark(false);
    adoptChild(incoming);
}

void ProjectNode::walk(NodeVisitor& visitor)
{
    visitor.visitNode(*this);
    if (visitor.visitsRecords())
        visitRecords(visitor);
    walkChildren(visitor);
}

void ProjectNode::walkChildren(NodeVisitor& visitor)
{
    forEachChild([&visitor](ProjectNode& child) { child.walk(visitor); });
}

bool ProjectNode::walkSelected(NodeVisitor& visitor)
{
    if (!mayHoldSelection_)
        return false;
    if (!expanded_) {
        // Everything below shares this node's mark.
        if (selected_)
            walk(visitor);
        mayHoldSelection_ = selected_;
        return selected_;
    }
    bool found = selected_;
    if (selected_) {
        visitor.visitNode(*this);
        if (visitor.visitsRecords())
            visitRecords(visitor);
    }
    forEachChild([&visitor, &found](ProjectNode& child) {
        if (child.walkSelected(visitor))
            found = true;
    });
    mayHoldSelection_ = found;
    return found;
}

void ProjectNode::unmarkRecordsOfUnselected()
{
    struct Unmark : NodeVisitor {
        void visitEntry(IndexEntry& entry, ProjectNode& holder) override
        {
            if (!holder.isSelected())
                entry.setListSelected(false);
        }
        void visitCrossReference(CrossReference& reference, ProjectNode& locator) override
        {
            if (!locator.isSelected())
                reference.setListSelected(false);
        }
    } unmark;
    walk(unmark);
}

void ProjectNode::collect(std::vector<ProjectNode*>& nodes, unsigned mask)
{
    MaskCollector collector(mask & ~(NodeKindMask::Entries | NodeKindMask::CrossReferences));
    collector.nodes = &nodes;
    runQuery(*this, collector, mask);
}

void ProjectNode::collectEntries(std::vector<IndexEntry*>& entries, unsigned mask)
{
    MaskCollector collector(mask & (NodeKindMask::Entries | NodeKindMask::SelectedOnly));
    collector.entries = &entries;
    runQuery(*this, collector, mask);
}

void ProjectNode::collectCrossReferences(std::vector<CrossReference*>& references, unsigned mask)
{
    MaskCollector collector(mask & (NodeKindMask::CrossReferences | NodeKindMask::SelectedOnly));
    collector.references = &references;
    runQuery(*this, collector, mask);
}

void ProjectNode::collectRecords(std::vector<EntryRecord*>& records, unsigned mask)
{
    MaskCollector collector(mask & (NodeKindMask::Entries | NodeKindMask::CrossReferences | NodeKindMask::SelectedOnly));
    collector.records = &records;
    runQuery(*this, collector, mask);
}

std::size_t ProjectNode::count(unsigned mask)
{
    MaskCollector collector(mask);
    runQuery(*this, collector, mask);
    return collector.counted;
}

}  // namespace torvane
