#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// The plain text of HTML: tags dropped, character references resolved
// (the named ones an index uses, and numeric ones as UTF-8).
std::string plainTextOf(std::string_view html);

// An attribute value as written in a page with its character references resolved.
std::string attributeText(std::string_view value);

// A level of an entry in the stored form of the entry fields: a backslash
// before each backslash and quotation mark, and before each comma with
// `escapeCommas` (without, the commas split levels).
std::string storedLevel(std::string_view text, bool escapeCommas);

// `code` as UTF-8.
void appendUtf8(std::string& text, std::uint32_t code);

// A link's path with its %XX escapes resolved.
std::string unescapedPath(std::string_view path);

} // namespace torvane
