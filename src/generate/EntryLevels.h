#pragma once
#include <string_view>
#include <vector>

namespace torvane {

// The levels of an entry text ("Fruit, Apples"): cut at unescaped commas and
// trimmed of spaces, still in escaped form. A display ending in a comma has no
// empty last level; an empty display has no level at all. Appends to `pieces`.
void appendLevelPieces(std::string_view display, std::vector<std::string_view>& pieces);

} // namespace torvane
