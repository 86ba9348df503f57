#include "shell/SubcommandFixture.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;
using test::Subcommands;

namespace fs = std::filesystem;

class Import : public Subcommands {
protected:
    // The fixture's pages again, with no index comment block, and a project
    // listing them with no URL or cross-reference.
    void stripEntries()
    {
        fixture.write("a.htm", pageText("Apples", {"red"}));
        fixture.write("sub/b.htm", pageText("Pears"));
        fixture.writeProject({"a.htm", "sub\\b.htm"});
    }
    std::string exported(const std::string& format)
    {
        EXPECT_EQ(on("export", {"--format", format}), 0) << err.str();
        return out.str();
    }
    int import(const std::string& format, const std::string& file, std::vector<std::string> options = {})
    {
        options.insert(options.begin(), {"--from", format, fixture.path(file)});
        return on("import", options);
    }
};

TEST_F(Import, WhatExportWroteComesBackTheSame)
{
    ASSERT_EQ(on("add-entry", {"a.htm#red", "Fruit\\, red, \\\"ripe\\\"", "--help-title", "Red <i>ones</i>"}), 0);
    ASSERT_EQ(on("add-entry", {"sub/b.htm", "Pears", "--index-target", "_blank"}), 0);
    ASSERT_EQ(on("add-xref", {"Pomes", "Apples", "--no-link"}), 0);
    ASSERT_EQ(on("exclude", {"https://example.org/"}), 0);
    for (const std::string format : {"json", "csv"}) {
        const std::string before = exported(format);
        fixture.write("export." + format, before);
        stripEntries();
        ASSERT_NE(exported(format), before) << format;
        EXPECT_EQ(import(format == "json" ? "export-json" : "csv", "export." + format), 0) << err.str();
        EXPECT_EQ(exported(format), before) << format;
    }
}

TEST_F(Import, ATargetNotFoundIsToldWithItsLineAndTheNearestOne)
{
    fixture.write("in.csv", "page,target,indexAs,sortAs,helpAs,helpTitle,indexTarget,helpWindow,helpFrame,state\r\n"
                            "a.htm,#,Apple trees,apple trees,Apple trees,Untitled,,,,explicit\r\n"
                            "a.htm,rde,Red,red,Red,Untitled,,,,explicit\r\n"
                            "sub/c.htm,#,Pears,pears,Pears,Untitled,,,,explicit\r\n");
    const std::string page = fixture.read("a.htm");
    EXPECT_EQ(import("csv", "in.csv", {"--strict"}), 1);
    const std::string prefix = "torvane import: " + fixture.path("in.csv");
    EXPECT_NE(err.str().find(prefix + ":3: a.htm#rde: not a page, anchor or URL of the project (nearest: a.htm#red)"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find(prefix + ":4: sub/c.htm: not a page, anchor or URL of the project (nearest: sub/b.htm)"),
              std::string::npos);
    EXPECT_EQ(fixture.read("a.htm"), page);

    // Without --strict the others are imported.
    EXPECT_EQ(import("csv", "in.csv"), 0) << err.str();
    EXPECT_NE(err.str().find("1 entries and 0 cross-references imported, 2 targets not found"), std::string::npos);
    EXPECT_NE(fixture.read("a.htm").find(storedEntry("Apple trees", "apple trees")), std::string::npos);

    fixture.write("bad.json", "{\"pages\": [}");
    EXPECT_EQ(import("export-json", "bad.json"), 1);
    EXPECT_NE(err.str().find("bad.json: not JSON"), std::string::npos);
    EXPECT_EQ(import("sphinx", "bad.json"), 1);
    EXPECT_NE(err.str().find("holds no index entry"), std::string::npos);
    EXPECT_EQ(on("import", {"--from", "docbook", fixture.path("bad.json")}), 2);
}

// A general index as Sphinx's genindex template lays it out.
std::string sphinxIndex(const std::vector<std::string>& items)
{
    std::string html = "<!DOCTYPE html>\n<html><head><title>Index</title></head><body>\n"
                       "<h1 id=\"index\">Index</h1>\n<h2 id=\"A\">A</h2>\n"
                       "<table style=\"width: 100%\" class=\"indextable genindextable\"><tr>\n"
                       "  <td style=\"width: 33%; vertical-align: top;\"><ul>\n";
    for (const std::string& item : items)
        html += "      <li>" + item + "</li>\n";
    return html + "  </ul></td>\n</tr></table>\n</body></html>\n";
}

TEST_F(Import, SphinxTermsSubtermsAndSeeAlsoBecomeEntriesAndCrossReferences)
{
    fixture.write("html/genindex.html",
                  sphinxIndex({"<a href=\"../a.htm#red\">-O, option</a>, <a href=\"../sub/b.htm\">[1]</a>",
                               "\n    apples\n      <ul>\n        <li><a href=\"../a.htm\"><strong>&lt;red&gt; "
                               "kind</strong></a>, <a href=\"../a.htm#blue\">[1]</a>\n</li>\n"
                               "        <li>see also pears\n</li>\n      </ul>",
                               "<a href=\"https://example.org/\">example</a>"}));
    EXPECT_EQ(import("sphinx", "html/genindex.html"), 0) << err.str();
    EXPECT_NE(
        err.str().find("genindex.html:11: a.htm#blue: not a page, anchor or URL of the project (nearest: a.htm#red)"),
        std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("4 entries and 1 cross-references imported, 1 targets not found"), std::string::npos);
    const std::string a = fixture.read("a.htm");
    EXPECT_NE(a.find("Target=\"red\"\r\n        IndexAs=\"-O\\, option\",SortAs=\"-O\\, option\""), std::string::npos)
        << a;
    EXPECT_NE(a.find("IndexAs=\"apples, &lt;red&gt; kind\",SortAs=\"apples, <red> kind\","
                     "HelpAs=\"apples, &lt;red&gt; kind\",HelpTitle=\"&lt;red&gt; kind\""),
              std::string::npos);
    EXPECT_NE(fixture.read("sub/b.htm").find("IndexAs=\"-O\\, option\""), std::string::npos);
    EXPECT_NE(project().find("IndexAs=\"example\""), std::string::npos);
    EXPECT_NE(project().find("Heading=\"apples\",HeadingSort=\"apples\",Separator=\".\",Reference=\"<i>See "
                             "also</i>\",Locator=\"pears\""),
              std::string::npos);

    // A second import finds everything there already.
    const std::string listed = project();
    EXPECT_EQ(import("sphinx", "html/genindex.html"), 0) << err.str();
    EXPECT_NE(err.str().find("0 entries and 0 cross-references imported"), std::string::npos);
    EXPECT_EQ(fixture.read("a.htm"), a);
    EXPECT_EQ(project(), listed);
}

// The keyword tree of an HTML Help index as a set of lines "LEVELS | TOPIC |
// LOCAL" and "LEVELS | See Also | KEYWORD": an imported index has no sort
// keys, so keywords of one level may come in another order.
std::set<std::string> keywordTree(const std::string& hhk)
{
    std::set<std::string> tree;
    std::vector<std::string> path;
    std::size_t depth = 0;
    bool named = false;
    std::string title;
    std::istringstream lines(hhk);
    const std::regex param("<param name=\"([^\"]*)\" value=\"([^\"]*)\">");
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (line.find("</UL>") != std::string::npos) {
            --depth;
        } else if (line.find("<UL>") != std::string::npos) {
            ++depth;
        } else if (line.find("<OBJECT") != std::string::npos) {
            named = false;
        } else if (std::regex_search(line, match, param)) {
            if (match[1] == "Name" && !named) {
                path.resize(depth - 1);
                path.push_back(match[2]);
                named = true;
            } else if (match[1] == "Name") {
                title = match[2];
            } else {
                std::string levels;
                for (const std::string& level : path)
                    levels += level + " > ";
                tree.insert(levels + "| " + (match[1] == "Local" ? title : std::string(match[1])) + " | " +
                            std::string(match[2]));
            }
        }
    }
    return tree;
}

// Every page of the example manual without its index comment block.
void stripBlocks(const fs::path& folder)
{
    const std::regex block("<!-- HTML Torvane[^]*?HTML Torvane -->\r?\n?");
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder)) {
        if (file.path().extension() != ".htm")
            continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        std::ofstream(file.path(), std::ios::binary) << std::regex_replace(text, block, "");
    }
}

TEST_F(Import, TheExamplesHtmlHelpIndexGivesBackTheSameKeywords)
{
    const fs::path manual = fs::path(fixture.folder()) / "manual";
    fs::copy(fs::path(TORVANE_SOURCE_DIR) / "examples/manual", manual, fs::copy_options::recursive);
    const std::string project = (manual / "Manual.ipj").string();
    ASSERT_EQ(run({"make-index", project}), 0) << err.str();
    const std::string hhk = fixture.read("manual/Manual.hhk");
    fs::rename(manual / "Manual.hhk", fixture.path("Made.hhk"));
    stripBlocks(manual);
    ASSERT_EQ(run({"make-index", project}), 0);
    ASSERT_NE(fixture.read("manual/Manual.hhk"), hhk);

    fs::copy(fixture.path("Made.hhk"), manual / "Imported.hhk");
    EXPECT_EQ(run({"import", project, "--from", "hhk", (manual / "Imported.hhk").string()}), 0) << err.str();
    EXPECT_NE(err.str().find("0 targets not found"), std::string::npos) << err.str();
    ASSERT_EQ(run({"make-index", project}), 0);
    const std::set<std::string> keywords = keywordTree(hhk);
    // The example keeps "Notebooks, archiving" and "Notes, header" apart from
    // "Notebooks" and "Notes" by their sort keys alone, which an HTML Help
    // index does not carry: imported, they join the keywords of their name.
    std::set<std::string> made = keywordTree(fixture.read("manual/Manual.hhk"));
    for (const char* joined : {"Notebooks > archiving > | Archiving | guide/notebooks.htm#archive",
                               "Notebooks > | Archiving | guide/notebooks.htm#archive",
                               "Notes > header > | The note header | reference/file-formats.htm#header",
                               "Notes > | The note header | reference/file-formats.htm#header"})
        EXPECT_EQ(made.erase(joined), 1u) << joined;
    made.insert("Notebooks, archiving > | Archiving | guide/notebooks.htm#archive");
    made.insert("Notes, header > | The note header | reference/file-formats.htm#header");
    EXPECT_EQ(made, keywords);
    EXPECT_GT(keywords.size(), 60u);
}

} // namespace
} // namespace torvane
