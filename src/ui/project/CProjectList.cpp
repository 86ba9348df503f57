#include "ui/project/CProjectList.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/project/ListRowsModel.h"
#include "ui/common/Icons.h"
#include "ui/common/QtText.h"
#include "document/CProjectDoc.h"
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace torvane {

namespace {

constexpr int kIconColumnWidth = 25;

// The records of the selected holders and locators, entries apart from
// cross-references, both in walk order: one walk instead of one per kind.
class ShownRecords : public NodeVisitor {
public:
    void visitEntry(IndexEntry& entry, ProjectNode& holder) override
    {
        if (holder.isSelected())
            entries.push_back(&entry);
    }
    void visitCrossReference(CrossReference& reference, ProjectNode& locator) override
    {
        if (locator.isSelected())
            references.push_back(&reference);
    }

    std::vector<IndexEntry*> entries;
    std::vector<CrossReference*> references;
};

// After these the list stays scrolled where it was; after the others it
// starts at the top.
bool keepsScrollPosition(int hint)
{
    switch (hint) {
    case HintListClick:
    case HintListClickOutside:
    case HintListKeyboard:
    case HintRecordsDeleted:
    case HintEntriesEdited:
    case HintUndo:
    case HintRedo:
    case HintSelectAssociated:
    case HintCrossReferenceCreated:
    case HintFocusMoved:
    case HintCrossReferenceEdited:
    case HintDefaultsAccepted:
        return true;
    default:
        return false;
    }
}

} // namespace

CProjectList::CProjectList(CProjectWnd& window)
    : window_(window)
    , model_(new ListRowsModel(rows_, this))
{
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(20, 14));
    // The scroll position is then the index of the top row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    // The arrow only shows the order; the clicks are handled here.
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(sortColumn_, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sectionClicked, this, &CProjectList::sortBy);
}

int CProjectList::currentRow() const
{
    const int row = window_.document().root().currentListRow();
    return row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void CProjectList::setCurrentRow(int row)
{
    window_.document().root().setCurrentListRow(row);
}

bool CProjectList::collectShown()
{
    ProjectRootNode& root = window_.document().root();
    ShownRecords shown;
    root.walkSelected(shown);
    std::vector<IndexEntry*>& entries = shown.entries;
    std::vector<CrossReference*>& references = shown.references;
    // The old lists' addresses are compared, never followed: their records
    // may be gone.
    bool same = entries == shownEntries_ && references == shownCrossReferences_;
    shownEntries_ = std::move(entries);
    shownCrossReferences_ = std::move(references);
    if (same && recordsDropped_)
        same = relinkRows();
    recordsDropped_ = false;
    return !same;
}

bool CProjectList::relinkRows()
{
    // A record freed and another made at the same address must not keep the
    // old row's texts: compare what the rows show as well.
    const std::size_t entryCount = shownEntries_.size();
    for (ListRow& row : rows_) {
        EntryRecord* record = row.shownIndex < entryCount
                                  ? static_cast<EntryRecord*>(shownEntries_[row.shownIndex])
                                  : static_cast<EntryRecord*>(shownCrossReferences_[row.shownIndex - entryCount]);
        if (row.kind != static_cast<int>(record->kind()) || row.sortKey != record->sortKey() ||
            row.linkUrl != record->linkUrl())
            return false;
        row.record = record;
    }
    return true;
}

void CProjectList::dropRecords()
{
    for (ListRow& row : rows_) {
        if (!row.record)
            continue;
        row.shownSelected = row.record->isListSelected();
        row.record = nullptr;
    }
    recordsDropped_ = true;
}

void CProjectList::rebuildRows()
{
    rows_.clear();
    rows_.reserve(shownEntries_.size() + shownCrossReferences_.size());
    for (IndexEntry* entry : shownEntries_)
        rows_.push_back(makeListRow(*entry, true));
    for (CrossReference* reference : shownCrossReferences_)
        rows_.push_back(makeListRow(*reference, false));
    for (std::size_t index = 0; index < rows_.size(); ++index)
        rows_[index].shownIndex = index;
    sortRows(rows_, sortColumn_, sortAscending_);
    setCurrentRow(rows_.empty() ? -1 : 0);
    rowsToInsert_ = true;
}

void CProjectList::insertRows(int hint)
{
    const int topRow = verticalScrollBar()->value();
    for (size_t i = 0; i < rows_.size(); ++i)
        rows_[i].record->setListItem(static_cast<int>(i));
    model_->reset();
    // The scroll range must know the new rows before the old position is set.
    executeDelayedItemsLayout();
    updateGeometries();
    // The old top row comes back only while it still exists; the scroll bar
    // keeps it within range.
    const bool keepTop = keepsScrollPosition(hint) && topRow < static_cast<int>(rows_.size());
    verticalScrollBar()->setValue(keepTop ? topRow : 0);
}

void CProjectList::updateView(int hint)
{
    setUpdatesEnabled(false);
    if (collectShown())
        rebuildRows();
    if (rowsToInsert_) {
        rowsToInsert_ = false;
        insertRows(hint);
    }
    setUpdatesEnabled(true);
    viewport()->update();
    counts_ = countListSelection(rows_);
}

void CProjectList::sortBy(int column)
{
    if (column == sortColumn_) {
        sortAscending_ = !sortAscending_;
    } else {
        sortColumn_ = column;
        sortAscending_ = true;
    }
    header()->setSortIndicator(sortColumn_, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    sortRows(rows_, sortColumn_, sortAscending_);
    setCurrentRow(rows_.empty() ? -1 : 0);
    rowsToInsert_ = true;
    window_.document().updateAllViews(HintListSorted, this);
}

void CProjectList::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int r = index.row();
    if (r < 0 || r >= static_cast<int>(rows_.size()))
        return;
    const ListRow& row = rows_[static_cast<size_t>(r)];
    const QRect rect = option.rect;
    const int x0 = header()->sectionViewportPosition(ColumnIcon);
    const int x1 = header()->sectionViewportPosition(ColumnIndexEntry);
    const int w1 = header()->sectionSize(ColumnIndexEntry);
    const int x2 = header()->sectionViewportPosition(ColumnTargetUrl);
    const int w2 = header()->sectionSize(ColumnTargetUrl);

    const auto& images = entryImages();
    if (row.iconIndex >= 0 && row.iconIndex < static_cast<int>(images.size()))
        painter->drawPixmap(x0 + 2, rect.top(), images[static_cast<size_t>(row.iconIndex)]);

    const QRect area(x1, rect.top(), x2 + w2 - x1, rect.height());
    QColor textColor = Qt::black;
    if (row.record ? row.record->isListSelected() : row.shownSelected) {
        const bool active = window_.activeView() == this;
        const QColor fill = active ? activeSelectionColor() : inactiveSelectionColor();
        painter->fillRect(area, fill);
        painter->setPen(fill);
        painter->drawRect(area.adjusted(0, 0, -1, -1));
        textColor = active ? Qt::white : Qt::black;
    }
    if (r == currentRow() && hasFocus()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter->setPen(dotted);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter->setPen(textColor);
    painter->setFont(option.font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    // A text cut by its column ends in an ellipsis, so that it shows it goes on.
    const auto drawClipped = [&](int x, int width, const std::string& text) {
        const int room = std::max(0, width - 7);
        const QString shown = painter->fontMetrics().elidedText(fromBytes(text), Qt::ElideRight, room);
        painter->drawText(QRect(x + 2, rect.top(), room, rect.height()), flags, shown);
    };
    drawClipped(x1, w1, row.sortKey);
    drawClipped(x2, w2, row.linkUrl);
}

int CProjectList::rowAt(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

void CProjectList::selectRow(int row, Qt::KeyboardModifiers modifiers)
{
    // Until the rows have their records again a click selects nothing.
    if (recordsDropped_)
        return;
    applyListSelection(rows_, row, modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier));
}

void CProjectList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    const int row = rowAt(event->position().toPoint());
    int hint = HintListClickOutside;
    if (row >= 0) {
        selectRow(row, event->modifiers());
        setCurrentRow(row);
        hint = HintListClick;
    }
    setFocus(Qt::MouseFocusReason);
    window_.document().updateAllViews(hint, this);
}

void CProjectList::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int row = rowAt(event->position().toPoint());
    if (row < 0 || event->button() != Qt::LeftButton)
        return;
    window_.runListDoubleClick(rows_[static_cast<size_t>(row)].isEntry);
}

bool CProjectList::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QTreeView::event(event);
}

void CProjectList::keyPressEvent(QKeyEvent* event)
{
    const int count = static_cast<int>(rows_.size());
    const int current = currentRow();
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        window_.document().updateAllViews(HintFocusMoved, window_.treeView());
        break;
    case Qt::Key_Space:
        if (count > 0 && current >= 0) {
            selectRow(current, event->modifiers());
            window_.document().updateAllViews(HintListKeyboard, this);
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const bool up = event->key() == Qt::Key_Up;
        if (count >= 2 && current >= 0 && (up ? current > 0 : current < count - 1)) {
            const int next = up ? current - 1 : current + 1;
            setCurrentRow(next);
            scrollTo(model()->index(next, 0));
            window_.document().updateAllViews(HintListKeyboard, this);
        }
        break;
    }
    case Qt::Key_PageUp:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Delete:
        deleteSelected();
        break;
    default:
        break;
    }
    event->accept();
}

void CProjectList::contextMenuEvent(QContextMenuEvent* event)
{
    window_.showListPopup(event->globalPos());
}

void CProjectList::focusInEvent(QFocusEvent* event)
{
    QTreeView::focusInEvent(event);
    window_.viewActivated(this);
}

void CProjectList::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    const int width = viewport()->width();
    if (!columnsSized_) {
        // Both text columns share what is left beside the picture column.
        columnsSized_ = true;
        const int textWidth = (width * 50 - 1250) / 100;
        setColumnWidth(ColumnIcon, kIconColumnWidth);
        setColumnWidth(ColumnIndexEntry, textWidth);
        setColumnWidth(ColumnTargetUrl, textWidth);
        return;
    }
    const int c0 = columnWidth(ColumnIcon);
    const int c1 = columnWidth(ColumnIndexEntry);
    const int c2 = columnWidth(ColumnTargetUrl);
    const int total = c0 + c1 + c2;
    if (c0 >= width || total - c0 <= 0)
        return;
    setColumnWidth(ColumnIndexEntry, c1 * (width - c0) / (total - c0));
    setColumnWidth(ColumnTargetUrl, c2 * (width - c0) / (total - c0));
}

std::vector<EntryRecord*> CProjectList::selectedRecords() const
{
    std::vector<EntryRecord*> records;
    for (const ListRow& row : rows_) {
        if (row.record && row.record->isListSelected())
            records.push_back(row.record);
    }
    return records;
}

void CProjectList::deleteSelected()
{
    if (counts_.selectedEntryCount <= 0 && counts_.selectedCrossRefCount <= 0)
        return;
    window_.document().deleteRecords(selectedRecords(), this);
}

void CProjectList::acceptSelectedDefaults()
{
    if (counts_.selectedDefaultCount <= 0)
        return;
    window_.document().acceptDefaultEntries(selectedRecords(), this);
}

void CProjectList::selectAssociatedTargets()
{
    if (counts_.selectedEntryCount <= 0 && counts_.selectedCrossRefCount <= 0)
        return;
    std::vector<ProjectNode*> owners;
    for (EntryRecord* record : selectedRecords()) {
        if (record->owner())
            owners.push_back(record->owner());
    }
    ProjectRootNode& root = window_.document().root();
    root.setCurrentNode(&root);
    root.setExpanded(false);
    root.setSelected(false);
    for (ProjectNode* owner : owners) {
        std::vector<ProjectNode*> ancestors;
        for (ProjectNode* up = owner->parent(); up; up = up->parent())
            ancestors.push_back(up);
        for (ProjectNode* ancestor : ancestors)
            ancestor->setExpanded(true);
        owner->setExpanded(true);
    }
    for (ProjectNode* owner : owners)
        owner->setSelected(true);
    window_.scrollTreeToTop();
    window_.document().updateAllViews(HintSelectAssociated, window_.treeView());
}

} // namespace torvane
