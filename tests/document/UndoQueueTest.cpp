#include "DocumentTestSupport.h"

#include "document/ProjectAction.h"

#include <limits>

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

int limitFor(int stored)
{
    TestApp app;
    app.profile.writeInt("Torvane Options", "Undo Queue Size", stored);
    CProjectDoc doc(app.services);
    return doc.undoLimit();
}

TEST(UndoLimit, ReadFromTheProfileAndClamped)
{
    TestApp app;
    EXPECT_EQ(CProjectDoc(app.services).undoLimit(), 8);
    EXPECT_EQ(limitFor(0), 1);
    EXPECT_EQ(limitFor(100), 32);
    EXPECT_EQ(limitFor(-5), 5);
    EXPECT_EQ(limitFor(32), 32);
    EXPECT_EQ(clampUndoLimit(std::numeric_limits<int>::min()), 32);
}

TEST(UndoQueue, LimitOfOneKeepsOnlyTheLastAction)
{
    TestApp app;
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
    TestApp app;
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
    TestApp app;
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

TEST(UndoQueue, TreesPutBackByUndoAndRedoAreShownNowhere)
{
    TestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    doc.addExternalUrl("http://two/");
    HandleTree control;
    doc.root().insertIntoTree(control, kNoTreeItem, kNoTreeItem);
    doc.root().applyTreeSelection(doc.root().findOrCreateUrl("http://two/"), false, false);
    doc.removeSelected();
    ASSERT_EQ(doc.root().releasedTreeItems().size(), 1u);

    // The shown tree, with the item of the removed URL still to be deleted,
    // goes to the redo queue and comes back.
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 2u);
    doc.redo();
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u);
    EXPECT_TRUE(doc.root().releasedTreeItems().empty()) << "those items went with the view that held them";
    std::vector<ProjectNode*> nodes;
    doc.root().collect(nodes, NodeKindMask::AllNodes);
    for (const ProjectNode* node : nodes) {
        EXPECT_EQ(node->treeItem(), kNoTreeItem) << node->label();
        EXPECT_TRUE(node->isDisplayDirty()) << node->label();
    }
    EXPECT_EQ(doc.root().currentNode(), &doc.root()) << "the removed URL's place went back to the root";
}

} // namespace
} // namespace torvane::test
