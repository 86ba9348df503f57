#include "shell/cli/CommandLine.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Each test works on its own copy of the example manual, with its own profile.
class UnattendedRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("torvane-cli-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy(fs::path(TORVANE_SOURCE_DIR) / "examples/manual", dir / "manual", fs::copy_options::recursive);
        fs::remove_all(dir / "manual/out");
        ::setenv("TORVANE_PROFILE", (dir / "profile.ini").c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("TORVANE_PROFILE");
        fs::remove_all(dir);
    }

    int run(std::vector<std::string> arguments)
    {
        return runCommandLine(parseCommandLine(arguments), "test", out, err);
    }

    fs::path manual() const { return dir / "manual"; }

    fs::path dir;
    std::ostringstream out, err;
};

TEST_F(UnattendedRun, MakesEveryEnabledOutputAndLeavesThePagesAlone)
{
    std::string pageBefore = readBytes(manual() / "guide/search.htm");
    std::string projectBefore = readBytes(manual() / "Manual.ipj");
    EXPECT_EQ(run({(manual() / "Manual.ipj").string(), "/MakeIndex"}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    for (const char* output : {"Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"})
        EXPECT_TRUE(fs::is_regular_file(manual() / output)) << output;
    // Nothing is saved: pages and project file stay byte for byte.
    EXPECT_EQ(readBytes(manual() / "guide/search.htm"), pageBefore);
    EXPECT_EQ(readBytes(manual() / "Manual.ipj"), projectBefore);

    std::string xml = readBytes(manual() / "Manual.xml");
    // Entries of pages, of anchors and of external URLs all reach the index.
    EXPECT_NE(xml.find("<indexitem text=\"on Linux\" target=\"getting-started/installing.htm#linux\">"),
              std::string::npos);
    EXPECT_NE(xml.find("target=\"https://kestrel-notes.example.org/forum\""), std::string::npos);
    EXPECT_NE(xml.find("<indexitem text=\"&quot;Quoted&quot; phrases\""), std::string::npos);
    EXPECT_NE(readBytes(manual() / "Manual.hhk").find("<param name=\"See Also\" value=\"Tags\">"), std::string::npos);
}

TEST_F(UnattendedRun, ProjectThatCannotBeOpenedExitsWithOne)
{
    EXPECT_EQ(run({(dir / "nowhere.ipj").string(), "/makeindex"}), 1);
    EXPECT_NE(err.str().find("nowhere.ipj"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "Manual.htm"));
}

TEST_F(UnattendedRun, FailedOutputIsToldAndExitsWithOneAfterWritingTheRest)
{
    fs::create_directories(manual() / "Manual.hhk");
    EXPECT_EQ(run({(manual() / "Manual.ipj").string(), "/makeindex"}), 1);
    EXPECT_EQ(err.str(), "torvane: Error creating new Html Help index: " + (manual() / "Manual.hhk").string() + "\n");
    EXPECT_TRUE(fs::is_regular_file(manual() / "Manual.htm"));
    EXPECT_TRUE(fs::is_regular_file(manual() / "Manual.jhm"));
}

TEST_F(UnattendedRun, MissingIncludeFileCountsAsFailure)
{
    std::string project = readBytes(manual() / "Manual.ipj");
    std::string from = "Include Top=0";
    project.replace(project.find(from), from.size(), "Include Top=1");
    std::ofstream(manual() / "Manual.ipj", std::ios::binary) << project;
    EXPECT_EQ(run({(manual() / "Manual.ipj").string(), "/makeindex"}), 1);
    EXPECT_NE(err.str().find("Failed to open include file."), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(manual() / "Manual.htm"));
}

// The example's README explains these two warnings; anything else is new.
TEST_F(UnattendedRun, ExampleChecksWithOnlyItsExplainedWarnings)
{
    EXPECT_EQ(run({"check", (manual() / "Manual.ipj").string()}), 0) << err.str();
    EXPECT_EQ(out.str(), "appendix/credits.htm: page-without-entries: the page has no entry of its own and none on "
                         "its anchors\n"
                         "guide/tags.htm: likely-duplicate: \"#tags\" and \"Tags\" differ only in letter case, "
                         "blanks or punctuation at the same level\n"
                         "coverage: 19 of 20 pages have entries (95%)\n"
                         "0 errors, 2 warnings\n");
}

#ifdef TORVANE_EXECUTABLE
// The program itself, started the way a script would, with no display at all.
TEST_F(UnattendedRun, ProgramRunsWithoutADisplay)
{
    fs::path errors = dir / "stderr.txt";
    std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '") + TORVANE_EXECUTABLE +
                          "' '" + (manual() / "Manual.ipj").string() + "' /makeindex 2> '" + errors.string() + "'";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << readBytes(errors);
    EXPECT_EQ(readBytes(errors), "");
    for (const char* output : {"Manual.xml", "Manual.jhm"}) {
        std::string lint =
            "xmllint --noout --nonet '" + (manual() / output).string() + "' 2>> '" + errors.string() + "'";
        EXPECT_EQ(std::system(lint.c_str()), 0) << output;
    }
    EXPECT_EQ(readBytes(errors), "");

    status = std::system(
        (std::string("'") + TORVANE_EXECUTABLE + "' '" + (dir / "none.ipj").string() + "' /makeindex 2> /dev/null")
            .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);

    status = std::system((std::string("'") + TORVANE_EXECUTABLE + "' --version > /dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// What a build script meets on a machine without a display: an exit status
// and one line saying why, never a core dump or a window waited on.
TEST_F(UnattendedRun, ProgramExitsWithACauseInsteadOfAbortingOrWaiting)
{
    const fs::path errors = dir / "stderr.txt";
    auto exitOf = [&](const std::string& arguments) {
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '") +
                                    TORVANE_EXECUTABLE + "' " + arguments + " 2> '" + errors.string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string project = "'" + (manual() / "Manual.ipj").string() + "'";
    EXPECT_EQ(exitOf("chek " + project), 2);
    EXPECT_EQ(readBytes(errors), "torvane: unknown command 'chek' (did you mean 'check'?)\n"
                                 "Run 'torvane --help' for the commands.\n");
    EXPECT_EQ(exitOf("/makeindex " + project), 2);
    EXPECT_EQ(exitOf(project), 2);
    EXPECT_EQ(readBytes(errors).rfind("torvane: the desktop program needs a display", 0), 0u) << readBytes(errors);

    EXPECT_EQ(exitOf("check " + project + " > /dev/full"), 1);
    EXPECT_EQ(readBytes(errors), "torvane check: standard output: cannot be written: No space left on device\n");
    EXPECT_EQ(exitOf("export " + project + " --format csv > /dev/full"), 1);
    EXPECT_EQ(exitOf("--help > /dev/full"), 1);
}
#endif

} // namespace
} // namespace torvane
