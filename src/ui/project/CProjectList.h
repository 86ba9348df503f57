#pragma once
#include "document/DocumentView.h"
#include "ui/project/ListRows.h"
#include "ui/project/ShownRowList.h"
#include <QTableView>
#include <string>
#include <vector>

namespace torvane {

class CProjectWnd;
class CrossReference;
class EntryRecord;
class IndexEntry;
class ListRowsModel;
class ProjectNode;

// The right pane: the index entries of the selected files, targets and URLs
// and the cross-references of the selected locators. Rows are drawn here so
// that the selection shown is the records' own list-selection mark, and only
// the rows in view: a table keeps nothing per row, so that showing a million
// rows costs what showing fifty does.
class CProjectList : public QTableView, public DocumentView {
    Q_OBJECT
public:
    explicit CProjectList(CProjectWnd& window);

    void updateView(int hint);
    // The document is about to free or replace records: the rows let go of
    // theirs at once and find them again when the view is next updated.
    void dropRecords();
    // The window refreshes both views; the document only names this view as origin.
    void documentChanged(CProjectDoc&, int, DocumentView*) override {}

    const ShownRowList& rows() const { return rows_; }
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }
    const ListCounts& counts() const { return counts_; }
    int currentRow() const;

    // Commands carried out on the list's selection.
    void deleteSelected();
    void acceptSelectedDefaults();
    void selectAssociatedTargets();
    // A click on a column header; the entry text column does not sort.
    void sortBy(int column);
    // Shows only the rows whose sort key, entry text or target URL holds `text`; an
    // empty text shows all again.
    void setFilter(const std::string& text);
    const std::string& filter() const { return filter_; }
    // The line the list shows while it has no row: what to select, or that
    // the filter hides every row.
    QString emptyHint() const;
    // The records of the selected rows, in row order.
    std::vector<EntryRecord*> selectedRecords() const;

    // Colours of a selected row's area when the list is or is not the active view.
    static QColor activeSelectionColor() { return QColor(0, 0, 128); }
    static QColor inactiveSelectionColor() { return QColor(192, 192, 192); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a row in view or the current row showed when its record was let
    // go: enough to tell whether the same record stands there again, and the
    // texts and mark the row is drawn with meanwhile.
    struct LetGoRow {
        std::size_t row = 0;
        const EntryRecord* record = nullptr;
        const ProjectNode* owner = nullptr;
        int kind = 0;
        bool selected = false;
        bool isEntry = true;
        int iconIndex = -1;
        std::string sortKey;
        std::string entryText;
        std::string linkUrl;
    };

    // Makes the rows anew from the tree's selection; the current row and
    // the scroll position stay when the same records are shown again.
    void rebuildRows();
    bool sameRecordsAsBefore(const ShownRowList& rows) const;
    // What row `r` showed, while the records are let go and it is in view.
    const LetGoRow* letGoInView(int r) const;
    // The marked records among the rows, found without going through them.
    std::vector<EntryRecord*> markedRecords() const;
    void insertRows(int hint);
    // Scrolls so that `row` is the top row (or the last rows fill the view).
    void scrollToRow(int row);
    void setCurrentRow(int row);
    // All rows are as high as a line of text as the style draws it.
    int lineHeight() const;
    void drawRow(QPainter& painter, const QRect& rect, int row) const;
    void drawEmptyHint(QPainter& painter) const;
    int rowUnder(const QPoint& pos) const;
    void selectRow(int row, Qt::KeyboardModifiers modifiers);

    CProjectWnd& window_;
    // The rows in view from the top one, then the current row if it is not
    // among them.
    std::vector<LetGoRow> letGo_;
    int letGoTop_ = 0;
    int letGoInView_ = 0;
    ListCounts counts_;
    int sortColumn_ = ColumnTargetUrl;
    bool sortAscending_ = true;
    ShownRowList rows_;
    ListRowsModel* model_;
    bool rowsToInsert_ = false;
    bool recordsDropped_ = false;
    bool columnsSized_ = false;
    std::string filter_;
};

} // namespace torvane
