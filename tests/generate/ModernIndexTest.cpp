#include "HtmlIndexFixture.h"
#include "generate/ModernIndexWriter.h"
#include "sources/BlockRecords.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <regex>
#include <set>

namespace torvane {
namespace {

using testing::HtmlIndexTest;
using testing::readBytes;

class ModernIndexTest : public HtmlIndexTest {
protected:
    // A heading with two linked pages, one with two subentries, and a "See" line.
    void addApplesFruitAndPomme()
    {
        titled("apple", "Apple", "a.htm", "Apples at home");
        titled("apple", "Apple", "b.htm#x", "Baking");
        titled("fruit pears", "Fruit, Pears", "f.htm#pe", "Untitled");
        titled("fruit apples", "Fruit, Apples", "f.htm#ap", "Untitled");
        see("Pomme", ".", "<i>See</i>", "Apple");
    }

    std::string makeModern(bool allWritten = true)
    {
        style.extensions.indexLayout = 1;
        generator.setProjectDirectory(dir.string());
        generator.setOutputNames({"Index.htm", "Index.hhk", "Index.xml", "Index.jhm"});
        generator.setStyle(style);
        generator.numberCrossReferenceAnchors();
        generator.buildTree(IndexMode::Html);
        EXPECT_EQ(writeModernHtmlIndex(generator, messages), allWritten);
        return readBytes(dir / "Index.htm");
    }

    // Complaints of xmllint's HTML parser, except that it does not know the
    // element names HTML5 added.
    std::vector<std::string> lintErrors(const std::string& file = "Index.htm") const
    {
        const auto report = dir / "lint.txt";
        const std::string command =
            "xmllint --html --noout '" + (dir / file).string() + "' > '" + report.string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        const std::regex html5Tag("Tag (header|nav|main|section|output) invalid");
        std::vector<std::string> errors;
        std::istringstream lines(readBytes(report));
        for (std::string line; std::getline(lines, line);)
            if (line.find("error") != std::string::npos && !std::regex_search(line, html5Tag))
                errors.push_back(line);
        return errors;
    }

    std::set<std::string> valuesOf(const std::string& page, const std::string& attribute) const
    {
        std::set<std::string> values;
        const std::regex pattern(" " + attribute + "=\"([^\"]*)\"");
        for (auto it = std::sregex_iterator(page.begin(), page.end(), pattern); it != std::sregex_iterator(); ++it)
            values.insert((*it)[1]);
        return values;
    }
};

TEST_F(ModernIndexTest, PageIsWellFormedAccessibleAndEveryLinkResolves)
{
    for (const char* page : {"a.htm", "b.htm", "f.htm", "s.htm"}) {
        testing::writeBytes(dir / page, "<p>page</p>");
        inputs.insert(page);
    }
    addApplesFruitAndPomme();
    titled("3d", "3D", "s.htm", "Shapes");
    style.returnLink = 1;
    style.columns = 3;
    const std::string page = makeModern();

    EXPECT_TRUE(lintErrors().empty()) << ::testing::PrintToString(lintErrors());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n  <meta charset=\"utf-8\">", 0), 0u);
    // From the top, the keyboard reaches the filter, then a way past the letters.
    const std::size_t filter = page.find("<input id=\"tv-filter\"");
    const std::size_t skip = page.find("<a class=\"tv-skip\" href=\"#tv-index\">Skip to the index</a>");
    EXPECT_LT(filter, skip);
    EXPECT_LT(skip, page.find("<a href=\"#A\">"));
    EXPECT_NE(page.find("<nav class=\"tv-letters\" aria-label=\"Index letters\">"), std::string::npos);
    EXPECT_NE(page.find("role=\"doc-index\""), std::string::npos);
    EXPECT_NE(page.find("role=\"search\""), std::string::npos);
    EXPECT_NE(page.find("<input id=\"tv-filter\" type=\"search\""), std::string::npos);
    EXPECT_NE(page.find("No entries match the filter."), std::string::npos);
    EXPECT_NE(page.find("--tv-columns: 3"), std::string::npos);
    EXPECT_NE(page.find("prefers-color-scheme: dark"), std::string::npos);
    EXPECT_NE(page.find("@media print"), std::string::npos);
    EXPECT_EQ(page.find("src=\""), std::string::npos) << "no external script or image";
    // Every line ends CR LF.
    EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), std::count(page.begin(), page.end(), '\r'));

    const std::set<std::string> ids = valuesOf(page, "id");
    for (const std::string& href : valuesOf(page, "href")) {
        const std::size_t hash = href.find('#');
        const std::string file = href.substr(0, hash);
        if (!file.empty()) {
            EXPECT_TRUE(std::filesystem::exists(dir / file)) << href;
        } else {
            EXPECT_TRUE(ids.count(href.substr(hash + 1))) << href;
        }
    }
    // Groups that have entries are links; letters without any are greyed text.
    EXPECT_NE(page.find("<li><a href=\"#A\">A</a></li>"), std::string::npos);
    EXPECT_NE(page.find("<li><a href=\"#Numbers\">Numbers</a></li>"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"tv-empty\" aria-disabled=\"true\">B</span>"), std::string::npos);
    EXPECT_EQ(page.find("href=\"#B\""), std::string::npos);
    EXPECT_EQ(page.find("<h2 id=\"B\""), std::string::npos);
}

TEST_F(ModernIndexTest, RepeatedLinksNamePagesAndHeadingsShowOnce)
{
    addApplesFruitAndPomme();
    titled("fruit", "Fruit", "f.htm", "Fruit");
    titled("grape", "Grape", "g.htm#1", "Vines");
    titled("grape", "Grape", "g.htm#2", "Vines");
    titled("grape", "Grape", "h.htm", "Wine");
    see("Raisin", ".", "See", "Nowhere");
    const std::string page = makeModern();

    // The "See" line's target is the item of the heading it names, in whatever letter case.
    EXPECT_NE(page.find("<li id=\"TVXR0001\"><span class=\"tv-term\">Apple</span> <span class=\"tv-pages\">"
                        "<a href=\"a.htm\">Apples at home</a>, <a href=\"b.htm#x\">Baking</a></span></li>"),
              std::string::npos);
    EXPECT_EQ(page.find("<li id=\"TVXR0001\" class=\"tv-anchor\">"), std::string::npos);
    EXPECT_EQ(page.find("tv-anchor"), std::string::npos);
    // A "See" to no line at all stays text.
    EXPECT_NE(page.find("<span class=\"tv-see-word\">See</span> Nowhere</span>"), std::string::npos);
    // A heading with a link of its own and subentries: the link once, the children below it.
    EXPECT_NE(page.find("<li><a href=\"f.htm\">Fruit</a>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<li><a href=\"f.htm#ap\">Apples</a></li>"), std::string::npos);
    EXPECT_EQ(page.find(">Fruit, Apples<"), std::string::npos);
    EXPECT_NE(page.find("<li><span class=\"tv-term\">Pomme</span><span class=\"tv-see\">. "
                        "<span class=\"tv-see-word\"><i>See</i></span> <a href=\"#TVXR0001\">Apple</a></span></li>"),
              std::string::npos);
    // Pages of the same title are told apart.
    EXPECT_NE(page.find("<a href=\"g.htm#1\">Vines (1)</a>, <a href=\"g.htm#2\">Vines (2)</a>, "
                        "<a href=\"h.htm\">Wine</a>"),
              std::string::npos);
}

TEST_F(ModernIndexTest, LanguageLettersAndTheIndexBlock)
{
    entry("öl", "Öl", "o.htm");
    entry("ångest", "Ångest", "a.htm");
    entry("zebra", "Zebra", "z.htm");
    style.extensions.collation = "sv";
    const std::string page = makeModern();

    EXPECT_TRUE(lintErrors().empty()) << ::testing::PrintToString(lintErrors());
    EXPECT_NE(page.find("<html lang=\"sv\">"), std::string::npos);
    // Å, Ä and Ö after Z, named by character references; Ä has no entries.
    const std::size_t z = page.find("<li><a href=\"#Z\">Z</a></li>");
    const std::size_t aRing = page.find("<a href=\"#letter-26\">&#197;</a>");
    const std::size_t aUmlaut = page.find("<span class=\"tv-empty\" aria-disabled=\"true\">&#196;</span>");
    const std::size_t oUmlaut = page.find("<a href=\"#letter-28\">&#214;</a>");
    EXPECT_LT(z, aRing);
    EXPECT_LT(aRing, aUmlaut);
    EXPECT_LT(aUmlaut, oUmlaut);
    EXPECT_NE(oUmlaut, std::string::npos);
    EXPECT_LT(page.find("<h2 id=\"Z\">"), page.find("<h2 id=\"letter-26\">&#197;</h2>"));

    // The block marks the page's targets and offers no entries of its own.
    const std::size_t start = page.find("<!-- HTML Torvane V4.0 - Do not edit this comment block.");
    const std::size_t end = page.find("HTML Torvane -->", start);
    ASSERT_NE(end, std::string::npos);
    const std::string block = page.substr(start, end - start);
    for (const char* target :
         {"Target=\"HTMLTorvaneTop\"", "Target=\"Z\"", "Target=\"letter-26\"", "Target=\"letter-28\""})
        EXPECT_NE(block.find(target), std::string::npos) << target;
    EXPECT_EQ(block.find("IndexAs=\"\\S"), std::string::npos);
    EXPECT_EQ(block.find("IndexAs=\"Z"), std::string::npos);
}

TEST_F(ModernIndexTest, SeparateFilesGiveAMainPageAndOnePagePerGroup)
{
    entry("apple", "Apple", "a.htm");
    entry("ale", "Ale", "a.htm#x");
    entry("3d", "3D", "s.htm");
    entry("zebra", "Zebra", "z.htm");
    see("Zebras", ",", "See", "apple");
    style.separateFiles = 1;
    style.columns = 2;
    const std::string main = makeModern();
    EXPECT_EQ(writtenFiles(), (std::set<std::string> {"Index.htm", "Index-A.htm", "Index-Numbers.htm", "Index-Z.htm"}));

    // The main page leads to the groups' pages and has nothing to filter.
    EXPECT_NE(main.find("<li><a href=\"Index-A.htm#A\">A</a></li>"), std::string::npos);
    EXPECT_NE(main.find("<li><a href=\"Index-Numbers.htm#Numbers\">Numbers</a></li>"), std::string::npos);
    EXPECT_EQ(main.find("role=\"doc-index\""), std::string::npos);
    EXPECT_EQ(main.find("id=\"tv-filter\""), std::string::npos);

    const std::string letterZ = readBytes(dir / "Index-Z.htm");
    // Its own group by anchor, the others by page; a "See" reaches across pages.
    EXPECT_NE(letterZ.find("<li><a href=\"#Z\">Z</a></li>"), std::string::npos);
    EXPECT_NE(letterZ.find("<li><a href=\"Index-A.htm#A\">A</a></li>"), std::string::npos);
    EXPECT_NE(letterZ.find("<a href=\"Index-A.htm#TVXR0001\">apple</a>"), std::string::npos);
    EXPECT_EQ(letterZ.find(">Apple<"), std::string::npos);
    EXPECT_NE(letterZ.find("<input id=\"tv-filter\""), std::string::npos);
    EXPECT_NE(letterZ.find("<script>"), std::string::npos);
    EXPECT_NE(letterZ.find("--tv-columns: 2"), std::string::npos);
    EXPECT_NE(letterZ.find("class=\"tv-index tv-group-page\""), std::string::npos) << "heading above the columns";

    for (const std::string& file : writtenFiles()) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(lintErrors(file).empty()) << ::testing::PrintToString(lintErrors(file));
        // Listed in a project, no page of the index brings entries of its own.
        const std::string page = readBytes(dir / file);
        std::set<std::string> targets;
        for (const NameValue& record : readBlockRecords(page)) {
            EXPECT_TRUE(record.first != "IndexAs" || record.second.empty()) << record.second;
            if (record.first == "Target")
                targets.insert(record.second);
        }
        EXPECT_TRUE(targets.count("HTMLTorvaneTop"));
        EXPECT_EQ(targets.count("A") + targets.count("TVXR0001"), file == "Index-A.htm" ? 2u : 0u);
    }
}

TEST_F(ModernIndexTest, SeparateFilesReplaceOnlyTheIndexOwnPages)
{
    entry("apple", "Apple", "a.htm");
    entry("berry", "Berry", "b.htm");
    style.separateFiles = 1;
    testing::writeBytes(dir / "Index-B.htm", "<p>someone's page</p>");
    inputs.insert("Index-B.htm");
    makeModern(false);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages.front().find("not an index file written by HTML Torvane"), std::string::npos);
    EXPECT_EQ(readBytes(dir / "Index-B.htm"), "<p>someone's page</p>");

    // One page again: the group pages of the earlier run go, the foreign one stays.
    ASSERT_TRUE(std::filesystem::exists(dir / "Index-A.htm"));
    style.separateFiles = 0;
    messages.messages.clear();
    makeModern();
    EXPECT_FALSE(std::filesystem::exists(dir / "Index-A.htm"));
    EXPECT_EQ(writtenFiles(), std::set<std::string> {"Index.htm"});
    EXPECT_EQ(readBytes(dir / "Index-B.htm"), "<p>someone's page</p>");
}

// Up to ten lines, subentries counted, a group is kept in one column.
TEST_F(ModernIndexTest, ShortGroupsAreKeptWhole)
{
    entry("apple", "Apple", "a.htm");
    for (int i = 0; i < 9; ++i)
        entry("apple " + std::to_string(i), "Apple, kind " + std::to_string(i), "a.htm");
    for (int i = 0; i < 11; ++i)
        entry("berry " + std::to_string(i), "Berry " + std::to_string(i), "b.htm");
    const std::string page = makeModern();
    EXPECT_NE(page.find("<section class=\"tv-group tv-short\" aria-labelledby=\"A\">"), std::string::npos);
    EXPECT_NE(page.find("<section class=\"tv-group\" aria-labelledby=\"B\">"), std::string::npos);
    EXPECT_NE(page.find(".tv-short { break-inside: avoid; }"), std::string::npos);
}

// The page's own words follow the language: the collation's, or one set for
// the words alone, each of them open to the project's own wording.
TEST_F(ModernIndexTest, TheIndexWordsAreInTheReadersLanguage)
{
    entry("#", "#", "s.htm");
    entry("3d", "3D", "n.htm");
    entry("apple", "Apple", "a.htm");
    style.extensions.collation = "de";
    std::string page = makeModern();
    EXPECT_NE(page.find("<html lang=\"de\">"), std::string::npos);
    for (const char* word : {"<h2 id=\"Symbols\">Symbole</h2>", "<h2 id=\"Numbers\">Zahlen</h2>",
                             "<label for=\"tv-filter\">Eintr&#228;ge filtern</label>",
                             "aria-label=\"Buchstaben des Registers\"", ">Kein Eintrag passt zum Filter.</p>",
                             "data-many=\"{n} passende Eintr&#228;ge\"", ">Zum Register springen</a>"})
        EXPECT_NE(page.find(word), std::string::npos) << word;
    EXPECT_EQ(page.find("Filter entries"), std::string::npos);

    generator.reset();
    entry("apple", "Apple", "a.htm");
    style.extensions.collation.clear();
    style.extensions.language = "cs-CZ";
    style.extensions.words["Index Letters"] = "Abeceda";
    page = makeModern();
    EXPECT_NE(page.find("<html lang=\"cs-CZ\">"), std::string::npos);
    EXPECT_NE(page.find("<label for=\"tv-filter\">Filtrovat hesla</label>"), std::string::npos);
    EXPECT_NE(page.find("aria-label=\"Abeceda\""), std::string::npos);
}

// The classic layout keeps its words unless a language is set for them.
TEST_F(ModernIndexTest, TheClassicLayoutNamesItsGroupsInTheLanguageSetForTheWords)
{
    entry("#", "#", "s.htm");
    style.extensions.collation = "de";
    ASSERT_TRUE(make());
    EXPECT_NE(readBytes(dir / "Index.htm").find("<A NAME=\"Symbols\">Symbols</A>"), std::string::npos);
    style.extensions.language = "fr";
    generator.reset();
    entry("#", "#", "s.htm");
    ASSERT_TRUE(make());
    const std::string page = readBytes(dir / "Index.htm");
    EXPECT_NE(page.find("<A NAME=\"Symbols\">Symboles</A>"), std::string::npos);
    EXPECT_NE(page.find("<A HREF=\"#Symbols\">Symboles</A>"), std::string::npos);
}

TEST_F(ModernIndexTest, LatinOneTextsGiveAPageDeclaredSo)
{
    entry("\xe4pfel", "\xc4pfel", "a.htm");
    const std::string page = makeModern();
    EXPECT_NE(page.find("<meta charset=\"windows-1252\">"), std::string::npos);
}

} // namespace
} // namespace torvane
