#include "ui/addfiles/AddFilesTree.h"
#include "model/ProjectRootNode.h"
#include <QKeyEvent>
#include <QMouseEvent>

namespace torvane {

AddFilesTree::AddFilesTree(ProjectRootNode& model, QWidget* parent)
    : NodeTreeWidget(parent)
    , model_(model)
{
    setExpandsOnDoubleClick(false);
}

void AddFilesTree::postRefresh()
{
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    QMetaObject::invokeMethod(this, &AddFilesTree::refreshNow, Qt::QueuedConnection);
}

void AddFilesTree::refreshNow()
{
    refreshPosted_ = false;
    updating_ = true;
    showNodes(model_.localFiles());
    moveCurrentItemTo(*model_.currentNode());
    updating_ = false;
    viewport()->update();
}

void AddFilesTree::moveCaretTo(QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers)
{
    ProjectNode* node = nodeOf(item);
    if (!node)
        return;
    model_.currentNode()->setDisplayDirty();
    model_.applyTreeSelection(*node, modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier));
    postRefresh();
}

void AddFilesTree::nodeExpansionChanged()
{
    postRefresh();
}

void AddFilesTree::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(pos);
    if (!item || event->button() != Qt::LeftButton)
        return;
    // The control opens and closes items itself; the expansion notice
    // follows. Everything else on the row is a move of the caret.
    if (isOnExpandButton(pos, item))
        QTreeWidget::mousePressEvent(event);
    else if (pos.x() >= visualItemRect(item).left())
        moveCaretTo(item, event->modifiers());
}

void AddFilesTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item && event->button() == Qt::LeftButton && item->childCount() > 0)
        item->setExpanded(!item->isExpanded());
}

void AddFilesTree::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* caret = itemOf(model_.currentNode()->treeItem());
    QTreeWidgetItem* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Up:
        target = caret ? itemAbove(caret) : nullptr;
        break;
    case Qt::Key_Down:
        target = caret ? itemBelow(caret) : nullptr;
        break;
    case Qt::Key_Home:
        target = topLevelItem(0);
        break;
    case Qt::Key_End:
        for (QTreeWidgetItem* below = topLevelItem(0); below; below = itemBelow(below))
            target = below;
        break;
    case Qt::Key_Left:
        if (caret && caret->isExpanded())
            caret->setExpanded(false);
        else if (caret)
            target = caret->parent();
        break;
    case Qt::Key_Right:
        if (caret && !caret->isExpanded() && caret->childCount() > 0)
            caret->setExpanded(true);
        else if (caret && caret->isExpanded())
            target = caret->child(0);
        break;
    default:
        // Enter and Escape belong to the dialog's buttons.
        event->ignore();
        return;
    }
    if (target)
        moveCaretTo(target, event->modifiers());
    event->accept();
}

} // namespace torvane
