#include "support/UiTestSupport.h"
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include "ui/common/ShownTitle.h"
#include <QGuiApplication>
#include <QScreen>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <filesystem>

namespace torvane {
namespace {

QStringList menuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

QMenu* menuNamed(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

// Makes a folder the working folder for the life of the object.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path)
        : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// Answers every save question while it lives: Cancel to the first
// `cancels` of them, No to the rest.
class SaveQuestionAnswers {
public:
    explicit SaveQuestionAnswers(int cancels)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, cancels] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            asked.push_back(box->text().toStdString());
            const bool cancel = static_cast<int>(asked.size()) <= cancels;
            box->button(cancel ? QMessageBox::Cancel : QMessageBox::Discard)->click();
        });
        timer_.start(0);
    }

    std::vector<std::string> asked;

private:
    QTimer timer_;
};

QWidget* projectWindowOf(QMdiSubWindow* window)
{
    return window ? window->widget() : nullptr;
}

class MainFrame : public ::testing::Test {
protected:
    FrameHooks openingHooks() { return test::projectOpeningHooks(app.services); }

    // Shown where the profile places it and active, as a user's window is
    // before typing into it.
    static bool showActive(CMainFrame& frame)
    {
        frame.showWithStoredPlacement();
        frame.activateWindow();
        return QTest::qWaitForWindowActive(&frame);
    }

    // Sample.ipj and a copy of it, Other.ipj, both in `dir`: their full paths.
    std::pair<std::string, std::string> writeTwoProjects()
    {
        const std::string sample = test::writeSampleProject(dir);
        std::filesystem::copy_file(sample, dir.path() + "Other.ipj");
        return {sample, dir.path() + "Other.ipj"};
    }

    test::TempDir dir;
    test::UiTestApp app;
};

TEST_F(MainFrame, FirstStartOpensAtTheDefaultRectangleWithBothBars)
{
    CMainFrame frame(app.profile, {});
    frame.showWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    // Seven tenths of the screen, centred, and at least the stored default size.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect shown = frame.geometry();
    EXPECT_EQ(shown.width(), std::max(580, area.width() * 7 / 10));
    EXPECT_EQ(shown.height(), std::max(420, area.height() * 7 / 10));
    EXPECT_NEAR(shown.center().x(), area.center().x(), 2);
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_TRUE(frame.toolBar()->isVisible());
    EXPECT_TRUE(frame.statusBar()->isVisible());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
    EXPECT_EQ(frame.windowTitle(), "HTML Torvane");
    EXPECT_EQ(menuTitles(frame), (QStringList {"&File", "&View", "&Preferences", "&Help"}));
}

TEST_F(MainFrame, PlacementAndBarsSurviveARestart)
{
    {
        CMainFrame frame(app.profile, {});
        frame.showWithStoredPlacement();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        frame.setGeometry(40, 50, 700, 500);
        frame.runCommand(CmdViewToolbar);
        EXPECT_FALSE(frame.toolBar()->isVisible());
        frame.close();
    }
    EXPECT_EQ(app.profile.values["Torvane Window Size|Rect"], "0040 0050 0740 0550");
    EXPECT_EQ(app.profile.values["Torvane Window Size|Tool"], "0");
    EXPECT_EQ(app.profile.values["Torvane Window Size|Status"], "1");
    EXPECT_EQ(app.profile.values["Torvane Window Size|Max"], "0");

    CMainFrame again(app.profile, {});
    again.showWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.geometry(), QRect(40, 50, 700, 500));
    EXPECT_FALSE(again.toolBar()->isVisible());
    EXPECT_TRUE(again.statusBar()->isVisible());
}

TEST_F(MainFrame, MaximisedWindowRestartsMaximisedWithItsNormalRectangle)
{
    {
        CMainFrame frame(app.profile, {});
        frame.showWithStoredPlacement();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        frame.setGeometry(60, 70, 500, 400);
        frame.showMaximized();
        QTest::qWait(20);
        ASSERT_TRUE(frame.isMaximized());
        frame.savePlacement();
    }
    EXPECT_EQ(app.profile.values["Torvane Window Size|Max"], "1");
    EXPECT_EQ(app.profile.values["Torvane Window Size|Icon"], "0");
    EXPECT_EQ(app.profile.values["Torvane Window Size|Rect"], "0060 0070 0560 0470");

    CMainFrame again(app.profile, {});
    again.showWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_TRUE(again.isMaximized());
    again.showNormal();
    QTest::qWait(20);
    EXPECT_EQ(again.geometry(), QRect(60, 70, 500, 400));
}

TEST_F(MainFrame, OpeningAProjectSwitchesMenusAndRemembersTheFile)
{
    const std::string path = test::writeSampleProject(dir);
    CMainFrame frame(app.profile, openingHooks());
    frame.showWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_FALSE(frame.isCommandEnabled(CmdFileSave));
    EXPECT_FALSE(frame.isCommandEnabled(CmdExpandAll));

    ASSERT_TRUE(frame.openProjectFile(path));
    EXPECT_EQ(menuTitles(frame),
              (QStringList {"&File", "&Edit", "&View", "&Actions", "&Preferences", "&Window", "&Help"}));
    EXPECT_EQ(frame.recentFiles().paths(), std::vector<std::string> {path});
    EXPECT_EQ(app.profile.values["Recent File List|File1"], path);
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - Sample.ipj");
    EXPECT_TRUE(frame.isCommandEnabled(CmdFileSave));
    EXPECT_TRUE(frame.isCommandEnabled(CmdExpandAll));
    EXPECT_FALSE(frame.isCommandEnabled(CmdRemove));
    // The first activation fills the client area less the insets.
    const QRect area = frame.mdiArea()->viewport()->rect();
    EXPECT_EQ(frame.mdiArea()->subWindowList().front()->geometry(), QRect(1, 1, area.width() - 4, area.height() - 4));

    // The menu shows the recent file in place of its placeholder, and the
    // undo item reads from the active project.
    QMenu* file = menuNamed(frame, "&File");
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    QStringList items;
    for (QAction* action : file->actions())
        if (action->isVisible() && !action->isSeparator())
            items << action->text();
    EXPECT_EQ(items, (QStringList {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close\tCtrl+W", "&Save\tCtrl+S",
                                   "&1 " + QString::fromStdString(path), "&Exit\tCtrl+Q"}));
    QMenu* actions = menuNamed(frame, "&Actions");
    ASSERT_NE(actions, nullptr);
    emit actions->aboutToShow();
    for (QAction* action : actions->actions()) {
        if (action->data().toInt() == CmdUndo) {
            EXPECT_EQ(action->text(), "Undo\tCtrl+Z");
            EXPECT_FALSE(action->isEnabled());
        }
    }

    // The toolbar follows the selection made in the project window.
    QAction* remove = nullptr;
    for (QAction* action : frame.toolBar()->actions())
        if (action->data().toInt() == CmdRemove)
            remove = action;
    ASSERT_NE(remove, nullptr);
    EXPECT_FALSE(remove->isEnabled());
    auto* window = qobject_cast<CProjectWnd*>(frame.mdiArea()->subWindowList().front()->widget());
    ASSERT_NE(window, nullptr);
    window->runCommand(CmdCollapseAll);
    window->document().root().applyTreeSelection(window->document().root(), false, false);
    window->document().updateAllViews(HintTreeClick, window->treeView());
    window->flushRefresh();
    EXPECT_TRUE(remove->isEnabled());

    frame.mdiArea()->closeAllSubWindows();
    QTest::qWait(20);
    EXPECT_EQ(menuTitles(frame), (QStringList {"&File", "&View", "&Preferences", "&Help"}));
    EXPECT_EQ(frame.windowTitle(), "HTML Torvane");
}

// One title names the program and the active project, marked while the
// project has unsaved changes, whether or not its window is maximised.
TEST_F(MainFrame, TitleNamesTheActiveProjectOnceAndMarksUnsavedChanges)
{
    const auto [sample, other] = writeTwoProjects();
    CMainFrame frame(app.profile, openingHooks());
    ASSERT_TRUE(showActive(frame));
    ASSERT_TRUE(frame.openProjectFile(sample));
    QMdiSubWindow* sampleWindow = frame.mdiArea()->activeSubWindow();
    auto* project = qobject_cast<CProjectWnd*>(projectWindowOf(sampleWindow));
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - Sample.ipj");

    project->runCommand(CmdCollapseAll);
    project->flushRefresh();
    project->document().root().applyTreeSelection(project->document().root(), false, false);
    project->runCommand(CmdExclude);
    project->flushRefresh();
    ASSERT_TRUE(project->document().isModified());
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - Sample.ipj*");
    EXPECT_EQ(shownTitle(*sampleWindow), "Sample.ipj*");

    sampleWindow->showMaximized();
    QTest::qWait(20);
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - [Sample.ipj*]");
    project->runCommand(CmdFileSave);
    project->flushRefresh();
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - [Sample.ipj]");

    // Another project opened maximised takes the brackets over.
    ASSERT_TRUE(frame.openProjectFile(other));
    QTest::qWait(20);
    ASSERT_NE(frame.mdiArea()->activeSubWindow(), sampleWindow);
    EXPECT_TRUE(frame.mdiArea()->activeSubWindow()->isMaximized());
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - [Other.ipj]");
    QMenu* windows = menuNamed(frame, "&Window");
    ASSERT_NE(windows, nullptr);
    emit windows->aboutToShow();
    QStringList listed;
    for (QAction* action : windows->actions())
        if (action->text().startsWith("&1") || action->text().startsWith("&2"))
            listed << action->text();
    EXPECT_EQ(listed, (QStringList {"&1 Sample.ipj", "&2 Other.ipj"}));

    frame.mdiArea()->activeSubWindow()->showNormal();
    QTest::qWait(20);
    EXPECT_EQ(shownTitle(frame), "HTML Torvane - Other.ipj");
    frame.mdiArea()->closeAllSubWindows();
    QTest::qWait(20);
    EXPECT_EQ(shownTitle(frame), "HTML Torvane");
}

TEST_F(MainFrame, AcceleratorsReachTheActiveProject)
{
    const std::string path = test::writeSampleProject(dir);
    CMainFrame frame(app.profile, openingHooks());
    ASSERT_TRUE(showActive(frame));
    ASSERT_TRUE(frame.openProjectFile(path));
    auto* window = qobject_cast<CProjectWnd*>(frame.mdiArea()->subWindowList().front()->widget());
    ASSERT_NE(window, nullptr);
    window->runCommand(CmdCollapseAll);
    window->flushRefresh();
    window->document().root().applyTreeSelection(window->document().root(), false, false);
    window->runCommand(CmdExclude);
    window->flushRefresh();
    ASSERT_EQ(window->undoActionName(), std::optional<std::string>("Exclude Targets"));

    QTest::keyClick(window->treeView(), Qt::Key_Z, Qt::ControlModifier);
    window->flushRefresh();
    EXPECT_EQ(window->undoActionName(), std::nullopt);
    EXPECT_EQ(window->redoActionName(), std::optional<std::string>("Exclude Targets"));
    QTest::keyClick(window->treeView(), Qt::Key_Y, Qt::ControlModifier);
    window->flushRefresh();
    EXPECT_EQ(window->undoActionName(), std::optional<std::string>("Exclude Targets"));

    // F6 moves the focus to the other pane.
    QTest::keyClick(window->treeView(), Qt::Key_F6);
    window->flushRefresh();
    EXPECT_EQ(window->activeView(), static_cast<QWidget*>(window->listView()));
    window->document().setModified(false);
}

TEST_F(MainFrame, AProjectThatCannotOpenLeavesTheRecentList)
{
    const std::string path = test::writeSampleProject(dir);
    CMainFrame frame(app.profile, openingHooks());
    ASSERT_TRUE(frame.openProjectFile(path));
    frame.mdiArea()->closeAllSubWindows();
    std::filesystem::remove(path);
    EXPECT_FALSE(frame.openProjectFile(path));
    EXPECT_TRUE(frame.recentFiles().paths().empty());
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainFrame, ARelativePathOpensOnceAndIsRememberedInFull)
{
    const auto [sample, other] = writeTwoProjects();
    CMainFrame frame(app.profile, openingHooks());
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    WorkingFolder working(dir.path());
    ASSERT_TRUE(frame.openProjectFile("Sample.ipj"));
    auto* sampleWindow = qobject_cast<CProjectWnd*>(projectWindowOf(frame.mdiArea()->currentSubWindow()));
    ASSERT_NE(sampleWindow, nullptr);
    EXPECT_EQ(sampleWindow->projectPath(), sample);
    EXPECT_EQ(frame.recentFiles().paths(), std::vector<std::string> {sample});
    EXPECT_EQ(app.profile.values["Recent File List|File1"], sample);

    // Asked again, by any spelling, the open window comes forward.
    for (const std::string& again : {std::string("Sample.ipj"), std::string("./Sample.ipj"), sample}) {
        ASSERT_TRUE(frame.openProjectFile(other));
        ASSERT_NE(projectWindowOf(frame.mdiArea()->currentSubWindow()), static_cast<QWidget*>(sampleWindow));
        EXPECT_TRUE(frame.openProjectFile(again)) << again;
        EXPECT_EQ(projectWindowOf(frame.mdiArea()->currentSubWindow()), static_cast<QWidget*>(sampleWindow)) << again;
        EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2) << again;
        EXPECT_EQ(frame.recentFiles().paths(), (std::vector<std::string> {sample, other})) << again;
    }
}

TEST_F(MainFrame, CloseAsksToSaveAChangedProjectAndClosesOnlyTheActiveOne)
{
    const auto [sample, other] = writeTwoProjects();
    CMainFrame frame(app.profile, openingHooks());
    ASSERT_TRUE(showActive(frame));
    ASSERT_TRUE(frame.openProjectFile(sample));
    ASSERT_TRUE(frame.openProjectFile(other));
    auto* otherWindow = qobject_cast<CProjectWnd*>(projectWindowOf(frame.mdiArea()->activeSubWindow()));
    ASSERT_NE(otherWindow, nullptr);
    otherWindow->document().setModified(true);
    ASSERT_TRUE(frame.isCommandEnabled(CmdFileClose));

    {
        SaveQuestionAnswers answers(1);
        QTest::keyClick(otherWindow->treeView(), Qt::Key_W, Qt::ControlModifier);
        QTest::qWait(20);
        EXPECT_EQ(answers.asked, std::vector<std::string> {"Save changes to Other.ipj?"});
    }
    ASSERT_EQ(frame.mdiArea()->subWindowList().size(), 2) << "Cancel keeps the project open";
    {
        SaveQuestionAnswers answers(0);
        frame.runCommand(CmdFileClose);
        QTest::qWait(20);
        EXPECT_EQ(answers.asked, std::vector<std::string> {"Save changes to Other.ipj?"});
    }
    ASSERT_EQ(frame.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(projectWindowOf(frame.mdiArea()->subWindowList().front())->windowTitle(), "Sample.ipj[*]");

    // An unchanged project closes without a question, and the frame is back
    // to its menus without a project.
    {
        SaveQuestionAnswers answers(0);
        frame.runCommand(CmdFileClose);
        QTest::qWait(20);
        EXPECT_TRUE(answers.asked.empty());
    }
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(menuTitles(frame), (QStringList {"&File", "&View", "&Preferences", "&Help"}));
    EXPECT_FALSE(frame.isCommandEnabled(CmdFileClose));
}

TEST_F(MainFrame, CancelInOneSaveQuestionKeepsTheProgramAndTheLaterProjectsOpen)
{
    const auto [sample, other] = writeTwoProjects();
    CMainFrame frame(app.profile, openingHooks());
    frame.showWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    for (const std::string& path : {sample, other}) {
        ASSERT_TRUE(frame.openProjectFile(path));
        auto* window = qobject_cast<CProjectWnd*>(projectWindowOf(frame.mdiArea()->currentSubWindow()));
        ASSERT_NE(window, nullptr);
        window->document().setModified(true);
    }

    {
        SaveQuestionAnswers answers(1);
        EXPECT_FALSE(frame.close());
        EXPECT_EQ(answers.asked, std::vector<std::string> {"Save changes to Sample.ipj?"});
    }
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(app.profile.values.count("Torvane Window Size|Rect"), 0u) << "placement is kept only on a real exit";

    SaveQuestionAnswers answers(0);
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(answers.asked, (std::vector<std::string> {"Save changes to Sample.ipj?", "Save changes to Other.ipj?"}));
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(app.profile.values.count("Torvane Window Size|Rect"), 1u);
}

TEST_F(MainFrame, ToolbarButtonsCarryTipsAndPrompts)
{
    CMainFrame frame(app.profile, openingHooks());
    QStringList tips;
    for (QAction* action : frame.toolBar()->actions())
        tips << (action->isSeparator() ? "-" : action->toolTip());
    EXPECT_EQ(tips, (QStringList {"New", "Open", "Save", "-", "Add Files", "Add External URLs", "Create X-refs", "-",
                                  "Remove Files/URLs/X-refs", "-", "Exclude Targets", "-", "Add Index Entry", "-",
                                  "Set Index Styles", "-", "Make Index", "-", "Help Topics"}));
    for (QAction* action : frame.toolBar()->actions()) {
        if (action->data().toInt() == CmdExclude) {
            EXPECT_EQ(action->statusTip(), "Exclude selected targets from the index");
        }
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
}

} // namespace
} // namespace torvane
