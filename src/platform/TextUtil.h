#pragma once

// Byte-string helpers shared by every module. Text is handled as bytes in
// the system's code page; case folding touches ASCII letters only, so the
// results never depend on the process locale and UTF-8 passes unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// 'A'..'Z' become 'a'..'z'; every other byte is returned unchanged.
char asciiLower(char c);
std::string asciiLower(std::string_view text);

bool isAsciiLetter(char c);
bool isAsciiDigit(char c);

// The two case-insensitive orders: bytes are lower-cased and a text that is
// a prefix of the other orders first; they differ only for bytes above
// ASCII. Each returns <0, 0 or >0.
// The project's order (folders, pages, targets, URLs, entries and
// cross-references, and so the project file's lines): bytes as signed
// values, so those above ASCII come first, as project files always had them.
int compareInProjectOrder(std::string_view a, std::string_view b);
// The index's order of lines whose keys are equal: bytes as unsigned values,
// the order the keys themselves are sorted in.
int compareInIndexOrder(std::string_view a, std::string_view b);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

// Resolves the stored (escaped) form of a field: a backslash is dropped and
// the byte after it kept literally; a lone trailing backslash is dropped.
std::string unescapeField(std::string_view text);

// Whether `text` is well-formed UTF-8 (text that is not is shown one
// character per byte, as a single-byte code page).
bool isUtf8(std::string_view text);

// Blank, tab, CR, LF, vertical tab and form feed.
bool isBlank(char c);
// Just past the ">" that closes a tag whose inside starts at `at`; npos when
// it does not close. A ">" inside a quoted attribute value does not end it.
std::size_t tagEnd(std::string_view text, std::size_t at);
std::string_view trimLeft(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trim(std::string_view text);

// The lines of a text whose lines end in LF or CR LF, without their ends; a
// last line without an end counts, a CR ending the text is dropped, and a
// lone CR elsewhere stays in its line.
std::vector<std::string_view> splitLines(std::string_view text);

// The value of the leading decimal number: optional leading blanks, an
// optional sign, then digits; no digits gives 0. Out-of-range values clamp.
int parseLeadingInt(std::string_view text);

} // namespace torvane
