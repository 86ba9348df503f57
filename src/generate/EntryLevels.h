#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The levels of an entry text ("Fruit, Apples"): cut at unescaped commas, each
// piece trimmed of spaces, then its escapes resolved. A display ending in a
// comma has no empty last level; an empty display has no level at all.
std::vector<std::string> splitLevels(std::string_view display);

} // namespace torvane
