#include "support/ProjectWindowFixture.h"
#include "document/StorablePaths.h"
#include "ui/commands/CommandIds.h"
#include "document/ProjectAction.h"
#include "model/ProjectRootNode.h"
#include "ui/addfiles/DroppedPages.h"
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

namespace torvane {
namespace {

const std::vector<std::string> kPages = {".htm", ".html"};

std::vector<std::string> sorted(std::vector<std::string> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(DroppedPages, FoldersGiveThePagesBelowAndNamedFilesAreSortedOut)
{
    test::TempDir dir;
    dir.write("extra/e.htm", "e");
    dir.write("extra/deep/f.HTML", "f");
    dir.write("extra/notes.txt", "n");
    dir.write("g.htm", "g");
    dir.write("readme.txt", "r");
    test::TempDir elsewhere;
    elsewhere.write("far.htm", "far");
    const DroppedPages dropped = droppedPages(
        {dir.path() + "extra", dir.path() + "g.htm", dir.path() + "readme.txt", elsewhere.path() + "far.htm"},
        dir.path(), kPages);
    EXPECT_EQ(sorted(dropped.pages), (std::vector<std::string> {dir.path() + "extra/deep/f.HTML",
                                                                dir.path() + "extra/e.htm", dir.path() + "g.htm"}))
        << "a file inside a dropped folder that is not a page is passed over, as Add Files does";
    EXPECT_EQ(dropped.notPages, std::vector<std::string> {dir.path() + "readme.txt"});
    EXPECT_EQ(dropped.outside, std::vector<std::string> {elsewhere.path() + "far.htm"});
    EXPECT_EQ(notPagesMessage(dropped.notPages, kPages),
              "These files were not added: only pages (.htm, .html) belong in a project.\n\n" + dir.path() +
                  "readme.txt\n");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.path() + "g.htm")), QUrl("http://example.com/a.htm")});
    EXPECT_EQ(droppedLocalPaths(data), std::vector<std::string> {dir.path() + "g.htm"});
}

class DropOnProject : public test::ProjectWindowFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(openSampleProject()); }

    // Drags `urls` onto the middle of the window and drops them there;
    // whether the window took the drag.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle = window->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QTest::qWait(10);
        window->flushRefresh();
        return dropped.isAccepted();
    }

    QUrl local(const std::string& path) const { return QUrl::fromLocalFile(QString::fromStdString(path)); }
    bool inProject(const std::string& path) { return root().localFiles().findFileAt(path); }
};

TEST_F(DropOnProject, DroppedPagesAndFoldersAreAddedAsOneAddFiles)
{
    dir.write("d.htm", "<html><head><title>Dates</title></head><body></body></html>");
    dir.write("extra/e.htm", "<html><body>e</body></html>");
    dir.write("extra/notes.txt", "n");
    dir.write("readme.txt", "r");
    EXPECT_FALSE(drop({QUrl("http://example.com/page.htm")})) << "only files and folders of this machine";

    ASSERT_TRUE(drop({local(dir.path() + "d.htm"), local(dir.path() + "extra"), local(dir.path() + "readme.txt")}));
    EXPECT_TRUE(inProject(dir.path() + "d.htm"));
    EXPECT_TRUE(inProject(dir.path() + "extra/e.htm"));
    EXPECT_FALSE(inProject(dir.path() + "extra/notes.txt"));
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0], notPagesMessage({dir.path() + "readme.txt"}, app.services.validExtensions));
    EXPECT_EQ(window->document().undoCode(), std::optional<int>(ActionAddFiles));
    EXPECT_TRUE(window->document().isModified());

    // One undo takes the whole drop back.
    window->runCommand(CmdUndo);
    window->flushRefresh();
    EXPECT_FALSE(inProject(dir.path() + "d.htm"));
    EXPECT_FALSE(inProject(dir.path() + "extra/e.htm"));
    EXPECT_TRUE(inProject(dir.path() + "a.htm"));
}

TEST_F(DropOnProject, PagesFromElsewhereAreRefusedAsAddFilesRefusesThem)
{
    test::TempDir elsewhere;
    elsewhere.write("far.htm", "<html><body>far</body></html>");
    dir.write("bad\\name.htm", "<html><body>bad</body></html>");
    const std::size_t pagesBefore = root().count(NodeKindMask::File);
    ASSERT_TRUE(drop({local(elsewhere.path() + "far.htm"), local(dir.path() + "bad\\name.htm")}));
    EXPECT_FALSE(inProject(elsewhere.path() + "far.htm"));
    EXPECT_FALSE(inProject(dir.path() + "bad\\name.htm"));
    EXPECT_EQ(app.messages.shown,
              (std::vector<std::string> {"These files were not added:\n\n" + elsewhere.path() +
                                             "far.htm: not below the project folder " + dir.path() + "\n",
                                         unstorablePagesMessage({dir.path() + "bad\\name.htm"})}));
    EXPECT_EQ(root().count(NodeKindMask::File), pagesBefore) << "no page that never existed";

    // A drop of nothing but such pages adds nothing and makes no undo step.
    app.messages.shown.clear();
    const auto stepsBefore = window->document().history().undoDepth();
    ASSERT_TRUE(drop({local(elsewhere.path())}));
    EXPECT_EQ(window->document().history().undoDepth(), stepsBefore);
    ASSERT_EQ(app.messages.shown.size(), 1u);
}

} // namespace
} // namespace torvane
