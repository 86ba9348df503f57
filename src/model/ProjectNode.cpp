#include "model/ProjectNode.h"

#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/LinkOrder.h"

#include <string_view>
#include <unordered_map>

namespace torvane {

namespace {

// Collects what a NodeKindMask asks for during a walk.
class MaskCollector : public NodeVisitor {
public:
    explicit MaskCollector(unsigned mask)
        : mask_(mask)
    {
    }

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

} // namespace

ProjectNode::ProjectNode(std::string label, int iconKind)
    : label_(std::move(label))
    , iconKind_(iconKind)
{
}

ProjectNode::ProjectNode(const ProjectNode& other, ProjectNode* parent)
    : parent_(parent)
    , label_(other.label_)
    , expanded_(other.expanded_)
    , selected_(other.selected_)
    , iconKind_(other.iconKind_)
    ,
    // The copy holds the same selection, so what is known of it holds too.
    mayHoldSelection_(other.mayHoldSelection_)
    , mayHoldListMark_(other.mayHoldListMark_)
{
}

ProjectNode::~ProjectNode()
{
    if (parent_) {
        parent_->recordsChanged();
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
        // The links below it sort by the new name.
        if (parent_)
            parent_->recordsChanged();
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

void ProjectNode::noteListMark()
{
    for (ProjectNode* node = this; node && !node->mayHoldListMark_; node = node->parent_)
        node->mayHoldListMark_ = true;
}

void ProjectNode::forEachListMarked(const std::function<void(EntryRecord&)>& action)
{
    if (!mayHoldListMark_)
        return;
    // The flag stays only where a mark is left after the action.
    struct Marked : NodeVisitor {
        const std::function<void(EntryRecord&)>& action;
        bool kept = false;
        explicit Marked(const std::function<void(EntryRecord&)>& act)
            : action(act)
        {
        }
        void visitEntry(IndexEntry& entry, ProjectNode&) override { visit(entry); }
        void visitCrossReference(CrossReference& reference, ProjectNode&) override { visit(reference); }
        void visit(EntryRecord& record)
        {
            if (!record.isListSelected())
                return;
            action(record);
            kept = kept || record.isListSelected();
        }
    } marked(action);
    visitRecords(marked);
    forEachChild([&marked](ProjectNode& child) {
        child.forEachListMarked(marked.action);
        marked.kept = marked.kept || child.mayHoldListMark_;
    });
    mayHoldListMark_ = marked.kept;
}

void ProjectNode::clearListMarks()
{
    forEachListMarked([](EntryRecord& record) { record.setListSelected(false); });
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
        // A node put back by Redo kept the flag its item had cleared, but
        // its new item has neither text nor picture yet.
        TreeItemLook look {label_, iconKind_, expanded_, selected_, lookChanged_ || treeItem_ == kNoTreeItem};
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
    } placement {tree, treeItem_, kNoTreeItem};
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
    if (parent_)
        parent_->recordsChanged();
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
    recordsChanged();
    if (child.mayHoldListMark_)
        noteListMark();
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
    forEachListMarked([](EntryRecord& record) {
        if (!record.owner() || !record.owner()->isSelected())
            record.setListSelected(false);
    });
}

void ProjectNode::recordsChanged()
{
    for (ProjectNode* node = this; node && node->belowKnown_; node = node->parent_)
        node->belowKnown_ = false;
}

void ProjectNode::learnBelow()
{
    if (belowKnown_)
        return;
    std::vector<ProjectNode*> children;
    forEachChild([&children](ProjectNode& child) { children.push_back(&child); });
    recordsBelow_ = ownRecordCount();
    linkOrderedBelow_ = true;
    for (ProjectNode* child : children) {
        child->learnBelow();
        recordsBelow_ += child->recordsBelow_;
        linkOrderedBelow_ = linkOrderedBelow_ && child->linkOrderedBelow_;
    }
    // The root's parts are not links; the locators list their records in
    // walk order.
    if (linkOrderedBelow_ && children.size() > 1 && !(kindBit() & (NodeKindMask::Root | NodeKindMask::Locators)))
        linkOrderedBelow_ = putInLinkOrder(children);
    belowKnown_ = true;
}

std::size_t ProjectNode::recordsBelow()
{
    learnBelow();
    return recordsBelow_;
}

bool ProjectNode::linkOrderedBelow()
{
    learnBelow();
    return linkOrderedBelow_;
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
    MaskCollector collector(mask &
                            (NodeKindMask::Entries | NodeKindMask::CrossReferences | NodeKindMask::SelectedOnly));
    collector.records = &records;
    runQuery(*this, collector, mask);
}

std::size_t ProjectNode::count(unsigned mask)
{
    MaskCollector collector(mask);
    runQuery(*this, collector, mask);
    return collector.counted;
}

} // namespace torvane
