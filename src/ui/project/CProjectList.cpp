#include "ui/project/CProjectList.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/project/ListRowsModel.h"
#include "platform/TextUtil.h"
#include "ui/common/Icons.h"
#include "ui/common/QtText.h"
#include "document/CProjectDoc.h"
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

namespace torvane {

namespace {

constexpr int kIconColumnWidth = 25;

// Changes of the list alone: the rows stay as they are.
bool changesListOnly(int hint)
{
    return hint == HintListClick || hint == HintListClickOutside || hint == HintListKeyboard || hint == HintListSorted;
}

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
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(20, 14));
    // The scroll position is then the index of the top row.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(lineHeight());
    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsClickable(true);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    // The arrow only shows the order; the clicks are handled here.
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(sortColumn_, Qt::AscendingOrder);
    // The entry as the index shows it stands beside its sort key.
    columns->moveSection(ColumnEntryText, ColumnTargetUrl);
    connect(columns, &QHeaderView::sectionClicked, this, &CProjectList::sortBy);
}

int CProjectList::lineHeight() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Xg");
    const int text = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
    return std::max(text, iconSize().height());
}

void CProjectList::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        verticalHeader()->setDefaultSectionSize(lineHeight());
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

void CProjectList::dropRecords()
{
    if (recordsDropped_)
        return;
    // Only the rows in view and the current row are kept: an action with a
    // million rows listed then costs what those few cost.
    const auto keep = [this](int r) {
        const EntryRecord& record = *rows_[static_cast<std::size_t>(r)].record;
        letGo_.push_back(LetGoRow {static_cast<std::size_t>(r), &record, record.owner(),
                                   static_cast<int>(record.kind()), record.isListSelected(),
                                   rows_[static_cast<std::size_t>(r)].isEntry, record.iconIndex(),
                                   std::string(record.sortKey()), entryText(record), record.linkUrl()});
    };
    letGo_.clear();
    letGoTop_ = std::max(0, verticalOffset() / verticalHeader()->defaultSectionSize());
    // No row is lower than a line of text.
    const int inView = viewport()->height() / std::max(1, fontMetrics().height()) + 2;
    const int count = static_cast<int>(rows_.size());
    for (int r = letGoTop_; r < std::min(count, letGoTop_ + inView); ++r)
        keep(r);
    letGoInView_ = static_cast<int>(letGo_.size());
    if (const int current = currentRow(); current >= 0 && (current < letGoTop_ || current >= letGoTop_ + letGoInView_))
        keep(current);
    rows_.letGo();
    recordsDropped_ = true;
}

bool CProjectList::sameRecordsAsBefore(const ShownRowList& rows) const
{
    if (rows.size() != rows_.size())
        return false;
    if (!recordsDropped_)
        return rows.sameRows(rows_);
    // What is seen of the list is compared: the rows in view and the current
    // row. A record freed and another made at the same address must not pass
    // for the old one: what it shows is compared too.
    for (const LetGoRow& old : letGo_) {
        const EntryRecord& record = *rows[old.row].record;
        if (&record != old.record || record.owner() != old.owner || static_cast<int>(record.kind()) != old.kind ||
            record.sortKey() != old.sortKey)
            return false;
    }
    return true;
}

const CProjectList::LetGoRow* CProjectList::letGoInView(int r) const
{
    if (!recordsDropped_ || r < letGoTop_ || r - letGoTop_ >= letGoInView_)
        return nullptr;
    return &letGo_[static_cast<std::size_t>(r - letGoTop_)];
}

void CProjectList::rebuildRows()
{
    ShownRowList rows = ShownRowList::of(window_.document().root(), sortColumn_, sortAscending_, filter_);
    const bool same = sameRecordsAsBefore(rows);
    rows_ = std::move(rows);
    letGo_.clear();
    letGoInView_ = 0;
    recordsDropped_ = false;
    if (!same) {
        setCurrentRow(rows_.empty() ? -1 : 0);
        rowsToInsert_ = true;
    }
}

void CProjectList::insertRows(int hint)
{
    const int topRow = verticalScrollBar()->value();
    model_->reset();
    // The scroll range must know the new rows before the old position is set.
    executeDelayedItemsLayout();
    updateGeometries();
    // The old top row comes back only while it still exists; the scroll bar
    // keeps it within range.
    const bool keepTop = keepsScrollPosition(hint) && topRow < static_cast<int>(rows_.size());
    scrollToRow(keepTop ? topRow : 0);
}

void CProjectList::scrollToRow(int row)
{
    QScrollBar& bar = *verticalScrollBar();
    const QSignalBlocker quiet(&bar);
    bar.setValue(row);
    // The table moves its rows only when the value changes. Where a row
    // starts it finds by adding up the heights of every row after a reset;
    // the top needs none of that.
    QHeaderView& rows = *verticalHeader();
    if (bar.value() == 0)
        rows.setOffset(0);
    else if (bar.value() == bar.maximum())
        rows.setOffsetToLastSection();
    else
        rows.setOffsetToSectionPosition(bar.value());
}

void CProjectList::updateView(int hint)
{
    setUpdatesEnabled(false);
    if (recordsDropped_ || !changesListOnly(hint))
        rebuildRows();
    if (rowsToInsert_) {
        rowsToInsert_ = false;
        insertRows(hint);
    }
    setUpdatesEnabled(true);
    viewport()->update();
    counts_ = countListSelection(markedRecords());
}

void CProjectList::sortBy(int column)
{
    if (column == ColumnEntryText) {
        horizontalHeader()->setSortIndicator(sortColumn_, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
        return;
    }
    if (column == sortColumn_) {
        sortAscending_ = !sortAscending_;
    } else {
        sortColumn_ = column;
        sortAscending_ = true;
    }
    horizontalHeader()->setSortIndicator(sortColumn_, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    if (!recordsDropped_)
        sortRows(rows_.made(), sortColumn_, sortAscending_);
    setCurrentRow(rows_.empty() ? -1 : 0);
    rowsToInsert_ = true;
    window_.document().updateAllViews(HintListSorted, this);
}

void CProjectList::setFilter(const std::string& text)
{
    if (text == filter_)
        return;
    filter_ = text;
    // Rows let go of their records are made anew by the coming refresh.
    if (recordsDropped_)
        return;
    rows_ = ShownRowList::of(window_.document().root(), sortColumn_, sortAscending_, filter_);
    setCurrentRow(rows_.empty() ? -1 : 0);
    rowsToInsert_ = true;
    updateView(HintListSorted);
}

void CProjectList::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const int height = verticalHeader()->defaultSectionSize();
    // The model may still count the rows from before a rebuild.
    const int count = std::min(model_->rowCount(), static_cast<int>(rows_.size()));
    // Scrolled to the end, the last row is at the bottom and the top row
    // may be cut.
    if (count == 0) {
        drawEmptyHint(painter);
        return;
    }
    const int offset = verticalOffset();
    const QRect dirty = event->rect();
    for (int r = (offset + std::max(0, dirty.top())) / height; r < count; ++r) {
        const QRect rect(0, r * height - offset, viewport()->width(), height);
        if (rect.top() > dirty.bottom())
            break;
        drawRow(painter, rect, r);
    }
}

QString CProjectList::emptyHint() const
{
    if (!filter_.empty())
        return tr("No entry matches the filter. Press Esc in the filter to clear it.");
    return tr("Select pages, targets or URLs in the tree (collapsed folders count for every page in them) to list "
              "their entries here.");
}

void CProjectList::drawEmptyHint(QPainter& painter) const
{
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const QRect area = viewport()->rect().adjusted(8, 8, -8, -8);
    painter.drawText(area, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, emptyHint());
}

void CProjectList::drawRow(QPainter& painter, const QRect& rect, int r) const
{
    const ListRow row = rows_[static_cast<size_t>(r)];
    const QHeaderView& columns = *horizontalHeader();
    const auto& images = entryImages();
    // Until the rows have their records again, those in view are drawn
    // from what they showed.
    const LetGoRow* letGo = row.record ? nullptr : letGoInView(r);
    const int iconIndex = row.record ? row.record->iconIndex() : letGo ? letGo->iconIndex : -1;
    const int x0 = columns.sectionViewportPosition(ColumnIcon);
    const int x1 = columns.sectionViewportPosition(ColumnIndexEntry);
    const int w1 = columns.sectionSize(ColumnIndexEntry);
    const int x2 = columns.sectionViewportPosition(ColumnTargetUrl);
    const int w2 = columns.sectionSize(ColumnTargetUrl);
    const int x3 = columns.sectionViewportPosition(ColumnEntryText);
    const int w3 = columns.sectionSize(ColumnEntryText);

    if (iconIndex >= 0 && iconIndex < static_cast<int>(images.size()))
        painter.drawPixmap(x0 + 2, rect.top(), images[static_cast<size_t>(iconIndex)]);

    const int left = std::min({x1, x2, x3});
    const int right = std::max({x1 + w1, x2 + w2, x3 + w3});
    const QRect area(left, rect.top(), right - left, rect.height());
    QColor textColor = Qt::black;
    if (row.record ? row.record->isListSelected() : letGo && letGo->selected) {
        const bool active = window_.activeView() == this;
        const QColor fill = active ? activeSelectionColor() : inactiveSelectionColor();
        painter.fillRect(area, fill);
        painter.setPen(fill);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        textColor = active ? Qt::white : Qt::black;
    }
    if (r == currentRow() && hasFocus()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    painter.setPen(textColor);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    // A text cut by its column ends in an ellipsis, so that it shows it goes on.
    const auto drawClipped = [&](int x, int width, std::string_view text) {
        const int room = std::max(0, width - 7);
        const QString shown = painter.fontMetrics().elidedText(fromBytes(text), Qt::ElideRight, room);
        painter.drawText(QRect(x + 2, rect.top(), room, rect.height()), flags, shown);
    };
    if (row.record) {
        drawClipped(x1, w1, row.record->sortKey());
        drawClipped(x2, w2, row.record->linkUrl());
        drawClipped(x3, w3, entryText(*row.record));
    } else if (letGo) {
        drawClipped(x1, w1, letGo->sortKey);
        drawClipped(x2, w2, letGo->linkUrl);
        drawClipped(x3, w3, letGo->entryText);
    }
}

int CProjectList::rowUnder(const QPoint& pos) const
{
    // Worked out from the row height rather than asked of the table, whose
    // row positions are counted anew over every row after a reset.
    if (pos.y() < 0 || horizontalHeader()->logicalIndexAt(pos.x()) < 0)
        return -1;
    const int row = (verticalOffset() + pos.y()) / verticalHeader()->defaultSectionSize();
    return row < std::min(model_->rowCount(), static_cast<int>(rows_.size())) ? row : -1;
}

void CProjectList::selectRow(int row, Qt::KeyboardModifiers modifiers)
{
    // Until the rows have their records again a click selects nothing.
    if (recordsDropped_ || row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    EntryRecord& clicked = *rows_[static_cast<std::size_t>(row)].record;
    // Ctrl toggles the row, Shift selects the range between the selection
    // and the row, neither selects the row alone.
    if (modifiers.testFlag(Qt::ControlModifier)) {
        clicked.setListSelected(!clicked.isListSelected());
        return;
    }
    const std::vector<EntryRecord*> marked = markedRecords();
    int first = -1;
    int last = -1;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        if (const std::vector<std::size_t> rows = rows_.markedRows(marked); !rows.empty()) {
            first = static_cast<int>(rows.front());
            last = static_cast<int>(rows.back());
        }
    }
    for (EntryRecord* record : marked)
        record->setListSelected(false);
    if (first < 0) {
        clicked.setListSelected(true);
        return;
    }
    const int from = std::min(first, row);
    const int to = first < row ? row : last;
    for (int i = from; i <= to; ++i)
        rows_[static_cast<std::size_t>(i)].record->setListSelected(true);
}

std::vector<EntryRecord*> CProjectList::markedRecords() const
{
    // Marks are on records of selected holders only, and the filter may
    // hide some of those.
    const std::string lowerFilter = asciiLower(filter_);
    std::vector<EntryRecord*> marked;
    window_.document().root().forEachListMarked([&marked, &lowerFilter](EntryRecord& record) {
        if (record.owner() && record.owner()->isSelected() && passesFilter(record, lowerFilter))
            marked.push_back(&record);
    });
    return marked;
}

void CProjectList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    const int row = rowUnder(event->position().toPoint());
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
    const int row = rowUnder(event->position().toPoint());
    if (row < 0 || event->button() != Qt::LeftButton)
        return;
    const LetGoRow* letGo = letGoInView(row);
    window_.runListDoubleClick(letGo ? letGo->isEntry : rows_[static_cast<size_t>(row)].isEntry);
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
    return QTableView::event(event);
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
    QTableView::focusInEvent(event);
    window_.viewActivated(this);
}

void CProjectList::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    constexpr int kTextColumns[] = {ColumnIndexEntry, ColumnEntryText, ColumnTargetUrl};
    const int width = viewport()->width();
    if (!columnsSized_) {
        // The text columns share what is left beside the picture column.
        columnsSized_ = true;
        const int textWidth = (width - kIconColumnWidth - 2) / 3;
        setColumnWidth(ColumnIcon, kIconColumnWidth);
        for (int column : kTextColumns)
            setColumnWidth(column, textWidth);
        return;
    }
    const int c0 = columnWidth(ColumnIcon);
    int texts = 0;
    for (int column : kTextColumns)
        texts += columnWidth(column);
    if (c0 >= width || texts <= 0)
        return;
    for (int column : kTextColumns)
        setColumnWidth(column, columnWidth(column) * (width - c0) / texts);
}

std::vector<EntryRecord*> CProjectList::selectedRecords() const
{
    std::vector<EntryRecord*> records;
    for (const std::size_t row : rows_.markedRows(markedRecords()))
        if (EntryRecord* record = rows_[row].record)
            records.push_back(record);
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
