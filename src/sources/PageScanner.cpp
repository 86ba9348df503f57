#include "sources/PageScanner.h"

#include "platform/TextUtil.h"
#include "sources/ForwardFinder.h"
#include "sources/SearchText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::array<std::string_view, 6> headingEnds {"</h1", "</h2", "</h3", "</h4", "</h5", "</h6"};

bool isHeadingLevel(char c)
{
    return c >= '1' && c <= '6';
}

// Where an `a` start tag ends and where its first name=" and id=" values
// start, as found in the search copy; npos for each one missing.
struct AnchorTag {
    std::size_t end = npos;
    std::size_t name = npos;
    std::size_t id = npos;
};

bool endsWithSearchCopy(std::string_view text, std::size_t start, std::size_t end, std::string_view pattern)
{
    return end - start >= pattern.size() && startsWithSearchCopy(text.substr(end - pattern.size()), pattern);
}

// One pass over the tag: both attributes end in '="', so only the '=' bytes
// are looked at, and the attribute search never leaves the tag, which keeps
// the scan linear.
AnchorTag readAnchorTag(std::string_view text, std::size_t start, std::size_t after)
{
    AnchorTag tag;
    const char* data = text.data();
    const auto* end = static_cast<const char*>(std::memchr(data + after, '>', text.size() - after));
    if (!end)
        return tag;
    tag.end = static_cast<std::size_t>(end - data);
    for (const char* at = data + after; tag.name == npos;) {
        const auto* equals = static_cast<const char*>(std::memchr(at, '=', static_cast<std::size_t>(end - at)));
        if (!equals)
            break;
        const auto place = static_cast<std::size_t>(equals - data);
        at = equals + 1;
        if (equals[1] != '"')
            continue;
        if (endsWithSearchCopy(text, start, place, "name"))
            tag.name = place + 2;
        else if (tag.id == npos && endsWithSearchCopy(text, start, place, "id"))
            tag.id = place + 2;
    }
    return tag;
}

} // namespace

std::string findFirstHeading(std::string_view text)
{
    // One search for "<h" stops at the first heading of any level, where a
    // search per level would run through the page for each missing level.
    std::size_t first = findInSearchCopy(text, "<h");
    while (first != npos && (first + 2 >= text.size() || !isHeadingLevel(text[first + 2])))
        first = findInSearchCopy(text, "<h", first + 2);
    if (first == npos)
        return {};
    const auto level = static_cast<std::size_t>(text[first + 2] - '1');
    const std::size_t tagEnd = findInSearchCopy(text, ">", first);
    if (tagEnd == npos)
        return {};
    const std::size_t contentStart = tagEnd + 1;
    const std::size_t endTag = findInSearchCopy(text, headingEnds[level], contentStart);
    if (endTag == npos)
        return {};
    return cleanUpText(text.substr(contentStart, endTag - contentStart));
}

std::string findTitle(std::string_view text)
{
    const std::size_t start = findInSearchCopy(text, "<title");
    if (start == npos)
        return {};
    const std::size_t tagEnd = findInSearchCopy(text, ">", start + 6);
    if (tagEnd == npos)
        return {};
    const std::size_t endTag = findInSearchCopy(text, "</title", tagEnd + 1);
    if (endTag == npos)
        return {};
    return cleanUpText(text.substr(tagEnd + 1, endTag - tagEnd - 1));
}

namespace {

// The anchors of `text`, given where the next "<a" starts at or after a place.
template <typename NextStart>
std::vector<Anchor> anchorsFrom(std::string_view text, NextStart nextStart)
{
    std::vector<Anchor> anchors;
    ForwardFinder closings(text, "</a>");
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = nextStart(pos);
        if (start == npos)
            break;
        const std::size_t after = start + 2;
        if (after >= text.size() || (searchByte(text[after]) != ' ' && text[after] != '>')) {
            pos = after;
            continue;
        }
        const AnchorTag tag = readAnchorTag(text, start, after);
        if (tag.end == npos)
            break;
        pos = tag.end + 1;
        const std::size_t valueStart = tag.name != npos ? tag.name : tag.id;
        if (valueStart == npos)
            continue;
        const std::size_t valueEnd = text.substr(0, tag.end).find('"', valueStart);
        if (valueEnd == npos)
            continue;
        const std::string_view name = trim(text.substr(valueStart, valueEnd - valueStart));
        if (name.empty())
            continue;

        const std::size_t closing = closings.find(pos);
        if (closing == npos)
            continue;
        anchors.push_back({std::string(name), cleanUpText(text.substr(pos, closing - pos))});
        pos = closing + 4;
    }
    return anchors;
}

} // namespace

std::vector<Anchor> findAnchors(std::string_view text)
{
    return anchorsFrom(text, [text](std::size_t from) { return findInSearchCopy(text, "<a", from); });
}

std::vector<Anchor> findAnchors(std::string_view text, const std::vector<std::size_t>& starts)
{
    auto next = starts.begin();
    return anchorsFrom(text, [&](std::size_t from) {
        next = std::lower_bound(next, starts.end(), from);
        return next == starts.end() ? npos : *next;
    });
}

} // namespace torvane
