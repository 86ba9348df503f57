#include "shell/cli/MarkupTags.h"
#include "platform/TextUtil.h"
#include <cctype>

namespace torvane {

namespace {

bool isNameEnd(char c)
{
    return isBlank(c) || c == '>' || c == '/' || c == '=';
}

} // namespace

const std::string* MarkupTag::attribute(std::string_view wanted) const
{
    for (const auto& [name, value] : attributes)
        if (name == wanted)
            return &value;
    return nullptr;
}

bool nextTag(std::string_view html, std::size_t from, MarkupTag& tag)
{
    for (std::size_t at = html.find('<', from); at != std::string_view::npos; at = html.find('<', at + 1)) {
        if (html.substr(at, 4) == "<!--") {
            const std::size_t close = html.find("-->", at + 4);
            if (close == std::string_view::npos)
                return false;
            at = close + 2;
            continue;
        }
        std::size_t cursor = at + 1;
        tag = MarkupTag {};
        tag.start = at;
        tag.closing = cursor < html.size() && html[cursor] == '/';
        cursor += tag.closing ? 1 : 0;
        const std::size_t nameStart = cursor;
        while (cursor < html.size() && !isNameEnd(html[cursor]))
            ++cursor;
        if (cursor == nameStart || !std::isalpha(static_cast<unsigned char>(html[nameStart])))
            continue;
        tag.name = asciiLower(html.substr(nameStart, cursor - nameStart));
        while (cursor < html.size() && html[cursor] != '>') {
            if (isBlank(html[cursor]) || html[cursor] == '/') {
                ++cursor;
                continue;
            }
            const std::size_t attributeStart = cursor;
            while (cursor < html.size() && !isNameEnd(html[cursor]))
                ++cursor;
            std::string name = asciiLower(html.substr(attributeStart, cursor - attributeStart));
            std::string value;
            while (cursor < html.size() && isBlank(html[cursor]))
                ++cursor;
            if (cursor < html.size() && html[cursor] == '=') {
                ++cursor;
                while (cursor < html.size() && isBlank(html[cursor]))
                    ++cursor;
                if (cursor < html.size() && (html[cursor] == '"' || html[cursor] == '\'')) {
                    const char quote = html[cursor];
                    const std::size_t close = html.find(quote, cursor + 1);
                    const std::size_t valueEnd = close == std::string_view::npos ? html.size() : close;
                    value = std::string(html.substr(cursor + 1, valueEnd - cursor - 1));
                    cursor = valueEnd + 1;
                } else {
                    const std::size_t valueStart = cursor;
                    while (cursor < html.size() && !isBlank(html[cursor]) && html[cursor] != '>')
                        ++cursor;
                    value = std::string(html.substr(valueStart, cursor - valueStart));
                }
            }
            if (name.empty())
                ++cursor;
            else
                tag.attributes.emplace_back(std::move(name), std::move(value));
        }
        tag.end = cursor < html.size() ? cursor + 1 : html.size();
        return true;
    }
    return false;
}

} // namespace torvane
