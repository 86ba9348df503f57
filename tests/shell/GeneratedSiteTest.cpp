#include "shell/cli/CommandLine.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include <sstream>

namespace torvane {
namespace {

// A documentation generator's output: pages with ids on headings, terms and
// spans and no named anchor. The second run changes every text, renames one
// id, drops one page and adds one.
std::string generatedPage(int number, int run)
{
    const std::string n = std::to_string(number);
    const std::string function = run == 2 && number == 7 ? "api.g7" : "api.f" + n;
    return "<!DOCTYPE html>\n<html><head><title>Page " + n + "</title></head><body>\n<h1 id=\"top-" + n + "\">Page " +
           n + (run == 2 ? " revised" : "") + "</h1>\n<h2 id=\"sec-" + n + "\">Section " + n +
           "<a class=\"headerlink\" href=\"#sec-" + n + "\">\xC2\xB6</a></h2>\n<dl><dt id=\"" + function + "\"><code>" +
           function + "</code>()</dt><dd>Does " + n + ".</dd></dl>\n<p><span id=\"note-" + n + "\">Note</span> run " +
           std::to_string(run) + "</p>\n</body></html>\n";
}

std::string pageName(int number)
{
    return "p" + std::string(number < 10 ? "0" : "") + std::to_string(number) + ".htm";
}

class GeneratedSite : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1); }
    void TearDown() override { ::unsetenv("TORVANE_PROFILE"); }

    void generate(int run)
    {
        for (int number = 0; number < 51; ++number) {
            const bool present = run == 1 ? number < 50 : number != 13;
            if (present)
                fixture.write(pageName(number), generatedPage(number, run));
            else
                std::filesystem::remove(fixture.path(pageName(number)));
        }
    }
    void expectPagesAsGenerated(int run)
    {
        for (int number = 0; number < 51; ++number)
            if (std::filesystem::exists(fixture.path(pageName(number)))) {
                EXPECT_EQ(fixture.read(pageName(number)), generatedPage(number, run)) << pageName(number);
            }
    }
    int on(const std::string& name, std::vector<std::string> arguments = {})
    {
        out.str("");
        err.str("");
        arguments.insert(arguments.begin(), {name, fixture.projectFile()});
        return runCommandLine(parseCommandLine(arguments), "test", out, err);
    }
    std::set<std::string> storeLines() const
    {
        std::set<std::string> lines;
        std::istringstream in(fixture.read("Fixture.entries"));
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("Page="))
                lines.insert(line);
        return lines;
    }

    test::FixtureProject fixture;
    std::ostringstream out, err;
};

TEST_F(GeneratedSite, EntriesBesideThePagesSurviveARebuildAndShowWhatItLost)
{
    generate(1);
    std::vector<std::string> pages;
    for (int number = 0; number < 50; ++number)
        pages.push_back(pageName(number));
    fixture.writeProject(pages);
    fixture.write("Fixture.ipj",
                  fixture.read("Fixture.ipj") + "[Torvane Extensions]\r\nId Targets=1\r\nEntry Store=Project\r\n");
    for (int number : {3, 7, 13, 21}) {
        const std::string n = std::to_string(number);
        ASSERT_EQ(on("add-entry", {pageName(number) + "#api.f" + n, "Functions, f" + n}), 0) << err.str();
        ASSERT_EQ(on("add-entry", {pageName(number) + "#sec-" + n, "Section " + n}), 0) << err.str();
    }
    ASSERT_EQ(on("add-entry", {pageName(13), "Thirteen"}), 0) << err.str();
    ASSERT_EQ(on("exclude", {pageName(21) + "#note-21"}), 0) << err.str();
    expectPagesAsGenerated(1);
    const std::set<std::string> before = storeLines();
    EXPECT_EQ(before.size(), 10u);
    EXPECT_TRUE(before.contains("Page=\"p07.htm\",Target=\"api.f7\",IndexAs=\"Functions, f7\",SortAs=\"Functions, "
                                "f7\",HelpAs=\"Functions, f7\",HelpTitle=\"Untitled\",IndexTarget=\"\","
                                "HelpWindow=\"\",HelpFrame=\"\"\r"));

    generate(2);
    ASSERT_EQ(on("add-files", {fixture.path(pageName(50))}), 0) << err.str();
    ASSERT_EQ(on("add-entry", {pageName(50) + "#api.f50", "Functions, f50"}), 0) << err.str();
    expectPagesAsGenerated(2);
    ASSERT_EQ(on("make-index", {"--quiet"}), 0) << err.str();
    const std::string index = fixture.read("Fixture.htm");
    for (const char* link :
         {"p03.htm#api.f3", "p03.htm#sec-3", "p07.htm#sec-7", "p21.htm#api.f21", "p21.htm#sec-21", "p50.htm#api.f50"})
        EXPECT_NE(index.find(std::string("HREF=\"") + link + "\""), std::string::npos) << link;
    EXPECT_EQ(index.find("p13.htm"), std::string::npos);
    EXPECT_EQ(index.find("api.f7"), std::string::npos);

    EXPECT_EQ(on("check"), 1);
    std::string problems;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        if (line.find("page-without-entries") == std::string::npos && !line.starts_with("coverage"))
            problems += line + "\n";
    EXPECT_EQ(problems,
              "p07.htm#api.f7: orphaned-entries: the page has no anchor \"api.f7\" any more; its stored entries: "
              "\"Functions, f7\"\n"
              "p13.htm: orphaned-entries: the page is gone; its stored entries: \"Thirteen\"\n"
              "p13.htm#api.f13: orphaned-entries: the page has no anchor \"api.f13\" any more; its stored entries: "
              "\"Functions, f13\"\n"
              "p13.htm#sec-13: orphaned-entries: the page has no anchor \"sec-13\" any more; its stored entries: "
              "\"Section 13\"\n"
              "p13.htm: page-missing: the page does not exist\n"
              "5 errors, 46 warnings\n");
    const std::set<std::string> after = storeLines();
    for (const std::string& line : before)
        EXPECT_TRUE(after.contains(line)) << line << fixture.read("Fixture.entries");
    EXPECT_EQ(after.size(), before.size() + 1);
}

} // namespace
} // namespace torvane
