#include "sources/InsertionPoints.h"

#include "sources/BlockRecords.h"
#include "sources/SearchText.h"

#include <string>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

TextSpan spanOf(std::size_t start, std::size_t end)
{
    return {static_cast<std::ptrdiff_t>(start), end - start};
}

// Whether `at` lies inside a tag the page scan reads as still open: the
// nearest "<" or ">" before it is a "<". Text put there would become part of
// that tag, and the scan would then read the tags after it differently. The
// backward search stops at the previous candidate's own ">" or "<", so
// checking every candidate of one pattern stays linear.
bool insideOpenTag(std::string_view text, std::size_t at)
{
    const std::size_t last = at == 0 ? npos : text.find_last_of("<>", at - 1);
    return last != npos && text[last] == '<';
}

// The ">" that ends the tag at `start` as the page scan reads it, or npos
// when the tag begins inside an open one or another "<" comes first (then
// the later tag is the one that ends there).
std::size_t wholeTagEnd(std::string_view text, std::size_t start)
{
    if (insideOpenTag(text, start))
        return npos;
    const std::size_t end = text.find_first_of("<>", start + 1);
    return end != npos && text[end] == '>' ? end : npos;
}

// The ">" that ends the meta tag written from `from`: the keywords tag as
// written holds no quote in its value, but older writers left "<" and ">"
// bare in it, where a browser still reads them as part of the value. Any
// other tag ends at its first ">".
std::size_t writtenTagEnd(std::string_view text, std::size_t from)
{
    constexpr std::string_view keywords = "name=\"keywords\" content=\"";
    const std::size_t firstEnd = findInSearchCopy(text, ">", from);
    if (!startsWithSearchCopy(text.substr(from), keywords))
        return firstEnd;
    const std::size_t quote = text.find_first_of("\"\r\n", from + keywords.size());
    if (quote == npos || text[quote] != '"')
        return firstEnd;
    const std::string_view after = text.substr(quote + 1);
    return after.starts_with(">") ? quote + 1 : after.starts_with("/>") ? quote + 2 : firstEnd;
}

// The generator tag as written, directly followed by the next meta tag; in
// XHTML pages the tags are written closed. The pair is written on one line:
// a "match" whose ">" lies past a line end is a tag cut short by a comment,
// and running on to the next ">" would take in the user's text.
TextSpan findWrittenMetaPair(std::string_view text)
{
    for (const std::string_view pair :
         {std::string_view("<meta name=\"indexgenerator\" content=\"html torvane\"><meta "),
          std::string_view("<meta name=\"indexgenerator\" content=\"html torvane\"/><meta ")}) {
        for (std::size_t start = findInSearchCopy(text, pair); start != npos;
             start = findInSearchCopy(text, pair, start + 1)) {
            const std::size_t tagEnd = writtenTagEnd(text, start + pair.size());
            if (tagEnd == npos)
                break;
            const std::string_view tag = text.substr(start, tagEnd + 1 - start);
            // Inside a comment, a ">" of "-->" is the comment's end, not the tag's.
            if (tag.find_first_of("\r\n") == npos && !tag.ends_with("-->"))
                return spanOf(start, tagEnd + 1);
        }
    }
    return {};
}

enum class Enclosed { Allowed, Skipped };

// The first tag opening with `opening` whose text holds `needle`, through its
// ">"; with `Enclosed::Skipped`, one that is not a whole tag does not count.
TextSpan findTagHolding(std::string_view text, std::string_view opening, std::string_view needle,
                        Enclosed enclosed = Enclosed::Allowed)
{
    std::size_t from = 0;
    while (true) {
        const std::size_t start = findInSearchCopy(text, opening, from);
        if (start == npos)
            return {};
        const std::size_t tagEnd = findInSearchCopy(text, ">", start);
        if (tagEnd == npos)
            return {};
        const std::string_view tag = text.substr(start, tagEnd + 1 - start);
        if ((enclosed == Enclosed::Allowed || wholeTagEnd(text, start) == tagEnd) && !tag.ends_with("-->") &&
            findInSearchCopy(tag, needle) != npos)
            return spanOf(start, tagEnd + 1);
        from = tagEnd + 1;
    }
}

// The first meta tag naming the system as generator in any other form.
TextSpan findGeneratorTag(std::string_view text)
{
    return findTagHolding(text, "<meta ", "generator=\"html torvane\"");
}

// A whole start tag whose name is followed by a space or ">", through its ">".
TextSpan findStartTag(std::string_view text, std::string_view opening)
{
    std::size_t start = findInSearchCopy(text, opening);
    while (start != npos) {
        const std::size_t after = start + opening.size();
        if (after < text.size() && (searchByte(text[after]) == ' ' || text[after] == '>')) {
            if (const std::size_t tagEnd = wholeTagEnd(text, start); tagEnd != npos)
                return spanOf(start, tagEnd + 1);
        }
        start = findInSearchCopy(text, opening, start + 1);
    }
    return {};
}

// The generator meta tags inside one comment, by `search`; the comments are
// taken one at a time, with every index block blanked out.
template <typename Search>
TextSpan findInComments(std::string_view masked, const std::vector<std::size_t>& commentEnds, Search search)
{
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= commentEnds.size(); ++i) {
        const std::size_t end = i < commentEnds.size() ? commentEnds[i] : masked.size();
        if (end > begin) {
            const TextSpan found = search(masked.substr(begin, end - begin));
            if (found.found())
                return {found.position + static_cast<std::ptrdiff_t>(begin), found.length};
        }
        begin = end;
    }
    return {};
}

} // namespace

InsertionPoints findInsertionPoints(std::string_view strippedText, std::string_view commentText,
                                    const std::vector<std::size_t>& commentEnds)
{
    InsertionPoints points;
    const std::vector<BlockPlace> blocks = findBlocks(commentText, commentEnds);
    for (const BlockPlace& place : blocks) {
        if (!place.replaceable)
            continue;
        const TextSpan span = spanOf(place.start, place.end);
        if (!points.block.found())
            points.block = span;
        else
            points.extraBlocks.push_back(span);
    }

    points.meta = findWrittenMetaPair(strippedText);
    if (!points.meta.found())
        points.meta = findGeneratorTag(strippedText);
    if (!points.meta.found()) {
        std::string masked(commentText);
        for (const BlockPlace& place : blocks)
            masked.replace(place.start, place.end - place.start, place.end - place.start, ' ');
        points.meta = findInComments(masked, commentEnds, findWrittenMetaPair);
        if (!points.meta.found())
            points.meta = findInComments(masked, commentEnds, findGeneratorTag);
        points.metaInComments = points.meta.found();
    }
    if (points.meta.found() && points.block.found())
        return points;

    std::size_t headEnd = findInSearchCopy(strippedText, "</head>");
    while (headEnd != npos && insideOpenTag(strippedText, headEnd))
        headEnd = findInSearchCopy(strippedText, "</head>", headEnd + 1);
    if (headEnd != npos) {
        points.headEnd = spanOf(headEnd, headEnd + 7);
        return points;
    }
    points.charset = findTagHolding(strippedText, "<meta", "charset", Enclosed::Skipped);
    points.htmlTag = findStartTag(strippedText, "<html");
    if (!points.htmlTag.found())
        points.doctype = findStartTag(strippedText, "<!doctype");
    return points;
}

} // namespace torvane
