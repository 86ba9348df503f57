#include "ui/common/NodeTreeWidget.h"
#include "model/ProjectNode.h"
#include "ui/common/Icons.h"
#include "ui/common/QtText.h"
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <unordered_set>
#include <utility>

namespace torvane {

namespace {

// Below this many changes in a batch, closing and reopening the tree costs
// more than the changes themselves.
constexpr int kChangesBeforeClosing = 32;

// An item that knows its node, its selection mark and whether the view
// shows it open; none of them goes through the item model, so setting and
// reading them costs nothing (asking the view would look the item up).
class NodeItem final : public QTreeWidgetItem {
public:
    explicit NodeItem(ProjectNode* node)
        : QTreeWidgetItem(kNodeItemType)
        , node_(node)
    {
    }
    ProjectNode* node() const { return node_; }
    bool marked = false;
    bool open = false;
    bool excluded = false;

    static constexpr int kNodeItemType = QTreeWidgetItem::UserType + 1;

private:
    ProjectNode* node_;
};

NodeItem* asNodeItem(QTreeWidgetItem* item)
{
    return item && item->type() == NodeItem::kNodeItemType ? static_cast<NodeItem*>(item) : nullptr;
}

const NodeItem* asNodeItem(const QTreeWidgetItem* item)
{
    return asNodeItem(const_cast<QTreeWidgetItem*>(item));
}

// Draws an item as selected exactly when its mark is set, and an excluded
// target greyed and slanted, with a tip that says why.
class MarkDelegate final : public QStyledItemDelegate {
public:
    explicit MarkDelegate(NodeTreeWidget& tree)
        : QStyledItemDelegate(&tree)
        , tree_(tree)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state.setFlag(QStyle::State_Selected, tree_.isMarked(index));
        if (tree_.isShownExcluded(index)) {
            option->font.setItalic(true);
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
        }
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !tree_.isShownExcluded(index))
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), NodeTreeWidget::kExcludedTip, view);
        return true;
    }

private:
    NodeTreeWidget& tree_;
};

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
    // Rows of one height let the view lay out a million items by counting.
    setUniformRowHeights(true);
    setItemDelegate(new MarkDelegate(*this));
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
    const NodeItem* shown = asNodeItem(item);
    return shown ? shown->node() : nullptr;
}

bool NodeTreeWidget::isMarked(const QTreeWidgetItem* item)
{
    const NodeItem* shown = asNodeItem(item);
    return shown && shown->marked;
}

bool NodeTreeWidget::isMarked(const QModelIndex& index) const
{
    return isMarked(itemFromIndex(index));
}

bool NodeTreeWidget::isShownExcluded(const QTreeWidgetItem* item)
{
    const NodeItem* shown = asNodeItem(item);
    return shown && shown->excluded;
}

bool NodeTreeWidget::isShownExcluded(const QModelIndex& index) const
{
    return isShownExcluded(itemFromIndex(index));
}

void NodeTreeWidget::setMarked(QTreeWidgetItem* item, bool marked)
{
    if (NodeItem* shown = asNodeItem(item))
        shown->marked = marked;
}

void NodeTreeWidget::deferLayout()
{
    scheduleDelayedItemsLayout();
}

void NodeTreeWidget::noteStructureChange()
{
    deferLayout();
    if (++batchChanges_ > kChangesBeforeClosing)
        closeForBatch();
}

void NodeTreeWidget::closeForBatch()
{
    if (closedForBatch_)
        return;
    closedForBatch_ = true;
    // The notices of the closing are echoes: the nodes stay as they are.
    const bool wasUpdating = updating_;
    updating_ = true;
    QTreeWidget::collapseAll();
    updating_ = wasUpdating;
}

void NodeTreeWidget::reopenClosedItems(ProjectNode& top)
{
    batchChanges_ = 0;
    if (!closedForBatch_)
        return;
    closedForBatch_ = false;
    struct Reopen {
        NodeTreeWidget& tree;
        void operator()(ProjectNode& node) const
        {
            if (!node.isExpanded())
                return;
            if (QTreeWidgetItem* item = itemOf(node.treeItem()))
                tree.setItemExpanded(item, true);
            node.forEachChild(*this);
        }
    };
    Reopen {*this}(top);
}

void NodeTreeWidget::setItemExpanded(QTreeWidgetItem* item, bool expanded)
{
    NodeItem* shown = asNodeItem(item);
    if (!shown || shown->open == expanded)
        return;
    // Qt keeps a persistent index for every open item and visits them all
    // on each change of the tree: an item without children stays closed
    // until children come (see attachPendingItems).
    if (expanded && item->childCount() == 0)
        return;
    deferLayout();
    shown->open = expanded;
    item->setExpanded(expanded);
}

void NodeTreeWidget::applyLook(QTreeWidgetItem* item, const TreeItemLook& look)
{
    // Only what changed goes to the item: every text or picture set is a
    // signal through the item model.
    if (look.textOrImageChanged) {
        item->setText(0, fromBytes(look.text));
        if (const QIcon* icon = nodeIcon(look.image))
            item->setIcon(0, *icon);
    }
    setMarked(item, look.selected);
    if (NodeItem* shown = asNodeItem(item))
        shown->excluded = look.excluded;
    if (look.expanded)
        pendingExpansion_.push_back(item);
    else
        setItemExpanded(item, false);
}

TreeItem NodeTreeWidget::insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node)
{
    auto* item = new NodeItem(node);
    QTreeWidgetItem* after = itemOf(insertAfter);
    QTreeWidgetItem* parentItem = parent == kNoTreeItem ? invisibleRootItem() : itemOf(parent);
    if (parentItem->treeWidget()) {
        // Shown at the end of the batch with its whole subtree, and with the
        // new siblings that follow it, in one change of the view.
        pendingAttachments_.push_back({parentItem, after, item});
    } else {
        // Below an item not shown yet: nothing to tell the view.
        parentItem->insertChild(childIndexAfter(*parentItem, after), item);
    }
    applyLook(item, look);
    return reinterpret_cast<TreeItem>(item);
}

int NodeTreeWidget::childIndexAfter(const QTreeWidgetItem& parent, const QTreeWidgetItem* after)
{
    if (!after)
        return 0;
    // Children mostly come in key order, each after the last one: no search
    // through the siblings then.
    const int count = parent.childCount();
    return count > 0 && parent.child(count - 1) == after ? count
                                                         : parent.indexOfChild(const_cast<QTreeWidgetItem*>(after)) + 1;
}

void NodeTreeWidget::attachPendingItems()
{
    const std::vector<PendingAttachment> pending = std::exchange(pendingAttachments_, {});
    for (std::size_t first = 0; first < pending.size();) {
        QTreeWidgetItem* parent = pending[first].parent;
        QList<QTreeWidgetItem*> run {pending[first].item};
        std::size_t next = first + 1;
        while (next < pending.size() && pending[next].parent == parent && pending[next].after == run.back())
            run.push_back(pending[next++].item);
        noteStructureChange();
        parent->insertChildren(childIndexAfter(*parent, pending[first].after), run);
        if (const NodeItem* shown = asNodeItem(parent); shown && !shown->open && shown->node()->isExpanded())
            pendingExpansion_.push_back(parent);
        first = next;
    }
}

void NodeTreeWidget::updateItem(TreeItem item, const TreeItemLook& look)
{
    applyLook(itemOf(item), look);
}

void NodeTreeWidget::deleteItem(TreeItem item)
{
    QTreeWidgetItem* doomed = itemOf(item);
    noteStructureChange();
    std::erase(pendingExpansion_, doomed);
    delete doomed;
}

void NodeTreeWidget::deleteItems(const std::vector<TreeItem>& items)
{
    std::unordered_set<QTreeWidgetItem*> doomed;
    for (TreeItem item : items)
        doomed.insert(itemOf(item));
    const auto parentOf = [this](QTreeWidgetItem* item) {
        return item->parent() ? item->parent() : invisibleRootItem();
    };
    // An item whose parent goes too goes with it, unannounced.
    std::vector<QTreeWidgetItem*> topmost;
    for (QTreeWidgetItem* item : doomed) {
        if (!doomed.contains(parentOf(item)))
            topmost.push_back(item);
    }
    if (topmost.size() <= static_cast<std::size_t>(kChangesBeforeClosing)) {
        for (QTreeWidgetItem* item : topmost)
            deleteItem(reinterpret_cast<TreeItem>(item));
        return;
    }
    // Taking a parent's children out and putting the rest back forgets which
    // of them were open: the batch reopens them from the nodes.
    closeForBatch();
    deferLayout();
    pendingExpansion_.clear();
    std::unordered_set<QTreeWidgetItem*> parents;
    for (QTreeWidgetItem* item : topmost)
        parents.insert(parentOf(item));
    for (QTreeWidgetItem* parent : parents) {
        ++batchChanges_;
        QList<QTreeWidgetItem*> kept;
        for (QTreeWidgetItem* child : parent->takeChildren()) {
            if (doomed.contains(child))
                delete child;
            else
                kept.push_back(child);
        }
        parent->insertChildren(0, kept);
    }
}

void NodeTreeWidget::showNodes(ProjectNode& top)
{
    pendingExpansion_.clear();
    top.insertIntoTree(*this, kNoTreeItem, kNoTreeItem);
    attachPendingItems();
    for (QTreeWidgetItem* item : pendingExpansion_)
        setItemExpanded(item, true);
    pendingExpansion_.clear();
    reopenClosedItems(top);
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
    if (NodeItem* shown = asNodeItem(item))
        shown->open = expanded;
    if (updating_)
        return;
    ProjectNode* node = nodeOf(item);
    if (!node || node->isExpanded() == expanded)
        return;
    node->setExpanded(expanded);
    nodeExpansionChanged();
}

} // namespace torvane
