#pragma once
#include "model/TreeControl.h"
#include <QTreeWidget>
#include <vector>

namespace torvane {

class ProjectRootNode;

// The Add Files dialog's tree: shows the local files node of a model of its
// own the way the project tree shows the project, with the same selection
// rules, and changes nothing in the project.
class AddFilesTree : public QTreeWidget, public TreeControl {
    Q_OBJECT
public:
    AddFilesTree(ProjectRootNode& model, QWidget* parent = nullptr);

    // TreeControl
    TreeItem insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node) override;
    void updateItem(TreeItem item, const TreeItemLook& look) override;
    void deleteItem(TreeItem item) override;

    // Brings the items in line with the model after input (posted, so that
    // several moves in a row show once).
    void postRefresh();
    // Carries out a posted refresh at once.
    void refreshNow();

    static ProjectNode* nodeOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* itemOf(TreeItem item) { return reinterpret_cast<QTreeWidgetItem*>(item); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyLook(QTreeWidgetItem* item, const TreeItemLook& look);
    // The caret goes to `item`: the model's selection follows with the
    // modifier keys held.
    void moveCaretTo(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers);
    void onExpansionChanged(QTreeWidgetItem* item, bool expanded);
    bool onExpandButton(const QPoint& pos, const QTreeWidgetItem* item) const;

    ProjectRootNode& model_;
    std::vector<QIcon> icons_;
    // Items whose expansion must wait until their children are in.
    std::vector<QTreeWidgetItem*> pendingExpansion_;
    bool refreshPosted_ = false;
    bool updating_ = false;
};

} // namespace torvane
