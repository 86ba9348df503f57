#include "shell/SubcommandFixture.h"
#include <gtest/gtest.h>
#include <filesystem>

namespace torvane {
namespace {

using test::Subcommands;

class Apply : public Subcommands {
protected:
    // Runs apply on the fixture's project with `lines` as its file.
    int apply(const std::string& lines, std::vector<std::string> options = {})
    {
        fixture.write("edits.jsonl", lines);
        options.insert(options.begin(), fixture.path("edits.jsonl"));
        return on("apply", options);
    }
};

TEST_F(Apply, CarriesOutEveryLineAsItsSubcommandWould)
{
    const int status =
        apply("{\"op\":\"add-entry\",\"target\":\"sub\\\\b.htm\",\"indexAs\":\"Pears ,green\","
              "\"helpTitle\":\"Say \\\\\\\"hi\\\\\\\"\"}\n"
              "\n"
              "{\"op\": \"add-entry\", \"target\": \"a.htm#red\", \"indexAs\": \"-O, option\", "
              "\"sortAs\": \"O\"}\r\n"
              "{\"op\":\"add-url\",\"url\":[\"https://example.com/\"]}\n"
              "{\"op\":\"add-entry\",\"target\":\"https://example.com/\",\"indexAs\":\"Sample\"}\n"
              "{\"op\":\"add-xref\",\"heading\":\"Pomes\",\"locator\":\"Apples\",\"linkToLocator\":false}\n"
              "{\"op\":\"exclude\",\"target\":[\"https://example.org/\"]}\n");
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_NE(fixture.read("sub/b.htm")
                  .find("IndexAs=\"Pears, green\",SortAs=\"Pears, green\","
                        "HelpAs=\"Pears, green\",HelpTitle=\"Say &quot;hi&quot;\""),
              std::string::npos);
    EXPECT_NE(fixture.read("a.htm").find("Target=\"red\"\r\n        IndexAs=\"-O, option\",SortAs=\"O\""),
              std::string::npos);
    // A URL added by one line is a target for the next.
    EXPECT_NE(project().find("URL=https://example.com/\r\nIndexAs=\"Sample\""), std::string::npos);
    EXPECT_NE(project().find("Heading=\"Pomes\",HeadingSort=\"Pomes\""), std::string::npos);
    EXPECT_NE(project().find("LinkToLocator=\"0\""), std::string::npos);
    EXPECT_NE(project().find("URL=https://example.org/\r\nIndexAs=\"\""), std::string::npos);
}

TEST_F(Apply, AnyRefusedLineWritesNothingAndEachIsListed)
{
    const std::string page = fixture.read("a.htm");
    const std::string listed = project();
    const std::string lines = "{\"op\":\"add-entry\",\"target\":\"a.htm\",\"indexAs\":\"Fine\"}\n"
                              "{\"op\":\"add-entry\",\"target\":\"a.htm#blue\",\"indexAs\":\"Blue\"}\n"
                              "{\"op\":\"peel\",\"target\":\"a.htm\"}\n"
                              "{\"op\":\"add-entry\",\"target\":\"a.htm\",\"indexAs\":\"Say \\\"hi\"}\n"
                              "not json\n"
                              "{\"op\":\"add-entry\",\"target\":\"a.htm\"}\n"
                              "{\"op\":\"add-entry\",\"target\":\"a.htm\",\"indexAs\":\"X\",\"colour\":\"red\"}\n"
                              "{\"op\":\"exclude\",\"target\":[]}\n"
                              "{\"op\":\"add-entry\",\"target\":[\"a.htm\",\"sub/b.htm\"],\"indexAs\":\"Two\"}\n"
                              "{\"op\":\"add-url\",\"url\":\"https://example.com/a\\\\\"}\n"
                              "[1, 2]\n";
    EXPECT_EQ(apply(lines), 1);
    const std::string quote = "torvane apply: line 4: Say \"hi: the ";
    const std::string bareQuote = " holds a quotation mark without a backslash before it\n";
    EXPECT_EQ(err.str(), "torvane apply: line 2: a.htm#blue: not a page, anchor or URL of the project\n"
                         "torvane apply: line 3: unknown op \"peel\"\n" +
                             quote + "entry text" + bareQuote + quote + "sort key (--sort-as)" + bareQuote + quote +
                             "help text (--help-as)" + bareQuote +
                             "torvane apply: line 5: not JSON: an unknown word at character 1\n"
                             "torvane apply: line 6: missing field \"indexAs\"\n"
                             "torvane apply: line 7: unknown field \"colour\" for add-entry\n"
                             "torvane apply: line 8: field \"target\" holds no value\n"
                             "torvane apply: line 9: field \"target\" holds several values where one is wanted\n"
                             "torvane apply: line 10: https://example.com/a\\: A URL may not end in a single "
                             "backslash (\\).\n"
                             "torvane apply: line 11: not a JSON object\n"
                             "torvane apply: " +
                             fixture.projectFile() + ": nothing was changed\n");
    EXPECT_EQ(fixture.read("a.htm"), page);
    EXPECT_EQ(project(), listed);

    // A dry run lists the same lines; with none refused it still writes nothing.
    EXPECT_EQ(apply(lines, {"--dry-run"}), 1);
    EXPECT_NE(err.str().find("line 11: not a JSON object"), std::string::npos);
    EXPECT_EQ(apply(lines.substr(0, lines.find('\n') + 1), {"--dry-run"}), 0) << err.str();
    EXPECT_EQ(fixture.read("a.htm"), page);
    EXPECT_EQ(project(), listed);

    EXPECT_EQ(on("apply", {fixture.path("none.jsonl")}), 2);
    EXPECT_NE(err.str().find("none.jsonl: cannot be read"), std::string::npos);
}

TEST_F(Subcommands, DoubleDashEndsTheOptions)
{
    EXPECT_EQ(on("add-entry", {"a.htm", "--", "--help"}), 0) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(fixture.read("a.htm").find("IndexAs=\"--help\",SortAs=\"--help\""), std::string::npos);
    EXPECT_EQ(on("add-entry", {"--sort-as", "o", "--", "a.htm", "-O, option"}), 0) << err.str();
    EXPECT_NE(fixture.read("a.htm").find("IndexAs=\"-O, option\",SortAs=\"o\""), std::string::npos);
    EXPECT_EQ(on("add-entry", {"a.htm", "-O, option"}), 2);
    EXPECT_NE(err.str().find("unknown option -O, option"), std::string::npos);
}

TEST_F(Subcommands, InitMakesAProjectOfTheFoldersPagesAndNeverReplacesOne)
{
    const std::string listed = project();
    EXPECT_EQ(run({"init", fixture.projectFile()}), 1);
    EXPECT_NE(err.str().find("Fixture.ipj: already exists"), std::string::npos);
    EXPECT_EQ(project(), listed);

    fixture.write("sub/deep/c.html", test::pageText("Quinces"));
    EXPECT_EQ(run({"init", fixture.path("New.ipj"), fixture.path("sub")}), 0) << err.str();
    const std::string made = fixture.read("New.ipj");
    EXPECT_NE(made.find("File=sub\\deep\\c.html\r\nFile=sub\\b.htm\r\n"), std::string::npos) << made;
    EXPECT_EQ(made.find("a.htm"), std::string::npos);
    EXPECT_EQ(on("check"), 0) << err.str();

    EXPECT_EQ(run({"init", fixture.path("Other.ipj"), "/"}), 1);
    EXPECT_NE(err.str().find("not below the project folder"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(fixture.path("Other.ipj")));
}

} // namespace
} // namespace torvane
