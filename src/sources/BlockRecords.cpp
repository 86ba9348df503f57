#include "sources/BlockRecords.h"

#include "sources/SearchText.h"
#include "sources/UnendedBlock.h"

#include <algorithm>
#include <array>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Field order of a stored entry line; the pending values are kept in it.
constexpr std::array<std::string_view, 7> storedFields {"IndexAs",     "SortAs",     "HelpAs",   "HelpTitle",
                                                        "IndexTarget", "HelpWindow", "HelpFrame"};
enum StoredField { IndexAs, SortAs, HelpAs, HelpTitle, IndexTarget, HelpWindow, HelpFrame };

// Order in which an emitted record lists its fields.
constexpr std::array<StoredField, 7> recordOrder {IndexAs,     HelpAs,     HelpTitle, SortAs,
                                                  IndexTarget, HelpWindow, HelpFrame};

class RecordGrouper {
public:
    explicit RecordGrouper(NameValueList& out)
        : out_(out)
    {
    }

    // Takes one pair as it stands in the block; unknown keys are skipped.
    // Line ends in a key would have become spaces, which no known key holds,
    // so keys are compared as they stand.
    void take(std::string_view key, std::string_view value)
    {
        if (key == "Target" || key == "IndexAs")
            flush();
        if (key == "Target") {
            // Anchor names may hold line breaks; they are kept so that the name matches.
            out_.emplace_back("Target", std::string(value));
            targetJustOpened_ = true;
            return;
        }
        for (std::size_t i = 0; i < storedFields.size(); ++i) {
            if (key == storedFields[i]) {
                assignWithLineEndsAsSpaces(pending_[i], value);
                return;
            }
        }
    }

    // Emits the pending record; an entry line with an empty IndexAs yields none.
    void flush()
    {
        if (pending_[IndexAs].empty() && !targetJustOpened_)
            return;
        if (pending_[HelpAs].empty())
            pending_[HelpAs] = pending_[IndexAs];
        if (pending_[HelpTitle].empty())
            pending_[HelpTitle] = "Untitled";
        for (StoredField field : recordOrder) {
            out_.emplace_back(std::string(storedFields[field]), std::move(pending_[field]));
            pending_[field].clear();
        }
        targetJustOpened_ = false;
    }

private:
    NameValueList& out_;
    std::array<std::string, 7> pending_;
    bool targetJustOpened_ = false;
};

// How much deeper a comment nests after `text` than before it, with every
// "<!--" and "-->" counted in turn as the page's comments are read.
long nestingChange(std::string_view text)
{
    long change = 0;
    std::size_t opening = text.find("<!--");
    std::size_t closing = text.find("-->");
    while (opening != npos || closing != npos) {
        std::size_t at = 0;
        if (closing < opening) {
            --change;
            at = closing + 3;
        } else {
            ++change;
            at = opening + 4;
        }
        if (opening != npos && opening < at)
            opening = text.find("<!--", at);
        if (closing != npos && closing < at)
            closing = text.find("-->", at);
    }
    return change;
}

// A comment that a block without its end marker opens and the user's own
// "-->" closes reads differently once that block is one whole block: the
// comment would end early and show the rest of it as page text. Its blocks
// are replaced only when they run through the comment's end, every one
// replaceable; otherwise they are all left as they are.
void keepCommentTailsHidden(std::vector<BlockPlace>& blocks, const std::vector<std::size_t>& commentOfBlock,
                            std::string_view commentText)
{
    for (std::size_t first = 0; first < blocks.size();) {
        std::size_t last = first;
        bool allReplaceable = blocks[first].replaceable;
        while (last + 1 < blocks.size() && commentOfBlock[last + 1] == commentOfBlock[first])
            allReplaceable = blocks[++last].replaceable && allReplaceable;
        const std::size_t commentEnd = commentOfBlock[first];
        const bool closedByUser = commentText.substr(0, commentEnd).ends_with("-->");
        const bool wholeComment = allReplaceable && blocks[last].end == commentEnd;
        if (!blocks[first].hasEndMarker && closedByUser && !wholeComment)
            for (std::size_t i = first; i <= last; ++i)
                blocks[i].replaceable = false;
        first = last + 1;
    }
}

} // namespace

std::vector<BlockPlace> findBlocks(std::string_view commentText, const std::vector<std::size_t>& commentEnds)
{
    std::vector<BlockPlace> blocks;
    std::vector<std::size_t> commentOfBlock; // where each block's comment ends
    std::size_t start = findInSearchCopy(commentText, blockStartMarker);
    std::size_t endMarker = npos;
    bool endKnown = false;
    while (start != npos) {
        if (!endKnown || (endMarker != npos && endMarker < start)) {
            endMarker = findInSearchCopy(commentText, blockEndMarker, start);
            endKnown = true;
        }
        const auto segment = std::upper_bound(commentEnds.begin(), commentEnds.end(), start);
        const std::size_t segmentEnd = segment == commentEnds.end() ? commentText.size() : *segment;
        const std::size_t segmentStart = segment == commentEnds.begin() ? 0 : *(segment - 1);
        const std::size_t next = findInSearchCopy(commentText, blockStartMarker, start + 1);
        commentOfBlock.push_back(segmentEnd);
        if (endMarker != npos && endMarker < next && endMarker + blockEndMarker.size() <= segmentEnd) {
            const std::size_t end = endMarker + blockEndMarker.size();
            // Inside another comment, a new block (which holds no markers) in
            // place of one whose markers do not pair up would move that
            // comment's end, and so would one whose end marker ends a
            // conditional comment (which ends at its first "-->").
            const std::string_view opening = commentText.substr(segmentStart, start - segmentStart);
            const bool endsConditional = end == segmentEnd && (startsWithSearchCopy(opening, "<!--[if") ||
                                                               startsWithSearchCopy(opening, "<!--<![endif]"));
            const bool pairedUp = start == segmentStart ||
                                  (nestingChange(commentText.substr(start, end - start)) == 0 && !endsConditional);
            blocks.push_back({start, endMarker, end, true, pairedUp});
            start = findInSearchCopy(commentText, blockStartMarker, endMarker + blockEndMarker.size());
        } else {
            // A block that lost its end marker is read by its own records: it
            // ends with its last record line, and the text after it, which a
            // browser may well show, stays the user's. Without records it can
            // only be replaced as the whole of its own closed comment: otherwise
            // the new block would take the closing of a comment that the user
            // opened, or the user's text up to the next block. Inside another
            // comment it is left alone.
            // Its records are read as the page's cut read them: the last one
            // ends its line, the next block's marker does not cut it short.
            const std::size_t stop = std::min(next, segmentEnd);
            const std::string_view upToStop = commentText.substr(0, stop);
            const bool ownComment = start == segmentStart;
            std::size_t recordsEnd = unendedBlockEnd(upToStop, start);
            if (recordsEnd != npos && !upToStop.substr(0, recordsEnd).ends_with("-->")) {
                std::size_t after = recordsEnd;
                while (after < segmentEnd && (commentText[after] == ' ' || commentText[after] == '\t'))
                    ++after;
                const std::string_view rest = commentText.substr(after, segmentEnd - after);
                if (!rest.empty() && rest[0] != '\r' && rest[0] != '\n' && !rest.starts_with("-->"))
                    recordsEnd = npos;
            }
            if (recordsEnd != npos) {
                blocks.push_back({start, recordsEnd, recordsEnd, false, ownComment});
            } else {
                const bool wholeComment = stop == segmentEnd && upToStop.ends_with("-->");
                blocks.push_back({start, stop, stop, false, ownComment && wholeComment});
            }
            start = next;
        }
    }
    keepCommentTailsHidden(blocks, commentOfBlock, commentText);
    return blocks;
}

BlockDamage findBlockDamage(std::string_view commentText, const std::vector<std::size_t>& commentEnds)
{
    return damageOfBlocks(commentText, findBlocks(commentText, commentEnds));
}

BlockDamage damageOfBlocks(std::string_view commentText, const std::vector<BlockPlace>& blocks)
{
    BlockDamage damage;
    damage.blocks = blocks.size();
    damage.leftInPlace =
        std::any_of(blocks.begin(), blocks.end(), [](const BlockPlace& place) { return !place.replaceable; });
    if (blocks.size() != 1)
        return damage;
    const BlockPlace& place = blocks.front();
    const std::string_view block = place.content(commentText);
    damage.noEndMarker = !place.hasEndMarker;
    if (damage.noEndMarker)
        return damage;
    damage.otherLetterCase = !block.starts_with("<!-- HTML Torvane") ||
                             commentText.substr(place.contentEnd, blockEndMarker.size()) != "HTML Torvane -->";
    damage.markerInValue = findInSearchCopy(block.substr(4), "<!--") != npos || findInSearchCopy(block, "-->") != npos;
    return damage;
}

std::string describeBlockDamage(const BlockDamage& damage)
{
    if (damage.leftInPlace)
        return "An index comment block inside another comment cannot be replaced without moving that "
               "comment's end; it is left as it is and its entries are not read.";
    if (damage.blocks > 1)
        return "The page holds " + std::to_string(damage.blocks) +
               " index comment blocks; their entries are read together.";
    if (damage.noEndMarker)
        return "The index comment block has no end marker.";
    if (damage.otherLetterCase)
        return "The markers of the index comment block are not in their usual letter case.";
    if (damage.markerInValue)
        return "A value in the index comment block holds a comment marker.";
    return {};
}

NameValueList readBlockRecords(std::string_view commentText, const std::vector<std::size_t>& commentEnds)
{
    return recordsOfBlocks(commentText, findBlocks(commentText, commentEnds));
}

NameValueList recordsOfBlocks(std::string_view commentText, const std::vector<BlockPlace>& places)
{
    std::size_t size = 0;
    for (const BlockPlace& place : places)
        size += place.contentEnd - place.start;
    NameValueList records;
    // A stored target with one entry line takes about 130 bytes and gives 15
    // pairs; room for them up front saves moving every pair as the list grows.
    records.reserve(size / 8);
    RecordGrouper grouper(records);
    for (const BlockPlace& place : places) {
        // A block that can never be replaced would undo every later save.
        if (!place.replaceable)
            continue;
        const std::string_view block = place.content(commentText);
        const std::size_t firstTarget = block.find("Target=\"");
        if (firstTarget == std::string_view::npos)
            continue;
        PairReader reader(block.substr(firstTarget));
        std::string_view key;
        std::string_view value;
        while (reader.next(key, value))
            grouper.take(key, value);
    }
    grouper.flush();
    return records;
}

} // namespace torvane
