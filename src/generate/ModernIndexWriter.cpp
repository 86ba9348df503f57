#include "generate/ModernIndexWriter.h"
#include "generate/CrLfText.h"
#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/HtmlIndexFiles.h"
#include "generate/IndexGenerator.h"
#include "generate/IndexPageNames.h"
#include "generate/IndexWords.h"
#include "generate/Utf8Html.h"
#include "generate/ModernIndexAssets.h"
#include "generate/ModernIndexEntries.h"
#include "generate/UrlEncoding.h"
#include "platform/TextUtil.h"
#include <set>
#include <string>
#include <string_view>

namespace torvane {

namespace {

// One group of the page: Symbols, Numbers or a letter of the alphabet.
struct GroupKey {
    char group = kNoGroup;
    std::uint16_t letter = kNoLetter;
    bool operator==(const GroupKey&) const = default;
};

GroupKey groupKeyOf(const IndexNode& node)
{
    if (node.letterGroup != kNoLetter)
        return {kNoGroup, node.letterGroup};
    return {pageGroupOf(node), kNoLetter};
}

// Letters keep their classic anchor names; others get one in plain ASCII.
std::string letterId(const std::vector<std::string>& letters, std::uint16_t letter)
{
    const std::string& label = letters[letter];
    for (char c : label)
        if (!isAsciiLetter(c))
            return "letter-" + std::to_string(letter);
    return label;
}

// Outside the letter groups a key's group is Symbols or Numbers, never a letter.
std::string groupId(const IndexGenerator& generator, GroupKey key)
{
    if (key.letter != kNoLetter)
        return letterId(generator.letterGroups(), key.letter);
    return groupName(key.group);
}

std::string groupLabel(const IndexGenerator& generator, const IndexWords& words, GroupKey key)
{
    if (key.letter != kNoLetter)
        return asciiHtml(generator.letterGroups()[key.letter]);
    return asciiHtml(key.group == kNumbersGroup ? words.numbers : words.symbols);
}

struct StringDrain : TextDrain {
    std::string text;
    void take(std::string_view lines) override { text += lines; }
};

constexpr std::size_t kUnbrokenGroupLines = 10;

// No page: what the main page of separate files stands for in the letter bar.
constexpr char kMainPage = 1;

class ModernPage {
public:
    ModernPage(const IndexGenerator& generator, const HtmlIndexPlan& plan, std::string_view topInclude,
               std::string_view bottomInclude)
        : generator_(generator)
        , plan_(plan)
        , top_(topInclude)
        , bottom_(bottomInclude)
        , anchors_(plan.topLevel)
        , words_(indexWords(plan.style.extensions))
    {
        // A present letter's page is that of its entries' A to Z group, the
        // page the generator sends cross-references to as well.
        letterPages_.assign(generator.letterGroups().size(), kNoGroup);
        for (const IndexNode* node : plan.topLevel)
            if (node->letterGroup != kNoLetter)
                letterPages_[node->letterGroup] = pageGroupOf(*node);
    }

    // The page of the whole index (group 0) or of one group.
    std::string groupsPage(PageGroups page) const
    {
        std::string body;
        appendGroups(body, page);
        std::string out = opening(body, page.group, targets(page));
        // On a group's own page its heading stands above all columns.
        out += page.group == 0 ? "<main>\n  <section id=\"tv-index\" class=\"tv-index\""
                               : "<main>\n  <section id=\"tv-index\" class=\"tv-index tv-group-page\"";
        out += " role=\"doc-index\" aria-label=\"";
        out += plan_.style.pageHeading.empty() ? std::string("Index") : plan_.style.pageHeading;
        out += "\" style=\"--tv-columns: " + std::to_string(plan_.columns()) + "\">\n";
        out += body;
        out += "  </section>\n"
               "  <p id=\"tv-none\" class=\"tv-none\" role=\"status\" hidden>" +
               asciiHtml(words_.noMatch) + "</p>\n</main>\n";
        out += crLfAsLf(bottom_);
        out += modernIndexScript();
        return closing(std::move(out));
    }

    // With separate files: the index file itself, its letter bar leading to the group pages.
    std::string mainPage() const
    {
        PageTargets none;
        std::string out = opening({}, kMainPage, none);
        out += crLfAsLf(bottom_);
        return closing(std::move(out));
    }

private:
    static std::string crLfAsLf(std::string_view text)
    {
        std::string lf;
        for (char c : text)
            if (c != '\r')
                lf += c;
        return lf;
    }

    // Everything up to the entries: the head and the header with its letter bar.
    std::string opening(std::string_view body, char pageGroup, const PageTargets& pageTargets) const
    {
        // Screen readers pick their voice by it: English words unless a language is set.
        const std::string language = wordsLanguage(plan_.style.extensions);
        std::string page = "<!DOCTYPE html>\n<html lang=\"" + (language.empty() ? std::string("en") : language);
        page += "\">\n<head>\n";
        page += isUtf8(body) && isUtf8(plan_.style.pageTitle) && isUtf8(plan_.style.pageHeading)
                    ? "  <meta charset=\"utf-8\">\n"
                    : "  <meta charset=\"windows-1252\">\n";
        page += "  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                "  <meta name=\"generator\" content=\"HTML Torvane (tm)\">\n"
                "  <title>" +
                plan_.style.pageTitle + "</title>\n";
        page += modernIndexStyle();
        // The project's own style sheet comes last, so that it may change the look.
        if (!plan_.style.stylesheetPath.empty())
            page += "  <link rel=\"stylesheet\" href=\"" + plan_.style.stylesheetPath + "\">\n";
        std::string block;
        appendIndexCommentBlock(block, pageTargets);
        page += crLfAsLf(block);
        page += "</head>\n<body>\n";
        page += crLfAsLf(top_);
        // The main page of separate files is its letters alone: they are its main content.
        if (pageGroup == kMainPage)
            page += "<main>\n";
        appendHeader(page, pageGroup);
        if (pageGroup == kMainPage)
            page += "</main>\n";
        return page;
    }

    static std::string closing(std::string page)
    {
        page += "</body>\n</html>\n";
        StringDrain crLf;
        crLf.text.reserve(page.size() + page.size() / 16);
        CrLfText out(crLf);
        out << page;
        out.flush();
        return std::move(crLf.text);
    }

    std::vector<GroupKey> presentGroups(PageGroups page) const
    {
        std::vector<GroupKey> groups;
        for (const IndexNode* node : plan_.topLevel)
            if (page.holds(plan_, pageGroupOf(*node)) && (groups.empty() || !(groups.back() == groupKeyOf(*node))))
                groups.push_back(groupKeyOf(*node));
        return groups;
    }

    PageTargets targets(PageGroups page) const
    {
        PageTargets targets;
        for (GroupKey key : presentGroups(page)) {
            if (key.letter != kNoLetter)
                targets.otherNames.push_back(groupId(generator_, key));
            else if (key.group == kNumbersGroup)
                targets.numbers = true;
            else
                targets.symbols = true;
        }
        targets.anchorNumbers = anchorNumbersOnPage(plan_, page);
        return targets;
    }

    char pageOf(GroupKey key) const { return key.letter != kNoLetter ? letterPages_[key.letter] : key.group; }

    void appendBarLink(std::string& out, GroupKey key, bool present, char pageGroup) const
    {
        out += "      <li>";
        if (present) {
            out += "<a href=\"";
            if (plan_.separateFiles() && pageOf(key) != pageGroup)
                out += percentEncodedPath(plan_.groupPageName(pageOf(key)));
            out += "#" + groupId(generator_, key) + "\">" + groupLabel(generator_, words_, key) + "</a>";
        } else {
            out += "<span class=\"tv-empty\" aria-disabled=\"true\">" + groupLabel(generator_, words_, key) + "</span>";
        }
        out += "</li>\n";
    }

    void appendHeader(std::string& out, char pageGroup) const
    {
        out += "<header id=\"HTMLTorvaneTop\" class=\"tv-header\">\n  <h1>" + plan_.style.pageHeading + "</h1>\n";
        // The filter is the first stop of the keyboard; the skip link passes the letters.
        if (pageGroup != kMainPage)
            out += "  <div id=\"tv-filter-box\" class=\"tv-filter\" role=\"search\" data-one=\"" +
                   asciiHtml(words_.oneMatch) + "\" data-many=\"" + asciiHtml(words_.manyMatches) + "\" hidden>\n" +
                   "    <label for=\"tv-filter\">" + asciiHtml(words_.filterEntries) + "</label>\n" +
                   "    <input id=\"tv-filter\" type=\"search\" autocomplete=\"off\" spellcheck=\"false\" "
                   "aria-controls=\"tv-index\" aria-describedby=\"tv-filter-status\">\n"
                   "    <output id=\"tv-filter-status\" aria-live=\"polite\"></output>\n"
                   "  </div>\n"
                   "  <a class=\"tv-skip\" href=\"#tv-index\">" +
                   asciiHtml(words_.skipToIndex) + "</a>\n";
        out += "  <nav class=\"tv-letters\" aria-label=\"" + asciiHtml(words_.indexLetters) + "\">\n    <ul>\n";
        if (plan_.style.linksSymbols == SymbolsOption::Include) {
            if (plan_.symbolsPresent)
                appendBarLink(out, {kSymbolsGroup, kNoLetter}, true, pageGroup);
            if (plan_.numbersPresent)
                appendBarLink(out, {kNumbersGroup, kNoLetter}, true, pageGroup);
        }
        const auto letters = static_cast<std::uint16_t>(generator_.letterGroups().size());
        for (std::uint16_t letter = 0; letter < letters; ++letter)
            appendBarLink(out, {kNoGroup, letter}, generator_.isLetterGroupPresent(letter), pageGroup);
        out += "    </ul>\n  </nav>\n</header>\n";
    }

    void appendReturnLink(std::string& out) const
    {
        const StyleSettings& style = plan_.style;
        if (style.returnLink == ReturnLink::None)
            return;
        out += "      <p class=\"tv-top\"><a href=\"#HTMLTorvaneTop\">";
        if (style.returnLink == ReturnLink::Text)
            out += style.returnText;
        else
            out += "<img src=\"" + style.returnPath + "Return.gif\" alt=\"" + asciiHtml(words_.returnToTop) + "\">";
        out += "</a></p>\n";
    }

    void appendGroups(std::string& out, PageGroups page) const
    {
        const auto& nodes = plan_.topLevel;
        for (std::size_t first = 0, end = 0; first < nodes.size(); first = end) {
            const GroupKey key = groupKeyOf(*nodes[first]);
            std::size_t lines = 0;
            for (end = first; end < nodes.size() && groupKeyOf(*nodes[end]) == key; ++end)
                lines += lineCount(*nodes[end]);
            if (!page.holds(plan_, pageGroupOf(*nodes[first])))
                continue;
            const std::string id = groupId(generator_, key);
            // A short group stays in one column; a long one at least keeps its heading with its first lines.
            out += lines <= kUnbrokenGroupLines ? "    <section class=\"tv-group tv-short\""
                                                : "    <section class=\"tv-group\"";
            out += " aria-labelledby=\"" + id + "\">\n";
            out += "      <h2 id=\"" + id + "\">" + groupLabel(generator_, words_, key) + "</h2>\n      <ul>\n";
            for (std::size_t at = first; at < end; ++at)
                appendModernEntry(out, *nodes[at], plan_.style, anchors_, 2);
            closeGroup(out);
        }
    }

    static std::size_t lineCount(const IndexNode& node)
    {
        std::size_t lines = 1;
        for (const IndexNode* child : node.children())
            lines += lineCount(*child);
        return lines;
    }

    void closeGroup(std::string& out) const
    {
        out += "      </ul>\n";
        appendReturnLink(out);
        out += "    </section>\n";
    }

    const IndexGenerator& generator_;
    const HtmlIndexPlan& plan_;
    std::string_view top_;
    std::string_view bottom_;
    std::vector<char> letterPages_; // by letter group: the page holding it, when present
    ModernAnchors anchors_;
    IndexWords words_;
};

} // namespace

bool writeModernHtmlIndex(const IndexGenerator& generator, MessageSink& messages)
{
    const HtmlIndexPlan plan = HtmlIndexPlan::fromGenerator(generator);
    bool ok = true;
    const std::string top = plan.style.includeTop ? includeFileText(plan, "Top.htm", ok, messages) : "";
    const std::string bottom = plan.style.includeBottom ? includeFileText(plan, "Bottom.htm", ok, messages) : "";
    const ModernPage pages(generator, plan, top, bottom);
    const std::string_view failure = "Error creating new index:\n  ";
    std::set<std::string> written;
    if (!plan.separateFiles()) {
        ok &= writeFile(plan, plan.indexFileName(), pages.groupsPage({}), failure, messages, written);
    } else {
        ok &= writeFile(plan, plan.indexFileName(), pages.mainPage(), failure, messages, written);
        for (char group : kPageGroupOrder)
            if (plan.isPresent(group))
                ok &= writeFile(plan, plan.groupPageName(group), pages.groupsPage({group}), failure, messages, written);
    }
    removeEarlierFiles(plan, written);
    return ok;
}

} // namespace torvane
