#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// Markup is sought in a text's search copy: ASCII letters lowercased, every
// tab, CR and LF turned into a space. The copy has the text's length, so a
// position found in it is a position in the text. The functions below search
// the copy without making it.

// Byte-to-byte map of the search copy; a table keeps the search loops branch-free.
inline constexpr std::array<char, 256> searchBytes = [] {
    std::array<char, 256> map {};
    for (int c = 0; c < 256; ++c)
        map[c] = static_cast<char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        map[c] = static_cast<char>(c - 'A' + 'a');
    map['\t'] = map['\r'] = map['\n'] = ' ';
    return map;
}();

// The byte that stands for `c` in the search copy.
inline char searchByte(char c)
{
    return searchBytes[static_cast<unsigned char>(c)];
}

// Whether the search copy of `text` begins with `pattern`.
bool startsWithSearchCopy(std::string_view text, std::string_view pattern);

// The search copy itself, made byte by byte.
std::string makeSearchCopy(std::string_view text);

// What makeSearchCopy(text).find(pattern, from) gives.
std::size_t findInSearchCopy(std::string_view text, std::string_view pattern, std::size_t from = 0);

// Trims white space at both ends, then turns every CR and LF into a space.
std::string cleanUpText(std::string_view text);

} // namespace torvane
