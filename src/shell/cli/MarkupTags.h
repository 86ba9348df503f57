#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvane {

// One tag of an HTML file, as an index file's reader needs it.
struct MarkupTag {
    // Lower case, without the slash of a closing tag.
    std::string name;
    bool closing = false;
    // Names in lower case; values as written, quotes taken off.
    std::vector<std::pair<std::string, std::string>> attributes;
    // Where the tag begins and where the text after it does.
    std::size_t start = 0;
    std::size_t end = 0;

    // The value of the attribute, or nothing when the tag has none of that name.
    const std::string* attribute(std::string_view name) const;
};

// The next tag at or after `from` (comments and declarations passed over);
// false when there is none.
bool nextTag(std::string_view html, std::size_t from, MarkupTag& tag);

} // namespace torvane
