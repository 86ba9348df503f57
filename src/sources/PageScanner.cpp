#include "sources/PageScanner.h"

#include "platform/TextUtil.h"
#include "sources/SearchText.h"

#include <array>
#include <string>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::array<std::string_view, 6> headingEnds{"</h1", "</h2", "</h3", "</h4", "</h5", "</h6"};

bool isHeadingLevel(char c) { return c >= '1' && c <= '6'; }

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

std::vector<Anchor> findAnchors(std::string_view text)
{
    std::vector<Anchor> anchors;
    ForwardFinder closings(text, "</a>");
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = findInSearchCopy(text, "<a", pos);
        if (start == npos)
            break;
        const std::size_t after = start + 2;
        if (after >= text.size() || (searchByte(text[after]) != ' ' && text[after] != '>')) {
            pos = after;
            continue;
        }
        const std::size_t tagEnd = findInSearchCopy(text, ">", after);
        if (tagEnd == npos)
            break;
        pos = tagEnd + 1;

        // The attribute search stays inside this tag, which keeps the scan linear.
        const std::string_view tag = text.substr(start, pos - start);
        std::size_t valueStart = findInSearchCopy(tag, "name=\"");
        if (valueStart != npos) {
            valueStart += 6;
        } else {
            valueStart = findInSearchCopy(tag, "id=\"");
            if (valueStart == npos)
                continue;
            valueStart += 4;
        }
        const std::size_t valueEnd = tag.find('"', valueStart);
        if (valueEnd == npos)
            continue;
        const std::string_view name = trim(tag.substr(valueStart, valueEnd - valueStart));
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

} // namespace torvane
