#include "generate/IndexAutoOpen.h"
#include "generate/MakeIndex.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
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
    void openWithProgram(const std::string& program, const std::string& path) override
    {
        record(program + " " + path);
    }
    void record(std::string call)
    {
        calls.push_back(std::move(call));
        if (onOpen) onOpen();
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
        dir = fs::temp_directory_path() /
              ("torvane-make-" + std::to_string(::getpid()) + "-" +
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
        AppServices services{profile, reports, presenter, messages, progress, shell, {}};
        return makeIndex({root, style, {"Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"}, dir.string() + "/"},
                         services, mayOpen);
    }

    fs::path dir;
    ProjectRootNode root;
    StyleSettings style;
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
    EXPECT_TRUE(shell.calls.empty());  // no HTML index, nothing to open
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
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"firefox " + (dir / "Manual.htm").string()}));
    EXPECT_TRUE(htmlIndexExistedAtOpen);
    EXPECT_FALSE(helpIndexExistedAtOpen);
    EXPECT_TRUE(fs::exists(dir / "Manual.hhk"));
    EXPECT_FALSE(fs::exists(dir / "Manual.xml"));
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
    fs::create_directories(dir / "Manual.hhk");  // folders stand where the files should go
    fs::create_directories(dir / "Manual.xml");
    EXPECT_FALSE(run(false));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Error creating new Html Help index:\n  " + dir.string() +
                                                            "/Manual.hhk",
                                                        "Error creating new JavaHelp index:\n  " + dir.string() +
                                                            "/Manual.xml"}));
    EXPECT_FALSE(fs::exists(dir / "Manual.jhm"));
}

TEST_F(MakeIndexRun, SeparateFilesOpenTheFirstLettersPageUnlessFramed)
{
    style.htmlIndex = 1;
    style.separateFiles = 1;
    EXPECT_TRUE(run(true));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"document " + (dir / "Manual-F.htm").string()}));
    EXPECT_TRUE(fs::exists(dir / "Manual-F.htm"));

    shell.calls.clear();
    style.linksPlacement = 2;
    EXPECT_TRUE(run(true));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"document " + (dir / "Manual.htm").string()}));
}

TEST(IndexAutoOpen, SettingsChooseBrowserEditorOrNothing)
{
    test::MapProfile profile;
    RecordingShell shell;
    AutoOpenSettings defaults = readAutoOpenSettings(profile);
    EXPECT_EQ(defaults.browser, "");
    EXPECT_EQ(defaults.editor, "Notepad");
    EXPECT_EQ(defaults.autoOpen, 0);
    autoOpenIndex("/p/Index.htm", defaults, shell);

    profile.writeInt("Html Tools", "Auto-open", 1);
    profile.writeString("Html Tools", "Editor", "vim\t ");
    autoOpenIndex("/p/Index.htm", readAutoOpenSettings(profile), shell);

    profile.writeString("Html Tools", "Editor", "");
    autoOpenIndex("/p/Index.htm", readAutoOpenSettings(profile), shell);  // editor chosen but none named
    profile.writeInt("Html Tools", "Auto-open", 2);
    profile.writeString("Html Tools", "Browser", "firefox");
    autoOpenIndex("/p/Index.htm", readAutoOpenSettings(profile), shell);

    EXPECT_EQ(shell.calls, (std::vector<std::string>{"document /p/Index.htm", "vim /p/Index.htm"}));
}

} // namespace
} // namespace torvane
