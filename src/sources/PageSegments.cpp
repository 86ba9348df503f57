#include "sources/PageSegments.h"

#include "sources/SearchText.h"

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

} // namespace

std::vector<Segment> cutSegments(std::string_view text)
{
    std::vector<Segment> segments;
    const std::size_t n = text.size();
    ForwardFinder openings(text, commentStart);
    ForwardFinder closings(text, commentEnd);
    ForwardFinder elements(text, elementStart);
    ForwardFinder elementEnds(text, elementEnd);
    ForwardFinder tagEnds(text, ">");

    std::size_t pos = 0;
    while (pos < n) {
        const std::size_t opening = openings.find(pos);
        const std::size_t element = elements.find(pos);
        const std::size_t start = opening < element ? opening : element;
        if (start == npos) {
            segments.push_back({pos, n - pos});
            break;
        }
        segments.push_back({pos, start - pos});

        std::size_t end = start;
        if (start == opening) {
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
        pos = end;
    }
    return segments;
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
