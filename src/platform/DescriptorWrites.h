#pragma once
#include <string_view>

namespace torvane {

// Writes all of `text` at the descriptor's position, going on after
// interruptions and short writes; false with errno set when a write fails
// (ENOSPC when one writes nothing).
bool writeAll(int fd, std::string_view text);

} // namespace torvane
