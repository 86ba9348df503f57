#include "ui/CProjectTree.h"
#include "model/ProjectRootNode.h"
#include "ui/CProjectList.h"
#include "ui/CProjectWnd.h"
#include "ui/CommandIds.h"
#include "ui/Icons.h"
#include "ui/QtText.h"
#include "document/CProjectDoc.h"
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace torvane {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

// The add commands with modeless dialogs, in the order their dialogs are
// destroyed with the view, and the hint of each one's notification.
constexpr int kDialogCommands[] = {CmdAddFiles, CmdAddExternalUrls, CmdAddIndexEntry, CmdCreateCrossReference};
constexpr int kDialogHints[] = {HintFilesAdded, HintUrlAdded, HintEntryAdded, HintCrossReferenceCreated};

int dialogSlot(int commandId)
{
    for (int slot = 0; slot < 4; ++slot) {
        if (kDialogCommands[slot] == commandId)
            return slot;
    }
    return -1;
}

bool shiftHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ShiftModifier);
}

bool ctrlHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ControlModifier);
}

} // namespace

CProjectTree::CProjectTree(CProjectWnd& window)
    : window_(window)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The control never selects by itself: every mark comes from the model.
    setSelectionMode(QAbstractItemView::NoSelection);
    setIconSize(QSize(20, 15));
    // Selection stays visible when the focus is in the other pane.
    QPalette shown = palette();
    shown.setColor(QPalette::Inactive, QPalette::Highlight, shown.color(QPalette::Active, QPalette::Highlight));
    shown.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   shown.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(shown);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { onExpansionChanged(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpansionChanged(item, false); });
    // While the view rebuilds, the previous item's node may already be gone.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem*, QTreeWidgetItem* previous) {
        if (updating_)
            return;
        if (ProjectNode* node = nodeOf(previous))
            node->setDisplayDirty();
    });
}

CProjectTree::~CProjectTree()
{
    for (QPointer<QWidget>& dialog : dialogs_) {
        if (dialog) {
            disconnect(dialog, nullptr, this, nullptr);
            delete dialog;
        }
    }
}

QWidget* CProjectTree::modelessDialog(int commandId) const
{
    const int slot = dialogSlot(commandId);
    return slot < 0 ? nullptr : dialogs_[slot].data();
}

void CProjectTree::adoptModelessDialog(int commandId, QWidget* dialog)
{
    const int slot = dialogSlot(commandId);
    if (slot < 0 || !dialog)
        return;
    dialog->setParent(this, dialog->windowFlags() | Qt::Dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialogs_[slot] = dialog;
    // Closing the dialog is its last notification: the views refresh with
    // the command enabled again.
    const int hint = kDialogHints[slot];
    connect(dialog, &QObject::destroyed, this, [this, hint] { window_.document().updateAllViews(hint, this); });
    dialog->adjustSize();
    const QRect owner = window()->geometry();
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(owner.center());
    dialog->move(frame.topLeft());
    dialog->show();
}

ProjectNode* CProjectTree::nodeOf(const QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    return static_cast<ProjectNode*>(item->data(0, kNodeRole).value<void*>());
}

namespace {

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

void CProjectTree::applyLook(QTreeWidgetItem* item, const TreeItemLook& look)
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

TreeItem CProjectTree::insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node)
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

void CProjectTree::updateItem(TreeItem item, const TreeItemLook& look)
{
    applyLook(itemOf(item), look);
}

void CProjectTree::deleteItem(TreeItem item)
{
    QTreeWidgetItem* doomed = itemOf(item);
    std::erase(pendingExpansion_, doomed);
    delete doomed;
}

void CProjectTree::updateView(int)
{
    ProjectRootNode& root = window_.document().root();
    updating_ = true;
    setUpdatesEnabled(false);
    // Only a newly opened project is a tree of its own; undo and redo put
    // pages back in place, releasing the items of those they take out, so
    // they update like any other change instead of rebuilding every item.
    if (shownRoot_ != &root) {
        root.forgetTreeItems();
        clear();
        root.clearReleasedTreeItems();
        shownRoot_ = &root;
    }
    pendingExpansion_.clear();
    root.insertIntoTree(*this, kNoTreeItem, kNoTreeItem);
    for (QTreeWidgetItem* item : pendingExpansion_)
        item->setExpanded(true);
    pendingExpansion_.clear();

    ProjectNode* current = root.currentNode();
    if (QTreeWidgetItem* caret = itemOf(current->treeItem())) {
        selectionModel()->setCurrentIndex(indexFromItem(caret), QItemSelectionModel::NoUpdate);
        caret->setSelected(current->isSelected());
    }
    setUpdatesEnabled(true);
    updating_ = false;
    viewport()->update();

    countSelection(root);
}

void CProjectTree::countSelection(ProjectRootNode& root)
{
    // One walk for the three counts: the tree may hold a million nodes.
    std::vector<ProjectNode*> selected;
    root.collect(selected, NodeKindMask::SelectedOnly | NodeKindMask::File | NodeKindMask::Target |
                               NodeKindMask::Url | NodeKindMask::Locator);
    removableCount_ = 0;
    selectedFileCount_ = 0;
    targetCount_ = 0;
    for (const ProjectNode* node : selected) {
        const unsigned kind = node->kindBit();
        if (kind & (NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator))
            ++removableCount_;
        if (kind == NodeKindMask::File)
            ++selectedFileCount_;
        if (kind & (NodeKindMask::File | NodeKindMask::Target | NodeKindMask::Url))
            ++targetCount_;
    }
}

CProjectTree::HitPart CProjectTree::hitTest(const QPoint& pos, QTreeWidgetItem** hit) const
{
    QTreeWidgetItem* item = itemAt(pos);
    *hit = item;
    if (!item)
        return HitPart::Nothing;
    const QRect rect = visualItemRect(item);
    if (pos.x() < rect.left()) {
        const bool onButton = pos.x() >= rect.left() - indentation() && item->childCount() > 0;
        return onButton ? HitPart::ExpandButton : HitPart::RowElsewhere;
    }
    const int labelRight =
        rect.left() + iconSize().width() + 8 + fontMetrics().horizontalAdvance(item->text(0)) + 4;
    return pos.x() <= labelRight ? HitPart::Label : HitPart::RowElsewhere;
}

void CProjectTree::mousePressEvent(QMouseEvent* event)
{
    window_.flushRefresh();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    ProjectRootNode& root = window_.document().root();
    QTreeWidgetItem* item = nullptr;
    const HitPart part = hitTest(event->position().toPoint(), &item);
    const bool right = event->button() == Qt::RightButton;
    int hint = HintNone;
    switch (part) {
    case HitPart::Label: {
        ProjectNode* node = nodeOf(item);
        const auto modifiers = right ? Qt::NoModifier : event->modifiers();
        root.applyTreeSelection(*node, shiftHeld(modifiers), ctrlHeld(modifiers));
        root.setCurrentNode(node);
        hint = HintTreeClick;
        break;
    }
    case HitPart::ExpandButton:
        root.setCurrentNode(nodeOf(item));
        hint = HintTreeClick;
        break;
    case HitPart::Nothing:
        hint = HintTreeClickOutside;
        break;
    case HitPart::RowElsewhere:
        break;
    }
    if (hint != HintNone)
        window_.document().updateAllViews(hint, this);
    setFocus(Qt::MouseFocusReason);
    // Only the expand button is left to the control, which opens or closes
    // the item and reports it through the expansion notice.
    if (part == HitPart::ExpandButton && !right)
        QTreeWidget::mousePressEvent(event);
}

void CProjectTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    window_.flushRefresh();
    QTreeWidgetItem* item = nullptr;
    if (hitTest(event->position().toPoint(), &item) == HitPart::Label && item->childCount() > 0 &&
        event->button() == Qt::LeftButton)
        item->setExpanded(!item->isExpanded());
}

void CProjectTree::onExpansionChanged(QTreeWidgetItem* item, bool expanded)
{
    if (updating_)
        return;
    ProjectNode* node = nodeOf(item);
    if (!node || node->isExpanded() == expanded)
        return;
    node->setExpanded(expanded);
    window_.document().updateAllViews(HintTreeExpandCollapse, this);
}

bool CProjectTree::event(QEvent* event)
{
    // Tab belongs to the view, not to the dialog-style focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QTreeWidget::event(event);
}

void CProjectTree::keyPressEvent(QKeyEvent* event)
{
    window_.flushRefresh();
    ProjectRootNode& root = window_.document().root();
    ProjectNode* current = root.currentNode();
    QTreeWidgetItem* currentItem = itemOf(current->treeItem());
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        window_.document().updateAllViews(HintFocusMoved, window_.listView());
        break;
    case Qt::Key_PageUp:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const bool expand = event->key() == Qt::Key_Right;
        current->setExpanded(expand);
        if (currentItem) {
            updating_ = true;
            currentItem->setExpanded(expand);
            updating_ = false;
        }
        window_.document().updateAllViews(HintTreeKeyboard, this);
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QTreeWidgetItem* next = nullptr;
        if (currentItem)
            next = event->key() == Qt::Key_Up ? itemAbove(currentItem) : itemBelow(currentItem);
        if (!next)
            break;
        ProjectNode* node = nodeOf(next);
        root.applyTreeSelection(*node, shiftHeld(event->modifiers()), ctrlHeld(event->modifiers()));
        root.setCurrentNode(node);
        window_.document().updateAllViews(HintTreeKeyboard, this);
        break;
    }
    case Qt::Key_Delete:
        removeSelected();
        break;
    default:
        break;
    }
    event->accept();
}

void CProjectTree::contextMenuEvent(QContextMenuEvent* event)
{
    window_.showTreePopup(event->globalPos());
}

void CProjectTree::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    window_.viewActivated(this);
}

void CProjectTree::removeSelected()
{
    window_.document().removeSelected(this);
}

void CProjectTree::expandAll()
{
    std::vector<ProjectNode*> nodes;
    window_.document().root().collect(nodes, NodeKindMask::AllNodes);
    setUpdatesEnabled(false);
    for (ProjectNode* node : nodes)
        node->setExpanded(true);
    setUpdatesEnabled(true);
    scrollRootToTop();
    window_.document().updateAllViews(HintExpandAll, this);
}

void CProjectTree::collapseAll()
{
    ProjectRootNode& root = window_.document().root();
    root.setCurrentNode(&root);
    std::vector<ProjectNode*> nodes;
    root.collect(nodes, NodeKindMask::AllNodes);
    for (ProjectNode* node : nodes)
        node->setExpanded(false);
    scrollRootToTop();
    window_.document().updateAllViews(HintCollapseAll, this);
}

void CProjectTree::scrollRootToTop()
{
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace torvane
