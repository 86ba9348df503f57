#include "model/ExternalUrl.h"
#include "model/FolderNode.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "model/TreeSlot.h"

#include "MakeEntry.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::makeEntry;

// Hands out a new item for every insert and records deletions.
class HandleTree final : public TreeControl {
public:
    TreeItem insertItem(TreeItem, TreeItem, const TreeItemLook&, ProjectNode*) override { return ++last; }
    void updateItem(TreeItem, const TreeItemLook&) override {}
    void deleteItem(TreeItem item) override { deleted.push_back(item); }
    TreeItem last = kNoTreeItem;
    std::vector<TreeItem> deleted;
};

class TreeSlotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        page = &root.findOrCreateFile("/p/sub/deep/page.htm");
        page->setDefaultEntry(IndexEntry::fromText("Heading", EntryKind::FileDefaultHeading));
        page->setModified(true);
        page->setLoaded(true);
        page->findOrCreateTarget("a").addEntry(makeEntry("alpha"));
        page->findOrCreateTarget("b").setExcluded(true);
        url = &root.findOrCreateUrl("http://u/");
        url->addEntry(makeEntry("web"));
        auto x = std::make_unique<CrossReference>();
        x->set("Bees", "Bees", ".", "See", "Insects", "Insects", false);
        root.addCrossReference(std::move(x));
    }

    SourceFile* placedPage() { return root.localFiles().findFileAt("/p/sub/deep/page.htm"); }

    ProjectRootNode root;
    SourceFile* page = nullptr;
    ExternalUrl* url = nullptr;
};

TEST_F(TreeSlotTest, PlacesAreNamedByKeysAndFoundAgain)
{
    ProjectNode* target = page->findTarget("a");
    EXPECT_EQ(slotHolder(*target), page);
    EXPECT_EQ(slotHolder(*url), url);
    EXPECT_EQ(slotHolder(*root.locators().findLocator("Insects")), &root.locators());
    EXPECT_EQ(slotHolder(root.localFiles()), nullptr);
    EXPECT_EQ(slotHolder(*root.localFiles().findFolder("sub")), nullptr);

    const TreeSlot slot = slotOf(*page);
    EXPECT_EQ(slot.kind, TreeSlot::Kind::File);
    EXPECT_EQ(slot.folders, (std::vector<std::string> {"sub", "deep"}));
    EXPECT_EQ(slot.name, "page.htm");
    EXPECT_EQ(slotOf(*url).kind, TreeSlot::Kind::Url);
    EXPECT_EQ(slotOf(*url).name, "http://u/");
    EXPECT_EQ(slotOf(root.locators()).kind, TreeSlot::Kind::Locators);

    EXPECT_EQ(placedPage(), page);
    EXPECT_EQ(root.localFiles().findFileAt("/P/sub/deep/page.htm"), page) << "the project folder ignores case";
    EXPECT_EQ(root.localFiles().findFileAt("/p/SUB/deep/PAGE.htm"), nullptr) << "names below it do not";
    EXPECT_EQ(root.localFiles().findFileAt("/p/sub/other.htm"), nullptr);
    EXPECT_EQ(root.localFiles().findFileAt("/p/none/page.htm"), nullptr);
    EXPECT_EQ(root.count(NodeKindMask::Folder), 2u) << "looking up creates nothing";
}

TEST_F(TreeSlotTest, CopiesHoldEqualRecordsOwnedByThemselvesAndStayIndependent)
{
    auto copy = copyOfHolder(*page);
    auto& copied = static_cast<SourceFile&>(*copy);
    EXPECT_EQ(copied.parent(), nullptr);
    EXPECT_TRUE(copied.isModified());
    EXPECT_TRUE(copied.isLoaded());
    EXPECT_EQ(copied.defaultEntry()->sortKey(), "Heading");
    EXPECT_EQ(copied.defaultEntry()->owner(), &copied);
    ASSERT_NE(copied.findTarget("a"), nullptr);
    EXPECT_EQ(copied.findTarget("a")->entries()[0]->owner(), copied.findTarget("a"));
    EXPECT_TRUE(copied.findTarget("b")->isExcluded());

    copied.findTarget("a")->setExcluded(true);
    EXPECT_FALSE(page->findTarget("a")->isExcluded());

    auto locators = copyOfHolder(root.locators());
    auto& copiedLocators = static_cast<LocatorsNode&>(*locators);
    ASSERT_NE(copiedLocators.findLocator("Insects"), nullptr);
    EXPECT_EQ(copiedLocators.findLocator("Insects")->crossReferences()[0]->heading(), "Bees");
    EXPECT_EQ(copiedLocators.root(), &root);
}

TEST_F(TreeSlotTest, ExchangingPutsAStateBackAndReturnsTheReplacedOne)
{
    const TreeSlot slot = slotOf(*page);
    auto before = copyOfHolder(*page);
    page->findTarget("a")->setExcluded(true);

    std::unique_ptr<ProjectNode> after = exchangeAtSlot(root, slot, std::move(before));
    EXPECT_EQ(after.get(), page);
    EXPECT_EQ(after->parent(), nullptr);
    ASSERT_NE(placedPage(), nullptr);
    EXPECT_FALSE(placedPage()->findTarget("a")->isExcluded());
    EXPECT_EQ(placedPage()->folder()->label(), "deep");

    // Emptying the place drops the folders it leaves empty; filling it again
    // makes them anew.
    std::unique_ptr<ProjectNode> restored = exchangeAtSlot(root, slot, nullptr);
    EXPECT_EQ(root.count(NodeKindMask::File | NodeKindMask::Folder), 0u);
    EXPECT_EQ(exchangeAtSlot(root, slot, nullptr), nullptr) << "nothing there, nothing returned";
    exchangeAtSlot(root, slot, std::move(after));
    ASSERT_NE(placedPage(), nullptr);
    EXPECT_TRUE(placedPage()->findTarget("a")->isExcluded());
    EXPECT_EQ(placedPage()->relativePath(), "sub\\deep\\page.htm");

    const TreeSlot urlSlot = slotOf(*url);
    std::unique_ptr<ProjectNode> web = exchangeAtSlot(root, urlSlot, nullptr);
    EXPECT_EQ(root.externalUrls().findUrl("http://u/"), nullptr);
    exchangeAtSlot(root, urlSlot, std::move(web));
    EXPECT_EQ(root.externalUrls().findUrl("http://u/"), url);

    auto noLocators = std::make_unique<LocatorsNode>(&root);
    std::unique_ptr<ProjectNode> locators = exchangeAtSlot(root, slotOf(root.locators()), std::move(noLocators));
    EXPECT_EQ(root.count(NodeKindMask::CrossReferences), 0u);
    EXPECT_THROW(exchangeAtSlot(root, slotOf(root.locators()), nullptr), std::logic_error);
    EXPECT_THROW(exchangeAtSlot(root, urlSlot, std::move(locators)), std::logic_error);
}

// The records counted below each node and the nodes known to lie above a
// list mark follow every change: entries added and removed, pages taken out
// and put back (marked copies included), URLs and locators exchanged.
TEST_F(TreeSlotTest, CountsBelowAndListMarksFollowExchangesAndEdits)
{
    const auto expectCounts = [this](const char* when) {
        const unsigned records = NodeKindMask::Entries | NodeKindMask::CrossReferences;
        EXPECT_EQ(root.recordsBelow(), root.count(records)) << when;
        EXPECT_EQ(root.localFiles().recordsBelow(), root.localFiles().count(records)) << when;
        EXPECT_EQ(root.externalUrls().recordsBelow(), root.externalUrls().count(records)) << when;
    };
    const auto marked = [this] {
        std::vector<EntryRecord*> records;
        root.forEachListMarked([&records](EntryRecord& record) { records.push_back(&record); });
        return records;
    };
    expectCounts("at first");
    Target& a = *page->findTarget("a");
    IndexEntry* added = a.addEntry(makeEntry("beta"));
    expectCounts("after an entry was added");
    a.removeEntry(added);
    page->findOrCreateTarget("c");
    expectCounts("after a target was added");

    // A marked record is found, in its copy too; clearing leaves none.
    IndexEntry* alpha = a.entries().front();
    alpha->setListSelected(true);
    EXPECT_EQ(marked(), std::vector<EntryRecord*> {alpha});
    const TreeSlot slot = slotOf(*page);
    std::unique_ptr<ProjectNode> out = exchangeAtSlot(root, slot, copyOfHolder(*page));
    expectCounts("after the page was exchanged for its copy");
    ASSERT_EQ(marked().size(), 1u);
    EXPECT_NE(marked().front(), alpha);
    EXPECT_EQ(marked().front()->sortKey(), "alpha");
    root.clearListMarks();
    EXPECT_TRUE(marked().empty());
    EXPECT_FALSE(root.mayHoldListMark()) << "nothing is left to visit";

    // Only the marks of records whose holders are selected stay.
    exchangeAtSlot(root, slot, nullptr);
    expectCounts("after the page was taken out");
    exchangeAtSlot(root, slot, std::move(out));
    expectCounts("after the page was put back");
    alpha->setListSelected(true);
    url->entries().front()->setListSelected(true);
    root.applyTreeSelection(*url, false, false);
    EXPECT_TRUE(marked().empty()) << "a click clears every mark";
    alpha->setListSelected(true);
    url->entries().front()->setListSelected(true);
    root.unmarkRecordsOfUnselected();
    EXPECT_EQ(marked(), std::vector<EntryRecord*> {url->entries().front()});

    std::unique_ptr<ProjectNode> web = exchangeAtSlot(root, slotOf(*url), nullptr);
    exchangeAtSlot(root, slotOf(root.locators()), std::make_unique<LocatorsNode>(&root));
    expectCounts("after the URL and the cross-references were taken out");
}

TEST_F(TreeSlotTest, ExchangedNodesGiveUpTheirItemsAndKeepTheViewState)
{
    root.localFiles().setExpanded(true);
    root.localFiles().findFolder("sub")->setExpanded(true);
    root.localFiles().findFolder("sub")->findFolder("deep")->setExpanded(true);
    page->setExpanded(true);
    HandleTree control;
    root.insertIntoTree(control, kNoTreeItem, kNoTreeItem);
    const TreeItem pageItem = page->treeItem();
    const std::vector<TreeItem> targetItems {page->findTarget("a")->treeItem(), page->findTarget("b")->treeItem()};

    auto before = copyOfHolder(*page);
    root.applyTreeSelection(*page->findTarget("b"), false, false);
    page->findTarget("a")->setExcluded(true);

    std::unique_ptr<ProjectNode> after = exchangeAtSlot(root, slotOf(*page), std::move(before));
    const std::vector<TreeItem> released {targetItems[0], targetItems[1], pageItem};
    EXPECT_EQ(root.releasedTreeItems(), released) << "targets before their page";
    SourceFile* placed = placedPage();
    EXPECT_TRUE(placed->isExpanded());
    EXPECT_TRUE(placed->findTarget("b")->isSelected());
    EXPECT_FALSE(placed->findTarget("a")->isSelected());
    EXPECT_EQ(root.currentNode(), placed->findTarget("b")) << "the caret follows into the incoming page";

    std::vector<ProjectNode*> selected;
    root.collect(selected, NodeKindMask::AllNodes | NodeKindMask::SelectedOnly);
    EXPECT_EQ(selected, std::vector<ProjectNode*> {placed->findTarget("b")});

    root.insertIntoTree(control, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(control.deleted, released);
    EXPECT_NE(placed->treeItem(), kNoTreeItem);
    EXPECT_NE(placed->findTarget("a")->treeItem(), kNoTreeItem);

    // The replaced page is shown nowhere and dies without touching the tree.
    for (ProjectNode* node : {after.get(), static_cast<ProjectNode*>(page->findTarget("a"))})
        EXPECT_EQ(node->treeItem(), kNoTreeItem);
    after.reset();
    EXPECT_TRUE(root.releasedTreeItems().empty());
    EXPECT_EQ(root.currentNode(), placed->findTarget("b"));
}

TEST_F(TreeSlotTest, APageBackInACollapsedFolderSharesItsSelection)
{
    const TreeSlot slot = slotOf(*page);
    std::unique_ptr<ProjectNode> taken = exchangeAtSlot(root, slot, nullptr);
    taken->setSelected(true);
    // The folders went with the page; the new ones start collapsed and unselected.
    exchangeAtSlot(root, slot, std::move(taken));
    EXPECT_FALSE(placedPage()->isSelected());
    EXPECT_FALSE(placedPage()->findTarget("a")->isSelected());

    std::unique_ptr<ProjectNode> again = exchangeAtSlot(root, slot, nullptr);
    root.localFiles().setSelected(true);
    exchangeAtSlot(root, slot, std::move(again));
    EXPECT_TRUE(placedPage()->isSelected());
    EXPECT_TRUE(placedPage()->findTarget("b")->isSelected());
}

} // namespace
} // namespace torvane
