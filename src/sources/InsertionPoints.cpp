#include "sources/InsertionPoints.h"

#include "sources/SearchText.h"

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

TextSpan spanOf(std::size_t start, std::size_t end) { return {static_cast<std::ptrdiff_t>(start), end - start}; }

// The generator tag as written, directly followed by the next meta tag.
TextSpan findWrittenMetaPair(std::string_view text)
{
    constexpr std::string_view pair = "<meta name=\"indexgenerator\" content=\"html torvane\"><meta ";
    const std::size_t start = findInSearchCopy(text, pair);
    if (start == npos)
        return {};
    const std::size_t tagEnd = findInSearchCopy(text, ">", start + pair.size());
    if (tagEnd == npos)
        return {};
    return spanOf(start, tagEnd + 1);
}

// The first meta tag naming the system as generator in any other form.
TextSpan findGeneratorTag(std::string_view text)
{
    std::size_t from = 0;
    while (true) {
        const std::size_t start = findInSearchCopy(text, "<meta ", from);
        if (start == npos)
            return {};
        const std::size_t tagEnd = findInSearchCopy(text, ">", start);
        if (tagEnd == npos)
            return {};
        if (findInSearchCopy(text.substr(start, tagEnd + 1 - start), "generator=\"html torvane\"") != npos)
            return spanOf(start, tagEnd + 1);
        from = tagEnd + 1;
    }
}

TextSpan findBlock(std::string_view commentText)
{
    constexpr std::string_view endMarker = "html torvane -->";
    const std::size_t start = findInSearchCopy(commentText, "<!-- html torvane");
    if (start == npos)
        return {};
    const std::size_t end = findInSearchCopy(commentText, endMarker, start);
    if (end == npos)
        return {};
    return spanOf(start, end + endMarker.size());
}

// A start tag whose name is followed by a space or ">", through its ">".
TextSpan findStartTag(std::string_view text, std::string_view opening)
{
    std::size_t start = findInSearchCopy(text, opening);
    while (start != npos) {
        const std::size_t after = start + opening.size();
        if (after < text.size() && (searchByte(text[after]) == ' ' || text[after] == '>')) {
            const std::size_t tagEnd = findInSearchCopy(text, ">", start);
            return tagEnd == npos ? TextSpan{} : spanOf(start, tagEnd + 1);
        }
        start = findInSearchCopy(text, opening, start + 1);
    }
    return {};
}

} // namespace

InsertionPoints findInsertionPoints(std::string_view strippedText, std::string_view commentText)
{
    InsertionPoints points;
    points.meta = findWrittenMetaPair(strippedText);
    if (!points.meta.found())
        points.meta = findGeneratorTag(strippedText);
    if (!points.meta.found()) {
        points.meta = findWrittenMetaPair(commentText);
        if (!points.meta.found())
            points.meta = findGeneratorTag(commentText);
        points.metaInComments = points.meta.found();
    }
    points.block = findBlock(commentText);
    if (points.meta.found() && points.block.found())
        return points;

    if (const std::size_t headEnd = findInSearchCopy(strippedText, "</head>"); headEnd != npos) {
        points.headEnd = spanOf(headEnd, headEnd + 7);
        return points;
    }
    points.htmlTag = findStartTag(strippedText, "<html");
    if (!points.htmlTag.found())
        points.doctype = findStartTag(strippedText, "<!doctype");
    return points;
}

} // namespace torvane
