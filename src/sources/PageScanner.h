#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// A named anchor of a page: the value of its name (or id) attribute and the
// text up to its "</a>", cleaned up.
struct Anchor {
    std::string name;
    std::string text;
    bool operator==(const Anchor&) const = default;
};

// Finders over a page with its comments taken out. They look for plain
// substrings in the text's search copy, not HTML structure, and never fail:
// missing markup gives an empty or partial result. Each runs in one forward
// pass.

// Text of the earliest h1..h6 element up to an end tag of the same level,
// inner markup kept, cleaned up (trimmed, line ends as spaces).
std::string findFirstHeading(std::string_view text);

// Text of the title element, cleaned up like the heading.
std::string findTitle(std::string_view text);

// Every `a` start tag with a double-quoted name= (or else id=) attribute and
// a later "</a>", in page order.
std::vector<Anchor> findAnchors(std::string_view text);
// The same, given every place where "<a" starts in the search copy, in
// order.
std::vector<Anchor> findAnchors(std::string_view text, const std::vector<std::size_t>& starts);

} // namespace torvane
