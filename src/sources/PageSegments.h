#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One piece of a page: [offset, offset + length) of its whole text.
struct Segment {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// Cuts a page into alternating pieces: even indexes hold text outside
// comments (possibly empty, so that kinds alternate), odd indexes one whole
// comment each, either an HTML comment (which nests: every "<!--" inside needs
// its own "-->") or a comment element. Unterminated comments run to the end.
// Three kinds of comment are read as a browser reads them: the index block
// ends at its own end marker (unless another block starts first; one that
// lost it ends with its last record line, UnendedBlock.h), a
// conditional comment ("<!--[if" or "<!--<![endif]") at its first "-->", and
// no comment starts inside a script or style element.
// Markup is matched as in the page's search copy. Linear in the page's length.
// `rawTextContents`, when given, receives each script and style element from
// its start tag up to its end tag, in order. `anchorStarts`, when given,
// receives every '<' outside comments (script and style contents included)
// that an 'a' or 'A' follows, in order: the places where "<a" may start.
std::vector<Segment> cutSegments(std::string_view text, std::vector<Segment>* rawTextContents = nullptr,
                                 std::vector<std::size_t>* anchorStarts = nullptr);

// Where each comment ends in the comment text (the odd segments joined).
std::vector<std::size_t> commentEnds(const std::vector<Segment>& segments);

// Segments of one kind (0 = outside comments, 1 = comments) joined in order.
std::string joinSegments(std::string_view text, const std::vector<Segment>& segments, std::size_t kind);

} // namespace torvane
