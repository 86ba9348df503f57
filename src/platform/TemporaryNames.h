#pragma once
#include <string_view>

namespace torvane {

// Files are replaced through a temporary beside them named this prefix and
// six letters or digits (mkstemp's pattern).
inline constexpr std::string_view kTemporaryPrefix = ".torvane-";
inline constexpr std::string_view kTemporaryPattern = "XXXXXX";

} // namespace torvane
