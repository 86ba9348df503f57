#pragma once
#include <string_view>

namespace torvane {

inline constexpr const char* kProjectFileFilter = "Project Files (*.IPJ)";

// True for a name ending in ".ipj" in any letter case.
bool isProjectFileName(std::string_view path);

} // namespace torvane
