#pragma once
#include "model/TreeControl.h"
#include <QTreeWidget>
#include <vector>

namespace torvane {

// A tree widget that project nodes show themselves in through their own
// insert and update calls. Selection and expansion marks come only from the
// nodes; subclasses turn the user's input into changes of the model.
class NodeTreeWidget : public QTreeWidget, public TreeControl {
    Q_OBJECT
public:
    explicit NodeTreeWidget(QWidget* parent = nullptr);

    // TreeControl
    TreeItem insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node) override;
    void updateItem(TreeItem item, const TreeItemLook& look) override;
    void deleteItem(TreeItem item) override;

    static ProjectNode* nodeOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* itemOf(TreeItem item) { return reinterpret_cast<QTreeWidgetItem*>(item); }

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

private:
    void applyLook(QTreeWidgetItem* item, const TreeItemLook& look);
    void onExpansionChanged(QTreeWidgetItem* item, bool expanded);

    // Items whose expansion must wait until their children are in.
    std::vector<QTreeWidgetItem*> pendingExpansion_;
};

} // namespace torvane
