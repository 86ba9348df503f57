#include "generate/XhtmlText.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <array>
#include <utility>

namespace torvane {

namespace {

// The Latin-1 references, in code point order from U+00A0.
constexpr std::array<std::string_view, 96> kLatinOneNames = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

// Typography and a few signs that index texts use beyond Latin-1.
constexpr std::array<std::pair<std::string_view, char32_t>, 32> kOtherNames = {{
    {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},  {"scaron", 0x161},  {"Yuml", 0x178},
    {"fnof", 0x192},    {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009}, {"ndash", 0x2013},
    {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"ldquo", 0x201C},
    {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},
    {"hellip", 0x2026}, {"permil", 0x2030}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},
    {"trade", 0x2122},  {"larr", 0x2190},   {"rarr", 0x2192},   {"minus", 0x2212},  {"ne", 0x2260},
    {"le", 0x2264},     {"ge", 0x2265},
}};

// Windows-1252 at 0x80..0x9F; 0 where it defines nothing.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c < 0xFFFE) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of one UTF-8 sequence at `at`, moving past it; a byte that
// starts no valid sequence is read as Windows-1252.
char32_t nextCharacter(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        valid = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    if (valid && c >= kLeast[length]) {
        at += length;
        return c;
    }
    ++at;
    return lead >= 0x80 && lead < 0xA0 ? kWindows1252[lead - 0x80] : lead;
}

// The character a reference's body (between "&" and ";") stands for; 0 when unknown.
char32_t referencedCharacter(std::string_view body)
{
    if (body.size() > 1 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7)
            return 0;
        char32_t c = 0;
        for (char d : digits) {
            const char lower = static_cast<char>(d | 0x20);
            const int value = isAsciiDigit(d) ? d - '0' : hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
            if (value < 0)
                return 0;
            c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        return c;
    }
    const auto latin = std::find(kLatinOneNames.begin(), kLatinOneNames.end(), body);
    if (latin != kLatinOneNames.end())
        return static_cast<char32_t>(0xA0 + (latin - kLatinOneNames.begin()));
    for (const auto& [name, c] : kOtherNames)
        if (name == body)
            return c;
    return 0;
}

void appendCharacter(std::string& out, char32_t c)
{
    if (!allowedInXml(c))
        return;
    switch (c) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        out += "&quot;";
        return;
    default:
        appendUtf8(out, c);
    }
}

} // namespace

std::string xhtmlText(std::string_view html)
{
    std::string out;
    out.reserve(html.size());
    for (std::size_t at = 0; at < html.size();) {
        const char c = html[at];
        if (c == '<') {
            const std::size_t close = html.find('>', at);
            const bool isTag = close != std::string_view::npos && at + 1 < html.size() &&
                               (isAsciiLetter(html[at + 1]) || html[at + 1] == '/' || html[at + 1] == '!');
            if (isTag) {
                at = close + 1;
                continue;
            }
        } else if (c == '&') {
            const std::size_t semicolon = html.find(';', at);
            if (semicolon != std::string_view::npos && semicolon - at <= 10) {
                const std::string_view body = html.substr(at + 1, semicolon - at - 1);
                if (body == "amp" || body == "lt" || body == "gt" || body == "quot" || body == "apos") {
                    out += html.substr(at, semicolon - at + 1);
                    at = semicolon + 1;
                    continue;
                }
                if (const char32_t referenced = referencedCharacter(body); referenced != 0) {
                    appendCharacter(out, referenced);
                    at = semicolon + 1;
                    continue;
                }
            }
        }
        appendCharacter(out, nextCharacter(html, at));
    }
    return out;
}

} // namespace torvane
