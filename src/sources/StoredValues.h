#pragma once
#include <string>
#include <string_view>

namespace torvane {

// How values stand inside a page's index comment block and meta tags.
//
// A stored value is already in escaped form (a backslash keeps the byte
// after it). Inside the block a value must neither end the comment nor open
// a new one, so the writer puts a backslash before the second "-" of every
// "<!--", "-->" and "--!>" (and, in XHTML pages, of every "--", which XML
// comments forbid). Readers that resolve escapes get the same text back; the
// block reader drops exactly these added backslashes: a backslash before a
// "-" that follows a "-".

// The block form of a value; `xml` also breaks up every "--".
std::string encodeBlockValue(std::string_view value, bool xml);
// The value a block form stands for.
std::string decodeBlockValue(std::string_view stored);

// Anchor names are page text and can hold anything but a double quote. A
// name that would escape its closing quote (a lone backslash at its end), or
// the name "#" that stands for the page itself, gets one trailing blank,
// which no trimmed anchor name has.
std::string encodeTargetName(std::string_view name, bool xml);
std::string decodeTargetName(std::string_view stored);

// A value read from a damaged or hand-edited block made storable with the
// same meaning: a double quote without its backslash gets one, and a lone
// backslash at the end (which means nothing) goes, unless `name` (a target
// name, whose trailing backslash encodeTargetName keeps).
std::string storableForm(std::string_view value, bool name = false);

// Keywords as an attribute value: "<" and ">" as character references, so
// that no keyword can end the tag or open another.
std::string keywordAttributeText(std::string_view keywords);

// Why a value cannot be held by the block and read back unchanged, or an
// empty text when it can: a line break or NUL byte, a double quote without
// its backslash, a lone backslash at the end, or a backslash before a "-"
// that follows a "-" (which reads back without the backslash).
std::string_view storedValueProblem(std::string_view value);

// The messages storedValueProblem gives.
inline constexpr std::string_view kValueHasLineBreak = "A field may not contain a line break or a NUL character.";
inline constexpr std::string_view kValueHasBareQuote =
    "To include a quotation mark (\"), precede it with a backslash, like this: \\\"";
inline constexpr std::string_view kValueEndsInBackslash =
    "A field may not end in a single backslash (\\); write two backslashes for one.";
inline constexpr std::string_view kValueHasDashEscape =
    "A field may not contain a backslash between two hyphens (-\\-).";

} // namespace torvane
