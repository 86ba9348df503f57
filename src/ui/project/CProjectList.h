#pragma once
#include "document/DocumentView.h"
#include "ui/project/ListRows.h"
#include <QTreeView>
#include <vector>

namespace torvane {

class CProjectWnd;
class CrossReference;
class EntryRecord;
class IndexEntry;
class ListRowsModel;

// The right pane: the index entries of the selected files, targets and URLs
// and the cross-references of the selected locators. Rows are drawn here so
// that the selection shown is the records' own list-selection mark.
class CProjectList : public QTreeView, public DocumentView {
    Q_OBJECT
public:
    explicit CProjectList(CProjectWnd& window);

    void updateView(int hint);
    // The document is about to free or replace records: the rows let go of
    // theirs at once and find them again when the view is next updated.
    void dropRecords();
    // The window refreshes both views; the document only names this view as origin.
    void documentChanged(CProjectDoc&, int, DocumentView*) override {}

    const std::vector<ListRow>& rows() const { return rows_; }
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }
    const ListCounts& counts() const { return counts_; }
    int currentRow() const;

    // Commands carried out on the list's selection.
    void deleteSelected();
    void acceptSelectedDefaults();
    void selectAssociatedTargets();
    // A click on a column header.
    void sortBy(int column);
    // The records of the selected rows, in row order.
    std::vector<EntryRecord*> selectedRecords() const;

    // Colours of a selected row's area when the list is or is not the active view.
    static QColor activeSelectionColor() { return QColor(0, 0, 128); }
    static QColor inactiveSelectionColor() { return QColor(192, 192, 192); }

protected:
    bool event(QEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool collectShown();
    // After dropRecords: gives each row its record back from the shown
    // lists. False when any row's record now shows something else.
    bool relinkRows();
    void rebuildRows();
    void insertRows(int hint);
    void setCurrentRow(int row);
    int rowAt(const QPoint& pos) const;
    void selectRow(int row, Qt::KeyboardModifiers modifiers);

    CProjectWnd& window_;
    std::vector<IndexEntry*> shownEntries_;
    std::vector<CrossReference*> shownCrossReferences_;
    ListCounts counts_;
    int sortColumn_ = ColumnTargetUrl;
    bool sortAscending_ = true;
    std::vector<ListRow> rows_;
    ListRowsModel* model_;
    bool rowsToInsert_ = false;
    bool recordsDropped_ = false;
    bool columnsSized_ = false;
};

} // namespace torvane
