#include "ui/project/CProjectTree.h"
#include "model/ProjectRootNode.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectWnd.h"
#include "ui/project/RemovalQuestion.h"
#include "platform/AppServices.h"
#include "ui/commands/CommandIds.h"
#include "document/CProjectDoc.h"
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace torvane {

namespace {

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

// The rules ask only whether there are none, one or more of each, so the
// count stops there instead of visiting a selection of a million nodes.
struct SelectionCounts {
    int removable = 0;
    int files = 0;
    int targets = 0;
    bool complete() const { return removable > 1 && files > 1 && targets > 1; }
};

void countSelected(ProjectNode& node, bool shared, SelectionCounts& counts)
{
    if (counts.complete() || (!shared && !node.mayHoldSelection()))
        return;
    const bool selected = shared || node.isSelected();
    if (selected) {
        const unsigned kind = node.kindBit();
        if (kind & (NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator))
            ++counts.removable;
        if (kind == NodeKindMask::File)
            ++counts.files;
        if (kind & (NodeKindMask::File | NodeKindMask::Target | NodeKindMask::Url))
            ++counts.targets;
    }
    // Below a collapsed node everything shares its mark.
    const bool collapsed = !node.isExpanded();
    if (collapsed && !selected)
        return;
    node.forEachChild([collapsed, &counts](ProjectNode& child) { countSelected(child, collapsed, counts); });
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
    setExpandsOnDoubleClick(true);
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

void CProjectTree::dropReleasedItems()
{
    ProjectRootNode& root = window_.document().root();
    if (shownRoot_ == &root && root.releasedTreeItems().empty())
        return;
    updating_ = true;
    setUpdatesEnabled(false);
    if (shownRoot_ != &root) {
        // A new tree: every item stood for a node of the one that went.
        clear();
        shownRoot_ = nullptr;
    } else {
        deleteItems(root.releasedTreeItems());
        root.clearReleasedTreeItems();
    }
    setUpdatesEnabled(true);
    updating_ = false;
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
    showNodes(root);
    const ProjectNode* current = root.currentNode();
    if (QTreeWidgetItem* caret = moveCurrentItemTo(*current))
        setMarked(caret, current->isSelected());
    setUpdatesEnabled(true);
    updating_ = false;
    viewport()->update();

    countSelection(root);
}

void CProjectTree::countSelection(ProjectRootNode& root)
{
    SelectionCounts counts;
    countSelected(root, false, counts);
    removableCount_ = counts.removable;
    selectedFileCount_ = counts.files;
    targetCount_ = counts.targets;
}

CProjectTree::HitPart CProjectTree::hitTest(const QPoint& pos, QTreeWidgetItem** hit) const
{
    QTreeWidgetItem* item = itemAt(pos);
    *hit = item;
    if (!item)
        return HitPart::Nothing;
    const QRect rect = visualItemRect(item);
    if (pos.x() < rect.left())
        return isOnExpandButton(pos, item) ? HitPart::ExpandButton : HitPart::RowElsewhere;
    const int labelRight = rect.left() + iconSize().width() + 8 + fontMetrics().horizontalAdvance(item->text(0)) + 4;
    return pos.x() <= labelRight ? HitPart::Label : HitPart::RowElsewhere;
}

void CProjectTree::mousePressEvent(QMouseEvent* event)
{
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
    QTreeWidgetItem* item = nullptr;
    if (hitTest(event->position().toPoint(), &item) == HitPart::Label && item->childCount() > 0 &&
        event->button() == Qt::LeftButton)
        item->setExpanded(!item->isExpanded());
}

void CProjectTree::nodeExpansionChanged()
{
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
    ProjectRootNode& root = window_.document().root();
    const RemovalCounts removing = selectedRemovable(root);
    // The project's totals matter only when a few items might be all of it.
    const RemovalCounts inProject =
        removing.total() > 0 && removing.total() <= kRemovalHandful ? projectRemovable(root) : RemovalCounts {};
    if (const auto question = removalQuestion(removing, inProject)) {
        // No (Enter) keeps them; the views refresh as after any Remove.
        if (!window_.services().messages.askYesNo(*question, false)) {
            window_.document().updateAllViews(HintRemoved, this);
            return;
        }
    }
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
    // Every node ends collapsed with the root's selection, which comes first.
    root.collapseAll(root.isSelected());
    scrollRootToTop();
    window_.document().updateAllViews(HintCollapseAll, this);
}

void CProjectTree::scrollRootToTop()
{
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

} // namespace torvane
