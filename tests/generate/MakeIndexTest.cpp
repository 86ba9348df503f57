#include "generate/IndexAutoOpen.h"
#include "generate/MakeIndex.h"
#include "generate/OwnOutputs.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/QuietProgress.h"
#include "support/MapProfile.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace torvane {
namespace {

namespace fs = std::filesystem;

class RecordingShell : public ShellLauncher {
public:
    void openDocument(const std::string& path) override { record("document " + path); }
    void openWithProgram(const std::string& program, const std::string& path) override { record(program + " " + path); }
    void record(std::string call)
    {
        calls.push_back(std::move(call));
        if (onOpen)
            onOpen();
    }
    std::vector<std::string> calls;
    std::function<void()> onOpen;
};

class RecordingMessages : public MessageSink {
public:
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
    bool askYesNo(std::string_view, bool answer) override { return answer; }
    std::vector<std::string> shown;
};

class NoReports : public ReportPresenter {
public:
    void showReport(const std::string&, const std::string&, const std::string&) override {}
};

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::unique_ptr<IndexEntry> entry(std::string_view indexAs, std::string_view sortAs, std::string_view helpAs,
                                  std::string_view helpTitle)
{
    auto e = std::make_unique<IndexEntry>();
    e->setTexts(indexAs, helpAs, helpTitle, sortAs);
    return e;
}

class MakeIndexRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("torvane-make-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        root.setProjectDirectory(dir.string() + "/");
        SourceFile& page = root.findOrCreateFile((dir / "guide" / "start page.htm").string());
        page.findOrCreateTarget("linux").addEntry(
            entry("Installing, on Linux", "installing linux", "Installing, on Linux", "Linux setup"));
        page.findOrCreateTarget("mac").addEntry(
            entry("Installing, on macOS", "installing macos", "Installing, on macOS", "Mac setup"));
        root.findOrCreateUrl("https://example.com/faq").addEntry(entry("FAQ", "faq", "FAQ", "Questions"));
        auto see = std::make_unique<CrossReference>();
        see->set("Setup", "setup", ".", "<i>See</i>", "Installing", "installing", true);
        root.addCrossReference(std::move(see));
        style.htmlIndex = 0;
    }
    void TearDown() override { fs::remove_all(dir); }

    bool run(bool mayOpen)
    {
        AppServices services {profile, reports, presenter, messages, progress, shell, {}};
        return makeIndex({root, style, names, dir.string() + "/", projectFile}, services, mayOpen);
    }

    fs::path dir;
    ProjectRootNode root;
    StyleSettings style;
    OutputNames names {"Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"};
    std::string projectFile = "Manual.ipj";
    test::MapProfile profile;
    FileReports reports;
    NoReports presenter;
    RecordingMessages messages;
    QuietProgress progress;
    RecordingShell shell;
};

TEST_F(MakeIndexRun, OnlyJavaHelpWritesJustTheJavaHelpFilesFromTheModel)
{
    style.javaHelp = 1;
    EXPECT_TRUE(run(true));
    EXPECT_FALSE(fs::exists(dir / "Manual.htm"));
    EXPECT_FALSE(fs::exists(dir / "Manual.hhk"));
    EXPECT_EQ(readBytes(dir / "Manual.xml"),
              "<?xml version='1.0' encoding='ISO-8859-1' ?>\r\n"
              "<!DOCTYPE index PUBLIC\r\n"
              "  \"-//Sun Microsystems Inc.//DTD JavaHelp Index Version 1.0//EN\"\r\n"
              "  \"http://java.sun.com/products/javahelp/index_1_0.dtd\">\r\n"
              "<index version=\"1.0\">\r\n"
              "  <indexitem text=\"FAQ\" target=\"https://example.com/faq\"></indexitem>\r\n"
              "  <indexitem text=\"Installing\">\r\n"
              "    <indexitem text=\"on Linux\" target=\"guide/start%20page.htm#linux\"></indexitem>\r\n"
              "    <indexitem text=\"on macOS\" target=\"guide/start%20page.htm#mac\"></indexitem>\r\n"
              "  </indexitem>\r\n"
              "</index>\r\n");
    EXPECT_EQ(readBytes(dir / "Manual.jhm"),
              "<?xml version='1.0' encoding='ISO-8859-1' ?>\r\n"
              "<!DOCTYPE map PUBLIC\r\n"
              "  \"-//Sun Microsystems Inc.//DTD JavaHelp Map Version 1.0//EN\"\r\n"
              "  \"http://java.sun.com/products/javahelp/map_1_0.dtd\">\r\n"
              "<map version=\"1.0\">\r\n"
              "  <mapID target=\"guide/start%20page.htm#linux\" url=\"guide/start%20page.htm#linux\"/>\r\n"
              "  <mapID target=\"guide/start%20page.htm#mac\" url=\"guide/start%20page.htm#mac\"/>\r\n"
              "  <mapID target=\"https://example.com/faq\" url=\"https://example.com/faq\"/>\r\n"
              "</map>\r\n");
    EXPECT_TRUE(shell.calls.empty()); // no HTML index, nothing to open
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MakeIndexRun, HtmlIndexIsWrittenAndOpenedBeforeTheHtmlHelpIndex)
{
    style.htmlIndex = 1;
    style.htmlHelp = 1;
    profile.writeString("Html Tools", "Browser", "firefox  ");
    bool helpIndexExistedAtOpen = true;
    bool htmlIndexExistedAtOpen = false;
    shell.onOpen = [&] {
        helpIndexExistedAtOpen = fs::exists(dir / "Manual.hhk");
        htmlIndexExistedAtOpen = fs::exists(dir / "Manual.htm");
    };
    EXPECT_TRUE(run(true));
    EXPECT_EQ(shell.calls, (std::vector<std::string> {"firefox " + (dir / "Manual.htm").string()}));
    EXPECT_TRUE(htmlIndexExistedAtOpen);
    EXPECT_FALSE(helpIndexExistedAtOpen);
    EXPECT_TRUE(fs::exists(dir / "Manual.hhk"));
    EXPECT_FALSE(fs::exists(dir / "Manual.xml"));
}

// The outputs of one run are written side by side, from one tree when every
// HelpAs is its IndexAs: each must come out as when it is made alone.
TEST_F(MakeIndexRun, OutputsMadeTogetherAreThoseMadeAlone)
{
    const std::vector<std::string> files = {"Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"};
    auto made = [&](bool html, bool help) {
        for (const std::string& file : files)
            fs::remove(dir / file);
        style.htmlIndex = html;
        style.htmlHelp = style.javaHelp = help;
        EXPECT_TRUE(run(false));
        std::map<std::string, std::string> bytes;
        for (const std::string& file : files)
            if (fs::exists(dir / file))
                bytes[file] = readBytes(dir / file);
        return bytes;
    };
    for (bool helpDiffers : {false, true}) {
        SCOPED_TRACE(helpDiffers ? "a HelpAs differs" : "HelpAs is IndexAs");
        if (helpDiffers)
            root.findOrCreateUrl("https://example.com/faq")
                .addEntry(entry("Questions, asked", "questions", "Asked questions", "More"));
        std::map<std::string, std::string> alone = made(true, false);
        alone.merge(made(false, true));
        const std::map<std::string, std::string> together = made(true, true);
        ASSERT_EQ(together.size(), 4u);
        EXPECT_EQ(together, alone);
        if (helpDiffers) {
            EXPECT_NE(together.at("Manual.hhk").find("Asked questions"), std::string::npos);
            EXPECT_EQ(together.at("Manual.htm").find("Asked questions"), std::string::npos);
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MakeIndexRun, UnattendedRunOpensNothing)
{
    style.htmlIndex = 1;
    EXPECT_TRUE(run(false));
    EXPECT_TRUE(fs::exists(dir / "Manual.htm"));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(MakeIndexRun, FailuresAreToldOneByOneAndTheRunGoesOn)
{
    style.htmlHelp = 1;
    style.javaHelp = 1;
    fs::create_directories(dir / "Manual.hhk"); // folders stand where the files should go
    fs::create_directories(dir / "Manual.xml");
    EXPECT_FALSE(run(false));
    EXPECT_EQ(messages.shown,
              (std::vector<std::string> {"Error creating new Html Help index:\n  " + dir.string() + "/Manual.hhk",
                                         "Error creating new JavaHelp index:\n  " + dir.string() + "/Manual.xml"}));
    EXPECT_FALSE(fs::exists(dir / "Manual.jhm"));
}

TEST_F(MakeIndexRun, SeparateFilesOpenTheFirstLettersPageUnlessFramed)
{
    style.htmlIndex = 1;
    style.separateFiles = 1;
    EXPECT_TRUE(run(true));
    EXPECT_EQ(shell.calls, (std::vector<std::string> {"document " + (dir / "Manual-F.htm").string()}));
    EXPECT_TRUE(fs::exists(dir / "Manual-F.htm"));

    shell.calls.clear();
    style.linksPlacement = 2;
    EXPECT_TRUE(run(true));
    EXPECT_EQ(shell.calls, (std::vector<std::string> {"document " + (dir / "Manual.htm").string()}));
}

TEST(IndexAutoOpen, SettingsChooseBrowserEditorOrNothing)
{
    test::MapProfile profile;
    RecordingShell shell;
    HtmlToolsSettings defaults = readHtmlToolsSettings(profile);
    EXPECT_EQ(defaults.browser, "");
    EXPECT_EQ(defaults.editor, "Notepad");
    EXPECT_EQ(defaults.autoOpen, 0);
    autoOpenIndex("/p/Index.htm", defaults, shell);

    profile.writeInt("Html Tools", "Auto-open", 1);
    profile.writeString("Html Tools", "Editor", "vim\t ");
    autoOpenIndex("/p/Index.htm", readHtmlToolsSettings(profile), shell);

    profile.writeString("Html Tools", "Editor", "");
    autoOpenIndex("/p/Index.htm", readHtmlToolsSettings(profile), shell); // editor chosen but none named
    profile.writeInt("Html Tools", "Auto-open", 2);
    profile.writeString("Html Tools", "Browser", "firefox");
    autoOpenIndex("/p/Index.htm", readHtmlToolsSettings(profile), shell);

    EXPECT_EQ(shell.calls, (std::vector<std::string> {"document /p/Index.htm", "vim /p/Index.htm"}));
}

// --- Make Index never takes a page, the project file or someone else's file ---

class MakeIndexSafety : public MakeIndexRun {
protected:
    // A real page of the project, directly in the project directory.
    std::string listPage(const std::string& name)
    {
        const std::string text = "<html><body><h1>" + name + "</h1></body></html>";
        std::ofstream(dir / name, std::ios::binary) << text;
        root.findOrCreateFile((dir / name).string());
        return text;
    }
    void writeFile(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
};

TEST_F(MakeIndexSafety, CompanionPagesNamedLikeListedPagesAreNeitherRemovedNorWritten)
{
    style.htmlIndex = 1;
    style.javaHelp = 1;
    names.index = "guide.htm";
    const std::string letterPage = listPage("guide-A.htm");
    const std::string navigation = listPage("guide-nav.htm");
    EXPECT_FALSE(run(false));
    EXPECT_EQ(readBytes(dir / "guide-A.htm"), letterPage);
    EXPECT_EQ(readBytes(dir / "guide-nav.htm"), navigation);
    EXPECT_FALSE(fs::exists(dir / "guide.htm"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].find("The HTML index would overwrite guide-A.htm, a page of the project."),
              std::string::npos)
        << messages.shown[1];
    // The other outputs are still written.
    EXPECT_TRUE(fs::exists(dir / "Manual.xml"));
}

// Add Files of the project folder picks up the index an earlier run wrote:
// such pages, and listed pages gone from the disk, give way to the new index.
TEST_F(MakeIndexSafety, ListedPagesOfAnEarlierIndexOrGoneFromDiskAreReplaced)
{
    style.htmlIndex = 1;
    style.linksPlacement = 2;
    names.index = "guide.htm";
    listPage("guide.htm");
    writeFile("guide.htm", "<frameset rows=\"120,*\">\r\n  <frame name=\"Torvane-nav\" src=\"guide-nav.htm\">\r\n");
    listPage("guide-nav.htm");
    fs::remove(dir / "guide-nav.htm");
    listPage("guide-content.htm");
    writeFile("guide-content.htm", "<HTML>\r\n<HEAD>\r\n  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\r\n");
    EXPECT_TRUE(run(false));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
    EXPECT_NE(readBytes(dir / "guide-content.htm").find("on Linux"), std::string::npos);
    EXPECT_NE(readBytes(dir / "guide-nav.htm").find("<H1>"), std::string::npos);
    EXPECT_NE(readBytes(dir / "guide.htm").find("guide-content.htm"), std::string::npos);
    // The earlier index's own entries are not indexed as a page's.
    EXPECT_EQ(readBytes(dir / "guide-content.htm").find("guide-nav.htm#"), std::string::npos);
}

TEST_F(MakeIndexSafety, OutputsNamedLikeAListedPageOrTheProjectFileLeaveThemAlone)
{
    style.htmlIndex = 1;
    style.htmlHelp = 1;
    names.index = "in.htm";
    names.htmlHelp = "manual.IPJ";
    const std::string page = listPage("in.htm");
    writeFile("Manual.ipj", "HTML Torvane, Version 4.0\r\n");
    EXPECT_FALSE(run(false));
    EXPECT_EQ(readBytes(dir / "in.htm"), page);
    EXPECT_EQ(readBytes(dir / "Manual.ipj"), "HTML Torvane, Version 4.0\r\n");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].find("The HTML Help index would overwrite manual.IPJ, the project file."),
              std::string::npos)
        << messages.shown[1];
}

TEST_F(MakeIndexSafety, FilesOfOtherOriginAreNeitherRemovedNorOverwritten)
{
    style.htmlIndex = 1;
    style.separateFiles = 1;
    style.javaHelp = 1;
    // Pages with the names of companion files that this run does not write
    // (no entry under B or Q): the earlier run's index page goes, the user's page stays.
    writeFile("Manual-B.htm", "<html><body>my notes</body></html>");
    writeFile("Manual-Q.htm", "<HTML>\r\n<HEAD>\r\n  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\r\n");
    // And files in the way of pages and help files that this run does write.
    writeFile("Manual-I.htm", "<html><body>installation notes</body></html>");
    writeFile("Manual.jhm", "<?xml version=\"1.0\"?><map>my own map</map>");
    EXPECT_FALSE(run(false));
    EXPECT_EQ(readBytes(dir / "Manual-B.htm"), "<html><body>my notes</body></html>");
    EXPECT_FALSE(fs::exists(dir / "Manual-Q.htm"));
    EXPECT_EQ(readBytes(dir / "Manual-I.htm"), "<html><body>installation notes</body></html>");
    EXPECT_EQ(readBytes(dir / "Manual.jhm"), "<?xml version=\"1.0\"?><map>my own map</map>");
    EXPECT_FALSE(fs::exists(dir / "Manual.xml"));
    EXPECT_EQ(messages.shown,
              (std::vector<std::string> {"Error creating new index:\n  " + (dir / "Manual-I.htm").string() +
                                             std::string(kNotOwnOutputReason),
                                         "Error creating new JavaHelp index:\n  " + (dir / "Manual.jhm").string() +
                                             std::string(kNotOwnOutputReason)}));
    // A second run over its own outputs replaces them without a word.
    fs::remove(dir / "Manual-I.htm");
    fs::remove(dir / "Manual.jhm");
    messages.shown.clear();
    EXPECT_TRUE(run(false));
    EXPECT_TRUE(run(false));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MakeIndexSafety, TheEarlierIndexStaysUntilItsReplacementIsWritten)
{
    style.htmlIndex = 1;
    ASSERT_TRUE(run(false));
    const std::string earlier = readBytes(dir / "Manual.htm");
    // A replacement that cannot be written must not cost the earlier index.
    fs::permissions(dir / "Manual.htm", fs::perms::owner_read | fs::perms::group_read);
    root.findOrCreateUrl("https://example.com/new").addEntry(entry("New", "new", "New", "New"));
    EXPECT_FALSE(run(false));
    EXPECT_EQ(readBytes(dir / "Manual.htm"), earlier);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string> {"Error creating new index:\n  " + (dir / "Manual.htm").string()}));
}

} // namespace
} // namespace torvane
