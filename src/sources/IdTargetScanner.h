#pragma once
#include "sources/PageScanner.h"

#include <string_view>
#include <vector>

namespace torvane {

// Every start tag of `text` (a page with its comments taken out) that has an
// id attribute, in page order, as name and text: the element's text up to
// its end tag with the markup taken out, white space runs as one space, cut
// at a word boundary near kIdTextLength bytes. Script and style contents hold
// no targets. Attribute values may be double-quoted, single-quoted or bare.
// A name may come twice; the caller keeps the first.
std::vector<Anchor> findIdTargets(std::string_view text);

inline constexpr std::size_t kIdTextLength = 80;

} // namespace torvane
