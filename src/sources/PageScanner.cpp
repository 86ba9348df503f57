#include "sources/PageScanner.h"

#include "platform/TextRules.h"
#include "sources/SearchText.h"

#include <string>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

} // namespace

std::string findFirstHeading(std::string_view text, std::string_view search)
{
    std::size_t first = npos;
    int level = 0;
    for (int n = 1; n <= 6; ++n) {
        // Only an earlier heading can win, so later levels look no further.
        const std::string_view searchArea = search.substr(0, first == npos ? npos : first + 3);
        const std::size_t found = searchArea.find("<h" + std::to_string(n));
        if (found < first) {
            first = found;
            level = n;
        }
    }
    if (first == npos)
        return {};
    const std::size_t tagEnd = search.find('>', first);
    if (tagEnd == npos)
        return {};
    const std::size_t contentStart = tagEnd + 1;
    const std::size_t endTag = search.find("</h" + std::to_string(level), contentStart);
    if (endTag == npos)
        return {};
    return cleanUpText(text.substr(contentStart, endTag - contentStart));
}

std::string findTitle(std::string_view text, std::string_view search)
{
    const std::size_t start = search.find("<title");
    if (start == npos)
        return {};
    const std::size_t tagEnd = search.find('>', start + 6);
    if (tagEnd == npos)
        return {};
    const std::size_t endTag = search.find("</title", tagEnd + 1);
    if (endTag == npos)
        return {};
    return cleanUpText(text.substr(tagEnd + 1, endTag - tagEnd - 1));
}

std::vector<Anchor> findAnchors(std::string_view text, std::string_view search)
{
    std::vector<Anchor> anchors;
    ForwardFinder closings(search, "</a>");
    std::size_t pos = 0;
    while (pos < search.size()) {
        const std::size_t start = search.find("<a", pos);
        if (start == npos)
            break;
        const std::size_t after = start + 2;
        if (after >= search.size() || (search[after] != ' ' && search[after] != '>')) {
            pos = after;
            continue;
        }
        const std::size_t tagEnd = search.find('>', after);
        if (tagEnd == npos)
            break;
        pos = tagEnd + 1;

        // The attribute search stays inside this tag, which keeps the scan linear.
        const std::string_view tagSearch = search.substr(start, pos - start);
        const std::string_view tagText = text.substr(start, pos - start);
        std::size_t valueStart = tagSearch.find("name=\"");
        if (valueStart != npos) {
            valueStart += 6;
        } else {
            valueStart = tagSearch.find("id=\"");
            if (valueStart == npos)
                continue;
            valueStart += 4;
        }
        const std::size_t valueEnd = tagText.find('"', valueStart);
        if (valueEnd == npos)
            continue;
        const std::string_view name = trimSpace(tagText.substr(valueStart, valueEnd - valueStart));
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
