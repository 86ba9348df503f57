#include "TempFolder.h"
#include "platform/UserGuide.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace torvane {
namespace {

namespace fs = std::filesystem;

// Whether the guide's page of a topic has the anchor the topic names.
::testing::AssertionResult topicExists(const std::string& topic)
{
    const std::size_t hash = topic.find('#');
    const fs::path page = fs::path(TORVANE_SOURCE_DIR) / "docs/guide" / topic.substr(0, hash);
    std::ifstream in(page);
    if (!in)
        return ::testing::AssertionFailure() << "no page for " << topic;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (hash != std::string::npos && text.find("id=\"" + topic.substr(hash + 1) + "\"") == std::string::npos)
        return ::testing::AssertionFailure() << "no anchor for " << topic;
    return ::testing::AssertionSuccess();
}

TEST(UserGuide, EveryWindowOpensAnExistingSectionOfTheGuide)
{
    const char* titles[] = {"Add Index Entry to Selected Targets",
                            "Edit Selected Index Entries",
                            "Set Targets for Index Entry",
                            "Create Cross-Reference",
                            "Edit Selected Cross-Reference",
                            "Add Files to Project",
                            "Add External URLs to Project",
                            "Add Files Progress",
                            "Save Project Progress",
                            "Set Filenames",
                            "Project Style Settings",
                            "Default Style Settings",
                            "HTML Tools",
                            "Have you run the tutorial?",
                            "About HTML Torvane",
                            "Version Details",
                            "Report File Errors",
                            "Report Read-Only Files"};
    for (const char* title : titles) {
        const int context = helpContextOfWindow(title);
        EXPECT_NE(context, HelpContents) << title;
        EXPECT_NE(guideTopic(context), kGuideContentsPage) << title;
        EXPECT_TRUE(topicExists(guideTopic(context))) << title;
    }
    EXPECT_TRUE(topicExists(std::string(kGuideContentsPage)));
    EXPECT_TRUE(topicExists(std::string(kGuideTutorialPage)));
}

TEST(UserGuide, DialogContextNumbersKeepTheirTopics)
{
    EXPECT_EQ(guideTopic(131207), "entry-dialogs.htm#add-index-entry");
    EXPECT_EQ(guideTopic(131227), "entry-dialogs.htm#edit-index-entries");
    EXPECT_EQ(guideTopic(131245), "cross-reference-dialog.htm#create-cross-reference");
    EXPECT_EQ(guideTopic(131246), "cross-reference-dialog.htm#edit-cross-reference");
    EXPECT_EQ(helpContextOfWindow("Add Index Entry to Selected Targets"), 131207);
    EXPECT_EQ(helpContextOfWindow("Edit Selected Cross-Reference"), 131246);
    // Anything else, the main window and project windows among them, opens the contents.
    EXPECT_EQ(helpContextOfWindow("HTML Torvane - Manual.ipj"), HelpContents);
    EXPECT_EQ(helpContextOfWindow("add files to project"), HelpContents);
    EXPECT_EQ(guideTopic(HelpContents), kGuideContentsPage);
    EXPECT_EQ(guideTopic(12345), kGuideContentsPage);
}

TEST(UserGuide, EachStyleSheetTabHasItsSection)
{
    for (int page = 0; page < 7; ++page) {
        EXPECT_NE(styleSheetTopic(page).find('#'), std::string::npos) << page;
        EXPECT_TRUE(topicExists(styleSheetTopic(page))) << page;
    }
    EXPECT_EQ(styleSheetTopic(2), "style-settings.htm#layout");
    EXPECT_EQ(styleSheetTopic(6), "style-settings.htm#language-and-page");
    EXPECT_EQ(styleSheetTopic(7), "style-settings.htm");
    EXPECT_EQ(styleSheetTopic(-1), "style-settings.htm");
}

class GuideLocation : public ::testing::Test {
protected:
    void makeGuide(const std::string& relative) const
    {
        fs::create_directories(folder.file(relative));
        std::ofstream(folder.file(relative + "/index.htm")) << "<h1>Contents</h1>";
    }

    test::TempFolder folder;
};

TEST_F(GuideLocation, InstalledGuideIsFoundFromTheProgramsFolder)
{
    fs::create_directories(folder.file("usr/bin"));
    makeGuide("usr/share/doc/torvane/guide");
    EXPECT_EQ(findUserGuide(folder.file("usr/bin/"), "../share/doc/torvane"),
              folder.file("usr/share/doc/torvane/guide/"));
}

TEST_F(GuideLocation, BuildTreeGuideIsFoundBesideTheProgram)
{
    fs::create_directories(folder.file("build/src/shell"));
    EXPECT_EQ(findUserGuide(folder.file("build/src/shell/"), "../share/doc/torvane"), "");
    fs::create_directories(folder.file("build/docs/guide"));
    EXPECT_EQ(findUserGuide(folder.file("build/src/shell/"), "../share/doc/torvane"), "")
        << "a folder without the contents page is no guide";
    makeGuide("build/docs/guide");
    EXPECT_EQ(findUserGuide(folder.file("build/src/shell/"), "../share/doc/torvane"), folder.file("build/docs/guide/"));
}

TEST(UserGuide, UrlsCarryTheAnchorAndEscapeBlanks)
{
    EXPECT_EQ(guideUrl("/opt/my docs/guide/", "tutorial.htm"), "file:///opt/my%20docs/guide/tutorial.htm");
    EXPECT_EQ(guideUrl("/g/", "filenames.htm#set-filenames"), "file:///g/filenames.htm#set-filenames");
}

} // namespace
} // namespace torvane
