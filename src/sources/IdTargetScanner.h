#pragma once
#include "sources/PageScanner.h"
#include "sources/PageSegments.h"

#include <string_view>
#include <vector>

namespace torvane {

// Every start tag of `text` (a page with its comments taken out) that has an
// id attribute, in page order, as name and text: the element's text up to
// its end tag with the markup taken out, white space runs as one space, cut
// at a word boundary near kIdTextLength bytes. Script and style contents hold
// no targets. Attribute values may be double-quoted, single-quoted or bare.
// The attribute is found written "id" or "ID". A name may come twice; the
// caller keeps the first.
std::vector<Anchor> findIdTargets(std::string_view text);
// The same, given the script and style elements of `text` (start tag to end
// tag, in order) as cutSegments finds them.
std::vector<Anchor> findIdTargets(std::string_view text, const std::vector<Segment>& rawTextElements);

inline constexpr std::size_t kIdTextLength = 80;

} // namespace torvane
