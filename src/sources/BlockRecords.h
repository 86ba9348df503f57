#pragma once
#include "model/BlockDamage.h"
#include "sources/PairReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Reading the index comment block back into records.
//
// The result is a flat list of (key, value) pairs: ("Target", name) opens a
// target, and every record after it is exactly seven pairs, always in the
// order IndexAs, HelpAs, HelpTitle, SortAs, IndexTarget, HelpWindow,
// HelpFrame. A record with an empty IndexAs stands for an excluded target;
// HelpAs defaults to IndexAs and HelpTitle to "Untitled". Values keep their
// backslash escapes.

// The markers, as sought in a search copy (any letter case; a tab or line
// end counts as a blank).
inline constexpr std::string_view blockStartMarker = "<!-- html torvane";
inline constexpr std::string_view blockEndMarker = "html torvane -->";

// Where one block lies in a page's comment text: its content runs from the
// start marker up to its end marker, the whole block through the end marker.
// A block that lost its end marker ends with its last record line, or
// without records where its comment ends or the next block starts.
struct BlockPlace {
    std::size_t start = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
    bool hasEndMarker = false;
    // False for a block that lost its end marker inside another comment, or
    // without records and not the whole of a closed comment, and for one
    // inside another comment whose markers do not pair up: replacing it would
    // take or move the closing of a comment the user opened, or take the
    // user's text.
    bool replaceable = true;
    std::string_view content(std::string_view commentText) const
    {
        return commentText.substr(start, contentEnd - start);
    }
};

// Every block of a page's comment text, in order. `commentEnds` gives where
// each comment ends in that text (ascending); without it the whole text
// counts as one comment.
std::vector<BlockPlace> findBlocks(std::string_view commentText, const std::vector<std::size_t>& commentEnds = {});

// What is wrong with the blocks of a page's comment text: several blocks, one
// left in place, a missing end marker, markers in other letter case, a
// comment marker inside a value.
BlockDamage findBlockDamage(std::string_view commentText, const std::vector<std::size_t>& commentEnds = {});
// The same for the blocks findBlocks gave.
BlockDamage damageOfBlocks(std::string_view commentText, const std::vector<BlockPlace>& blocks);
// The damage as told when the page is read, the worst first; an empty text
// when nothing is wrong.
std::string describeBlockDamage(const BlockDamage& damage);

// Reads every block of a page's comment text, in order, as one: a page that
// was given a second block keeps the entries of both. A block that is not
// replaceable is left unread: a save leaves it in place, and its records
// would otherwise come back over every later change. A block without
// `Target="` in it gives nothing. Unknown keys are skipped, and an entry line
// with an empty IndexAs yields no record of its own. Target names are given
// as stored, line breaks included.
NameValueList readBlockRecords(std::string_view commentText, const std::vector<std::size_t>& commentEnds = {});
// The same for the blocks findBlocks gave.
NameValueList recordsOfBlocks(std::string_view commentText, const std::vector<BlockPlace>& places);

} // namespace torvane
