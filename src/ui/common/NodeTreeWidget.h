#pragma once
#include "model/TreeControl.h"
#include <QTreeWidget>
#include <vector>

namespace torvane {

// A tree widget that project nodes show themselves in through their own
// insert and update calls. Selection and expansion marks come only from the
// nodes; subclasses turn the user's input into changes of the model.
//
// The selection marks are the items' own flags, drawn by the view, not Qt's
// selection model: that model merges ranges on every change, so marking a
// large subtree item by item grew with the square of its size. Expansion
// changes of one update share a single layout pass.
class NodeTreeWidget : public QTreeWidget, public TreeControl {
    Q_OBJECT
public:
    explicit NodeTreeWidget(QWidget* parent = nullptr);

    // TreeControl
    TreeItem insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node) override;
    void updateItem(TreeItem item, const TreeItemLook& look) override;
    void deleteItem(TreeItem item) override;
    // Deletes many items as one change per parent they leave.
    void deleteItems(const std::vector<TreeItem>& items);

    static ProjectNode* nodeOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* itemOf(TreeItem item) { return reinterpret_cast<QTreeWidgetItem*>(item); }
    // Whether the item shows as selected.
    static bool isMarked(const QTreeWidgetItem* item);
    bool isMarked(const QModelIndex& index) const;
    // Whether the item shows its target as excluded from the index.
    static bool isShownExcluded(const QTreeWidgetItem* item);
    bool isShownExcluded(const QModelIndex& index) const;
    static constexpr const char* kExcludedTip = "Excluded from the index";

protected:
    // Lets `top` and everything below it insert or update their items, then
    // opens the items marked expanded.
    void showNodes(ProjectNode& top);
    // Makes the item of `node` the control's current one without touching
    // the selection; null when the node has no item.
    QTreeWidgetItem* moveCurrentItemTo(const ProjectNode& node);
    bool isOnExpandButton(const QPoint& pos, const QTreeWidgetItem* item) const;
    // The user opened or closed an item and its node has followed.
    virtual void nodeExpansionChanged() = 0;

    // Set while the subclass changes items itself: the control's notices are
    // then echoes of the model, not input.
    bool updating_ = false;

    // Shows or hides the selection mark of an item; drawn with the next paint.
    static void setMarked(QTreeWidgetItem* item, bool marked);
    // Opens or closes an item as part of a batch laid out once, at the next paint.
    void setItemExpanded(QTreeWidgetItem* item, bool expanded);

private:
    void applyLook(QTreeWidgetItem* item, const TreeItemLook& look);
    void onExpansionChanged(QTreeWidgetItem* item, bool expanded);
    // Asks for one layout of the whole view before the first change of the
    // item structure in a batch; Qt then only records each change.
    void deferLayout();
    // Qt keeps a persistent index per open item and visits all of them on
    // every insertion or deletion, so a large change under an expanded tree
    // grew with the product of its size and the tree's. Past a handful of
    // changes in one batch the view closes every item at once, and the batch
    // ends by reopening the items of the open nodes.
    void noteStructureChange();
    void closeForBatch();
    void reopenClosedItems(ProjectNode& top);
    static int childIndexAfter(const QTreeWidgetItem& parent, const QTreeWidgetItem* after);
    void attachPendingItems();

    // Items whose expansion must wait until their children are in.
    std::vector<QTreeWidgetItem*> pendingExpansion_;
    // New items whose parents are shown, in the order they came; each one
    // brings the items made below it.
    struct PendingAttachment {
        QTreeWidgetItem* parent;
        QTreeWidgetItem* after;
        QTreeWidgetItem* item;
    };
    std::vector<PendingAttachment> pendingAttachments_;
    int batchChanges_ = 0;
    bool closedForBatch_ = false;
};

} // namespace torvane
