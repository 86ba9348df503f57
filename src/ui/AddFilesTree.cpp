#include "ui/AddFilesTree.h"
#include "model/ProjectRootNode.h"
#include "ui/Icons.h"
#include "ui/QtText.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace torvane {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

} // namespace

AddFilesTree::AddFilesTree(ProjectRootNode& model, QWidget* parent)
    : QTreeWidget(parent), model_(model)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every selection mark comes from the model.
    setSelectionMode(QAbstractItemView::NoSelection);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(20, 15));
    for (const QPixmap& picture : nodeImages())
        icons_.emplace_back(picture);
    // The selection stays visible while the buttons have the focus.
    QPalette shown = palette();
    shown.setColor(QPalette::Inactive, QPalette::Highlight, shown.color(QPalette::Active, QPalette::Highlight));
    shown.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   shown.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(shown);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { onExpansionChanged(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpansionChanged(item, false); });
}

ProjectNode* AddFilesTree::nodeOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return static_cast<ProjectNode*>(item->data(0, kNodeRole).value<void*>());
}

void AddFilesTree::applyLook(QTreeWidgetItem* item, const TreeItemLook& look)
{
    item->setText(0, fromBytes(look.text));
    if (look.image >= 0 && look.image < static_cast<int>(icons_.size()))
        item->setIcon(0, icons_[static_cast<std::size_t>(look.image)]);
    item->setSelected(look.selected);
    if (look.expanded)
        pendingExpansion_.push_back(item);
    else
        item->setExpanded(false);
}

TreeItem AddFilesTree::insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node)
{
    auto* item = new QTreeWidgetItem;
    item->setData(0, kNodeRole, QVariant::fromValue(static_cast<void*>(node)));
    QTreeWidgetItem* after = itemOf(insertAfter);
    if (parent == kNoTreeItem) {
        insertTopLevelItem(after ? indexOfTopLevelItem(after) + 1 : 0, item);
    } else {
        QTreeWidgetItem* parentItem = itemOf(parent);
        parentItem->insertChild(after ? parentItem->indexOfChild(after) + 1 : 0, item);
    }
    applyLook(item, look);
    return reinterpret_cast<TreeItem>(item);
}

void AddFilesTree::updateItem(TreeItem item, const TreeItemLook& look)
{
    applyLook(itemOf(item), look);
}

void AddFilesTree::deleteItem(TreeItem item)
{
    QTreeWidgetItem* doomed = itemOf(item);
    std::erase(pendingExpansion_, doomed);
    delete doomed;
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
    pendingExpansion_.clear();
    model_.localFiles().insertIntoTree(*this, kNoTreeItem, kNoTreeItem);
    for (QTreeWidgetItem* item : pendingExpansion_)
        item->setExpanded(true);
    pendingExpansion_.clear();
    if (QTreeWidgetItem* caret = itemOf(model_.currentNode()->treeItem()))
        selectionModel()->setCurrentIndex(indexFromItem(caret), QItemSelectionModel::NoUpdate);
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

void AddFilesTree::onExpansionChanged(QTreeWidgetItem* item, bool expanded)
{
    ProjectNode* node = nodeOf(item);
    if (updating_ || !node || node->isExpanded() == expanded)
        return;
    node->setExpanded(expanded);
    postRefresh();
}

bool AddFilesTree::onExpandButton(const QPoint& pos, const QTreeWidgetItem* item) const
{
    const int left = visualItemRect(item).left();
    return pos.x() < left && pos.x() >= left - indentation() && item->childCount() > 0;
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
    if (onExpandButton(pos, item))
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
