#pragma once
#include <string_view>

namespace torvane {

// A URI reference as a link may hold it: no blanks, control characters or
// characters that must be percent-encoded (bytes above ASCII are let through,
// as in internationalised addresses), "%" followed by two hex digits, a
// well-formed scheme when there is one, and a host after "http:", "https:"
// and "ftp:".
bool isValidUrl(std::string_view url);

// A frame or window name a link may open in: not empty, no blanks, control
// characters, quotes or angle brackets, and a leading "_" only in the
// keywords "_blank", "_self", "_parent" and "_top".
bool isValidFrameName(std::string_view name);

} // namespace torvane
