#include "shell/cli/CommandLine.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A project with a finding of each place: an anchor's entries, a page, a
// URL, a cross-reference. The check runs in the project's folder, as a
// build step does from the top of its repository, so that files are named
// as the repository names them.
class CheckFormats : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1);
        fixture.write("docs/a.htm", pageText("Apples", {"red"},
                                             "    Target=\"red\"\r\n" + storedEntry("Activity", "activity") +
                                                 storedEntry("activity", "activity 2") +
                                                 storedEntry("Framed, in %", "framed", "two words")));
        fixture.write("docs/b.htm", pageText("Bare, plain"));
        fixture.writeProject({"docs\\a.htm", "docs\\b.htm"}, "URL=https:/example.org\r\n" + storedEntry("Ex", "ex"),
                             "Heading=\"Fruit\",Locator=\"Vegetables\"\r\n");
        std::filesystem::current_path(fixture.folder());
    }
    void TearDown() override
    {
        std::filesystem::current_path(startFolder);
        ::unsetenv("TORVANE_PROFILE");
    }

    int check(std::vector<std::string> options)
    {
        out.str("");
        err.str("");
        options.insert(options.begin(), {"check", "Fixture.ipj"});
        return runCommandLine(parseCommandLine(options), "test", out, err);
    }

    const std::filesystem::path startFolder = std::filesystem::current_path();
    test::FixtureProject fixture;
    std::ostringstream out, err;
};

TEST_F(CheckFormats, GithubGivesOneWorkflowCommandPerFinding)
{
    EXPECT_EQ(check({"--format", "github"}), 1) << err.str();
    EXPECT_EQ(out.str(), fileText(std::filesystem::path(TORVANE_SOURCE_DIR) / "tests/shell/golden/check-github.txt"));
    EXPECT_EQ(err.str(), "");
}

TEST_F(CheckFormats, JsonHasAnEnvelopeWithCountsCoverageAndLines)
{
    EXPECT_EQ(check({"--format=json", "--fail-on", "warning"}), 1);
    const std::string json = out.str();
    EXPECT_EQ(json.rfind("{\"formatVersion\": 1,\n \"counts\": {\"error\": 3, \"warning\": 2, \"suppressed\": 0},\n"
                         " \"coverage\": {\"pages\": 2, \"pagesWithEntries\": 1},\n \"findings\": [\n",
                         0),
              0u)
        << json;
    // The line of the block where the anchor's entries are stored.
    EXPECT_NE(json.find("\"target\": \"red\", \"entry\": \"Framed, in %\", \"message\": \"entry \\\"Framed, in %\\\" "
                        "opens in \\\"two words\\\", which is not a valid frame or window name\", \"line\": 3}"),
              std::string::npos);
    EXPECT_NE(json.find("\"page\": \"\", \"target\": \"https:/example.org\""), std::string::npos);
    // The first form stays for the scripts that read it.
    EXPECT_EQ(check({"--json"}), 1);
    EXPECT_EQ(out.str().rfind("[\n  {\"kind\": \"page-without-entries\", \"severity\": \"warning\"", 0), 0u);
}

TEST_F(CheckFormats, FailOnChoosesWhatFailsTheRun)
{
    fixture.writeProject({"docs\\b.htm"});
    EXPECT_EQ(check({}), 0);
    EXPECT_EQ(check({"--fail-on", "error"}), 0);
    EXPECT_EQ(check({"--fail-on", "warning"}), 1);
    EXPECT_EQ(check({"--strict"}), 1);
    EXPECT_EQ(check({"--fail-on", "notice"}), 2);
    EXPECT_NE(err.str().find("--fail-on takes error or warning, not notice"), std::string::npos);
    EXPECT_EQ(check({"--format", "xml"}), 2);
    EXPECT_NE(err.str().find("unknown format xml"), std::string::npos);
    // A setting the program does not know is told, and the check goes on.
    fixture.write("Fixture.ipj", fixture.read("Fixture.ipj") +
                                     "[Torvane Extensions]\r\nCheck Severity page-without-entries=off\r\n"
                                     "Check Severity no-such-kind=off\r\n\r\n");
    EXPECT_EQ(check({"--strict"}), 0);
    EXPECT_EQ(err.str(), "torvane check: Fixture.ipj: \"Check Severity no-such-kind\" names no kind of finding\n");
}

// A real reader of SARIF judges the log; only a machine that cannot install it skips.
TEST_F(CheckFormats, SarifIsAValidLogWithOneRulePerKind)
{
    EXPECT_EQ(check({"--format", "sarif"}), 1);
    const std::string sarif = out.str();
    EXPECT_NE(sarif.find("\"rules\": [\n        {\"id\": \"xref-no-entry\""), std::string::npos);
    EXPECT_NE(sarif.find("\"artifactLocation\": {\"uri\": \"docs/a.htm\"}, \"region\": {\"startLine\": 3}"),
              std::string::npos);
    EXPECT_NE(sarif.find("\"artifactLocation\": {\"uri\": \"Fixture.ipj\"}}"), std::string::npos);
    std::ofstream(fixture.path("check.sarif"), std::ios::binary) << sarif;
    const std::string command = std::string(TORVANE_SOURCE_DIR) + "/scripts/sarif-validate.sh '" +
                                fixture.path("check.sarif") + "' > '" + fixture.path("validate.txt") + "' 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << fileText(fixture.path("validate.txt"));
    EXPECT_EQ(WEXITSTATUS(status), 0) << fileText(fixture.path("validate.txt"));
}

} // namespace
} // namespace torvane
