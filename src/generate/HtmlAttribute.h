#pragma once
#include <string>
#include <string_view>

namespace torvane {

// A value between double quotes of an HTML attribute: a browser reads "&"
// followed by a name such as "not" or "copy" as a character, so every "&"
// is written as a reference.
inline void appendAttributeValue(std::string& out, std::string_view value)
{
    for (std::size_t at = 0;;) {
        const std::size_t amp = value.find('&', at);
        out.append(value.substr(at, amp - at));
        if (amp == std::string_view::npos)
            return;
        out += "&amp;";
        at = amp + 1;
    }
}

} // namespace torvane
