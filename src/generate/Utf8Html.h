#pragma once
#include <string>
#include <string_view>

namespace torvane {

// UTF-8 text as HTML that reads right in any encoding of the page: every
// character beyond ASCII as a character reference. Text that is not UTF-8
// stops at the first byte that is not.
std::string asciiHtml(std::string_view text);

} // namespace torvane
