#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Of `candidates`, the one fewest single-character edits away from `wanted`
// (the first of equals); empty when there are none.
std::string nearestName(std::string_view wanted, const std::vector<std::string>& candidates);

} // namespace torvane
