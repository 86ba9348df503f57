#include "document/EntryMarkup.h"
#include "platform/TextUtil.h"
#include <array>
#include <vector>

namespace torvane {

namespace {

// Elements that never hold anything and have no end tag.
bool isVoidElement(std::string_view name)
{
    static constexpr std::array<std::string_view, 14> kVoid = {
        "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source", "track", "wbr"};
    for (std::string_view known : kVoid)
        if (name == known)
            return true;
    return false;
}

bool isNameChar(char c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '-' || c == ':';
}

} // namespace

std::string markupProblem(std::string_view text)
{
    std::vector<std::string> open;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
        if (text.substr(at, 4) == "<!--") {
            const std::size_t close = text.find("-->", at + 4);
            if (close == std::string_view::npos)
                return "a comment is not closed";
            at = close + 3;
            continue;
        }
        const bool endTag = at + 1 < text.size() && text[at + 1] == '/';
        std::size_t nameEnd = at + (endTag ? 2 : 1);
        if (nameEnd >= text.size() || !isAsciiLetter(text[nameEnd]))
            return "\"<\" starts no tag (write it as &lt;)";
        const std::size_t nameStart = nameEnd;
        while (nameEnd < text.size() && isNameChar(text[nameEnd]))
            ++nameEnd;
        const std::string name = asciiLower(text.substr(nameStart, nameEnd - nameStart));
        const std::size_t end = tagEnd(text, nameEnd);
        if (end == std::string_view::npos)
            return "the tag <" + name + " is not closed by \">\"";
        if (endTag) {
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes no open <" + name + ">";
            open.pop_back();
        } else if (!isVoidElement(name) && text[end - 2] != '/') {
            open.push_back(name);
        }
        at = end;
    }
    if (!open.empty())
        return "<" + open.back() + "> is not closed";
    return {};
}

} // namespace torvane
