#include "platform/PosixShellLauncher.h"
#include "support/UiTestSupport.h"
#include "ui/commands/CommandEnabling.h"
#include "ui/commands/CommandIds.h"
#include "ui/frame/LockKeys.h"
#include "ui/htmltools/OpenFiles.h"
#include "ui/frame/RecentFiles.h"
#include "ui/frame/WindowPlacement.h"
#include <gtest/gtest.h>
#include <set>

namespace torvane {
namespace {

CommandState openProject()
{
    CommandState state;
    state.projectOpen = true;
    return state;
}

TEST(CommandEnabling, TreeSelectionCommandsNeedASelection)
{
    CommandState state = openProject();
    for (int id : {CmdRemove, CmdExclude, CmdAddIndexEntry, CmdEditSourceFile, CmdViewSourceFile})
        EXPECT_FALSE(isCommandEnabled(id, state)) << id;

    state.removableCount = 2;
    state.selectedFileCount = 2;
    state.targetCount = 2;
    EXPECT_TRUE(isCommandEnabled(CmdRemove, state));
    EXPECT_TRUE(isCommandEnabled(CmdExclude, state));
    EXPECT_TRUE(isCommandEnabled(CmdAddIndexEntry, state));
    // Two files: the source-file commands want exactly one.
    EXPECT_FALSE(isCommandEnabled(CmdEditSourceFile, state));
    EXPECT_FALSE(isCommandEnabled(CmdViewSourceFile, state));
    state.selectedFileCount = 1;
    EXPECT_TRUE(isCommandEnabled(CmdEditSourceFile, state));
    EXPECT_TRUE(isCommandEnabled(CmdViewSourceFile, state));

    state.addEntryOpen = true;
    EXPECT_FALSE(isCommandEnabled(CmdAddIndexEntry, state));
}

TEST(CommandEnabling, ListSelectionCommands)
{
    CommandState state = openProject();
    for (int id : {CmdEditIndexEntries, CmdDeleteEntries, CmdSelectAssociatedTargets, CmdAcceptDefaultEntries,
                   CmdEditCrossReference})
        EXPECT_FALSE(isCommandEnabled(id, state)) << id;

    state.selectedEntryCount = 2;
    state.allSelectedEqual = false;
    EXPECT_FALSE(isCommandEnabled(CmdEditIndexEntries, state));
    EXPECT_TRUE(isCommandEnabled(CmdDeleteEntries, state));
    EXPECT_TRUE(isCommandEnabled(CmdSelectAssociatedTargets, state));
    state.allSelectedEqual = true;
    EXPECT_TRUE(isCommandEnabled(CmdEditIndexEntries, state));

    state = openProject();
    state.selectedCrossRefCount = 1;
    EXPECT_TRUE(isCommandEnabled(CmdEditCrossReference, state));
    EXPECT_TRUE(isCommandEnabled(CmdDeleteEntries, state));
    state.selectedCrossRefCount = 2;
    EXPECT_FALSE(isCommandEnabled(CmdEditCrossReference, state));

    state.selectedDefaultCount = 1;
    EXPECT_TRUE(isCommandEnabled(CmdAcceptDefaultEntries, state));
}

TEST(CommandEnabling, QueuesOutputsAndDialogs)
{
    CommandState state = openProject();
    EXPECT_FALSE(isCommandEnabled(CmdUndo, state));
    EXPECT_FALSE(isCommandEnabled(CmdRedo, state));
    EXPECT_FALSE(isCommandEnabled(CmdMakeIndex, state));
    state.undoAvailable = true;
    state.anyOutputOn = true;
    EXPECT_TRUE(isCommandEnabled(CmdUndo, state));
    EXPECT_FALSE(isCommandEnabled(CmdRedo, state));
    EXPECT_TRUE(isCommandEnabled(CmdMakeIndex, state));

    EXPECT_TRUE(isCommandEnabled(CmdAddFiles, state));
    state.addFilesOpen = true;
    state.addUrlsOpen = true;
    state.crossRefOpen = true;
    EXPECT_FALSE(isCommandEnabled(CmdAddFiles, state));
    EXPECT_FALSE(isCommandEnabled(CmdAddExternalUrls, state));
    EXPECT_FALSE(isCommandEnabled(CmdCreateCrossReference, state));
}

TEST(CommandEnabling, WithoutProjectOnlyFrameCommandsRun)
{
    const CommandState none;
    for (int id : {CmdFileNew, CmdFileOpen, CmdExit, CmdViewToolbar, CmdHtmlTools, CmdHelpTopics})
        EXPECT_TRUE(isCommandEnabled(id, none)) << id;
    for (int id :
         {CmdFileSave, CmdFileClose, CmdExpandAll, CmdEditOutputFile, CmdAddFiles, CmdProjectStyleSettings, CmdCascade})
        EXPECT_FALSE(isCommandEnabled(id, none)) << id;
}

TEST(CommandEnabling, UndoAndRedoItemTexts)
{
    EXPECT_EQ(undoItemText(std::nullopt), "Undo\tCtrl+Z");
    EXPECT_EQ(redoItemText(std::nullopt), "Redo\tCtrl+Y");
    EXPECT_EQ(undoItemText("Add Index Entry"), "Undo Add Index Entry\tCtrl+Z");
    EXPECT_EQ(redoItemText("Exclude Targets"), "Redo Exclude Targets\tCtrl+Y");
}

TEST(OpenFiles, SeparateFilesPickTheFirstGroupPageThatExists)
{
    const std::set<std::string> present {"/p/Index-M.htm", "/p/Index-Numbers.htm"};
    auto exists = [&present](const std::string& path) { return present.count(path) > 0; };
    EXPECT_EQ(outputFilePath("/p/", "Index.htm", true, 0, exists), "/p/Index-M.htm");
    // Frames in a separate frame: the frame set itself.
    EXPECT_EQ(outputFilePath("/p/", "Index.htm", true, 2, exists), "/p/Index.htm");
    EXPECT_EQ(outputFilePath("/p/", "Index.htm", false, 0, exists), "/p/Index.htm");

    const std::set<std::string> onlyNumbers {"/p/Index-Numbers.htm", "/p/Index-Symbols.htm"};
    auto numbers = [&onlyNumbers](const std::string& path) { return onlyNumbers.count(path) > 0; };
    EXPECT_EQ(outputFilePath("/p/", "Index.htm", true, 1, numbers), "/p/Index-Numbers.htm");
    auto nothing = [](const std::string&) { return false; };
    EXPECT_EQ(outputFilePath("/p/", "Index.htm", true, 0, nothing), "/p/Index.htm");
}

TEST(OpenFiles, LaunchPlansAndTheirMessages)
{
    test::MapProfile profile;
    HtmlToolsSettings tools = readHtmlToolsSettings(profile);
    EXPECT_EQ(tools.editor, "Notepad");
    EXPECT_EQ(tools.browser, "");

    // The defaults name no program here: the desktop's opener runs.
    LaunchPlan plan = planSourceFileLaunch(false, "/p/a.htm", tools);
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Document);
    EXPECT_EQ(plan.path, "/p/a.htm");
    profile.writeString("Html Tools", "Editor", "notepad.EXE");
    EXPECT_EQ(planSourceFileLaunch(true, "/p/a.htm", readHtmlToolsSettings(profile)).kind, LaunchPlan::Kind::Document);
    profile.writeString("Html Tools", "Editor", "gedit ");
    plan = planSourceFileLaunch(true, "/p/a.htm", readHtmlToolsSettings(profile));
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Program);
    EXPECT_EQ(plan.program, "gedit");

    profile.writeString("Html Tools", "Editor", "  ");
    profile.writeString("Html Tools", "Browser", "");
    tools = readHtmlToolsSettings(profile);
    plan = planSourceFileLaunch(true, "/p/a.htm", tools);
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Document) << "an empty editor opens the page too";
    plan = planSourceFileLaunch(false, "/p/a.htm", tools);
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Document);

    plan = planOutputFileLaunch(false, "/p/Torvane.htm", false, tools);
    EXPECT_EQ(plan.message, "The output file does not exist.\nYou must select a browser.\n");
    plan = planOutputFileLaunch(false, "/p/Torvane.htm", true, tools);
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Document);
    EXPECT_EQ(plan.path, "/p/Torvane.htm");
    plan = planOutputFileLaunch(true, "/p/Torvane.htm", true, tools);
    EXPECT_EQ(plan.kind, LaunchPlan::Kind::Document);
    plan = planOutputFileLaunch(true, "/p/Torvane.htm", false, tools);
    EXPECT_EQ(plan.message, "The output file does not exist.\n");
}

TEST(OpenFiles, ProgramsAreFoundOnThePathOrByTheirOwnPath)
{
    EXPECT_TRUE(canStartProgram("sh"));
    EXPECT_TRUE(canStartProgram("/bin/sh"));
    EXPECT_FALSE(canStartProgram("no-such-program-torvane"));
    EXPECT_FALSE(canStartProgram("/nonexistent/bin/sh"));
    EXPECT_FALSE(canStartProgram(""));
    EXPECT_EQ(cannotStartMessage("vi2").rfind("The program \"vi2\" cannot be started.", 0), 0u);
}

TEST(WindowPlacement, RectTextKeepsTheSignInsideFourCharacters)
{
    EXPECT_EQ(formatPlacementRect(30, 30, 610, 450), "0030 0030 0610 0450");
    EXPECT_EQ(formatPlacementRect(-4, -12, 1000, 700), "-004 -012 1000 0700");
    const auto parsed = parsePlacementRect("-004 -012 1000 0700");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->left, -4);
    EXPECT_EQ(parsed->top, -12);
    EXPECT_EQ(parsed->right, 1000);
    EXPECT_EQ(parsed->bottom, 700);
    // Wider numbers shift the fixed positions but still read back.
    const auto wide = parsePlacementRect(formatPlacementRect(12345, 0, 20000, 480));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->left, 12345);
    EXPECT_EQ(wide->right, 20000);
    EXPECT_FALSE(parsePlacementRect("0030 0030"));
}

TEST(WindowPlacement, AFirstStartTakesSevenTenthsOfTheScreenCentred)
{
    test::MapProfile profile;
    WindowPlacement placement = readWindowPlacement(profile);
    EXPECT_FALSE(placement.stored);
    placeOnFirstStart(placement, 0, 40, 2000, 1000);
    EXPECT_EQ(placement.right - placement.left, 1400);
    EXPECT_EQ(placement.bottom - placement.top, 700);
    EXPECT_EQ(placement.left, 300);
    EXPECT_EQ(placement.top, 40 + 150);
    // A small screen keeps the default size.
    WindowPlacement small;
    placeOnFirstStart(small, 0, 0, 640, 480);
    EXPECT_EQ(small.right - small.left, 580);
    EXPECT_EQ(small.bottom - small.top, 420);
    // What the profile keeps is not a first start.
    writeWindowPlacement(profile, placement);
    EXPECT_TRUE(readWindowPlacement(profile).stored);
}

TEST(WindowPlacement, DefaultsAndProfileRoundTrip)
{
    test::MapProfile profile;
    WindowPlacement first = readWindowPlacement(profile);
    EXPECT_EQ(first.left, 30);
    EXPECT_EQ(first.top, 30);
    EXPECT_EQ(first.right, 610);
    EXPECT_EQ(first.bottom, 450);
    EXPECT_FALSE(first.minimized);
    EXPECT_FALSE(first.maximized);
    EXPECT_TRUE(first.toolbarVisible);
    EXPECT_TRUE(first.statusBarVisible);

    WindowPlacement stored {-4, 10, 800, 600, false, true, false, true};
    writeWindowPlacement(profile, stored);
    EXPECT_EQ(profile.values["Torvane Window Size|Rect"], "-004 0010 0800 0600");
    EXPECT_EQ(profile.values["Torvane Window Size|Max"], "1");
    EXPECT_EQ(profile.values["Torvane Window Size|Tool"], "0");
    const WindowPlacement back = readWindowPlacement(profile);
    EXPECT_EQ(back.left, -4);
    EXPECT_EQ(back.bottom, 600);
    EXPECT_TRUE(back.maximized);
    EXPECT_FALSE(back.toolbarVisible);
    EXPECT_TRUE(back.statusBarVisible);
}

TEST(RecentFiles, KeepsFourNewestFirstInTheProfile)
{
    test::MapProfile profile;
    {
        RecentFiles recent(profile);
        for (const char* path : {"/a.ipj", "/b.ipj", "/c.ipj", "/d.ipj", "/e.ipj"})
            recent.add(path);
        recent.add("/c.ipj");
        EXPECT_EQ(recent.paths(), (std::vector<std::string> {"/c.ipj", "/e.ipj", "/d.ipj", "/b.ipj"}));
        recent.remove("/d.ipj");
    }
    const RecentFiles reread(profile);
    EXPECT_EQ(reread.paths(), (std::vector<std::string> {"/c.ipj", "/e.ipj", "/b.ipj"}));
    EXPECT_EQ(profile.values.count("Recent File List|File4"), 0u);
}

TEST(LockKeys, AnyKeyboardWithTheLedLitCounts)
{
    test::TempDir leds;
    leds.write("input3::capslock/brightness", "0\n");
    leds.write("input7::capslock/brightness", "1\n");
    leds.write("input3::numlock/brightness", "0\n");
    leds.write("input3::scrolllock/trigger", "none\n");
    EXPECT_TRUE(isLockOn(leds.path(), "capslock"));
    EXPECT_FALSE(isLockOn(leds.path(), "numlock"));
    EXPECT_FALSE(isLockOn(leds.path(), "scrolllock"));
    EXPECT_FALSE(isLockOn(leds.path() + "missing", "capslock"));
}

} // namespace
} // namespace torvane
