#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace torvane {
namespace {

// Records the calls a project tree makes on its control.
class RecordingTree : public TreeControl {
public:
    struct Item {
        TreeItem parent;
        TreeItem after;
        std::string text;
        int image;
        bool expanded;
        bool selected;
        ProjectNode* node;
    };

    TreeItem insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node) override
    {
        const TreeItem handle = nextHandle++;
        items[handle] =
            Item {parent, insertAfter, std::string(look.text), look.image, look.expanded, look.selected, node};
        ++inserts;
        return handle;
    }

    void updateItem(TreeItem item, const TreeItemLook& look) override
    {
        Item& shown = items.at(item);
        shown.text = look.text;
        shown.image = look.image;
        shown.expanded = look.expanded;
        shown.selected = look.selected;
        ++updates;
    }

    void deleteItem(TreeItem item) override
    {
        ASSERT_EQ(items.erase(item), 1u) << "item deleted twice or never inserted";
    }

    std::map<TreeItem, Item> items;
    TreeItem nextHandle = 100;
    int inserts = 0;
    int updates = 0;
};

class TreeDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        page = &root.findOrCreateFile("/p/sub/page.htm");
        page->findOrCreateTarget("a");
        root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    }

    ProjectRootNode root;
    RecordingTree tree;
    SourceFile* page = nullptr;
};

TEST_F(TreeDisplayTest, NodesInsertTheirItemsUnderTheirParentsInOrder)
{
    // root, local files, sub, page.htm, a, External URLs, X-ref Locators
    EXPECT_EQ(tree.inserts, 7);
    const auto& pageItem = tree.items.at(page->treeItem());
    EXPECT_EQ(pageItem.text, "page.htm");
    EXPECT_EQ(pageItem.image, NodeIcon::File);
    EXPECT_EQ(pageItem.node, page);
    EXPECT_EQ(pageItem.parent, page->folder()->treeItem());
    EXPECT_EQ(pageItem.after, kNoTreeItem);

    const auto& urlsItem = tree.items.at(root.externalUrls().treeItem());
    EXPECT_EQ(urlsItem.parent, root.treeItem());
    EXPECT_EQ(urlsItem.after, root.localFiles().treeItem());
    EXPECT_TRUE(tree.items.at(root.treeItem()).expanded);
    EXPECT_FALSE(page->isDisplayDirty());
}

TEST_F(TreeDisplayTest, OnlyChangedNodesAreUpdated)
{
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.updates, 0);
    EXPECT_EQ(tree.inserts, 7);

    page->setMissing(true);
    page->setSelected(false); // unchanged: not dirty by itself
    SourceFile& added = root.findOrCreateFile("/p/sub/another.htm");
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.updates, 1);
    EXPECT_EQ(tree.items.at(page->treeItem()).image, NodeIcon::MissingFile);
    EXPECT_EQ(tree.inserts, 8);
    // The new file comes first among its folder's files.
    EXPECT_EQ(tree.items.at(added.treeItem()).after, kNoTreeItem);
}

TEST_F(TreeDisplayTest, ChangesDeepInAShownTreeReachTheControl)
{
    SourceFile& last = root.findOrCreateFile("/p/sub/zed.htm");
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    const int inserts = tree.inserts;
    Target& a = *page->findTarget("a");

    // New nodes go after their shown siblings, which are left alone.
    Target& b = page->findOrCreateTarget("b");
    SourceFile& middle = root.findOrCreateFile("/p/sub/page2.htm");
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.inserts, inserts + 2);
    EXPECT_EQ(tree.updates, 0);
    EXPECT_EQ(tree.items.at(b.treeItem()).after, a.treeItem());
    EXPECT_EQ(tree.items.at(middle.treeItem()).after, page->treeItem());

    // A changed leaf below clean containers, and one marked by the view,
    // which opens the page, its folder and the project folder to show it.
    b.setSelected(true);
    last.setDisplayDirty();
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.updates, 2 + 3);
    EXPECT_TRUE(tree.items.at(b.treeItem()).selected);
    EXPECT_TRUE(tree.items.at(page->treeItem()).expanded);
    EXPECT_FALSE(tree.items.at(a.treeItem()).selected);

    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.updates, 2 + 3) << "nothing changed since";
    EXPECT_EQ(tree.inserts, inserts + 2);
}

TEST_F(TreeDisplayTest, RemovedNodesReleaseTheirItemsChildrenFirst)
{
    const TreeItem targetItem = page->findTarget("a")->treeItem();
    const TreeItem pageItem = page->treeItem();
    const TreeItem folderItem = page->folder()->treeItem();
    page->removeFromParent();
    EXPECT_EQ(root.releasedTreeItems(), (std::vector<TreeItem> {targetItem, pageItem, folderItem}));

    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_TRUE(root.releasedTreeItems().empty());
    EXPECT_EQ(tree.items.count(folderItem), 0u);
    EXPECT_EQ(tree.items.size(), 3u + 1u); // root and its three containers
}

TEST_F(TreeDisplayTest, ForgettingItemsMakesEveryNodeInsertAgain)
{
    root.forgetTreeItems();
    EXPECT_EQ(page->treeItem(), kNoTreeItem);
    root.insertIntoTree(tree, kNoTreeItem, kNoTreeItem);
    EXPECT_EQ(tree.inserts, 14);
}

} // namespace
} // namespace torvane
