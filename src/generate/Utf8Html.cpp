#include "generate/Utf8Html.h"

namespace torvane {

namespace {

// Decodes one UTF-8 sequence at `at`; 0 when the bytes are not UTF-8.
char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next >> 6) != 2)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(length);
    return c;
}

} // namespace

std::string asciiHtml(std::string_view label)
{
    std::string text;
    for (std::size_t at = 0; at < label.size();) {
        const char32_t c = nextCodePoint(label, at);
        if (c == 0)
            break;
        if (c < 0x80)
            text += static_cast<char>(c);
        else
            text += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
    }
    return text;
}

} // namespace torvane
