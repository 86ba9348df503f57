#include "support/UiTestSupport.h"
#include "document/ProjectAction.h"
#include "model/ProjectRootNode.h"
#include "model/FolderNode.h"
#include "model/SourceFile.h"
#include "ui/addfiles/AddDialogHooks.h"
#include "ui/addfiles/AddFilesDialog.h"
#include "document/PagesBelow.h"
#include "ui/addfiles/AddFilesListing.h"
#include "ui/addfiles/AddFilesTree.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace torvane {
namespace {

const std::vector<std::string> kHtmlExtensions {".htm", ".html"};

std::vector<std::string> sorted(std::vector<std::string> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(AddFilesListing, ModelStartsWithEveryPageChosenAndNoEmptyFolders)
{
    test::TempDir dir;
    dir.write("b.htm", "x");
    dir.write("sub/a.htm", "x");
    dir.write("notes/only.txt", "x");
    ProjectRootNode model;
    fillAddFilesModel(model, dir.path(), findPagesBelow(dir.path(), kHtmlExtensions));

    LocalFilesNode& files = model.localFiles();
    EXPECT_EQ(model.currentNode(), &files);
    EXPECT_FALSE(files.isExpanded());
    EXPECT_TRUE(files.isSelected());
    EXPECT_EQ(files.findFolder("notes"), nullptr);
    ASSERT_NE(files.findFolder("sub"), nullptr);
    // Walk order: folders before files.
    EXPECT_EQ(chosenPages(model), (std::vector<std::string> {dir.path() + "sub/a.htm", dir.path() + "b.htm"}));

    files.setExpanded(true);
    EXPECT_TRUE(chosenPages(model).empty());
    model.applyTreeSelection(*files.findFolder("sub"), false, false);
    EXPECT_EQ(chosenPages(model), (std::vector<std::string> {dir.path() + "sub/a.htm"}));
}

// The dialog on its own, with the pages it hands on recorded.
class AddFilesDialogWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("a.htm", "x");
        dir.write("b.htm", "x");
        dir.write("sub/c.htm", "x");
        dir.write("sub/d.txt", "x");
        dialog = std::make_unique<AddFilesDialog>(
            dir.path(), kHtmlExtensions, [this](const std::vector<std::string>& paths) { added.push_back(paths); });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        dialog->tree()->refreshNow();
    }

    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(dialog->tree(), static_cast<Qt::Key>(code), modifiers);
        dialog->tree()->refreshNow();
    }

    void click(ProjectNode& node, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTreeWidgetItem* item = AddFilesTree::itemOf(node.treeItem());
        ASSERT_NE(item, nullptr) << node.label();
        const QRect rect = dialog->tree()->visualItemRect(item);
        QTest::mouseClick(dialog->tree()->viewport(), Qt::LeftButton, modifiers,
                          QPoint(rect.left() + 30, rect.center().y()));
        dialog->tree()->refreshNow();
    }

    ProjectNode& node(const std::string& relative) { return dialog->model().findOrCreateFile(dir.path() + relative); }

    test::TempDir dir;
    std::vector<std::vector<std::string>> added;
    std::unique_ptr<AddFilesDialog> dialog;
};

TEST_F(AddFilesDialogWidget, ShowsTheProjectDirectoryAndAddsEveryPageAtOnce)
{
    EXPECT_EQ(dialog->windowTitle(), "Add Files to Project");
    EXPECT_EQ(dialog->addButton()->text(), "Add");
    EXPECT_EQ(dialog->closeButton()->text(), "Close");
    EXPECT_TRUE(dialog->addButton()->isDefault());
    ASSERT_EQ(dialog->tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* top = dialog->tree()->topLevelItem(0);
    EXPECT_EQ(top->text(0).toStdString(), dir.path());
    EXPECT_TRUE(AddFilesTree::isMarked(top));
    EXPECT_EQ(dialog->tree()->currentItem(), top);
    EXPECT_EQ(top->childCount(), 3);

    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(sorted(added[0]),
              (std::vector<std::string> {dir.path() + "a.htm", dir.path() + "b.htm", dir.path() + "sub/c.htm"}));
    // The dialog stays, its choice unchanged: a second Add hands on the same.
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog->tree(), Qt::Key_Return);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[1], added[0]);
}

TEST_F(AddFilesDialogWidget, KeysAndClicksChooseWithTheProjectTreeRules)
{
    QTreeWidgetItem* top = dialog->tree()->topLevelItem(0);
    const QRect topRect = dialog->tree()->visualItemRect(top);
    QTest::mouseClick(dialog->tree()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(topRect.left() - dialog->tree()->indentation() / 2, topRect.center().y()));
    dialog->tree()->refreshNow();
    EXPECT_TRUE(top->isExpanded());
    EXPECT_TRUE(dialog->model().localFiles().isExpanded());

    // Down from the directory reaches the folder, which stands for its page.
    key(Qt::Key_Down);
    EXPECT_EQ(chosenPages(dialog->model()), (std::vector<std::string> {dir.path() + "sub/c.htm"}));
    EXPECT_EQ(dialog->tree()->currentItem(),
              AddFilesTree::itemOf(dialog->model().localFiles().findFolder("sub")->treeItem()));

    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(chosenPages(dialog->model()),
              (std::vector<std::string> {dir.path() + "sub/c.htm", dir.path() + "a.htm"}));

    click(node("b.htm"));
    EXPECT_EQ(chosenPages(dialog->model()), (std::vector<std::string> {dir.path() + "b.htm"}));
    EXPECT_TRUE(AddFilesTree::isMarked(AddFilesTree::itemOf(node("b.htm").treeItem())));
    EXPECT_FALSE(AddFilesTree::isMarked(AddFilesTree::itemOf(node("a.htm").treeItem())));
    click(node("a.htm"), Qt::ControlModifier);
    EXPECT_EQ(chosenPages(dialog->model()), (std::vector<std::string> {dir.path() + "a.htm", dir.path() + "b.htm"}));
    click(node("b.htm"), Qt::ControlModifier);
    EXPECT_EQ(chosenPages(dialog->model()), (std::vector<std::string> {dir.path() + "a.htm"}));

    // Left on a page goes up to its parent; Left again collapses it, which
    // hands the directory's selection down to everything inside.
    key(Qt::Key_Left);
    EXPECT_EQ(dialog->model().currentNode(), &dialog->model().localFiles());
    key(Qt::Key_Left);
    EXPECT_FALSE(top->isExpanded());
    EXPECT_EQ(chosenPages(dialog->model()).size(), 3u);

    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].size(), 3u);
}

TEST_F(AddFilesDialogWidget, EscapeCloses)
{
    QTest::keyClick(dialog->tree(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(added.empty());
}

// Counts the steps and can cancel, or act, at a given one.
class ScriptedProgress final : public Progress {
public:
    void begin(std::string_view title, int total, bool cancellable) override
    {
        titles.emplace_back(title);
        this->total = total;
    }
    bool step(int done, std::string_view text) override
    {
        shown.emplace_back(text);
        if (atStep && done == actAt)
            atStep();
        return done != cancelAt;
    }
    void end() override { ++ended; }

    std::vector<std::string> titles;
    std::vector<std::string> shown;
    int total = 0;
    int ended = 0;
    int cancelAt = -1;
    int actAt = -1;
    std::function<void()> atStep;
};

// A project window with the add dialogs installed, on a project of its own.
class AddFilesCommand : public ::testing::Test {
protected:
    void open(const std::string& projectFile)
    {
        CProjectWnd::Hooks hooks;
        installAddDialogHooks(hooks, services);
        window = test::showProjectWindow(services, projectFile, hooks);
        ASSERT_NE(window, nullptr);
        // Opening loads the project's pages through the same progress.
        progress.titles.clear();
    }

    AddFilesDialog* openDialog()
    {
        EXPECT_TRUE(window->isEnabled(CmdAddFiles));
        window->runCommand(CmdAddFiles);
        auto* dialog = qobject_cast<AddFilesDialog*>(window->treeView()->modelessDialog(CmdAddFiles));
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            dialog->tree()->refreshNow();
        return dialog;
    }

    SourceFile* projectFile(const std::string& relative)
    {
        return window->document().root().localFiles().findFileAt(dir.path() + relative);
    }

    test::TempDir dir;
    test::UiTestApp app;
    ScriptedProgress progress;
    AppServices services {app.profile, app.reports, app.presenter,    app.messages,
                          progress,    app.shell,   {".htm", ".html"}};
    std::unique_ptr<CProjectWnd> window;
};

TEST_F(AddFilesCommand, AddsTheChosenPagesAsOneActionAndClosesOnClose)
{
    const std::string project = test::writeSampleProject(dir);
    dir.write("d.htm", "<html><head><title>Dates</title></head><body><h1>Dates</h1></body></html>");
    dir.write("notes.txt", "x");
    open(project);
    AddFilesDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), window->treeView());
    EXPECT_FALSE(window->isEnabled(CmdAddFiles));
    // Pages already in the project are listed like any other.
    EXPECT_EQ(sorted(chosenPages(dialog->model())),
              (std::vector<std::string> {dir.path() + "a.htm", dir.path() + "c.htm", dir.path() + "d.htm",
                                         dir.path() + "sub/b.htm"}));
    ASSERT_EQ(projectFile("d.htm"), nullptr);

    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window->flushRefresh();
    ASSERT_NE(projectFile("d.htm"), nullptr);
    EXPECT_EQ(progress.titles, std::vector<std::string> {"Add Files Progress"});
    EXPECT_EQ(progress.total, 4);
    EXPECT_EQ(window->document().undoCode(), std::optional<int>(ActionAddFiles));
    EXPECT_TRUE(dialog->addButton()->isEnabled());
    EXPECT_TRUE(window->document().isModified());

    window->document().undo();
    window->flushRefresh();
    EXPECT_EQ(projectFile("d.htm"), nullptr);
    EXPECT_NE(projectFile("a.htm"), nullptr);

    QPointer<AddFilesDialog> watched(dialog);
    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_TRUE(watched.isNull());
    window->flushRefresh();
    EXPECT_TRUE(window->isEnabled(CmdAddFiles));
}

TEST_F(AddFilesCommand, CancelKeepsThePagesAddedSoFarAsOneUndoStep)
{
    dir.write("Empty.ipj", "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=Torvane.htm\r\n\r\n"
                           "[External URLs]\r\n\r\n[Xrefs]\r\n\r\n");
    for (const char* name : {"p1.htm", "p2.htm", "p3.htm", "p4.htm", "p5.htm"})
        dir.write(name, "<html><head><title>T</title></head><body></body></html>");
    open(dir.path() + "Empty.ipj");
    AddFilesDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(chosenPages(dialog->model()).size(), 5u);

    progress.cancelAt = 2;
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window->flushRefresh();
    std::vector<ProjectNode*> files;
    window->document().root().collect(files, NodeKindMask::File);
    EXPECT_EQ(files.size(), 2u);
    EXPECT_EQ(progress.ended, 1);

    window->document().undo();
    files.clear();
    window->document().root().collect(files, NodeKindMask::File);
    EXPECT_TRUE(files.empty());
    EXPECT_FALSE(window->document().undoCode().has_value());
}

TEST_F(AddFilesCommand, CloseAndAddWaitWhileTheAddRuns)
{
    dir.write("Empty.ipj", "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=Torvane.htm\r\n\r\n"
                           "[External URLs]\r\n\r\n[Xrefs]\r\n\r\n");
    dir.write("p1.htm", "x");
    dir.write("p2.htm", "x");
    open(dir.path() + "Empty.ipj");
    QPointer<AddFilesDialog> dialog = openDialog();
    ASSERT_NE(dialog, nullptr);

    int adds = 0;
    progress.actAt = 1;
    progress.atStep = [&] {
        EXPECT_TRUE(dialog->isAdding());
        EXPECT_FALSE(dialog->closeButton()->isEnabled());
        dialog->reject();
        dialog->close();
        dialog->addChosen();
        QTest::qWait(10);
        ++adds;
    };
    dialog->addChosen();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(adds, 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isAdding());
    EXPECT_TRUE(dialog->closeButton()->isEnabled());
    EXPECT_EQ(progress.titles.size(), 1u);
    std::vector<ProjectNode*> files;
    window->document().root().collect(files, NodeKindMask::File);
    EXPECT_EQ(files.size(), 2u);
}

} // namespace
} // namespace torvane
