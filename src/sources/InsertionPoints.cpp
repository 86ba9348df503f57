#include "sources/InsertionPoints.h"

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

TextSpan spanOf(std::size_t start, std::size_t end) { return {static_cast<std::ptrdiff_t>(start), end - start}; }

// The generator tag as written, directly followed by the next meta tag.
TextSpan findWrittenMetaPair(std::string_view search)
{
    constexpr std::string_view pair = "<meta name=\"indexgenerator\" content=\"html torvane\"><meta ";
    const std::size_t start = search.find(pair);
    if (start == npos)
        return {};
    const std::size_t tagEnd = search.find('>', start + pair.size());
    if (tagEnd == npos)
        return {};
    return spanOf(start, tagEnd + 1);
}

// The first meta tag naming the system as generator in any other form.
TextSpan findGeneratorTag(std::string_view search)
{
    std::size_t from = 0;
    while (true) {
        const std::size_t start = search.find("<meta ", from);
        if (start == npos)
            return {};
        const std::size_t tagEnd = search.find('>', start);
        if (tagEnd == npos)
            return {};
        if (search.substr(start, tagEnd + 1 - start).find("generator=\"html torvane\"") != npos)
            return spanOf(start, tagEnd + 1);
        from = tagEnd + 1;
    }
}

TextSpan findBlock(std::string_view commentSearch)
{
    constexpr std::string_view endMarker = "html torvane -->";
    const std::size_t start = commentSearch.find("<!-- html torvane");
    if (start == npos)
        return {};
    const std::size_t end = commentSearch.find(endMarker, start);
    if (end == npos)
        return {};
    return spanOf(start, end + endMarker.size());
}

// A start tag whose name is followed by a space or ">", through its ">".
TextSpan findStartTag(std::string_view search, std::string_view opening)
{
    std::size_t start = search.find(opening);
    while (start != npos) {
        const std::size_t after = start + opening.size();
        if (after < search.size() && (search[after] == ' ' || search[after] == '>')) {
            const std::size_t tagEnd = search.find('>', start);
            return tagEnd == npos ? TextSpan{} : spanOf(start, tagEnd + 1);
        }
        start = search.find(opening, start + 1);
    }
    return {};
}

} // namespace

InsertionPoints findInsertionPoints(std::string_view strippedSearch, std::string_view commentSearch)
{
    InsertionPoints points;
    points.meta = findWrittenMetaPair(strippedSearch);
    if (!points.meta.found())
        points.meta = findGeneratorTag(strippedSearch);
    if (!points.meta.found()) {
        points.meta = findWrittenMetaPair(commentSearch);
        if (!points.meta.found())
            points.meta = findGeneratorTag(commentSearch);
        points.metaInComments = points.meta.found();
    }
    points.block = findBlock(commentSearch);
    if (points.meta.found() && points.block.found())
        return points;

    if (const std::size_t headEnd = strippedSearch.find("</head>"); headEnd != npos) {
        points.headEnd = spanOf(headEnd, headEnd + 7);
        return points;
    }
    points.htmlTag = findStartTag(strippedSearch, "<html");
    if (!points.htmlTag.found())
        points.doctype = findStartTag(strippedSearch, "<!doctype");
    return points;
}

} // namespace torvane
