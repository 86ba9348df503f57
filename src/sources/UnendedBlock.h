#pragma once
#include <cstddef>
#include <string_view>

namespace torvane {

// Where an index block that lost its end marker ends, read by its own
// records: the block starting at `start` (its marker line) runs through the
// last of the record lines that follow it, each a list of known keys with
// quoted values, as the writer puts them. When only blanks and line ends
// separate that line from a "-->", the block's comment closes there and the
// block takes it in. npos when no record line follows the marker line, or
// when that line opens or closes a comment of its own: such a block is left
// to the comment rules. A value may hold "<!--" or "-->" (older writers left them
// bare), so the comment markers say nothing about where such a block ends.
std::size_t unendedBlockEnd(std::string_view text, std::size_t start);

} // namespace torvane
