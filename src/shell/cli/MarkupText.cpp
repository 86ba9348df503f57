#include "shell/cli/MarkupText.h"
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace torvane {

namespace {

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 8> kNamed = {{{"amp", '&'},
                                                                               {"lt", '<'},
                                                                               {"gt", '>'},
                                                                               {"quot", '"'},
                                                                               {"apos", '\''},
                                                                               {"nbsp", 0xA0},
                                                                               {"ndash", 0x2013},
                                                                               {"mdash", 0x2014}}};

// Resolves the reference starting at `at` (an '&') onto `text`; false, with
// nothing consumed, when it is not one this knows.
bool resolveReference(std::string_view html, std::size_t& at, std::string& text)
{
    const std::size_t end = html.find(';', at);
    if (end == std::string_view::npos || end - at > 10)
        return false;
    const std::string_view name = html.substr(at + 1, end - at - 1);
    std::uint32_t code = 0;
    if (name.starts_with('#') && name.size() > 1) {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits(name.substr(hex ? 2 : 1));
        char* stop = nullptr;
        code = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), &stop, hex ? 16 : 10));
        if (digits.empty() || *stop != '\0' || code == 0 || code > 0x10FFFF)
            return false;
    } else {
        bool known = false;
        for (const auto& [entity, value] : kNamed)
            if (entity == name) {
                code = value;
                known = true;
            }
        if (!known)
            return false;
    }
    appendUtf8(text, code);
    at = end + 1;
    return true;
}

} // namespace

void appendUtf8(std::string& text, std::uint32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string attributeText(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    for (std::size_t at = 0; at < value.size();) {
        if (value[at] != '&' || !resolveReference(value, at, text))
            text += value[at++];
    }
    return text;
}

std::string plainTextOf(std::string_view html)
{
    std::string withoutTags;
    withoutTags.reserve(html.size());
    for (std::size_t at = 0; at < html.size(); ++at) {
        if (html[at] == '<') {
            const std::size_t close = html.find('>', at);
            if (close != std::string_view::npos) {
                at = close;
                continue;
            }
        }
        withoutTags += html[at];
    }
    return attributeText(withoutTags);
}

std::string storedLevel(std::string_view text, bool escapeCommas)
{
    std::string stored;
    stored.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '"' || (escapeCommas && c == ','))
            stored += '\\';
        stored += c;
    }
    return stored;
}

std::string unescapedPath(std::string_view path)
{
    std::string text;
    text.reserve(path.size());
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (path[at] == '%' && at + 2 < path.size() && std::isxdigit(static_cast<unsigned char>(path[at + 1])) &&
            std::isxdigit(static_cast<unsigned char>(path[at + 2]))) {
            text += static_cast<char>(std::strtoul(std::string(path.substr(at + 1, 2)).c_str(), nullptr, 16));
            at += 2;
        } else {
            text += path[at];
        }
    }
    return text;
}

} // namespace torvane
