#include "sources/PageScanner.h"

#include "platform/TextUtil.h"
#include "sources/SearchText.h"

#include <array>
#include <string>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::array<std::string_view, 6> headingStarts{"<h1", "<h2", "<h3", "<h4", "<h5", "<h6"};
constexpr std::array<std::string_view, 6> headingEnds{"</h1", "</h2", "</h3", "</h4", "</h5", "</h6"};

} // namespace

std::string findFirstHeading(std::string_view text)
{
    std::size_t first = npos;
    std::size_t level = 0;
    for (std::size_t n = 0; n < headingStarts.size(); ++n) {
        // Only an earlier heading can win, so later levels look no further.
        const std::string_view searchArea = text.substr(0, first == npos ? npos : first + 3);
        const std::size_t found = findInSearchCopy(searchArea, headingStarts[n]);
        if (found < first) {
            first = found;
            level = n;
        }
    }
    if (first == npos)
        return {};
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
