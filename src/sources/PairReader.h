#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvane {

// One (name, value) pair; lists of them keep the order of the text.
using NameValue = std::pair<std::string, std::string>;
using NameValueList = std::vector<NameValue>;

// Splits stored field lists such as
//   IndexAs="Apples",SortAs="apples \"red\"" URL=plain
// into (name, value) pairs, shared by the project file reader and the
// comment-block reader.
// - CR and LF count as spaces; spaces, tabs and commas separate pairs.
// - The name is every byte up to the next "=".
// - A value opening with a double quote ends at the next unescaped double
//   quote; any other value ends at the next unescaped space.
// - A backslash escapes the byte after it; backslashes stay in the value.
// - A pair whose value is still open at the end of the text is dropped,
//   and so is a trailing name without "=".
NameValueList parsePairs(std::string_view text);

// Sets `target` to `text` with every CR and LF turned into a space.
void assignWithLineEndsAsSpaces(std::string& target, std::string_view text);

// The same pairs, one at a time, as they stand in the text: the caller turns
// their line ends into spaces (assignWithLineEndsAsSpaces).
class PairReader {
public:
    explicit PairReader(std::string_view text)
        : text_(text)
    {
    }

    // Sets `name` and `value` to the next pair; false when none is left.
    bool next(std::string_view& name, std::string_view& value);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace torvane
