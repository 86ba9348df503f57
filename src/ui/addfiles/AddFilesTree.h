#pragma once
#include "ui/common/NodeTreeWidget.h"

namespace torvane {

class ProjectRootNode;

// The Add Files dialog's tree: shows the local files node of a model of its
// own the way the project tree shows the project, with the same selection
// rules, and changes nothing in the project.
class AddFilesTree : public NodeTreeWidget {
    Q_OBJECT
public:
    AddFilesTree(ProjectRootNode& model, QWidget* parent = nullptr);

    // Brings the items in line with the model after input (posted, so that
    // several moves in a row show once).
    void postRefresh();
    // Carries out a posted refresh at once.
    void refreshNow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nodeExpansionChanged() override;

private:
    // The caret goes to `item`: the model's selection follows with the
    // modifier keys held.
    void moveCaretTo(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers);

    ProjectRootNode& model_;
    bool refreshPosted_ = false;
};

} // namespace torvane
