#include "support/UiTestSupport.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/project/ListRows.h"
#include "ui/commands/CommandIds.h"
#include <QHeaderView>
#include <QLineEdit>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolTip>
#include <QTreeWidgetItemIterator>
#include <set>
#include <gtest/gtest.h>

namespace torvane {
namespace {

class ProjectWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = test::showProjectWindow(app.services, test::writeSampleProject(dir));
        ASSERT_NE(window, nullptr);
    }

    ProjectRootNode& root() { return window->document().root(); }
    CProjectTree& tree() { return *window->treeView(); }
    CProjectList& list() { return *window->listView(); }

    SourceFile& file(const std::string& relative) { return root().findOrCreateFile(dir.path() + relative); }

    void run(int id)
    {
        ASSERT_TRUE(window->isEnabled(id)) << id;
        window->runCommand(id);
        window->flushRefresh();
    }

    // Clicks the middle of a node's label.
    void click(ProjectNode& node, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton)
    {
        QTreeWidgetItem* item = CProjectTree::itemOf(node.treeItem());
        ASSERT_NE(item, nullptr) << node.label();
        const QRect rect = tree().visualItemRect(item);
        QTest::mouseClick(tree().viewport(), button, modifiers, QPoint(rect.left() + 30, rect.center().y()));
        window->flushRefresh();
    }

    void key(QWidget& view, int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&view, static_cast<Qt::Key>(keyCode), modifiers);
        window->flushRefresh();
    }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QRect rect = list().visualRect(list().model()->index(row, 1));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rect.center());
        window->flushRefresh();
    }

    // Lists every record of the project in a window of the given height;
    // returns the list's scroll bar.
    QScrollBar* listEveryRecord(int windowHeight)
    {
        window->resize(800, windowHeight);
        QTest::qWait(20);
        run(CmdCollapseAll);
        click(root());
        return list().verticalScrollBar();
    }

    std::vector<std::string> selectedLabels()
    {
        std::vector<ProjectNode*> nodes;
        root().collect(nodes, NodeKindMask::SelectedOnly | NodeKindMask::AllNodes);
        std::vector<std::string> labels;
        for (ProjectNode* node : nodes)
            labels.push_back(node->label());
        return labels;
    }

    std::vector<std::string> rowTexts()
    {
        std::vector<std::string> texts;
        for (const ListRow& row : list().rows())
            texts.push_back(std::string(row.record->sortKey()) + "|" + row.record->linkUrl());
        return texts;
    }

    std::vector<bool> rowMarks()
    {
        std::vector<bool> marks;
        for (const ListRow& row : list().rows())
            marks.push_back(row.record->isListSelected());
        return marks;
    }

    test::TempDir dir;
    test::UiTestApp app;
    std::unique_ptr<CProjectWnd> window;
};

TEST_F(ProjectWindow, OpensWithTheRootSelectedAndCurrentAndTheItemsShown)
{
    EXPECT_EQ(root().currentNode(), &root());
    EXPECT_TRUE(root().isSelected());
    ASSERT_EQ(tree().topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree().topLevelItem(0);
    EXPECT_EQ(top->text(0), "HTML Torvane project");
    EXPECT_TRUE(CProjectTree::isMarked(top));
    EXPECT_EQ(tree().currentItem(), top);
    // Expanded root: its three containers are visible, not selected.
    ASSERT_EQ(top->childCount(), 3);
    EXPECT_FALSE(CProjectTree::isMarked(top->child(0)));
    EXPECT_EQ(top->child(1)->text(0), "External URLs");
    EXPECT_TRUE(list().rows().empty());
    EXPECT_FALSE(window->isEnabled(CmdRemove));
    EXPECT_FALSE(window->isEnabled(CmdEditSourceFile));
}

TEST_F(ProjectWindow, ClicksSelectAloneToggleWithCtrlAndExtendWithShift)
{
    run(CmdExpandAll);
    SourceFile& a = file("a.htm");
    SourceFile& c = file("c.htm");
    click(a);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"a.htm"}));
    EXPECT_EQ(root().currentNode(), &a);
    EXPECT_TRUE(CProjectTree::isMarked(CProjectTree::itemOf(a.treeItem())));
    EXPECT_TRUE(window->isEnabled(CmdEditSourceFile));

    click(c, Qt::ControlModifier);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"a.htm", "c.htm"}));
    EXPECT_FALSE(window->isEnabled(CmdEditSourceFile));
    EXPECT_TRUE(window->isEnabled(CmdRemove));
    click(c, Qt::ControlModifier);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"a.htm"}));

    // Shift-click below: from the first selected node to the clicked one.
    click(c, Qt::ShiftModifier);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"a.htm", "one", "two", "c.htm"}));
    EXPECT_EQ(root().currentNode(), &c);
    EXPECT_EQ(tree().currentItem(), CProjectTree::itemOf(c.treeItem()));

    // Right-click on an unselected node leaves it alone selected.
    ProjectNode& url = root().findOrCreateUrl("http://example.com/");
    click(url, Qt::ControlModifier, Qt::RightButton);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"http://example.com/"}));
    for (QWidget* popup : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(popup))
            popup->close();
}

TEST_F(ProjectWindow, ArrowKeysMoveTheSelectionAndShiftExtendsIt)
{
    run(CmdExpandAll);
    SourceFile& a = file("a.htm");
    click(a);
    tree().setFocus();
    key(tree(), Qt::Key_Down);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"one"}));
    key(tree(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"one", "two"}));
    EXPECT_EQ(root().currentNode()->label(), "two");
    key(tree(), Qt::Key_Up);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"one"}));

    // Left collapses the current node in model and control.
    click(a);
    key(tree(), Qt::Key_Left);
    EXPECT_FALSE(a.isExpanded());
    EXPECT_FALSE(CProjectTree::itemOf(a.treeItem())->isExpanded());
    key(tree(), Qt::Key_Right);
    EXPECT_TRUE(a.isExpanded());
    EXPECT_TRUE(CProjectTree::itemOf(a.treeItem())->isExpanded());

    // Tab hands the focus to the list.
    key(tree(), Qt::Key_Tab);
    EXPECT_EQ(window->activeView(), window->listView());
}

TEST_F(ProjectWindow, CollapsedSelectedFolderListsEverythingBelowIt)
{
    run(CmdCollapseAll);
    EXPECT_EQ(root().currentNode(), &root());
    // The collapsed root hands its selection to everything below.
    const auto rows = rowTexts();
    EXPECT_EQ(rows.size(), 8u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Example|http://example.com/"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Fruit|"), rows.end());
    // Sorted by Target URL: the cross-reference's empty URL comes first.
    EXPECT_EQ(rows.front(), "Fruit|");
}

TEST_F(ProjectWindow, RemovingTheCurrentFileMakesTheRootCurrent)
{
    run(CmdExpandAll);
    SourceFile& b = file("sub\\b.htm");
    click(b);
    EXPECT_EQ(root().currentNode(), &b);
    key(tree(), Qt::Key_Delete);
    EXPECT_EQ(root().currentNode(), &root());
    EXPECT_TRUE(root().isSelected());
    // The emptied folder went with the file, and so did their items.
    std::vector<ProjectNode*> folders;
    root().collect(folders, NodeKindMask::Folder);
    EXPECT_TRUE(folders.empty());
    QTreeWidgetItem* localFiles = tree().topLevelItem(0)->child(0);
    ASSERT_EQ(localFiles->childCount(), 2);
    EXPECT_EQ(localFiles->child(0)->text(0), "a.htm");
    EXPECT_EQ(tree().currentItem(), tree().topLevelItem(0));
}

TEST_F(ProjectWindow, RemovingTheWholeProjectAsksFirstAndNoKeepsEverything)
{
    // Collapsed, the selected root stands for every page, the URL and the
    // locator.
    run(CmdCollapseAll);
    key(tree(), Qt::Key_Delete);
    ASSERT_EQ(app.messages.asked.size(), 1u);
    EXPECT_EQ(app.messages.asked[0].rfind("This removes everything from the project: 3 pages, 1 URL and 1 "
                                          "cross-reference locator.",
                                          0),
              0u)
        << app.messages.asked[0];
    EXPECT_EQ(root().count(NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator), 5u);
    EXPECT_FALSE(window->isEnabled(CmdUndo)) << "nothing was removed, so nothing to undo";

    app.messages.answer = true;
    key(tree(), Qt::Key_Delete);
    EXPECT_EQ(app.messages.asked.size(), 2u);
    EXPECT_EQ(root().count(NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator), 0u);

    // One page of several goes without a question.
    run(CmdUndo);
    run(CmdExpandAll);
    click(file("a.htm"));
    key(tree(), Qt::Key_Delete);
    EXPECT_EQ(app.messages.asked.size(), 2u);
    EXPECT_EQ(root().count(NodeKindMask::File), 2u);
}

TEST_F(ProjectWindow, UndoShowsTheSelectionAndExpansionRecordedWithTheStep)
{
    run(CmdExpandAll);
    SourceFile& b = file("sub\\b.htm");
    click(b);
    run(CmdCollapseAll);
    run(CmdExpandAll);
    click(b);
    key(tree(), Qt::Key_Delete);
    EXPECT_TRUE(root().isSelected()) << "the removal leaves the root selected";
    run(CmdCollapseAll);

    run(CmdUndo);
    SourceFile& restored = file("sub\\b.htm");
    EXPECT_EQ(selectedLabels(), std::vector<std::string> {"b.htm"});
    EXPECT_EQ(root().currentNode(), &restored);
    EXPECT_FALSE(CProjectTree::isMarked(tree().topLevelItem(0))) << "the root is not shown selected";
    EXPECT_TRUE(CProjectTree::isMarked(CProjectTree::itemOf(restored.treeItem())));
    EXPECT_EQ(tree().currentItem(), CProjectTree::itemOf(restored.treeItem()));
    // Expanded as when the page was removed, though Collapse All came since.
    EXPECT_TRUE(root().localFiles().isExpanded());
    EXPECT_TRUE(tree().topLevelItem(0)->child(0)->isExpanded());

    // Redo shows the tree as it was before the undo: all collapsed, root alone.
    run(CmdRedo);
    EXPECT_FALSE(root().localFiles().isExpanded());
    EXPECT_EQ(root().currentNode(), &root());
}

TEST_F(ProjectWindow, UndoRestoresThePageItemAndRedoRepeatsTheAction)
{
    EXPECT_FALSE(window->isEnabled(CmdUndo));
    run(CmdExpandAll);
    QTreeWidgetItem* otherItem = CProjectTree::itemOf(file("a.htm").treeItem());
    click(file("c.htm"));
    run(CmdExclude);
    EXPECT_TRUE(file("c.htm").isExcluded());
    EXPECT_EQ(window->undoActionName(), std::optional<std::string>("Exclude Targets"));
    EXPECT_FALSE(window->isEnabled(CmdRedo));

    run(CmdUndo);
    EXPECT_FALSE(file("c.htm").isExcluded());
    EXPECT_FALSE(window->isEnabled(CmdUndo));
    EXPECT_EQ(window->redoActionName(), std::optional<std::string>("Exclude Targets"));
    // The restored page has a new item, selected and current like the one it
    // replaces; the items of the pages undo did not touch are still there.
    SourceFile& restored = file("c.htm");
    QTreeWidgetItem* restoredItem = CProjectTree::itemOf(restored.treeItem());
    ASSERT_NE(restoredItem, nullptr);
    EXPECT_TRUE(CProjectTree::isMarked(restoredItem));
    EXPECT_EQ(tree().currentItem(), restoredItem);
    EXPECT_EQ(CProjectTree::itemOf(file("a.htm").treeItem()), otherItem);
    EXPECT_EQ(restoredItem->parent()->childCount(), 2 + 1) << "the folder, a.htm and c.htm; no item left behind";

    run(CmdRedo);
    EXPECT_TRUE(file("c.htm").isExcluded());
    EXPECT_EQ(*window->undoActionName(), "Exclude Targets");
}

TEST_F(ProjectWindow, ExcludedTargetsAreShownApartWithATip)
{
    run(CmdExpandAll);
    auto shownExcluded = [](ProjectNode& node) {
        return CProjectTree::isShownExcluded(CProjectTree::itemOf(node.treeItem()));
    };
    auto tipAt = [this](ProjectNode& node) {
        const QRect rect = tree().visualItemRect(CProjectTree::itemOf(node.treeItem()));
        const QPoint at(rect.left() + 30, rect.center().y());
        QHelpEvent help(QEvent::ToolTip, at, tree().viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree().viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    click(file("c.htm"));
    run(CmdExclude);
    ASSERT_TRUE(file("c.htm").isExcluded());
    EXPECT_TRUE(shownExcluded(file("c.htm")));
    EXPECT_FALSE(shownExcluded(file("a.htm")));
    EXPECT_EQ(tipAt(file("a.htm")), "");
    EXPECT_EQ(tipAt(file("c.htm")), "Excluded from the index");

    // The mark follows the target back and forth through undo and redo.
    run(CmdUndo);
    EXPECT_FALSE(shownExcluded(file("c.htm")));
    run(CmdRedo);
    EXPECT_TRUE(shownExcluded(file("c.htm")));

    // An entry given to the target takes it back into the index.
    file("c.htm").addEntry(IndexEntry::fromText("Cherries", file("c.htm").regularKind()));
    window->document().updateAllViews(HintNone, nullptr);
    window->flushRefresh();
    EXPECT_FALSE(file("c.htm").isExcluded());
    EXPECT_FALSE(shownExcluded(file("c.htm")));

    // Saved and opened again, the project shows its excluded target at once.
    click(file("a.htm"));
    run(CmdExclude);
    run(CmdFileSave);
    auto reopened = test::showProjectWindow(app.services, dir.path() + "Sample.ipj");
    ASSERT_NE(reopened, nullptr);
    reopened->runCommand(CmdExpandAll);
    reopened->flushRefresh();
    ProjectRootNode& again = reopened->document().root();
    EXPECT_TRUE(shownExcluded(again.findOrCreateFile(dir.path() + "a.htm")));
    EXPECT_FALSE(shownExcluded(again.findOrCreateFile(dir.path() + "c.htm")));
}

TEST_F(ProjectWindow, ListSortsByHeaderClicksAndSelectsWithModifiers)
{
    run(CmdExpandAll);
    click(file("a.htm"), Qt::NoModifier);
    click(root().findOrCreateFile(dir.path() + "a.htm").findOrCreateTarget("two"), Qt::ShiftModifier);
    // a.htm, one, two: three default entries, sorted by Target URL.
    EXPECT_EQ(rowTexts(), (std::vector<std::string> {"Apples|a.htm", "One|a.htm#one", "2 Two|a.htm#two"}));
    EXPECT_EQ(list().currentRow(), 0);

    EXPECT_EQ(list().horizontalHeader()->sortIndicatorSection(), ColumnTargetUrl);
    list().sortBy(ColumnIndexEntry);
    window->flushRefresh();
    // Digits before letters.
    EXPECT_EQ(rowTexts(), (std::vector<std::string> {"2 Two|a.htm#two", "Apples|a.htm", "One|a.htm#one"}));
    EXPECT_EQ(list().horizontalHeader()->sortIndicatorSection(), ColumnIndexEntry);
    EXPECT_EQ(list().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    list().sortBy(ColumnIndexEntry);
    window->flushRefresh();
    EXPECT_EQ(list().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder) << "the arrow follows the order";
    EXPECT_FALSE(list().sortAscending());
    EXPECT_EQ(rowTexts().front(), "One|a.htm#one");
    QTest::mouseClick(list().horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(list().horizontalHeader()->sectionViewportPosition(ColumnTargetUrl) + 5, 5));
    window->flushRefresh();
    EXPECT_EQ(list().sortColumn(), ColumnTargetUrl);
    EXPECT_TRUE(list().sortAscending());

    clickRow(2);
    EXPECT_EQ(rowMarks(), (std::vector<bool> {false, false, true}));
    EXPECT_EQ(window->activeView(), window->listView());
    // Shift-click above the selection: from the clicked row to the last selected.
    clickRow(0, Qt::ShiftModifier);
    EXPECT_EQ(rowMarks(), (std::vector<bool> {true, true, true}));
    EXPECT_EQ(window->commandState().selectedEntryCount, 3);
    EXPECT_FALSE(window->commandState().allSelectedEqual);
    EXPECT_TRUE(window->isEnabled(CmdAcceptDefaultEntries));

    // Up and Down move the current row only; Ctrl+Space toggles it.
    key(list(), Qt::Key_Down);
    EXPECT_EQ(list().currentRow(), 1);
    key(list(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(rowMarks(), (std::vector<bool> {true, false, true}));
    key(list(), Qt::Key_Space);
    EXPECT_EQ(rowMarks(), (std::vector<bool> {false, true, false}));
    EXPECT_EQ(window->commandState().selectedEntryCount, 1);
    EXPECT_TRUE(window->commandState().allSelectedEqual);
}

TEST_F(ProjectWindow, DeleteAcceptAndSelectAssociatedTargets)
{
    run(CmdExpandAll);
    Target& one = file("a.htm").findOrCreateTarget("one");
    click(one);
    ASSERT_EQ(rowTexts(), (std::vector<std::string> {"One|a.htm#one"}));
    clickRow(0);
    run(CmdAcceptDefaultEntries);
    ASSERT_EQ(list().rows().size(), 1u);
    EXPECT_FALSE(list().rows().front().record->isDefault());
    EXPECT_EQ(static_cast<IndexEntry*>(list().rows().front().record)->indexAs(), "One");
    EXPECT_EQ(*window->undoActionName(), "Accept Default Index Entries");

    // Deleting the only regular entry brings the default back.
    key(list(), Qt::Key_Delete);
    ASSERT_EQ(list().rows().size(), 1u);
    EXPECT_TRUE(list().rows().front().record->isDefault());
    EXPECT_EQ(*window->undoActionName(), "Delete Index Entries and Cross-References");

    // From the list back to the tree: the owner is selected and visible.
    run(CmdCollapseAll);
    click(root());
    const auto rows = rowTexts();
    const auto two = std::find(rows.begin(), rows.end(), "2 Two|a.htm#two");
    ASSERT_NE(two, rows.end());
    clickRow(static_cast<int>(two - rows.begin()));
    const ProjectNode* owner = list().rows()[static_cast<size_t>(two - rows.begin())].record->owner();
    run(CmdSelectAssociatedTargets);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"two"}));
    EXPECT_EQ(root().currentNode(), &root());
    EXPECT_EQ(window->activeView(), window->treeView());
    for (const ProjectNode* up = owner->parent(); up; up = up->parent())
        EXPECT_TRUE(CProjectTree::itemOf(up->treeItem())->isExpanded()) << up->label();
}

TEST_F(ProjectWindow, SourceAndOutputCommandsLaunchOrExplain)
{
    run(CmdExpandAll);
    click(file("a.htm"));
    // The default "Notepad" means the desktop's own opener.
    run(CmdViewSourceFile);
    ASSERT_EQ(app.shell.launches.size(), 1u);
    EXPECT_EQ(app.shell.launches.back(), "document " + dir.path() + "a.htm");
    app.profile.writeString("Html Tools", "Editor", "sh");
    run(CmdEditSourceFile);
    EXPECT_EQ(app.shell.launches.back(), "sh " + dir.path() + "a.htm");
    // A program that does not start is named, and nothing is launched.
    app.profile.writeString("Html Tools", "Editor", "no-such-editor-here");
    run(CmdEditSourceFile);
    EXPECT_EQ(app.shell.launches.size(), 2u);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown.back().rfind("The program \"no-such-editor-here\" cannot be started.", 0), 0u);
    app.messages.shown.clear();

    app.profile.writeString("Html Tools", "Browser", "");
    run(CmdViewOutputFile);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown.back(), "The output file does not exist.\nYou must select a browser.\n");
    dir.write("Torvane.htm", "<html></html>");
    run(CmdViewOutputFile);
    EXPECT_EQ(app.shell.launches.back(), "document " + dir.path() + "Torvane.htm");
}

TEST_F(ProjectWindow, PanesStartAtFortySixtyAndKeepTheirShareWhenWidened)
{
    const QList<int> start = window->splitter()->sizes();
    const int total = start[0] + start[1];
    EXPECT_NEAR(start[0] * 100.0 / total, 40.0, 1.0);
    window->splitter()->setSizes({total / 4, total - total / 4});
    const double share = 0.25;
    window->resize(1200, 500);
    QTest::qWait(20);
    const QList<int> wider = window->splitter()->sizes();
    EXPECT_GT(wider[0] + wider[1], total);
    EXPECT_NEAR(static_cast<double>(wider[0]) / (wider[0] + wider[1]), share, 0.01);
}

TEST_F(ProjectWindow, ExpandButtonChangesTheCurrentNodeButNotTheSelection)
{
    run(CmdExpandAll);
    SourceFile& a = file("a.htm");
    SourceFile& c = file("c.htm");
    click(c);
    QTreeWidgetItem* item = CProjectTree::itemOf(a.treeItem());
    ASSERT_TRUE(item->isExpanded());
    const QRect rect = tree().visualItemRect(item);
    QTest::mouseClick(tree().viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() - tree().indentation() / 2, rect.center().y()));
    window->flushRefresh();
    EXPECT_FALSE(a.isExpanded());
    EXPECT_FALSE(item->isExpanded());
    EXPECT_EQ(root().currentNode(), &a);
    EXPECT_EQ(selectedLabels(), (std::vector<std::string> {"c.htm"}));
}

TEST_F(ProjectWindow, DeleteKeepsTheListScrolledAndATreeClickStartsAtTheTop)
{
    QScrollBar* bar = listEveryRecord(90);
    ASSERT_EQ(list().rows().size(), 8u);
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const int scrolled = bar->value();
    const QModelIndex last = list().model()->index(7, 1);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, list().visualRect(last).center());
    window->flushRefresh();
    EXPECT_EQ(bar->value(), scrolled);
    key(list(), Qt::Key_Delete);
    EXPECT_GE(bar->value(), scrolled - 1);
    EXPECT_GT(bar->value(), 0);

    // A tree click that changes the rows starts the list at the top.
    run(CmdCollapseAll);
    key(tree(), Qt::Key_Right);
    click(root().localFiles());
    click(root().externalUrls(), Qt::ControlModifier);
    ASSERT_EQ(list().rows().size(), 6u);
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    click(root().externalUrls(), Qt::ControlModifier);
    EXPECT_EQ(list().rows().size(), 5u);
    EXPECT_EQ(bar->value(), 0);
}

// Delete of the one regular entry of a holder, whose default entry then
// takes its row, with the whole project listed (the rows found on demand):
// the list keeps its current row when the rows in view
// and the current row show the same records again (after one elsewhere it
// stays scrolled but starts at the first row), and while the records
// are let go it paints the rows in view from what they showed.
TEST_F(ProjectWindow, AnActionOutOfViewKeepsTheCurrentRowAndTheScrollPosition)
{
    QScrollBar* bar = listEveryRecord(90);
    const std::size_t count = list().rows().size();
    ASSERT_EQ(count, 8u);
    const int example = 5;
    const auto deleteExample = [&] {
        EntryRecord* regular = list().rows()[example].record;
        ASSERT_FALSE(regular->isDefault());
        window->document().deleteRecords({regular}, window->listView());
        ASSERT_TRUE(window->hasPendingRefresh());
    };

    // In view: another record there, so the current row goes back to the first.
    bar->setValue(3);
    clickRow(4);
    ASSERT_EQ(list().currentRow(), 4);
    deleteExample();
    window->flushRefresh();
    ASSERT_EQ(list().rows().size(), count);
    EXPECT_TRUE(list().rows()[example].record->isDefault());
    EXPECT_EQ(list().currentRow(), 0);
    EXPECT_EQ(bar->value(), 3);
    run(CmdUndo);
    ASSERT_EQ(list().rows().size(), count);

    // Out of view (below the rows shown): the current row stays.
    bar->setValue(0);
    clickRow(2);
    ASSERT_EQ(list().currentRow(), 2);
    const std::vector<std::string> before = rowTexts();
    deleteExample();
    const QImage dropped = list().grab().toImage();
    window->flushRefresh();
    ASSERT_EQ(list().rows().size(), count);
    EXPECT_TRUE(list().rows()[example].record->isDefault());
    EXPECT_EQ(list().currentRow(), 2);
    EXPECT_EQ(bar->value(), 0);
    const std::vector<std::string> after = rowTexts();
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + example),
              std::vector<std::string>(before.begin(), before.begin() + example));
    EXPECT_EQ(list().grab().toImage(), dropped) << "the let-go rows in view are drawn as they were";
}

// The rows are painted where the table places them, also scrolled to the end
// where the top row is cut: a click on a row marks that row's record, and the
// row shows the mark in the colour of the list being active or not.
TEST_F(ProjectWindow, ListRowsArePaintedWhereTheyAreClicked)
{
    QScrollBar* bar = listEveryRecord(90);
    ASSERT_EQ(list().rows().size(), 8u);
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    const QRect last = list().visualRect(list().model()->index(7, ColumnIndexEntry));
    const QRect before = list().visualRect(list().model()->index(6, ColumnIndexEntry));
    ASSERT_TRUE(list().viewport()->rect().contains(last)) << "the last row is in view";
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, last.center());
    window->flushRefresh();
    ASSERT_NE(list().rows()[7].record, nullptr);
    EXPECT_TRUE(list().rows()[7].record->isListSelected());
    EXPECT_FALSE(list().rows()[6].record->isListSelected());

    // The last pixels of a text column are never text.
    const auto colourAt = [&](const QRect& cell) {
        const QImage image = list().viewport()->grab().toImage();
        return QColor(image.pixel(cell.right() - 2, cell.center().y())).name().toStdString();
    };
    EXPECT_EQ(colourAt(last), CProjectList::activeSelectionColor().name().toStdString());
    EXPECT_NE(colourAt(before), CProjectList::activeSelectionColor().name().toStdString());
    EXPECT_NE(colourAt(before), CProjectList::inactiveSelectionColor().name().toStdString());
    key(list(), Qt::Key_Tab);
    ASSERT_EQ(window->activeView(), static_cast<QWidget*>(window->treeView()));
    EXPECT_EQ(colourAt(last), CProjectList::inactiveSelectionColor().name().toStdString());
}

// An anchor's entry listed under a collapsed page or the collapsed root is
// deleted by clicking its row and pressing Delete.
TEST_F(ProjectWindow, DeleteReachesAnAnchorsEntryListedUnderACollapsedOwner)
{
    const std::string entry = "2 Two|a.htm#two";
    const auto deleteListed = [&] {
        const auto rows = rowTexts();
        const auto found = std::find(rows.begin(), rows.end(), entry);
        ASSERT_NE(found, rows.end());
        clickRow(static_cast<int>(found - rows.begin()));
        key(list(), Qt::Key_Delete);
        const auto after = rowTexts();
        EXPECT_EQ(std::find(after.begin(), after.end(), entry), after.end());
        ASSERT_TRUE(window->undoActionName());
        EXPECT_EQ(*window->undoActionName(), "Delete Index Entries and Cross-References");
    };

    run(CmdCollapseAll);
    click(root());
    deleteListed();
    run(CmdUndo);

    run(CmdExpandAll);
    click(file("a.htm"));
    key(tree(), Qt::Key_Left);
    ASSERT_FALSE(file("a.htm").isExpanded());
    deleteListed();
}

TEST_F(ProjectWindow, ADeleteThatLeavesNoRowAtTheOldTopStartsTheListAtTheTop)
{
    QScrollBar* bar = listEveryRecord(90);
    ASSERT_EQ(list().rows().size(), 8u);
    ASSERT_LE(bar->pageStep(), 3);
    // Rows 3 to 7, clicked while each is in view.
    bar->setValue(3);
    clickRow(3);
    bar->setValue(bar->maximum());
    clickRow(7, Qt::ShiftModifier);
    const int top = bar->value();
    key(list(), Qt::Key_Delete);
    // What is left could still scroll, but has no row at the old top.
    ASSERT_LE(static_cast<int>(list().rows().size()), top);
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ProjectWindow, ViewsLetGoOfFreedRecordsAndNodesBeforeThePostedRefresh)
{
    run(CmdCollapseAll);
    click(root());
    clickRow(0, Qt::NoModifier);
    clickRow(static_cast<int>(list().rows().size()) - 1, Qt::ShiftModifier);
    // Delete frees every shown record; painting and clicking come before the
    // posted refresh.
    window->document().deleteRecords(list().selectedRecords(), window->listView());
    ASSERT_TRUE(window->hasPendingRefresh());
    for (const ListRow& row : list().rows())
        EXPECT_EQ(row.record, nullptr);
    EXPECT_TRUE(list().selectedRecords().empty());
    list().grab();
    clickRow(0, Qt::NoModifier);
    window->flushRefresh();
    ASSERT_FALSE(list().rows().empty());
    for (const ListRow& row : list().rows())
        EXPECT_TRUE(row.record->isDefault());
    EXPECT_FALSE(list().rows().front().record->isListSelected()) << "a click on a let-go row selects nothing";
    clickRow(0, Qt::NoModifier);
    EXPECT_TRUE(list().rows().front().record->isListSelected());

    // Undo puts other pages in place of the shown ones: before its refresh
    // every item left in the tree still names a node of the tree.
    run(CmdExpandAll);
    window->runCommand(CmdUndo);
    ASSERT_TRUE(window->hasPendingRefresh());
    std::vector<ProjectNode*> nodes;
    root().collect(nodes, NodeKindMask::AllNodes);
    nodes.push_back(&root());
    const std::set<const ProjectNode*> live(nodes.begin(), nodes.end());
    int items = 0;
    for (QTreeWidgetItemIterator it(&tree()); *it; ++it, ++items) {
        const ProjectNode* node = NodeTreeWidget::nodeOf(*it);
        ASSERT_TRUE(live.count(node)) << (*it)->text(0).toStdString();
        EXPECT_EQ(NodeTreeWidget::itemOf(node->treeItem()), *it);
    }
    EXPECT_GT(items, 1);
    tree().grab();
    key(tree(), Qt::Key_Down);
    window->flushRefresh();
    EXPECT_FALSE(window->hasPendingRefresh());
}

TEST_F(ProjectWindow, ClosingAChangedProjectAsksToSave)
{
    EXPECT_TRUE(window->close());
    window->show();
    run(CmdExpandAll);
    click(file("c.htm"));
    run(CmdExclude);
    ASSERT_TRUE(window->document().isModified());

    std::string asked;
    test::whenModalOpens<QMessageBox>([&asked](QMessageBox& box) {
        asked = box.windowTitle().toStdString() + ": " + box.text().toStdString();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, "HTML Torvane: Save changes to Sample.ipj?");

    test::whenModalOpens<QMessageBox>([&asked](QMessageBox& box) {
        asked = box.button(QMessageBox::Save)->text().toStdString() + "/" +
                box.button(QMessageBox::Discard)->text().toStdString();
        box.button(QMessageBox::Discard)->click();
    });
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->document().isModified());
    EXPECT_EQ(asked, "&Save/&Don't Save") << "the buttons say what they do";
}

TEST_F(ProjectWindow, UndoAndRedoBackToTheSavedStateClearTheChangeMark)
{
    run(CmdExpandAll);
    click(file("c.htm"));
    run(CmdExclude);
    EXPECT_TRUE(window->isWindowModified());
    run(CmdUndo);
    EXPECT_FALSE(window->isWindowModified()) << "back where it was opened";
    run(CmdRedo);
    EXPECT_TRUE(window->isWindowModified());

    ASSERT_TRUE(window->document().save());
    window->flushRefresh();
    click(file("a.htm"));
    run(CmdExclude);
    run(CmdUndo);
    EXPECT_FALSE(window->isWindowModified()) << "back where it was saved";
    run(CmdUndo);
    EXPECT_TRUE(window->isWindowModified()) << "before the save";
    run(CmdRedo);
    EXPECT_FALSE(window->isWindowModified());

    // A new step from before the save cuts the saved state off for good.
    run(CmdUndo);
    click(file("sub/b.htm"));
    run(CmdExclude);
    run(CmdUndo);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(ProjectWindow, ModelessAddDialogsBelongToTheTreeAndGetTheFocusBack)
{
    CProjectWnd::Hooks hooks;
    int made = 0;
    hooks.modelessDialogs[CmdAddExternalUrls] = [&made](CProjectWnd&) {
        ++made;
        return new QDialog;
    };
    auto document = std::make_unique<CProjectDoc>(app.services);
    ASSERT_TRUE(document->openProject(dir.path() + "Sample.ipj"));
    auto hooked = std::make_unique<CProjectWnd>(std::move(document), app.services, hooks);
    hooked->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(hooked.get()));
    EXPECT_TRUE(hooked->isEnabled(CmdAddExternalUrls));
    EXPECT_FALSE(hooked->isEnabled(CmdAddFiles));

    hooked->runCommand(CmdAddExternalUrls);
    QPointer<QWidget> dialog = hooked->treeView()->modelessDialog(CmdAddExternalUrls);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), hooked->treeView());
    EXPECT_FALSE(hooked->isEnabled(CmdAddExternalUrls));
    hooked->runCommand(CmdAddExternalUrls);
    EXPECT_EQ(made, 1);

    // An add from the dialog refreshes the views and hands the focus back.
    hooked->activateWindow();
    hooked->document().addExternalUrl("http://new.example/", hooked->treeView());
    hooked->flushRefresh();
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == dialog; }));

    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(hooked->hasPendingRefresh());
    hooked->flushRefresh();
    EXPECT_TRUE(hooked->isEnabled(CmdAddExternalUrls));

    // Closing the window takes an open dialog with it.
    hooked->runCommand(CmdAddExternalUrls);
    dialog = hooked->treeView()->modelessDialog(CmdAddExternalUrls);
    ASSERT_NE(dialog, nullptr);
    hooked->document().setModified(false);
    hooked.reset();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ProjectWindow, HooklessDialogCommandsStayDisabled)
{
    for (int id : {CmdAddFiles, CmdAddExternalUrls, CmdCreateCrossReference, CmdProjectStyleSettings, CmdFilenames,
                   CmdMakeIndex})
        EXPECT_FALSE(window->isEnabled(id)) << id;
    bool ran = false;
    CProjectWnd::Hooks hooks;
    hooks.commands[CmdFilenames] = [&ran](CProjectWnd&) { ran = true; };
    auto document = std::make_unique<CProjectDoc>(app.services);
    ASSERT_TRUE(document->openProject(dir.path() + "Sample.ipj"));
    CProjectWnd hooked(std::move(document), app.services, hooks);
    EXPECT_TRUE(hooked.isEnabled(CmdFilenames));
    hooked.runCommand(CmdFilenames);
    EXPECT_TRUE(ran);
}

} // namespace
} // namespace torvane

namespace torvane {
namespace {

TEST_F(ProjectWindow, UndoOfADeleteBringsTheEntryBackMarkedSoThatDeleteRunsAgain)
{
    run(CmdCollapseAll);
    click(file("a.htm"));
    const auto rows = rowTexts();
    const auto two = std::find(rows.begin(), rows.end(), "2 Two|a.htm#two");
    ASSERT_NE(two, rows.end());
    clickRow(static_cast<int>(two - rows.begin()));
    run(CmdDeleteEntries);
    run(CmdUndo);
    EXPECT_EQ(rowTexts(), rows);
    EXPECT_EQ(rowMarks()[static_cast<std::size_t>(two - rows.begin())], true) << "marked as when the step was recorded";
    EXPECT_EQ(window->commandState().selectedEntryCount, 1);
    run(CmdDeleteEntries);
    EXPECT_EQ(rowTexts().size(), rows.size() - 1);

    // Marks of records whose holder is no longer selected do not come back.
    run(CmdUndo);
    click(file("c.htm"));
    run(CmdRedo);
    run(CmdUndo);
    click(file("a.htm"));
    EXPECT_EQ(rowMarks(), std::vector<bool>(rows.size(), false));
}

TEST_F(ProjectWindow, UndoShowsTheRecordedSelectionAndLeavesNoListMarkOfTheOneBefore)
{
    // The pages in view, collapsed: each lists its targets' entries too.
    click(root().localFiles());
    key(tree(), Qt::Key_Right);
    click(file("c.htm"));
    run(CmdExclude);
    // A row marked in another page's entries, then Undo of the step recorded
    // with c.htm alone selected.
    click(file("a.htm"));
    clickRow(0);
    ASSERT_EQ(window->commandState().selectedEntryCount, 1);
    run(CmdUndo);
    SourceFile& restored = file("c.htm");
    EXPECT_FALSE(restored.isExcluded());
    EXPECT_EQ(selectedLabels(), std::vector<std::string> {"c.htm"});
    EXPECT_EQ(root().currentNode(), &restored);
    EXPECT_TRUE(CProjectTree::isMarked(CProjectTree::itemOf(restored.treeItem())));
    EXPECT_FALSE(CProjectTree::isMarked(CProjectTree::itemOf(file("a.htm").treeItem())));
    EXPECT_EQ(rowMarks(), std::vector<bool>(list().rows().size(), false));
    EXPECT_EQ(window->commandState().selectedEntryCount, 0);

    // The mark went with the selection it belonged to: a.htm's rows come
    // back unmarked when it is added to the selection.
    click(file("a.htm"), Qt::ControlModifier);
    const auto rows = rowTexts();
    EXPECT_NE(std::find(rows.begin(), rows.end(), "2 Two|a.htm#two"), rows.end());
    EXPECT_EQ(rowMarks(), std::vector<bool>(rows.size(), false));
    EXPECT_EQ(window->commandState().selectedEntryCount, 0);
}

TEST_F(ProjectWindow, FilterBoxNarrowsTheRowsAsOneTypesAndClearingShowsAllAgain)
{
    listEveryRecord(500);
    const auto all = rowTexts();
    ASSERT_EQ(all.size(), 8u);
    QTest::keyClicks(window->filterBox(), "TW");
    EXPECT_EQ(rowTexts(), (std::vector<std::string> {"2 Two|a.htm#two"})) << "letter case ignored";
    QTest::keyClicks(window->filterBox(), "x");
    EXPECT_TRUE(list().rows().empty());
    EXPECT_EQ(window->commandState().selectedEntryCount, 0);

    // The filter holds through a new selection; the cross-reference's heading matches too.
    window->filterBox()->setText("fRuIt");
    click(root());
    ASSERT_EQ(list().rows().size(), 1u);
    EXPECT_FALSE(list().rows().front().isEntry);

    window->filterBox()->clear();
    EXPECT_EQ(rowTexts(), all);
}

TEST_F(ProjectWindow, FilterFindsTargetUrlsIsReachedByCtrlFAndClearedByEsc)
{
    listEveryRecord(500);
    const auto all = rowTexts();
    window->activateWindow();
    key(tree(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(window->filterBox()->hasFocus());
    QTest::keyClicks(window->filterBox(), "b.HTM#");
    EXPECT_EQ(rowTexts(), (std::vector<std::string> {"Three|sub/b.htm#three"})) << "matched by its target URL only";

    QTest::keyClicks(window->filterBox(), "nothing");
    EXPECT_TRUE(list().rows().empty());
    EXPECT_TRUE(list().emptyHint().contains("filter"));
    QTest::keyClick(window->filterBox(), Qt::Key_Escape);
    EXPECT_TRUE(window->filterBox()->text().isEmpty());
    EXPECT_EQ(rowTexts(), all);
}

TEST_F(ProjectWindow, AnEmptyListSaysWhatToSelect)
{
    run(CmdExpandAll);
    click(root().localFiles());
    ASSERT_TRUE(list().rows().empty()) << "an expanded folder stands for itself alone";
    EXPECT_TRUE(list().emptyHint().contains("Select"));
    // The hint is drawn: the empty list is not blank.
    const QImage shot = list().viewport()->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 2u);
}

TEST_F(ProjectWindow, EntryTextColumnStandsBesideTheSortKey)
{
    listEveryRecord(500);
    QAbstractItemModel& model = *list().model();
    EXPECT_EQ(model.headerData(ColumnEntryText, Qt::Horizontal).toString(), "Entry Text");
    EXPECT_EQ(list().horizontalHeader()->visualIndex(ColumnEntryText),
              list().horizontalHeader()->visualIndex(ColumnIndexEntry) + 1);
    EXPECT_GT(list().columnWidth(ColumnEntryText), 0);
    for (int row = 0; row < model.rowCount(); ++row) {
        const EntryRecord& record = *list().rows()[static_cast<std::size_t>(row)].record;
        EXPECT_EQ(model.data(model.index(row, ColumnEntryText)).toString().toStdString(), entryText(record));
    }
    const auto rows = rowTexts();
    list().sortBy(ColumnEntryText);
    window->flushRefresh();
    EXPECT_EQ(rowTexts(), rows) << "the column does not sort";
    EXPECT_EQ(list().sortColumn(), ColumnTargetUrl);
}

} // namespace
} // namespace torvane
