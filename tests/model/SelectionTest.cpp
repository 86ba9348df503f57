#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "model/TreeDisplayState.h"
#include "model/IndexEntry.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

// A project whose containers are all expanded, so that selection does not
// spread: root, local files, f1..f3, URLs, u1, locators.
class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        f1 = &root.findOrCreateFile("/p/f1.htm");
        f2 = &root.findOrCreateFile("/p/f2.htm");
        f3 = &root.findOrCreateFile("/p/f3.htm");
        u1 = &root.findOrCreateUrl("http://u1/");
        root.localFiles().setExpanded(true);
        root.externalUrls().setExpanded(true);
    }

    std::vector<ProjectNode*> selected()
    {
        std::vector<ProjectNode*> nodes;
        root.collect(nodes, NodeKindMask::AllNodes | NodeKindMask::SelectedOnly);
        return nodes;
    }

    ProjectRootNode root;
    SourceFile* f1 = nullptr;
    SourceFile* f2 = nullptr;
    SourceFile* f3 = nullptr;
    ExternalUrl* u1 = nullptr;
};

TEST_F(SelectionTest, PlainClickSelectsOnlyTheClickedNode)
{
    root.applyTreeSelection(*f1, false, false);
    root.applyTreeSelection(*f3, false, false);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {f3});
    EXPECT_EQ(root.currentNode(), f3);
}

TEST_F(SelectionTest, CtrlTogglesTheClickedNode)
{
    root.applyTreeSelection(*f1, false, false);
    root.applyTreeSelection(*f3, false, true);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f1, f3}));
    root.applyTreeSelection(*f1, false, true);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {f3});
    EXPECT_EQ(root.currentNode(), f1);
}

TEST_F(SelectionTest, ShiftWithNothingSelectedSelectsTheClickedNode)
{
    root.applyTreeSelection(*f2, true, false);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {f2});
    EXPECT_EQ(root.currentNode(), f2);
}

TEST_F(SelectionTest, ShiftExtendsForwardFromTheFirstSelected)
{
    root.applyTreeSelection(*f1, false, false);
    root.applyTreeSelection(*u1, true, false);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f1, f2, f3, &root.externalUrls(), u1}));
}

TEST_F(SelectionTest, ShiftBeforeTheSelectionRunsToTheLastSelected)
{
    root.applyTreeSelection(*f2, false, false);
    root.applyTreeSelection(*u1, false, true);
    root.applyTreeSelection(*f1, true, false);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f1, f2, f3, &root.externalUrls(), u1}));

    // Clicking inside the range trims it to first..clicked.
    root.applyTreeSelection(*f2, true, false);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f1, f2}));
}

TEST_F(SelectionTest, ClickClearsListSelectionMarks)
{
    IndexEntry* entry = u1->defaultEntry();
    auto x = std::make_unique<CrossReference>();
    x->set("h", "h", ".", "see", "l", "l", true);
    CrossReference* reference = root.addCrossReference(std::move(x));
    // The list marks only records of selected holders and locators.
    root.locators().setExpanded(true);
    root.applyTreeSelection(*u1, false, false);
    root.applyTreeSelection(*reference->owner(), false, true);
    entry->setListSelected(true);
    reference->setListSelected(true);
    root.applyTreeSelection(*f1, false, false);
    EXPECT_FALSE(entry->isListSelected());
    EXPECT_FALSE(reference->isListSelected());
}

TEST_F(SelectionTest, CollapsedContainerSpreadsItsSelection)
{
    f1->findOrCreateTarget("a");
    Target& b = f1->findOrCreateTarget("b");
    root.localFiles().setExpanded(false);
    root.applyTreeSelection(root.localFiles(), false, false);
    EXPECT_TRUE(f2->isSelected());
    EXPECT_TRUE(b.isSelected());

    // Expanding hands nothing down and deselects the children.
    root.localFiles().setExpanded(true);
    EXPECT_TRUE(root.localFiles().isSelected());
    EXPECT_FALSE(f1->isSelected());
    // f1 is collapsed, so its deselection reached its targets too.
    EXPECT_FALSE(b.isSelected());

    // Collapsing gives the children the container's selection.
    f1->setExpanded(true);
    b.setSelected(true);
    root.localFiles().setExpanded(false);
    EXPECT_FALSE(f1->isExpanded());
    EXPECT_TRUE(f1->isSelected());
    EXPECT_TRUE(f3->isSelected());

    // An expanded container changes only itself.
    root.localFiles().setExpanded(true);
    root.localFiles().setSelected(false);
    f2->setSelected(true);
    root.localFiles().setSelected(true);
    root.localFiles().setSelected(false);
    EXPECT_TRUE(f2->isSelected());
}

TEST_F(SelectionTest, ACollapsedNodesMarkIsSharedAndANodeOutOfSightIsShownToDifferFromIt)
{
    Target& a = f1->findOrCreateTarget("a");
    Target& b = f1->findOrCreateTarget("b");
    f1->setExpanded(true);
    b.setSelected(true);
    root.localFiles().setExpanded(false);
    root.applyTreeSelection(*u1, false, false);
    EXPECT_FALSE(b.isSelected()) << "an own mark out of sight does not count";
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {u1});

    // Ctrl on the folder marks it alone; the query finds everything below.
    root.applyTreeSelection(root.localFiles(), false, true);
    EXPECT_EQ(selected().size(), 1u + 1u + 3u + 2u) << "u1, the folder, three pages, two targets";
    // A Shift-click spans the rows in view: the folder stands for what is below it.
    root.applyTreeSelection(*u1, false, false);
    root.applyTreeSelection(root.localFiles(), true, false);
    EXPECT_TRUE(a.isSelected());
    EXPECT_FALSE(root.localFiles().isExpanded()) << "nothing was opened";

    // Deselecting one node below the collapsed, selected folder opens the
    // way to it; its siblings come into view deselected, as on any expansion.
    a.setSelected(false);
    EXPECT_TRUE(root.localFiles().isExpanded());
    EXPECT_TRUE(f1->isExpanded());
    EXPECT_FALSE(a.isSelected());
    EXPECT_FALSE(b.isSelected());
    EXPECT_FALSE(f2->isSelected());
    EXPECT_TRUE(root.localFiles().isSelected());
    // Selecting a node out of sight that already shares a selection opens nothing.
    root.localFiles().setExpanded(false);
    a.setSelected(true);
    EXPECT_FALSE(root.localFiles().isExpanded());
}

TEST_F(SelectionTest, QueriesOfTheSelectionSeeEveryLaterSelection)
{
    Target& a = f2->findOrCreateTarget("a");
    Target& b = f2->findOrCreateTarget("b");
    EXPECT_TRUE(selected().empty());

    // Below subtrees that an earlier query found without selection, among
    // them a node made since.
    ExternalUrl& u2 = root.findOrCreateUrl("http://u2/");
    u2.setSelected(true);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {&u2});
    u2.setSelected(false);
    b.setSelected(true);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {&b});
    EXPECT_TRUE(f2->isExpanded()) << "a target selected alone is brought into view";
    b.setSelected(false);
    EXPECT_TRUE(selected().empty());

    // Spread from a collapsed file to its targets, with their entries.
    f2->setExpanded(false);
    f2->setSelected(true);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f2, &a, &b}));
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries | NodeKindMask::SelectedOnly);
    EXPECT_EQ(entries, (std::vector<IndexEntry*> {a.defaultEntry(), b.defaultEntry()}));
    EXPECT_EQ(root.count(NodeKindMask::Target | NodeKindMask::SelectedOnly), 2u);

    // A copy and a node created selected.
    SourceFile copy(*f2, nullptr);
    EXPECT_EQ(copy.count(NodeKindMask::AllNodes | NodeKindMask::SelectedOnly), 3u);
    Target& c = f2->findOrCreateTarget("c");
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {f2, &a, &b, &c}));
}

TEST_F(SelectionTest, DestroyedCurrentNodeFallsBackToTheRoot)
{
    root.applyTreeSelection(*f2, false, false);
    f2->removeFromParent();
    EXPECT_EQ(root.currentNode(), &root);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {});
}

TEST_F(SelectionTest, APlainClickClearsTheWholeSelectionAndTheListMarksOfItsRecords)
{
    // A collapsed, selected folder stands for everything below it.
    Target& anchor = f2->findOrCreateTarget("a");
    IndexEntry* entry = anchor.addEntry(std::make_unique<IndexEntry>());
    ASSERT_NE(entry, nullptr);
    root.localFiles().setExpanded(false);
    root.applyTreeSelection(root.localFiles(), false, false);
    EXPECT_TRUE(anchor.isSelected());
    entry->setListSelected(true);

    root.applyTreeSelection(*u1, false, false);
    EXPECT_EQ(selected(), std::vector<ProjectNode*> {u1});
    EXPECT_FALSE(entry->isListSelected());
    // Ctrl and Shift clear the list marks as well.
    root.applyTreeSelection(*u1, false, false);
    root.applyTreeSelection(root.localFiles(), false, true);
    entry->setListSelected(true);
    root.applyTreeSelection(*u1, true, false);
    EXPECT_FALSE(entry->isListSelected());
}

TEST_F(SelectionTest, CollapseAllGivesEveryNodeTheSelectionAskedFor)
{
    Target& anchor = f1->findOrCreateTarget("a");
    f1->setExpanded(true);
    root.applyTreeSelection(anchor, false, false);
    root.collapseAll(true);
    std::vector<ProjectNode*> all;
    root.collect(all, NodeKindMask::AllNodes);
    for (ProjectNode* node : all) {
        EXPECT_FALSE(node->isExpanded()) << node->label();
        EXPECT_TRUE(node->isSelected()) << node->label();
    }
    root.collapseAll(false);
    EXPECT_TRUE(selected().empty());
}

TEST_F(SelectionTest, DisplayStateComesBackOnATreeOfOtherNodes)
{
    Target& anchor = f2->findOrCreateTarget("a");
    f2->setExpanded(true);
    root.applyTreeSelection(anchor, false, false);
    root.applyTreeSelection(*u1, false, true);
    const TreeDisplayState recorded = recordDisplayState(root);
    // Only what is shown is kept: the expanded containers and the two marks.
    EXPECT_EQ(recorded.selected.size(), 2u);
    EXPECT_EQ(recorded.current, (TreeDisplayState::Path {"External URLs", "http://u1/"}));

    root.collapseAll(true);
    root.setCurrentNode(&root);
    restoreDisplayState(root, recorded);
    EXPECT_EQ(selected(), (std::vector<ProjectNode*> {&anchor, u1}));
    EXPECT_TRUE(root.isExpanded());
    EXPECT_TRUE(root.localFiles().isExpanded());
    EXPECT_TRUE(f2->isExpanded());
    EXPECT_FALSE(f1->isExpanded());
    EXPECT_EQ(root.currentNode(), u1);

    // A recorded node that is gone is passed over; the root becomes current.
    ProjectRootNode other;
    other.setProjectDirectory("/p/");
    SourceFile& page = other.findOrCreateFile("/p/f2.htm");
    restoreDisplayState(other, recorded);
    EXPECT_TRUE(page.isExpanded());
    EXPECT_FALSE(other.isSelected());
    EXPECT_EQ(other.currentNode(), &other);
}

} // namespace
} // namespace torvane
