#pragma once
#include <string>
#include <string_view>

namespace torvane {

// True when `start` (the first bytes of a file) is one that HTML Torvane
// wrote as an index output: an HTML index, content, group or navigation
// page, a frame set, an HTML Help index, a JavaHelp index or map. An empty
// file holds nothing to lose and counts as well.
bool looksLikeOwnOutput(std::string_view start);

// Said after an output's failure message when the file is someone else's.
inline constexpr std::string_view kNotOwnOutputReason =
    "\n\nThe file is not an index file written by HTML Torvane, so Make Index leaves it as it is.";

// Whether Make Index may write over or remove the file at `path`: it is no
// regular file (writing there fails on its own), or it is one of HTML
// Torvane's own outputs.
bool mayReplaceOutput(const std::string& path);

} // namespace torvane
