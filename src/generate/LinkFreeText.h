#pragma once
#include <string>
#include <string_view>

namespace torvane {

// An entry text placed inside an index link, with its own "<a ...>" and
// "</a>" tags left out (a link in a link is never valid HTML, and browsers
// break the outer one apart); every other tag stays. Returns `text` itself
// when it holds no such tag, otherwise the text kept in `scratch`.
std::string_view linkFreeText(std::string_view text, std::string& scratch);

} // namespace torvane
