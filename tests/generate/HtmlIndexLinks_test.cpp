#include "HtmlIndexFixture.h"
#include <map>

namespace torvane::testing {
namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The quoted values of one attribute, found without regard to letter case.
std::vector<std::string> attributeValues(const std::string& page, const std::string& attribute)
{
    const std::string lower = lowered(page);
    const std::string start = " " + attribute + "=\"";
    std::vector<std::string> values;
    for (std::size_t at = lower.find(start); at != std::string::npos; at = lower.find(start, at + 1)) {
        const std::size_t from = at + start.size();
        values.push_back(page.substr(from, page.find('"', from) - from));
    }
    return values;
}

std::string decoded(std::string url)
{
    for (std::size_t at; (at = url.find("%20")) != std::string::npos;) url.replace(at, 3, " ");
    return url;
}

class HtmlIndexLinksTest : public HtmlIndexTest {
protected:
    void page(const std::string& name, const std::string& text)
    {
        std::filesystem::create_directories((dir / name).parent_path());
        writeBytes(dir / name, text);
        inputs.insert(std::filesystem::path(name).filename().string());
    }

    // Follows every link and frame of the written pages to a file and, when
    // the link names one, to an anchor of that file. Returns the links followed.
    int followAllLinks(const std::string& setting)
    {
        int followed = 0;
        for (const std::string& from : writtenFiles()) {
            const std::string text = readBytes(dir / from);
            std::vector<std::string> targets = attributeValues(text, "href");
            if (text.find("<frameset") != std::string::npos)
                for (const std::string& frame : attributeValues(text, "src")) targets.push_back(frame);
            for (const std::string& target : targets) {
                const std::size_t hash = target.find('#');
                const std::string file = hash == 0 ? from : decoded(target.substr(0, hash));
                SCOPED_TRACE(setting + ": " + from + " -> " + target);
                ++followed;
                if (!std::filesystem::is_regular_file(dir / file)) {
                    ADD_FAILURE() << "no such file";
                    continue;
                }
                if (hash != std::string::npos && hash + 1 < target.size()) {
                    const std::string anchor = target.substr(hash + 1);
                    const std::string page = readBytes(dir / file);
                    const auto names = attributeValues(page, "name");
                    const auto ids = attributeValues(page, "id");
                    EXPECT_TRUE(std::count(names.begin(), names.end(), anchor) +
                                    std::count(ids.begin(), ids.end(), anchor) > 0);
                }
            }
        }
        return followed;
    }

    // An anchor name given twice on one page makes links to it ambiguous.
    void expectUniqueAnchors(const std::string& setting)
    {
        for (const std::string& file : writtenFiles()) {
            std::map<std::string, int> seen;
            for (const std::string& name : attributeValues(readBytes(dir / file), "name")) {
                if (name != "GENERATOR" && name != "Torvane-nav" && name != "Torvane-content") {
                    EXPECT_EQ(++seen[name], 1) << setting << ": " << file << " names " << name << " twice";
                }
            }
        }
    }
};

TEST_F(HtmlIndexLinksTest, EveryLinkLeadsToAFileAndAnchorInEveryLayout)
{
    page("a.htm", "<html><body>A</body></html>");
    page("b.htm", "<html><body><p id=\"x\">B</p></body></html>");
    page("d.htm", "<html><body>D</body></html>");
    page("f.htm", "<html><body><a name=\"ap\"></a><A NAME=\"pe\"></A></body></html>");
    page("s.htm", "<html></html>");
    page("n.htm", "<html></html>");
    page("sub/page two.htm", "<html><body><a name=\"t\">T</a></body></html>");
    // Cross-references learn their locator's page when copied, so the style comes first.
    const auto collect = [this] {
        generator.setStyle(style);
        generator.reset();
        entry("#hash", "#hash", "s.htm");
        entry("3d", "3D", "n.htm");
        entry("apple", "Apple", "a.htm");
        entry("apple", "Apple", "b.htm#x");
        entry("dog", "Dog", "d.htm");
        entry("fruit apples", "Fruit, Apples", "f.htm#ap");
        entry("fruit pears", "Fruit, Pears", "f.htm#pe");
        entry("zebra", "zebra", "sub/page two.htm#t");
        see("Dogs", ",", "See", "dog");
        see("Zebras", ",", "See also", "apple");
        see("3-D", ",", "See", "zebra");
    };
    style.returnLink = 1;

    for (int placement : {0, 1, 2})
        for (int separate : {0, 1})
            for (int emptyHeadings : {0, 1, 2})
                for (int multiLevel : {0, 1})
                    for (int symbolsHeadings : {0, 1}) {
                    const std::string setting = "placement " + std::to_string(placement) + ", separate " +
                                                std::to_string(separate) + ", empty headings " +
                                                std::to_string(emptyHeadings) + ", multilevel " +
                                                std::to_string(multiLevel) + ", symbols headings omitted " +
                                                std::to_string(symbolsHeadings);
                    style.linksPlacement = placement;
                    style.separateFiles = separate;
                    style.emptyHeadings = emptyHeadings;
                    style.multiLevel = multiLevel;
                    style.useNbsps = multiLevel;
                    // The bar links to Symbols and Numbers, so their headings must stay.
                    style.groupsSymbols = symbolsHeadings;
                    collect();
                    ASSERT_TRUE(make()) << setting;
                    // Links bar, return links, entries and the three cross-references at least.
                    EXPECT_GT(followAllLinks(setting), 20) << setting;
                    expectUniqueAnchors(setting);
                }
}

TEST_F(HtmlIndexLinksTest, AnIndexWithoutEntriesStillLeadsEveryLinkSomewhere)
{
    for (int placement : {0, 1, 2})
        for (int separate : {0, 1})
            for (int emptyHeadings : {0, 1, 2}) {
                const std::string setting = "placement " + std::to_string(placement) + ", separate " +
                                            std::to_string(separate) + ", empty headings " +
                                            std::to_string(emptyHeadings);
                style.linksPlacement = placement;
                style.separateFiles = separate;
                style.emptyHeadings = emptyHeadings;
                generator.setStyle(style);
                generator.reset();
                ASSERT_TRUE(make()) << setting;
                // With empty letters left out there is nothing to link to.
                const int followed = followAllLinks(setting);
                if (emptyHeadings == 2)
                    EXPECT_LE(followed, 2) << setting;
                else
                    EXPECT_GE(followed, 26) << setting;
                expectUniqueAnchors(setting);
            }
}

// Page names may hold quotes and angle brackets on POSIX systems: the link
// must still be one attribute value that names the page.
TEST_F(HtmlIndexLinksTest, PageNamesWithQuotesAndAngleBracketsStayInsideTheLink)
{
    entry("quoted", "Quoted", "say \"hi\".htm#top");
    entry("tagged", "Tagged", "a<b>c.htm");
    ASSERT_TRUE(make());
    const std::string text = readBytes(dir / "Index.htm");
    EXPECT_NE(text.find("HREF=\"say &quot;hi&quot;.htm#top\""), std::string::npos) << text;
    EXPECT_NE(text.find("HREF=\"a&lt;b&gt;c.htm\""), std::string::npos) << text;
    EXPECT_EQ(text.find("\"hi\""), std::string::npos);
}

} // namespace
} // namespace torvane::testing
