#pragma once
#include <string>
#include <string_view>

namespace torvane {

// An entry text (HTML as the user typed it) as XHTML character data: tags
// are left out, since HTML element names and unclosed tags would break an
// XML reader; named references HTML knows become numeric ones, an unknown
// one is shown as typed; bytes that are not UTF-8 are read as Windows-1252,
// the usual charset of older pages; characters XML forbids are dropped.
std::string xhtmlText(std::string_view html);

} // namespace torvane
