#include "shell/cli/CommandLine.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <sstream>

namespace torvane {
namespace {

// A generated page: ids on a heading, a definition term and a span, no
// named anchor; the project takes ids as targets.
class IdTargets : public ::testing::Test {
protected:
    static constexpr std::string_view kPage =
        "<html><head><title>Gen</title></head><body><section id=\"top\"><h1>Gen</h1>\r\n"
        "<h2 id=\"intro\">Intro<a class=\"headerlink\" href=\"#intro\">\xC2\xB6</a></h2>\r\n"
        "<dl><dt id=\"os.getcwd\"><code>os.getcwd</code>()</dt><dd>Returns it.</dd></dl>\r\n"
        "<!-- <span id=\"hidden\">h</span> --><p><span id=\"x\"></span>x</p></section></body></html>\r\n";

    void SetUp() override
    {
        ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1);
        fixture.write("g.htm", kPage);
        fixture.writeProject({"g.htm"});
        withoutOption = fixture.read("Fixture.ipj");
        fixture.write("Fixture.ipj", withoutOption + "[Torvane Extensions]\r\nId Targets=1\r\n");
    }
    void TearDown() override { ::unsetenv("TORVANE_PROFILE"); }

    int on(const std::string& name, std::vector<std::string> arguments = {})
    {
        out.str("");
        err.str("");
        arguments.insert(arguments.begin(), {name, fixture.projectFile()});
        return runCommandLine(parseCommandLine(arguments), "test", out, err);
    }

    test::FixtureProject fixture;
    std::string withoutOption;
    std::ostringstream out, err;
};

TEST_F(IdTargets, TakeNoPlaceInTheIndexUntilGivenAnEntry)
{
    ASSERT_EQ(on("make-index", {"--quiet"}), 0) << err.str();
    const std::string withIds = fixture.read("Fixture.htm");
    const std::string project = fixture.read("Fixture.ipj");
    fixture.write("Fixture.ipj", withoutOption);
    ASSERT_EQ(on("make-index", {"--quiet"}), 0) << err.str();
    EXPECT_EQ(fixture.read("Fixture.htm"), withIds);
    EXPECT_EQ(fixture.read("g.htm"), kPage);
    fixture.write("Fixture.ipj", project);

    ASSERT_EQ(on("export"), 0);
    const std::string exported = out.str();
    EXPECT_NE(exported.find("{\"name\": \"intro\", \"state\": \"offered\", \"element\": true, \"text\": \"Intro\""),
              std::string::npos)
        << exported;
    EXPECT_NE(exported.find("\"name\": \"os.getcwd\", \"state\": \"offered\", \"element\": true, \"text\": "
                            "\"os.getcwd()\""),
              std::string::npos);
    EXPECT_NE(exported.find("\"name\": \"x\", \"state\": \"offered\", \"element\": true, \"text\": \"\""),
              std::string::npos);
    EXPECT_EQ(exported.find("hidden"), std::string::npos);
}

TEST_F(IdTargets, AreAddressedAsPageAndIdAndKeepTheirEntriesAcrossLoads)
{
    ASSERT_EQ(on("add-entry", {"g.htm#os.getcwd", "getcwd"}), 0) << err.str();
    ASSERT_EQ(on("exclude", {"g.htm#intro"}), 0) << err.str();
    EXPECT_EQ(on("add-entry", {"g.htm#nope", "Nope"}), 1);
    EXPECT_EQ(err.str(), "torvane add-entry: g.htm#nope: g.htm has no target named nope\n");
    const std::string page = fixture.read("g.htm");
    EXPECT_NE(page.find("    Target=\"os.getcwd\"\r\n        IndexAs=\"getcwd\""), std::string::npos) << page;
    EXPECT_NE(page.find("    Target=\"intro\"\r\n        IndexAs=\"\""), std::string::npos);
    // Resting ids are not listed: the block holds what the user gave.
    EXPECT_EQ(page.find("Target=\"x\""), std::string::npos);

    ASSERT_EQ(on("export"), 0);
    EXPECT_NE(out.str().find("\"name\": \"intro\", \"state\": \"excluded\""), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"name\": \"os.getcwd\", \"state\": \"explicit\", \"element\": true"), std::string::npos);
    ASSERT_EQ(on("make-index", {"--quiet"}), 0) << err.str();
    EXPECT_NE(fixture.read("Fixture.htm").find("g.htm#os.getcwd"), std::string::npos);

    // Without the option the id is gone: its entries are kept and reported.
    fixture.write("Fixture.ipj", withoutOption);
    EXPECT_EQ(on("check"), 1);
    EXPECT_NE(out.str().find("g.htm#os.getcwd"), std::string::npos) << out.str();
}

} // namespace
} // namespace torvane
