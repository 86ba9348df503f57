#include "ui/common/NodeTreeWidget.h"
#include "model/ProjectNode.h"
#include "ui/common/Icons.h"
#include "ui/common/QtText.h"
#include <algorithm>

namespace torvane {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

// One icon per picture, shared by every item that shows it.
const QIcon* nodeIcon(int image)
{
    static const std::vector<QIcon> icons = [] {
        std::vector<QIcon> made;
        for (const QPixmap& picture : nodeImages())
            made.emplace_back(picture);
        return made;
    }();
    return image >= 0 && image < static_cast<int>(icons.size()) ? &icons[static_cast<size_t>(image)] : nullptr;
}

} // namespace

NodeTreeWidget::NodeTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The control never selects by itself: every mark comes from the model.
    setSelectionMode(QAbstractItemView::NoSelection);
    setIconSize(QSize(20, 15));
    // The selection stays visible while the focus is elsewhere.
    QPalette shown = palette();
    shown.setColor(QPalette::Inactive, QPalette::Highlight, shown.color(QPalette::Active, QPalette::Highlight));
    shown.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   shown.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(shown);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { onExpansionChanged(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpansionChanged(item, false); });
}

ProjectNode* NodeTreeWidget::nodeOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return static_cast<ProjectNode*>(item->data(0, kNodeRole).value<void*>());
}

void NodeTreeWidget::applyLook(QTreeWidgetItem* item, const TreeItemLook& look)
{
    item->setText(0, fromBytes(look.text));
    if (const QIcon* icon = nodeIcon(look.image))
        item->setIcon(0, *icon);
    // Each change goes through the control's selection and layout: a
    // project of a million items can only afford the real changes.
    if (item->isSelected() != look.selected)
        item->setSelected(look.selected);
    if (look.expanded)
        pendingExpansion_.push_back(item);
    else if (item->isExpanded())
        item->setExpanded(false);
}

TreeItem NodeTreeWidget::insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look,
                                    ProjectNode* node)
{
    auto* item = new QTreeWidgetItem;
    item->setData(0, kNodeRole, QVariant::fromValue(static_cast<void*>(node)));
    QTreeWidgetItem* after = itemOf(insertAfter);
    if (parent == kNoTreeItem) {
        const int index = after ? indexOfTopLevelItem(after) + 1 : 0;
        insertTopLevelItem(index, item);
    } else {
        // Children mostly come in key order, each after the last one: no
        // search through the siblings then.
        QTreeWidgetItem* parentItem = itemOf(parent);
        const int count = parentItem->childCount();
        int index = 0;
        if (after)
            index = count > 0 && parentItem->child(count - 1) == after ? count : parentItem->indexOfChild(after) + 1;
        parentItem->insertChild(index, item);
    }
    applyLook(item, look);
    return reinterpret_cast<TreeItem>(item);
}

void NodeTreeWidget::updateItem(TreeItem item, const TreeItemLook& look)
{
    applyLook(itemOf(item), look);
}

void NodeTreeWidget::deleteItem(TreeItem item)
{
    QTreeWidgetItem* doomed = itemOf(item);
    std::erase(pendingExpansion_, doomed);
    delete doomed;
}

void NodeTreeWidget::showNodes(ProjectNode& top)
{
    pendingExpansion_.clear();
    top.insertIntoTree(*this, kNoTreeItem, kNoTreeItem);
    for (QTreeWidgetItem* item : pendingExpansion_)
        item->setExpanded(true);
    pendingExpansion_.clear();
}

QTreeWidgetItem* NodeTreeWidget::moveCurrentItemTo(const ProjectNode& node)
{
    QTreeWidgetItem* item = itemOf(node.treeItem());
    if (item)
        selectionModel()->setCurrentIndex(indexFromItem(item), QItemSelectionModel::NoUpdate);
    return item;
}

bool NodeTreeWidget::isOnExpandButton(const QPoint& pos, const QTreeWidgetItem* item) const
{
    const int left = visualItemRect(item).left();
    return pos.x() < left && pos.x() >= left - indentation() && item->childCount() > 0;
}

void NodeTreeWidget::onExpansionChanged(QTreeWidgetItem* item, bool expanded)
{
    if (updating_)
        return;
    ProjectNode* node = nodeOf(item);
    if (!node || node->isExpanded() == expanded)
        return;
    node->setExpanded(expanded);
    nodeExpansionChanged();
}

} // namespace torvane
