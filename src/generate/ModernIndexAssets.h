#pragma once
#include <string_view>

namespace torvane {

// The modern index page's own style sheet and filter script, written inline
// so that the page works alone, opened from disk or from a help system.
std::string_view modernIndexStyle();
std::string_view modernIndexScript();

} // namespace torvane
