#include "support/UiTestSupport.h"
#include "shell/desktop/DesktopHooks.h"
#include "ui/frame/CMainFrame.h"
#include "ui/commands/CommandIds.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(DesktopHooks, DialogsArePluggedInAndMakeIndexWritesAndOpensTheIndex)
{
    test::TempDir dir;
    test::UiTestApp app;
    const std::string path = test::writeSampleProject(dir);
    const CProjectWnd::Hooks projectHooks = projectCommandHooks(app.services);
    CMainFrame frame(app.profile, frameHooks(app.services, projectHooks));
    ASSERT_TRUE(frame.openProjectFile(path));
    EXPECT_TRUE(frame.isCommandEnabled(CmdMakeIndex));
    EXPECT_TRUE(frame.isCommandEnabled(CmdHtmlTools));
    // Every dialog the program brings is plugged in.
    for (int id : {CmdFileNew, CmdAbout, CmdDefaultStyleSettings, CmdAddFiles, CmdAddExternalUrls, CmdFilenames,
                   CmdProjectStyleSettings, CmdCreateCrossReference})
        EXPECT_TRUE(frame.isCommandEnabled(id)) << id;
    // Help files are not part of the program.
    EXPECT_FALSE(frame.isCommandEnabled(CmdHelpTopics));

    frame.runCommand(CmdMakeIndex);
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "Torvane.htm"));
    // No "Html Tools" settings: the index opens with its associated application.
    ASSERT_EQ(app.shell.launches.size(), 1u);
    EXPECT_EQ(app.shell.launches.front(), "document " + dir.path() + "Torvane.htm");
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST(DesktopHooks, AMissingProjectOpensNoWindow)
{
    test::UiTestApp app;
    const CProjectWnd::Hooks projectHooks = projectCommandHooks(app.services);
    CMainFrame frame(app.profile, frameHooks(app.services, projectHooks));
    EXPECT_FALSE(frame.openProjectFile("/nonexistent/folder/Missing.ipj"));
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
}

} // namespace
} // namespace torvane
