#include "shell/cli/CommandLine.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;

class CheckExport : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1); }
    void TearDown() override { ::unsetenv("TORVANE_PROFILE"); }

    int on(const std::string& name, std::vector<std::string> arguments = {})
    {
        out.str("");
        err.str("");
        arguments.insert(arguments.begin(), {name, fixture.projectFile()});
        return runCommandLine(parseCommandLine(arguments), "test", out, err);
    }

    // One case of every finding the check makes on its own.
    void writeFaultyProject() const
    {
        fixture.write("a.htm", pageText("Apples", {"red"},
                                        "    Target=\"red\"\r\n" + storedEntry("Activity", "activity") +
                                            storedEntry("Framed", "framed", "two words") + storedEntry("Unsorted", "") +
                                            "    Target=\"blue\"\r\n" + storedEntry("Blue", "blue")));
        fixture.write("d.htm", "<html><head><!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n" +
                                   storedEntry("Dee", "dee") + "</head><body><h1>D</h1></body></html>");
        fixture.write("b.htm", pageText("Bare"));
        fixture.write("c.htm", pageText("Other", {}, "    Target=\"#\"\r\n" + storedEntry("activity", "activity 2")));
        fixture.write("dir.htm/inside", "");
        fixture.writeProject({"a.htm", "b.htm", "c.htm", "C.htm", "d.htm", "dir.htm", "gone.htm"},
                             "URL=https:/example.org\r\n" + storedEntry("Example", "example"),
                             "Heading=\"Fruit\",Locator=\"Vegetables\"\r\n", "b.htm");
    }

    test::FixtureProject fixture;
    std::ostringstream out, err;
};

TEST_F(CheckExport, CheckNamesEachFindingOnItsLineAndFailsOnErrors)
{
    writeFaultyProject();
    const std::string page = fixture.read("a.htm");
    EXPECT_EQ(on("check"), 1);
    EXPECT_EQ(out.str(),
              "a.htm#blue: orphaned-entries: the page has no anchor \"blue\" any more; its stored entries: \"Blue\"\n"
              "b.htm: page-without-entries: the page has no entry of its own and none on its anchors\n"
              "d.htm: damaged-block: the index comment block has no end marker\n"
              "d.htm: page-without-entries: the page has no entry of its own and none on its anchors\n"
              "dir.htm: page-unreadable: the page cannot be read\n"
              "gone.htm: page-missing: the page does not exist\n"
              "C.htm: case-clash: the project also lists c.htm, whose path differs only in letter case\n"
              "a.htm#red: empty-sort-key: entry \"Unsorted\" has an empty sort key and is left out of the index\n"
              "a.htm#red: bad-index-target: entry \"Framed\" opens in \"two words\", which is not a valid frame or "
              "window name\n"
              "c.htm: likely-duplicate: \"activity\" and \"Activity\" differ only in letter case, blanks or "
              "punctuation at the same level\n"
              "https:/example.org: bad-url: \"https:/example.org\" is not a valid URL\n"
              "Fixture.ipj: xref-no-entry: cross-reference from \"Fruit\" to \"Vegetables\" leads nowhere: no entry "
              "or heading sorts as \"vegetables\"\n"
              "b.htm: output-hits-page: The HTML index would overwrite b.htm, a page of the project.\n"
              "coverage: 2 of 6 pages have entries (33%)\n"
              "8 errors, 5 warnings\n");
    // The pages are reported as findings, not once more as load reports.
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(fixture.read("a.htm"), page);
}

TEST_F(CheckExport, CheckInJsonGivesOneObjectPerFinding)
{
    writeFaultyProject();
    EXPECT_EQ(on("check", {"--json"}), 1);
    const std::string json = out.str();
    EXPECT_EQ(json.rfind("[\n  {\"kind\": \"orphaned-entries\", \"severity\": \"error\", \"page\": \"a.htm\", "
                         "\"target\": \"blue\", \"entry\": \"Blue\", \"message\": ",
                         0),
              0u);
    EXPECT_NE(json.find("{\"kind\": \"bad-url\", \"severity\": \"error\", \"page\": \"\", \"target\": "
                        "\"https:/example.org\", \"entry\": \"\""),
              std::string::npos);
    EXPECT_NE(json.find("{\"kind\": \"xref-no-entry\", \"severity\": \"error\", \"page\": \"\", \"target\": \"\", "
                        "\"entry\": \"Fruit\""),
              std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 4), "}\n]\n");
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 13 + 2);
}

TEST_F(CheckExport, WarningsFailOnlyWhenStrictAndACleanProjectGivesNothing)
{
    fixture.write("a.htm", pageText("Apples", {}, "    Target=\"#\"\r\n" + storedEntry("Apples", "apples")));
    fixture.write("b.htm", pageText("Bare"));
    fixture.writeProject({"a.htm", "b.htm"});
    EXPECT_EQ(on("check"), 0);
    EXPECT_NE(out.str().find("b.htm: page-without-entries:"), std::string::npos);
    EXPECT_EQ(on("check", {"--strict", "--json"}), 1);
    EXPECT_NE(out.str().find("\"kind\": \"page-without-entries\", \"severity\": \"error\""), std::string::npos);

    fixture.write("b.htm", pageText("Bare", {}, "    Target=\"#\"\r\n" + storedEntry("Bare", "bare")));
    EXPECT_EQ(on("check", {"--strict"}), 0);
    EXPECT_EQ(out.str(), "coverage: 2 of 2 pages have entries (100%)\n0 errors, 0 warnings\n");
    EXPECT_EQ(on("check", {"--json"}), 0);
    EXPECT_EQ(out.str(), "[]\n");
}

// Every entry the project holds is exported, those no index shows marked:
// kept entries of an anchor gone, and pages whose entries cannot be read.
TEST_F(CheckExport, ExportGivesTheStoredFieldsOfEveryPlace)
{
    fixture.write("sub/a.htm", pageText("Apples", {"red", "x"},
                                        "    Target=\"red\"\r\n" + storedEntry("Fruit\\, \\\"red\\\"", "fruit") +
                                            "    Target=\"x\"\r\n" + storedEntry("", "") + "    Target=\"gone\"\r\n" +
                                            storedEntry("Old", "old")));
    // Not UTF-8: windows-1252, whose quotation marks are no control characters.
    fixture.write("b.htm", pageText("Caf\xE9 \x93q\x94"));
    fixture.writeProject({"sub\\a.htm", "b.htm", "missing.htm"}, "URL=https://example.org/\r\n",
                         "Heading=\"Fruit\",Locator=\"Apples\",LinkToLocator=\"0\"\r\n");
    const std::string cafe = "Caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D";
    EXPECT_EQ(on("export"), 0) << err.str();
    EXPECT_EQ(
        out.str(),
        "{\"project\": \"Fixture.ipj\",\n"
        " \"pages\": [\n"
        "  {\"path\": \"sub/a.htm\", \"title\": \"Apples\", \"state\": \"readable\",\n"
        "   \"targets\": [\n"
        "    {\"name\": \"#\", \"state\": \"default\", \"entries\": [{\"indexAs\": \"Apples\", \"sortAs\": "
        "\"Apples\", \"helpAs\": \"Apples\", \"helpTitle\": \"Untitled\", \"indexTarget\": \"\", \"helpWindow\": "
        "\"\", \"helpFrame\": \"\"}]},\n"
        "    {\"name\": \"red\", \"state\": \"explicit\", \"entries\": [{\"indexAs\": \"Fruit\\\\, "
        "\\\\\\\"red\\\\\\\"\", "
        "\"sortAs\": \"fruit\", \"helpAs\": \"Fruit\\\\, \\\\\\\"red\\\\\\\"\", \"helpTitle\": \"Untitled\", "
        "\"indexTarget\": \"\", \"helpWindow\": \"\", \"helpFrame\": \"\"}]},\n"
        "    {\"name\": \"x\", \"state\": \"excluded\", \"entries\": []},\n"
        "    {\"name\": \"gone\", \"state\": \"kept\", \"entries\": [{\"indexAs\": \"Old\", \"sortAs\": \"old\", "
        "\"helpAs\": \"Old\", \"helpTitle\": \"Untitled\", \"indexTarget\": \"\", \"helpWindow\": \"\", "
        "\"helpFrame\": \"\"}]}]},\n"
        "  {\"path\": \"b.htm\", \"title\": \"" +
            cafe +
            "\", \"state\": \"readable\",\n"
            "   \"targets\": [\n"
            "    {\"name\": \"#\", \"state\": \"default\", \"entries\": [{\"indexAs\": \"" +
            cafe + "\", \"sortAs\": \"" + cafe + "\", \"helpAs\": \"" + cafe +
            "\", \"helpTitle\": \"Untitled\", \"indexTarget\": \"\", "
            "\"helpWindow\": \"\", \"helpFrame\": \"\"}]}]},\n"
            "  {\"path\": \"missing.htm\", \"title\": \"\", \"state\": \"missing\",\n"
            "   \"targets\": [\n"
            "    {\"name\": \"#\", \"state\": \"default\", \"entries\": []}]}],\n"
            " \"urls\": [\n"
            "  {\"url\": \"https://example.org/\", \"state\": \"excluded\", \"entries\": []}],\n"
            " \"crossReferences\": [\n"
            "  {\"heading\": \"Fruit\", \"headingSort\": \"Fruit\", \"separator\": \".\", \"reference\": "
            "\"<i>See</i>\", \"locator\": \"Apples\", \"locatorSort\": \"Apples\", \"linkToLocator\": false}]}\n");

    EXPECT_EQ(on("export", {"--format=csv"}), 0);
    EXPECT_EQ(out.str(), "page,target,indexAs,sortAs,helpAs,helpTitle,indexTarget,helpWindow,helpFrame,state\r\n"
                         "sub/a.htm,#,Apples,Apples,Apples,Untitled,,,,default\r\n"
                         "sub/a.htm,red,\"Fruit\\, \\\"\"red\\\"\"\",fruit,\"Fruit\\, \\\"\"red\\\"\"\",Untitled,,,,"
                         "explicit\r\n"
                         "sub/a.htm,gone,Old,old,Old,Untitled,,,,kept\r\n"
                         "b.htm,#," +
                             cafe + "," + cafe + "," + cafe +
                             ",Untitled,,,,default\r\n"
                             "missing.htm,#,,,,,,,,missing\r\n");
}

#ifdef TORVANE_EXECUTABLE
// The program itself, as a build script runs it: no display, exit status only.
TEST_F(CheckExport, ProgramChecksWithoutADisplay)
{
    fixture.write("a.htm", pageText("Apples", {}, "    Target=\"#\"\r\n" + storedEntry("Apples", "apples")));
    fixture.writeProject({"a.htm"});
    const auto status = [&](const std::string& arguments) {
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '") +
                                    TORVANE_EXECUTABLE + "' " + arguments + " > /dev/null 2>&1";
        const int result = std::system(command.c_str());
        return WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    };
    EXPECT_EQ(status("check '" + fixture.projectFile() + "'"), 0);
    EXPECT_EQ(status("check '" + fixture.path("none.ipj") + "'"), 2);
    fixture.writeProject({"a.htm", "gone.htm"});
    EXPECT_EQ(status("check '" + fixture.projectFile() + "' --quiet"), 1);
}
#endif

} // namespace
} // namespace torvane
