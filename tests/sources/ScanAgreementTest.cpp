// The scanner keeps positions instead of cutting consumed text off a working
// copy, and seeks several kinds of markup in one pass. This checks, on many
// small random pages, that it finds exactly what the plain
// consume-from-the-front procedure finds.
#include "platform/FileReports.h"
#include "platform/TextUtil.h"
#include "sources/CHtmlFile.h"
#include "sources/SearchText.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace torvane {
namespace {

constexpr auto npos = std::string::npos;

// Text and its search copy, consumed together from the front.
struct Working {
    std::string text;
    std::string search;
    void drop(std::size_t count)
    {
        text.erase(0, count);
        search.erase(0, count);
    }
};

std::size_t throughOrAll(const std::string& search, const std::string& pattern, std::size_t from)
{
    const std::size_t found = search.find(pattern, from);
    return found == npos ? search.size() : found + pattern.size();
}

// Where a start tag of `name` ("<script") begins at or after `from`.
std::size_t startTag(const std::string& search, const std::string& name, std::size_t from)
{
    for (std::size_t at = search.find(name, from); at != npos; at = search.find(name, at + 1)) {
        const std::size_t after = at + name.size();
        if (after < search.size() && (search[after] == ' ' || search[after] == '>' || search[after] == '/'))
            return at;
    }
    return npos;
}

std::vector<std::string> consumeSegments(const std::string& page)
{
    std::vector<std::string> segments;
    Working rest {page, makeSearchCopy(page)};
    // Script and style contents already passed over in `rest`.
    std::size_t skip = 0;
    while (!rest.text.empty()) {
        const std::size_t cut = std::min(rest.search.find("<!--", skip), rest.search.find("<comment", skip));
        const std::size_t script = startTag(rest.search, "<script", skip);
        const std::size_t style = startTag(rest.search, "<style", skip);
        if (std::min(script, style) < cut) {
            const std::size_t end = rest.search.find(script < style ? "</script" : "</style", std::min(script, style));
            skip = end == npos ? rest.text.size() : end;
            continue;
        }
        skip = 0;
        if (cut == npos) {
            segments.push_back(rest.text);
            break;
        }
        segments.push_back(rest.text.substr(0, cut));
        rest.drop(cut);
        std::size_t take = 0;
        if (rest.search.rfind("<!--", 0) == 0) {
            take = 4;
            for (int depth = 1; depth > 0 && take < rest.text.size();) {
                const std::size_t opening = rest.search.find("<!--", take);
                const std::size_t closing = rest.search.find("-->", take);
                if (opening == npos && closing == npos)
                    take = rest.text.size();
                else if (closing != npos && closing < opening)
                    take = closing + 3, --depth;
                else
                    take = opening + 4, ++depth;
            }
        } else {
            take = throughOrAll(rest.search, ">", 8);
            if (take < rest.text.size())
                take = throughOrAll(rest.search, "</comment", take);
            if (take < rest.text.size())
                take = throughOrAll(rest.search, ">", take);
        }
        segments.push_back(rest.text.substr(0, take));
        rest.drop(take);
    }
    return segments;
}

std::string consumeHeading(Working w)
{
    std::size_t first = npos;
    int level = 0;
    for (int n = 1; n <= 6; ++n) {
        const std::size_t found = w.search.find("<h" + std::to_string(n));
        if (found < first)
            first = found, level = n;
    }
    if (first == npos)
        return "";
    w.drop(first);
    const std::size_t tagEnd = w.search.find('>');
    if (tagEnd == npos)
        return "";
    w.drop(tagEnd + 1);
    const std::size_t end = w.search.find("</h" + std::to_string(level));
    return end == npos ? "" : cleanUpText(w.text.substr(0, end));
}

std::string consumeTitle(Working w)
{
    const std::size_t start = w.search.find("<title");
    if (start == npos)
        return "";
    w.drop(start + 6);
    const std::size_t tagEnd = w.search.find('>');
    if (tagEnd == npos)
        return "";
    w.drop(tagEnd + 1);
    const std::size_t end = w.search.find("</title");
    return end == npos ? "" : cleanUpText(w.text.substr(0, end));
}

std::vector<Anchor> consumeAnchors(Working w)
{
    std::vector<Anchor> anchors;
    while (!w.text.empty()) {
        const std::size_t start = w.search.find("<a");
        if (start == npos)
            break;
        w.drop(start);
        if (w.search.size() < 3 || (w.search[2] != ' ' && w.search[2] != '>')) {
            w.drop(2);
            continue;
        }
        const std::size_t tagEnd = w.search.find('>');
        if (tagEnd == npos)
            break;
        const std::string tag = w.text.substr(0, tagEnd + 1);
        const std::string tagSearch = w.search.substr(0, tagEnd + 1);
        w.drop(tagEnd + 1);
        const std::size_t name = tagSearch.find("name=\"");
        const std::size_t id = tagSearch.find("id=\"");
        if (name == npos && id == npos)
            continue;
        const std::size_t valueStart = name != npos ? name + 6 : id + 4;
        const std::size_t valueEnd = tag.find('"', valueStart);
        if (valueEnd == npos)
            continue;
        const std::string anchorName(trim(tag.substr(valueStart, valueEnd - valueStart)));
        if (anchorName.empty())
            continue;
        const std::size_t end = w.search.find("</a>");
        if (end == npos)
            continue;
        anchors.push_back({anchorName, cleanUpText(w.text.substr(0, end))});
        w.drop(end + 4);
    }
    return anchors;
}

std::string randomPage(std::mt19937& random)
{
    static const std::array<std::string, 31> pieces {
        "<!--",  "-->",  "<comment", "</comment", ">",       "<a",       "<A ",    " name=\"", "\"",   "</a>",  "<h1",
        "</h1",  "<H2>", "</h2",     "<title",    "</TITLE", "x",        " ",      "\r\n",     "\t",   "id=\"", "Q",
        "<abbr", "n",    "\r",       "-",         "<script", "</script", "<STYLE", "</style",  "<span"};
    std::string page;
    const std::size_t count = random() % 60;
    for (std::size_t i = 0; i < count; ++i)
        page += pieces[random() % pieces.size()];
    return page;
}

TEST(ScanAgreement, RandomPagesGiveTheSameResultsAsConsumingFromTheFront)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        const std::string page = randomPage(random);
        FileReports reports;
        CHtmlFile file(reports);
        file.setWholeText(page);
        file.ScanPage();

        const std::vector<std::string> segments = consumeSegments(page);
        std::vector<std::string> found;
        std::string stripped;
        for (std::size_t i = 0; i < file.segmentCount(); ++i)
            found.emplace_back(file.segment(i));
        for (std::size_t i = 0; i < segments.size(); i += 2)
            stripped += segments[i];
        const Working strippedWork {stripped, makeSearchCopy(stripped)};

        ASSERT_EQ(found, segments) << page;
        ASSERT_EQ(file.headingText(), consumeHeading(strippedWork)) << page;
        ASSERT_EQ(file.titleText(), consumeTitle(strippedWork)) << page;
        ASSERT_EQ(file.anchors(), consumeAnchors(strippedWork)) << page;
    }
}

} // namespace
} // namespace torvane
