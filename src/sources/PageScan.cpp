#include "sources/PageScan.h"

#include "sources/BlockRecords.h"
#include "sources/IdTargetScanner.h"
#include "sources/PageSegments.h"

#include <algorithm>
#include <iterator>

namespace torvane {

namespace {

// Moves the places where "<a" starts from the whole text to the text outside
// comments, where a '<' that ends one piece can meet an 'a' that begins the
// next.
void moveOutsideComments(const std::vector<Segment>& segments, std::string_view outside,
                         std::vector<std::size_t>& starts)
{
    std::vector<std::size_t> joined;
    std::size_t next = 0;
    std::size_t running = 0;
    for (std::size_t i = 0; i < segments.size(); i += 2) {
        const Segment& piece = segments[i];
        for (; next < starts.size() && starts[next] < piece.offset + piece.length; ++next)
            starts[next] = starts[next] - piece.offset + running;
        running += piece.length;
        const bool commentFollows = i + 1 < segments.size();
        if (commentFollows && running > 0 && running < outside.size() && outside[running - 1] == '<' &&
            (outside[running] | 0x20) == 'a' && (joined.empty() || joined.back() != running - 1))
            joined.push_back(running - 1);
    }
    if (joined.empty())
        return;
    std::vector<std::size_t> merged;
    merged.reserve(starts.size() + joined.size());
    std::merge(starts.begin(), starts.end(), joined.begin(), joined.end(), std::back_inserter(merged));
    starts = std::move(merged);
}

// Moves script and style elements from the whole text to the text outside
// comments; none starts inside a comment.
std::vector<Segment> outsideComments(const std::vector<Segment>& segments, std::vector<Segment> raw)
{
    std::size_t running = 0;
    auto next = raw.begin();
    for (std::size_t i = 0; i < segments.size() && next != raw.end(); i += 2) {
        const Segment& piece = segments[i];
        for (; next != raw.end() && next->offset < piece.offset + piece.length; ++next)
            next->offset = next->offset - piece.offset + running;
        running += piece.length;
    }
    return raw;
}

void scanOutsideComments(std::string_view outside, const std::vector<std::size_t>& anchorStarts,
                         const std::vector<Segment>* rawElements, ScannedPage& page)
{
    page.headingText = findFirstHeading(outside);
    page.titleText = findTitle(outside);
    page.anchors = findAnchors(outside, anchorStarts);
    if (rawElements)
        page.ids = findIdTargets(outside, *rawElements);
}

} // namespace

ScannedPage scanPage(std::string_view text, bool withIds)
{
    ScannedPage page;
    std::vector<std::size_t> anchorStarts;
    std::vector<Segment> raw;
    const std::vector<Segment> segments = cutSegments(text, withIds ? &raw : nullptr, &anchorStarts);
    // A page without comments is its own text outside comments, and has no block.
    if (segments.size() <= 1) {
        scanOutsideComments(text, anchorStarts, withIds ? &raw : nullptr, page);
        return page;
    }
    const std::string outside = joinSegments(text, segments, 0);
    moveOutsideComments(segments, outside, anchorStarts);
    if (withIds)
        raw = outsideComments(segments, std::move(raw));
    scanOutsideComments(outside, anchorStarts, withIds ? &raw : nullptr, page);
    const std::string comments = joinSegments(text, segments, 1);
    const std::vector<BlockPlace> blocks = findBlocks(comments, commentEnds(segments));
    page.blockRecords = recordsOfBlocks(comments, blocks);
    page.blockDamage = damageOfBlocks(comments, blocks);
    return page;
}

} // namespace torvane
