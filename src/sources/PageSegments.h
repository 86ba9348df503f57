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
// Markup is matched as in the page's search copy. Linear in the page's length.
std::vector<Segment> cutSegments(std::string_view text);

// Segments of one kind (0 = outside comments, 1 = comments) joined in order.
std::string joinSegments(std::string_view text, const std::vector<Segment>& segments, std::size_t kind);

} // namespace torvane
