#pragma once
#include <string>
#include <string_view>

namespace torvane {

// What keeps a level text of an entry from being a well-formed HTML
// fragment, empty when nothing does: a "<" that starts no tag, a tag left
// open at the end, an end tag that closes no open element.
std::string markupProblem(std::string_view text);

} // namespace torvane
