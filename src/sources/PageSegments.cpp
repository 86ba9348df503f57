#include "sources/PageSegments.h"

#include "sources/SearchText.h"

#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view commentStart = "<!--";
constexpr std::string_view commentEnd = "-->";
constexpr std::string_view elementStart = "<comment";
constexpr std::string_view elementEnd = "</comment";

constexpr std::size_t npos = std::string_view::npos;

// Position just past `pattern` found at or after `from`, or the end of the text.
std::size_t through(ForwardFinder& finder, std::size_t from, std::size_t patternLength, std::size_t end)
{
    const std::size_t found = finder.find(from);
    return found == npos ? end : found + patternLength;
}

// A start tag of `name` at `at`: the name ends with a blank, ">" or "/".
bool isStartTag(std::string_view text, std::size_t at, std::size_t nameLength)
{
    const std::size_t after = at + nameLength;
    if (after >= text.size())
        return false;
    const char c = searchByte(text[after]);
    return c == ' ' || c == '>' || c == '/';
}

// Finds the script and style elements, whose content is not markup: a
// "<!--" inside a script starts no comment.
class RawTextElements {
public:
    explicit RawTextElements(std::string_view text)
        : text_(text), scripts_(text, "<script"), styles_(text, "<style"), scriptEnds_(text, "</script"),
          styleEnds_(text, "</style")
    {
    }

    // The first such element starting at or after `from` and before `limit`:
    // where its content ends (its end tag, or the end of the text). npos if none.
    std::size_t contentEndBefore(std::size_t from, std::size_t limit)
    {
        const std::size_t script = nextStartTag(scripts_, from, 7);
        const std::size_t style = nextStartTag(styles_, from, 6);
        const std::size_t start = std::min(script, style);
        if (start == npos || start >= limit)
            return npos;
        ForwardFinder& ends = start == script ? scriptEnds_ : styleEnds_;
        const std::size_t end = ends.find(start);
        contentStart_ = start;
        return end == npos ? text_.size() : end;
    }

    // Where the element found last starts (its content, for masking, starts with its tag).
    std::size_t lastContentStart() const { return contentStart_; }

private:
    std::size_t nextStartTag(ForwardFinder& finder, std::size_t from, std::size_t nameLength)
    {
        std::size_t found = finder.find(from);
        while (found != npos && !isStartTag(text_, found, nameLength))
            found = finder.find(found + 1);
        return found;
    }

    std::string_view text_;
    ForwardFinder scripts_;
    ForwardFinder styles_;
    ForwardFinder scriptEnds_;
    ForwardFinder styleEnds_;
    std::size_t contentStart_ = 0;
};

// Whether the comment at `start` is a conditional comment ("<!--[if ...]>"
// or "<!--<![endif]-->"), which a browser ends at its first "-->".
bool isConditionalComment(std::string_view text, std::size_t start)
{
    const std::string_view rest = text.substr(start + commentStart.size());
    return startsWithSearchCopy(rest, "[if") || startsWithSearchCopy(rest, "<![endif]");
}

} // namespace

std::vector<Segment> cutSegments(std::string_view text, std::vector<Segment>* rawTextContents)
{
    std::vector<Segment> segments;
    const std::size_t n = text.size();
    ForwardFinder openings(text, commentStart);
    ForwardFinder closings(text, commentEnd);
    ForwardFinder elements(text, elementStart);
    ForwardFinder elementEnds(text, elementEnd);
    ForwardFinder tagEnds(text, ">");
    ForwardFinder blockStarts(text, "<!-- html torvane");
    ForwardFinder blockEnds(text, "html torvane -->");
    RawTextElements rawText(text);

    std::size_t pos = 0;
    std::size_t from = 0;
    while (pos < n) {
        const std::size_t opening = openings.find(from);
        const std::size_t element = elements.find(from);
        const std::size_t start = opening < element ? opening : element;
        if (const std::size_t rawEnd = rawText.contentEndBefore(from, start); rawEnd != npos) {
            if (rawTextContents)
                rawTextContents->push_back({rawText.lastContentStart(), rawEnd - rawText.lastContentStart()});
            from = rawEnd;
            continue;
        }
        if (start == npos) {
            segments.push_back({pos, n - pos});
            break;
        }
        segments.push_back({pos, start - pos});

        std::size_t end = start;
        std::size_t blockEnd = npos;
        if (start == opening && blockStarts.find(start) == start) {
            blockEnd = blockEnds.find(start);
            if (blockStarts.find(start + 1) < blockEnd)
                blockEnd = npos;
        }
        if (blockEnd != npos) {
            // The index block ends at its own end marker, whatever its values hold.
            end = blockEnd + 16;
        } else if (start == opening && isConditionalComment(text, start)) {
            end = through(closings, start + commentStart.size(), commentEnd.size(), n);
        } else if (start == opening) {
            end = start + commentStart.size();
            for (int depth = 1; depth > 0 && end < n;) {
                const std::size_t nextOpening = openings.find(end);
                const std::size_t nextClosing = closings.find(end);
                if (nextOpening == npos && nextClosing == npos) {
                    end = n;
                } else if (nextClosing != npos && nextClosing < nextOpening) {
                    end = nextClosing + commentEnd.size();
                    --depth;
                } else {
                    end = nextOpening + commentStart.size();
                    ++depth;
                }
            }
        } else {
            end = through(tagEnds, start + elementStart.size(), 1, n);
            if (end < n)
                end = through(elementEnds, end, elementEnd.size(), n);
            if (end < n)
                end = through(tagEnds, end, 1, n);
        }
        segments.push_back({start, end - start});
        pos = from = end;
    }
    return segments;
}

std::vector<std::size_t> commentEnds(const std::vector<Segment>& segments)
{
    std::vector<std::size_t> ends;
    std::size_t running = 0;
    for (std::size_t i = 1; i < segments.size(); i += 2)
        ends.push_back(running += segments[i].length);
    return ends;
}

std::string joinSegments(std::string_view text, const std::vector<Segment>& segments, std::size_t kind)
{
    std::size_t length = 0;
    for (std::size_t i = kind; i < segments.size(); i += 2)
        length += segments[i].length;
    std::string joined;
    joined.reserve(length);
    for (std::size_t i = kind; i < segments.size(); i += 2)
        joined.append(text.substr(segments[i].offset, segments[i].length));
    return joined;
}

} // namespace torvane
