#pragma once

#include "model/NodeKindMask.h"
#include "model/NodeVisitor.h"
#include "model/TreeControl.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class CrossReference;
class EntryRecord;
class IndexEntry;

// Pictures of the tree items.
struct NodeIcon {
    static constexpr int Container = 0;
    static constexpr int File = 1;
    static constexpr int MissingFile = 2;
    static constexpr int UnreadableFile = 3;
    static constexpr int Target = 4;
    static constexpr int Url = 5;
    static constexpr int Locator = 6;
    // A page that lies outside the project folder (through ".." or a link).
    static constexpr int OutsideFile = 7;
    // An element's id, not an anchor the writer made.
    static constexpr int IdTarget = 8;
};

// A node of the project tree. Every node owns its children; it also carries
// its own display state and shows itself in a TreeControl.
class ProjectNode {
public:
    virtual ~ProjectNode();
    ProjectNode(const ProjectNode&) = delete;
    ProjectNode& operator=(const ProjectNode&) = delete;

    // The NodeKindMask bit of this kind of node.
    virtual unsigned kindBit() const = 0;

    ProjectNode* parent() const { return parent_; }
    const std::string& label() const { return label_; }

    bool isExpanded() const { return expanded_; }
    // Everything below a collapsed node shares its selection: a node is
    // selected when its topmost collapsed ancestor carries the mark, or
    // itself when it has none. Selecting a large subtree then costs one mark.
    bool isSelected() const;
    // False only when nothing in this subtree is selected.
    bool mayHoldSelection() const { return mayHoldSelection_; }
    // Expanding deselects the children; collapsing collapses them, and they
    // share this node's selection from then on.
    virtual void setExpanded(bool expanded);
    // Selects or deselects this node, and with a collapsed one everything
    // below it. A node below a collapsed one that would differ from it is
    // first brought into view.
    virtual void setSelected(bool selected);
    // Clears every list mark of the records in this subtree, visiting only
    // the nodes above a marked record.
    void clearListMarks();
    // Clears the list marks of the records whose holders are not selected:
    // marks belong to the records of selected holders only.
    void unmarkRecordsOfUnselected();
    // Calls `action` for each list-marked record of this subtree, in walk
    // order, visiting only the nodes above a marked record.
    void forEachListMarked(const std::function<void(EntryRecord&)>& action);
    // False only when no record of this subtree carries a list mark.
    bool mayHoldListMark() const { return mayHoldListMark_; }
    // A record of this node was marked in the list (or came here marked).
    void noteListMark();
    // Deselects every node of this subtree, visiting only the shown parts
    // that may hold a selection.
    void deselectAll();
    // Collapses every node of this subtree and gives it `selected`,
    // visiting only the expanded nodes and their children.
    void collapseAll(bool selected);

    int iconKind() const { return iconKind_; }

    TreeItem treeItem() const { return treeItem_; }
    bool isDisplayDirty() const { return displayDirty_; }
    void setDisplayDirty() { markDisplayDirty(); }
    // Inserts this node's item when it has none, updates it when display
    // state changed, then does the same for the children in key order.
    // Subtrees where nothing changed since they were shown are passed over.
    // Returns this node's item.
    virtual TreeItem insertIntoTree(TreeControl& tree, TreeItem parentItem, TreeItem insertAfter);
    // Drops the item handles of this node and everything below (the control
    // is being rebuilt).
    void forgetTreeItems();
    // Called for the item of a destroyed node; passed up to the root.
    virtual void releaseTreeItem(TreeItem item);

    // Takes this subtree out of the tree it is shown in: every item in it is
    // released, children before parents, and the node has no parent any more.
    void detach();
    // Takes over expansion and selection from `other` (the same place in
    // another state of the tree) and, matched by label, from its nodes below.
    void takeDisplayStateFrom(ProjectNode& other);

    // Takes the entry; nodes that hold no entries destroy it. Returns the
    // entry when kept, null when refused.
    virtual IndexEntry* addEntry(std::unique_ptr<IndexEntry> entry);
    // Asks the parent to destroy this node; `this` may be gone afterwards.
    virtual void removeFromParent();
    virtual void setExcluded(bool excluded);
    // Whether the user excluded this node, as a target, from the index.
    virtual bool isExcludedFromIndex() const { return false; }

    // Native absolute path ("/"-separated); "" for nodes that are no file.
    virtual std::string fullPath() const;
    // Path below the project directory in stored form ("sub\\page.htm").
    virtual std::string relativePath() const;
    // Link relative to the project directory ("sub/page.htm#anchor").
    virtual std::string relativeUrl() const;
    virtual bool isModified() const;
    virtual void setModified(bool modified);

    // Pre-order walk of this node, its records and everything below.
    void walk(NodeVisitor& visitor);
    // The same walk restricted to the selected nodes and their records;
    // subtrees known to hold no selected node are passed over. Returns
    // whether a selected node was found.
    bool walkSelected(NodeVisitor& visitor);
    // Visits this node's own records only, in walk order.
    void visitOwnRecords(NodeVisitor& visitor) { visitRecords(visitor); }
    // Visits the direct children in key order.
    virtual void forEachChild(const std::function<void(ProjectNode&)>& action) {}
    // The direct child with this label; null when there is none.
    virtual ProjectNode* findChild(std::string_view label);

    // The records of this node alone, and of this node and everything
    // below; the second is kept until something below changes.
    virtual std::size_t ownRecordCount() const { return 0; }
    std::size_t recordsBelow();
    // Whether the children of every node of this subtree can be put in the
    // order of their links (see LinkOrder.h); kept like recordsBelow.
    bool linkOrderedBelow();
    // Counts the records below and checks their link order where unknown, so
    // that the two above answer at once; a loaded page is counted at once.
    void learnBelow();

    // Nodes and records matching `mask` (NodeKindMask bits), in walk order.
    void collect(std::vector<ProjectNode*>& nodes, unsigned mask);
    void collectEntries(std::vector<IndexEntry*>& entries, unsigned mask);
    void collectCrossReferences(std::vector<CrossReference*>& references, unsigned mask);
    void collectRecords(std::vector<EntryRecord*>& records, unsigned mask);
    // Matching nodes plus matching records.
    std::size_t count(unsigned mask);

protected:
    ProjectNode(std::string label, int iconKind);
    // Copies label and display state; the copy has no item and no parent yet.
    ProjectNode(const ProjectNode& other, ProjectNode* parent);

    // The label is the key under which the parent keeps the node, so only
    // nodes outside any keyed map rename themselves.
    void setLabel(std::string label);
    void setIconKind(int kind);
    // A new child of a selected, collapsed node starts selected.
    void adoptChild(ProjectNode& child);
    // Puts `incoming` (may be null) in place of the child keyed `key` in
    // `children` and returns that child detached (null when there was none).
    // The incoming node keeps the display state of the node it replaces.
    template <typename Children, typename Node = typename Children::mapped_type::element_type>
    std::unique_ptr<Node> exchangeChild(Children& children, std::string_view key, std::unique_ptr<Node> incoming)
    {
        std::unique_ptr<Node> outgoing;
        if (auto found = children.find(key); found != children.end()) {
            outgoing = std::move(found->second);
            children.erase(found);
            outgoing->detach();
        }
        if (incoming) {
            Node& placed = *incoming;
            children.emplace(placed.label(), std::move(incoming));
            adoptReplacement(placed, outgoing.get());
        }
        return outgoing;
    }
    // Adopts a subtree put back in place of `outgoing` (null when the place
    // was empty). It keeps the display state of the node it replaces.
    void adoptReplacement(ProjectNode& incoming, ProjectNode* outgoing);
    // Visits the node's own records (entries or cross-references).
    virtual void visitRecords(NodeVisitor& visitor) {}
    // Walks the direct children in key order. Nodes that may have many
    // children loop over them directly instead of through forEachChild.
    virtual void walkChildren(NodeVisitor& visitor);
    // Passed up to the root, which stops pointing at the node.
    virtual void forgetDestroyedNode(ProjectNode* node);
    // The records or the children of this node changed: what is known of
    // the subtrees above it is found anew when next asked.
    void recordsChanged();

private:
    void releaseTreeItems();
    // Sets displayDirty and tells the ancestors that something below them
    // is to be shown again.
    void markDisplayDirty();
    void markShowingPending();
    void markMayHoldSelection();
    // Sets this node's own mark, which counts while no ancestor is collapsed.
    void mark(bool selected);
    // The collapsed ancestor nearest the root; null when all are expanded.
    const ProjectNode* collapsedAncestor() const;

    ProjectNode* parent_ = nullptr;
    std::string label_;
    bool expanded_ = false;
    bool selected_ = false;
    TreeItem treeItem_ = kNoTreeItem;
    int iconKind_ = 0;
    bool displayDirty_ = true;
    // The label or the picture changed since the item was last updated.
    bool lookChanged_ = true;
    // This node or one below it lacks its item or is display-dirty. Set on a
    // node means set on all its ancestors, so a clear node's subtree needs
    // nothing from insertIntoTree.
    bool showingPending_ = true;
    // False only when nothing in this subtree is selected. Marking a node
    // sets it on all its ancestors; walkSelected clears it where it finds no
    // selection.
    bool mayHoldSelection_ = true;
    // False only when no record of this subtree is list-marked; set on a
    // node means set on all its ancestors.
    bool mayHoldListMark_ = false;
    // recordsBelow_ and linkOrderedBelow_ hold; known on a node means known
    // on all its children.
    bool belowKnown_ = false;
    bool linkOrderedBelow_ = true;
    std::size_t recordsBelow_ = 0;
};

} // namespace torvane
