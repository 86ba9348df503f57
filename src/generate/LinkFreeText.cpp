#include "generate/LinkFreeText.h"

#include "platform/TextUtil.h"

namespace torvane {

namespace {

// Length of the link tag starting at text[0] == '<', 0 when none starts there.
std::size_t linkTagLength(std::string_view text)
{
    std::size_t at = 1;
    if (at < text.size() && text[at] == '/')
        ++at;
    if (at >= text.size() || (text[at] != 'a' && text[at] != 'A'))
        return 0;
    ++at;
    if (at >= text.size())
        return 0;
    const char after = text[at];
    if (after != '>' && after != '/' && after != ' ' && after != '\t' && after != '\r' && after != '\n')
        return 0;
    const std::size_t end = tagEnd(text, at);
    return end == std::string_view::npos ? 0 : end;
}

} // namespace

std::string_view linkFreeText(std::string_view text, std::string& scratch)
{
    std::size_t from = text.find('<');
    while (from != std::string_view::npos && linkTagLength(text.substr(from)) == 0)
        from = text.find('<', from + 1);
    if (from == std::string_view::npos)
        return text;
    scratch.assign(text.substr(0, from));
    for (std::size_t at = from; at < text.size();) {
        const std::size_t length = text[at] == '<' ? linkTagLength(text.substr(at)) : 0;
        if (length) {
            at += length;
            continue;
        }
        scratch += text[at++];
    }
    return scratch;
}

} // namespace torvane
