#include "support/DocumentTestApp.h"
#include "support/TempDir.h"

#include "document/ProjectAction.h"
#include "model/ExternalUrl.h"

#include <limits>

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

int limitFor(int stored)
{
    DocumentTestApp app;
    app.profile.writeInt("Torvane Options", "Undo Queue Size", stored);
    CProjectDoc doc(app.services);
    return doc.undoLimit();
}

TEST(UndoLimit, ReadFromTheProfileAndClamped)
{
    DocumentTestApp app;
    EXPECT_EQ(CProjectDoc(app.services).undoLimit(), 8);
    EXPECT_EQ(limitFor(0), 1);
    EXPECT_EQ(limitFor(100), 32);
    EXPECT_EQ(limitFor(-5), 5);
    EXPECT_EQ(limitFor(32), 32);
    EXPECT_EQ(clampUndoLimit(std::numeric_limits<int>::min()), 32);
}

TEST(UndoQueue, LimitOfOneKeepsOnlyTheLastAction)
{
    DocumentTestApp app;
    app.profile.writeInt("Torvane Options", "Undo Queue Size", 0);
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    doc.addExternalUrl("http://two/");
    EXPECT_EQ(doc.history().undoDepth(), 1u);
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u);
    EXPECT_FALSE(doc.history().canUndo());
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u) << "undo with an empty queue does nothing";
}

TEST(UndoQueue, CodesHintsAndANewActionDroppingTheRedoQueue)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    struct View final : DocumentView {
        void documentChanged(CProjectDoc&, int hint, DocumentView*) override { last = hint; }
        int last = 0;
    } view;
    doc.addView(view);
    EXPECT_EQ(doc.undoCode(), std::nullopt);
    doc.addExternalUrl("http://one/");
    doc.createCrossReference({"H", "h", ".", "See", "L", "l", true});
    EXPECT_EQ(doc.undoCode(), ActionCreateCrossReference);

    doc.setModified(false);
    doc.undo(&view);
    EXPECT_EQ(view.last, HintUndo);
    EXPECT_EQ(doc.hintOrigin(), &view);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.undoCode(), ActionAddExternalUrls);
    EXPECT_EQ(doc.redoCode(), ActionCreateCrossReference);
    EXPECT_EQ(doc.root().count(NodeKindMask::CrossReferences), 0u);

    doc.redo();
    EXPECT_EQ(view.last, HintRedo);
    EXPECT_EQ(doc.root().count(NodeKindMask::CrossReferences), 1u);
    EXPECT_FALSE(doc.history().canRedo());

    doc.undo();
    doc.addExternalUrl("http://two/");
    EXPECT_FALSE(doc.history().canRedo());
    EXPECT_EQ(doc.history().undoDepth(), 2u);

    doc.removeView(view);
    doc.undo();
    EXPECT_EQ(view.last, HintUrlAdded) << "a removed view is not told";
    EXPECT_EQ(doc.updateHint(), HintUndo);
}

TEST(UndoQueue, OpeningAProjectEmptiesBothQueues)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    doc.addExternalUrl("http://two/");
    doc.undo();
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "")));
    EXPECT_FALSE(doc.history().canUndo());
    EXPECT_FALSE(doc.history().canRedo());
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 0u) << "the new project starts from an empty tree";
}

// Hands out a new item for every insert; the tests only look at the handles.
class HandleTree final : public TreeControl {
public:
    TreeItem insertItem(TreeItem, TreeItem, const TreeItemLook&, ProjectNode*) override { return ++last; }
    void updateItem(TreeItem, const TreeItemLook&) override {}
    void deleteItem(TreeItem) override {}
    TreeItem last = kNoTreeItem;
};

TEST(UndoQueue, UndoAndRedoTouchOnlyTheItemsOfThePlacesTheyChange)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    doc.addExternalUrl("http://two/");
    HandleTree control;
    ProjectRootNode& root = doc.root();
    root.insertIntoTree(control, kNoTreeItem, kNoTreeItem);
    const TreeItem oneItem = root.findOrCreateUrl("http://one/").treeItem();
    const TreeItem twoItem = root.findOrCreateUrl("http://two/").treeItem();
    root.applyTreeSelection(root.findOrCreateUrl("http://two/"), false, false);
    doc.removeSelected();
    ASSERT_EQ(root.releasedTreeItems(), std::vector<TreeItem> {twoItem});

    // The URL comes back without an item; the removed item still waits for
    // the view to delete it, and nothing else is touched.
    doc.undo();
    ExternalUrl* two = root.externalUrls().findUrl("http://two/");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->treeItem(), kNoTreeItem);
    EXPECT_TRUE(two->isDisplayDirty());
    EXPECT_EQ(root.findOrCreateUrl("http://one/").treeItem(), oneItem);
    EXPECT_EQ(root.releasedTreeItems(), std::vector<TreeItem> {twoItem});
    root.insertIntoTree(control, kNoTreeItem, kNoTreeItem);
    EXPECT_TRUE(root.releasedTreeItems().empty());
    const TreeItem shownAgain = two->treeItem();
    EXPECT_NE(shownAgain, kNoTreeItem);

    // Redo takes it out again and hands its new item to the view.
    doc.redo();
    EXPECT_EQ(root.count(NodeKindMask::Url), 1u);
    EXPECT_EQ(root.releasedTreeItems(), std::vector<TreeItem> {shownAgain});
    EXPECT_EQ(root.currentNode(), &root) << "the removed URL's place went back to the root";
}

TEST(UndoQueue, TheCaretFollowsAPagePutBackByUndo)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    ProjectRootNode& root = doc.root();
    root.applyTreeSelection(root.findOrCreateUrl("http://one/"), false, false);
    doc.excludeSelected();
    ExternalUrl* excluded = root.externalUrls().findUrl("http://one/");
    ASSERT_TRUE(excluded->isExcluded());

    doc.undo();
    ExternalUrl* restored = root.externalUrls().findUrl("http://one/");
    EXPECT_NE(restored, excluded);
    EXPECT_FALSE(restored->isExcluded());
    EXPECT_EQ(root.currentNode(), restored);
    EXPECT_TRUE(restored->isSelected());
    doc.redo();
    EXPECT_EQ(root.currentNode(), root.externalUrls().findUrl("http://one/"));
    EXPECT_TRUE(root.externalUrls().findUrl("http://one/")->isExcluded());
}

} // namespace
} // namespace torvane::test
