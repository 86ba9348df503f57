#pragma once
#include <string_view>

namespace torvane {

// Files are replaced through a temporary beside them named this prefix, the
// writing process's id and "-", then six letters or digits (mkstemp's
// pattern); older builds left out the id and its "-".
inline constexpr std::string_view kTemporaryPrefix = ".torvane-";
inline constexpr std::string_view kTemporaryPattern = "XXXXXX";

} // namespace torvane
