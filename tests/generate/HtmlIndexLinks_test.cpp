#include "HtmlIndexFixture.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include <functional>
#include <map>

namespace torvane::testing {
namespace {

std::string lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool isAsciiAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// An attribute value as a browser reads it: references resolved, the names
// it knows without a ";" too unless a letter, digit or "=" follows.
std::string browserValue(const std::string& raw)
{
    static const std::vector<std::pair<std::string, std::string>> names = {
        {"amp", "&"},        {"lt", "<"},          {"gt", ">"},        {"quot", "\""},
        {"not", "\xc2\xac"}, {"copy", "\xc2\xa9"}, {"reg", "\xc2\xae"}};
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        bool resolved = false;
        if (raw[i] == '&')
            for (const auto& [name, text] : names) {
                if (raw.compare(i + 1, name.size(), name) != 0)
                    continue;
                std::size_t end = i + 1 + name.size();
                if (end < raw.size() && raw[end] == ';')
                    ++end;
                else if (end < raw.size() && (isAsciiAlnum(raw[end]) || raw[end] == '='))
                    continue;
                value += text;
                i = end - 1;
                resolved = true;
                break;
            }
        if (!resolved)
            value += raw[i];
    }
    return value;
}

// The values of one attribute, found without regard to letter case, as a browser reads them.
std::vector<std::string> attributeValues(const std::string& page, const std::string& attribute)
{
    const std::string lower = lowered(page);
    const std::string start = " " + attribute + "=\"";
    std::vector<std::string> values;
    for (std::size_t at = lower.find(start); at != std::string::npos; at = lower.find(start, at + 1)) {
        const std::size_t from = at + start.size();
        values.push_back(browserValue(page.substr(from, page.find('"', from) - from)));
    }
    return values;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Every "%XX" as its byte; a "%" not followed by two hex digits stays.
std::string decoded(const std::string& url)
{
    std::string bytes;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size() && hexValue(url[i + 1]) >= 0 && hexValue(url[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(url[i + 1]) * 16 + hexValue(url[i + 2]));
            i += 2;
        } else {
            bytes += url[i];
        }
    }
    return bytes;
}

// A browser cuts a link at the first "#", "?" or blank, whatever the file is called.
bool cutByBrowser(const std::string& file)
{
    return file.find_first_of("#? ") != std::string::npos;
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
                for (const std::string& frame : attributeValues(text, "src"))
                    targets.push_back(frame);
            for (const std::string& target : targets) {
                const std::size_t hash = target.find('#');
                const std::string link = target.substr(0, hash);
                const std::string file = hash == 0 ? from : decoded(link);
                SCOPED_TRACE(setting + ": " + from + " -> " + target);
                ++followed;
                EXPECT_FALSE(cutByBrowser(link)) << "the link does not reach the whole file name";
                if (!std::filesystem::is_regular_file(dir / file)) {
                    ADD_FAILURE() << "no such file";
                    continue;
                }
                if (hash != std::string::npos && hash + 1 < target.size()) {
                    // Browsers look for the anchor as written, then decoded.
                    const std::string anchor = target.substr(hash + 1);
                    const std::string page = readBytes(dir / file);
                    const auto names = attributeValues(page, "name");
                    const auto ids = attributeValues(page, "id");
                    auto found = [&](const std::string& name) {
                        return std::count(names.begin(), names.end(), name) + std::count(ids.begin(), ids.end(), name) >
                               0;
                    };
                    EXPECT_TRUE(found(anchor) || found(decoded(anchor)));
                }
            }
        }
        return followed;
    }

    void addModelEntry(EntryHolder& holder, const std::string& text)
    {
        auto record = std::make_unique<IndexEntry>();
        record->setTexts(text, text, "Untitled", text);
        holder.addEntry(std::move(record));
    }

    // Makes the index from the records `collect` adds in every layout the
    // generator offers, and follows every link of it.
    void forEveryLayout(const std::function<void()>& collect, int minimumLinks,
                        const std::string& indexName = "Index.htm")
    {
        style.returnLink = 1;
        for (int layout : {0, 1})
            for (int placement : {0, 1, 2})
                for (int separate : {0, 1})
                    for (int emptyHeadings : {0, 1, 2})
                        for (int multiLevel : {0, 1})
                            for (int symbolsHeadings : {0, 1}) {
                                // The modern page has no empty headings or run-in lines to vary.
                                if (layout == 1 && (emptyHeadings != 0 || multiLevel != 0))
                                    continue;
                                const std::string setting =
                                    "layout " + std::to_string(layout) + ", placement " + std::to_string(placement) +
                                    ", separate " + std::to_string(separate) + ", empty headings " +
                                    std::to_string(emptyHeadings) + ", multilevel " + std::to_string(multiLevel) +
                                    ", symbols headings omitted " + std::to_string(symbolsHeadings);
                                style.extensions.indexLayout = layout;
                                style.linksPlacement = placement;
                                style.separateFiles = separate;
                                style.emptyHeadings = emptyHeadings;
                                style.multiLevel = multiLevel;
                                style.useNbsps = multiLevel;
                                style.useClasses = symbolsHeadings;
                                // The bar links to Symbols and Numbers, so their headings must stay.
                                style.groupsSymbols = symbolsHeadings;
                                generator.setStyle(style);
                                generator.reset();
                                for (const std::string& file : writtenFiles())
                                    std::filesystem::remove(dir / file);
                                collect();
                                ASSERT_TRUE(make(indexName)) << setting;
                                ASSERT_TRUE(messages.messages.empty()) << setting << ": " << messages.messages.front();
                                EXPECT_GT(followAllLinks(setting), minimumLinks) << setting;
                                expectUniqueAnchors(setting);
                                expectNoLinkInALink(setting);
                            }
    }

    // A link inside a link is broken apart by every browser.
    void expectNoLinkInALink(const std::string& setting)
    {
        for (const std::string& file : writtenFiles()) {
            const std::string text = lowered(readBytes(dir / file));
            bool open = false;
            for (std::size_t at = text.find("<"); at != std::string::npos; at = text.find("<", at + 1)) {
                if (text.compare(at, 3, "<a ") == 0) {
                    EXPECT_FALSE(open) << setting << ": " << file << ": " << text.substr(at, 80);
                    open = true;
                } else if (text.compare(at, 4, "</a>") == 0) {
                    open = false;
                }
            }
        }
    }

    // An anchor name given twice on one page makes links to it ambiguous.
    void expectUniqueAnchors(const std::string& setting)
    {
        for (const std::string& file : writtenFiles()) {
            std::map<std::string, int> seen;
            const std::string text = readBytes(dir / file);
            std::vector<std::string> names = attributeValues(text, "name");
            for (const std::string& id : attributeValues(text, "id"))
                names.push_back(id);
            for (const std::string& name : names) {
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
    // Cross-references learn their locator's page when the tree is built.
    forEveryLayout(
        [this] {
            entry("#hash", "#hash", "s.htm");
            entry("3d", "3D", "n.htm");
            addLettersADF();
            entry("zebra", "zebra", "sub/page two.htm#t");
            // A page's first heading that is a link of its own, as in a sidebar.
            entry("contents", "<a href=\"a.htm\">Contents</a>", "b.htm#x");
            entry("contents, <b>all</b>", "Contents, <A\nHREF='d.htm'><b>All</b></A>", "d.htm");
            see("Dogs", ",", "See", "dog");
            generator.addCrossReference("Index", "index", ",", "See", "<a href=\"d.htm\">Contents</a>", "contents",
                                        true);
            see("Zebras", ",", "See also", "apple");
            see("3-D", ",", "See", "zebra");
            // Locators that differ in letter case only, or in an escaped comma, or
            // in blanks the tree trims: the tree has one place for each group of them.
            generator.addCrossReference("Pomme", "Pomme", ".", "See", "Apple", "Apple", true);
            generator.addCrossReference("Malus", "Malus", ".", "See", "apple", "apple", true);
            generator.addCrossReference("Smith\\, John", "smith\\, john", ".", "See", "J. Smith", "j\\, smith", true);
            generator.addCrossReference("Smithy", "smithy", ".", "See", "J. Smith", "j, smith", true);
            generator.addCrossReference("Jay", "jay", ".", "See", "j smith", "j ,smith", true);
        },
        25);
}

// Swedish files Å and Ö after Z: their pages, links and cross-references.
TEST_F(HtmlIndexLinksTest, EveryLinkLeadsSomewhereWithLanguageLetters)
{
    page("a.htm", "<html></html>");
    page("o.htm", "<html><body><a name=\"x\"></a></body></html>");
    page("z.htm", "<html></html>");
    style.extensions.collation = "sv";
    forEveryLayout(
        [this] {
            entry("\xc3\xa5ngest", "\xc3\x85ngest", "a.htm");
            entry("\xc3\xb6l", "\xc3\x96l", "o.htm#x");
            entry("zebra", "Zebra", "z.htm");
            entry("apple", "Apple", "a.htm");
            see("Ale", ",", "See", "\xc3\xb6l");
            see("\xc3\x84ngel", ",", "See also", "apple");
        },
        8);
}

// Entries only under Symbols and Numbers: the letter links and the frame set
// still lead to a page with the letters' heading.
TEST_F(HtmlIndexLinksTest, EveryLinkLeadsSomewhereWithoutLetterEntries)
{
    page("s.htm", "<html></html>");
    page("n.htm", "<html></html>");
    forEveryLayout(
        [this] {
            entry("#hash", "#hash", "s.htm");
            entry("3d", "3D", "n.htm");
            see("4-D", ",", "See", "#hash");
        },
        4);
}

// Page names that a link must encode to reach: "#", "?", "%", blanks,
// bytes beyond ASCII and "&" before a character's name, in folders and in
// the index's own name.
TEST_F(HtmlIndexLinksTest, PageNamesWithUrlCharactersAreReached)
{
    const std::vector<std::string> names = {"C#.htm",        "what?.htm",       "100%.htm",
                                            "two words.htm", "caf\xc3\xa9.htm", "d\xc3\xa9j\xc3\xa0 vu/#1 %41.htm",
                                            "do&not.htm",    "&copy/&reg;.htm"};
    for (const std::string& name : names)
        page(name, "<html><body><a name=\"t\xc3\xa9 x\"></a><a name=\"50%\"></a></body></html>");
    // The generator reads the entries' texts where the project keeps them.
    std::unique_ptr<ProjectRootNode> root;
    forEveryLayout(
        [this, &names, &root] {
            root = std::make_unique<ProjectRootNode>();
            root->setProjectDirectory(dir.string() + "/");
            for (const std::string& name : names) {
                SourceFile& file = root->findOrCreateFile((dir / name).string());
                addModelEntry(file, "Page " + name);
                addModelEntry(file.findOrCreateTarget("t\xc3\xa9 x"), "Accent " + name);
                addModelEntry(file.findOrCreateTarget("50%"), "Percent " + name);
            }
            generator.collect(*root);
            see("Zed", ",", "See", "Page C#.htm");
        },
        20, "Index #2 50% \xc3\xa9 &not.htm");
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

} // namespace
} // namespace torvane::testing
