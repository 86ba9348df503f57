#include "platform/TextRules.h"
#include <climits>
#include <cstdint>

namespace torvane {

namespace {
char asciiLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiLowerChar(a[i]) != asciiLowerChar(b[i]))
            return false;
    }
    return true;
}

std::string toAsciiLower(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = asciiLowerChar(c);
    return lowered;
}

std::string_view trimTrailingSpace(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && isAsciiSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string_view trimSpace(std::string_view text)
{
    size_t begin = 0;
    while (begin < text.size() && isAsciiSpace(text[begin]))
        ++begin;
    return trimTrailingSpace(text.substr(begin));
}

int parseLeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            value = limit;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace torvane
