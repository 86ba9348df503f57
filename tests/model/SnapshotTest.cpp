#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

std::unique_ptr<IndexEntry> makeEntry(std::string_view sortAs)
{
    auto e = std::make_unique<IndexEntry>();
    e->setTexts(sortAs, sortAs, "Untitled", sortAs);
    return e;
}

class SnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        page = &root.findOrCreateFile("/p/sub/page.htm");
        page->setDefaultEntry(IndexEntry::fromText("Heading", EntryKind::FileDefaultHeading));
        page->setModified(true);
        page->setLoaded(true);
        Target& a = page->findOrCreateTarget("a");
        a.addEntry(makeEntry("alpha"));
        a.setSelected(true);
        page->findOrCreateTarget("b").setExcluded(true);
        url = &root.findOrCreateUrl("http://u/");
        url->addEntry(makeEntry("web"));
        auto x = std::make_unique<CrossReference>();
        x->set("Bees", "Bees", ".", "See", "Insects", "Insects", false);
        root.addCrossReference(std::move(x));
        root.localFiles().setExpanded(true);
        root.setCurrentNode(url);
    }

    ProjectRootNode root;
    SourceFile* page = nullptr;
    ExternalUrl* url = nullptr;
};

TEST_F(SnapshotTest, CopyHasEqualNodesRecordsAndState)
{
    ProjectRootNode copy(root);
    std::vector<ProjectNode*> original;
    std::vector<ProjectNode*> copied;
    root.collect(original, NodeKindMask::AllNodes);
    copy.collect(copied, NodeKindMask::AllNodes);
    ASSERT_EQ(original.size(), copied.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_NE(original[i], copied[i]);
        EXPECT_EQ(original[i]->label(), copied[i]->label());
        EXPECT_EQ(original[i]->isSelected(), copied[i]->isSelected());
        EXPECT_EQ(original[i]->isExpanded(), copied[i]->isExpanded());
        EXPECT_EQ(original[i]->fullPath(), copied[i]->fullPath());
        EXPECT_EQ(copied[i]->treeItem(), kNoTreeItem);
    }

    SourceFile& copiedPage = copy.findOrCreateFile("/p/sub/page.htm");
    EXPECT_TRUE(copiedPage.isModified());
    EXPECT_TRUE(copiedPage.isLoaded());
    EXPECT_EQ(copiedPage.defaultEntry()->sortKey(), "Heading");
    EXPECT_EQ(copiedPage.defaultEntry()->owner(), &copiedPage);
    EXPECT_TRUE(copiedPage.findTarget("b")->isExcluded());
    EXPECT_EQ(copy.locators().root(), &copy);
}

TEST_F(SnapshotTest, RecordsAreCopiedAndOwnedByTheCopy)
{
    ProjectRootNode copy(root);
    std::vector<EntryRecord*> original;
    std::vector<EntryRecord*> copied;
    root.collectRecords(original, NodeKindMask::Entries | NodeKindMask::CrossReferences);
    copy.collectRecords(copied, NodeKindMask::Entries | NodeKindMask::CrossReferences);
    ASSERT_EQ(original.size(), 4u);  // page default, alpha, web, the cross-reference
    ASSERT_EQ(copied.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        EXPECT_NE(original[i], copied[i]);
        EXPECT_EQ(original[i]->sortKey(), copied[i]->sortKey());
        EXPECT_EQ(original[i]->kind(), copied[i]->kind());
        EXPECT_EQ(original[i]->linkUrl(), copied[i]->linkUrl());
        EXPECT_EQ(original[i]->isDefault(), copied[i]->isDefault());
        ASSERT_NE(copied[i]->owner(), nullptr);
        EXPECT_EQ(copied[i]->owner()->label(), original[i]->owner()->label());
    }
    EXPECT_EQ(copy.findOrCreateFile("/p/sub/page.htm").findTarget("a")->entries()[0]->owner(),
              copy.findOrCreateFile("/p/sub/page.htm").findTarget("a"));
    EXPECT_FALSE(static_cast<CrossReference*>(copied.back())->linkToLocator());
}

TEST_F(SnapshotTest, CurrentNodeIsCarriedOver)
{
    ProjectRootNode copy(root);
    EXPECT_EQ(copy.currentNode(), &copy.findOrCreateUrl("http://u/"));
    EXPECT_NE(copy.currentNode(), root.currentNode());

    root.setCurrentNode(&root);
    ProjectRootNode rootCurrent(root);
    EXPECT_EQ(rootCurrent.currentNode(), &rootCurrent);

    // Deep in the tree, after a sibling that sorts before it.
    root.setCurrentNode(page->findTarget("b"));
    ProjectRootNode targetCurrent(root);
    EXPECT_EQ(targetCurrent.currentNode(), targetCurrent.findOrCreateFile("/p/sub/page.htm").findTarget("b"));

    // A node of another tree has no place in this one.
    root.setCurrentNode(&copy.findOrCreateUrl("http://u/"));
    ProjectRootNode foreignCurrent(root);
    EXPECT_EQ(foreignCurrent.currentNode(), &foreignCurrent);
}

TEST_F(SnapshotTest, CopiesAreIndependent)
{
    auto copy = std::make_unique<ProjectRootNode>(root);
    copy->findOrCreateFile("/p/sub/page.htm").removeFromParent();
    copy->findOrCreateUrl("http://u/").addEntry(makeEntry("more"));
    EXPECT_EQ(root.count(NodeKindMask::File), 1u);
    EXPECT_EQ(url->entryCount(), 1u);
    copy.reset();
    EXPECT_EQ(page->findTarget("a")->entries()[0]->sortKey(), "alpha");
    EXPECT_TRUE(root.releasedTreeItems().empty());
}

}  // namespace
}  // namespace torvane
