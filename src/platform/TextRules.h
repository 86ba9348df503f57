#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Text rules shared by the profile, the options and the style sections:
// locale-independent, ASCII-only case folding; other bytes pass through.

bool isAsciiSpace(char c);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
std::string toAsciiLower(std::string_view text);
std::string_view trimSpace(std::string_view text);
std::string_view trimTrailingSpace(std::string_view text);

// The value of the leading decimal number: optional leading blanks, an
// optional sign, then digits; no digits gives 0. Out-of-range values clamp.
int parseLeadingInt(std::string_view text);

} // namespace torvane
