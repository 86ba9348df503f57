#pragma once
#include "document/DocumentView.h"
#include "ui/common/NodeTreeWidget.h"
#include <QPointer>

namespace torvane {

class CProjectWnd;
class ProjectRootNode;

// The left pane: shows the project tree through the nodes' own insert and
// update calls, and turns clicks and keys into the model's selection.
// Selection, expansion and the current node live in the model.
class CProjectTree : public NodeTreeWidget, public DocumentView {
    Q_OBJECT
public:
    explicit CProjectTree(CProjectWnd& window);
    ~CProjectTree() override;

    // Brings the items in line with the model after a change described by `hint`.
    void updateView(int hint);
    // Deletes at once the items of nodes that left the tree (all of them
    // when the document has a new tree), so that no item names a freed node.
    void dropReleasedItems();
    // The window refreshes both views; the document only names this view as origin.
    void documentChanged(CProjectDoc&, int, DocumentView*) override {}

    // Up to two: the command rules ask for none, one or more.
    int removableCount() const { return removableCount_; }
    int selectedFileCount() const { return selectedFileCount_; }
    int targetCount() const { return targetCount_; }

    // Commands carried out on the tree's selection.
    void removeSelected();
    void expandAll();
    void collapseAll();

    // The open modeless dialog of an add command, null when there is none.
    QWidget* modelessDialog(int commandId) const;
    // Takes a new modeless dialog of an add command: it is centred on its
    // owner and shown, and its command stays disabled until it is closed.
    void adoptModelessDialog(int commandId, QWidget* dialog);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void nodeExpansionChanged() override;

private:
    enum class HitPart { Nothing, Label, ExpandButton, RowElsewhere };
    HitPart hitTest(const QPoint& pos, QTreeWidgetItem** item) const;
    // The selection counts the command rules read, each counted up to two.
    void countSelection(ProjectRootNode& root);
    void scrollRootToTop();

    CProjectWnd& window_;
    const ProjectRootNode* shownRoot_ = nullptr;
    int removableCount_ = 0;
    int selectedFileCount_ = 0;
    int targetCount_ = 0;
    // Add Files, Add External URLs, Add Index Entry, Create Cross-Reference.
    QPointer<QWidget> dialogs_[4];
};

} // namespace torvane
