#include "sources/ParsePairs.h"

namespace torvane {

namespace {

char lineEndAsSpace(char c) { return (c == '\r' || c == '\n') ? ' ' : c; }

std::string copyWithLineEndsAsSpaces(std::string_view text)
{
    std::string copy(text);
    for (char& c : copy)
        c = lineEndAsSpace(c);
    return copy;
}

bool isPairSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

} // namespace

NameValueList parsePairs(std::string_view text)
{
    NameValueList pairs;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (true) {
        while (i < n && isPairSeparator(lineEndAsSpace(text[i])))
            ++i;
        if (i >= n)
            break;
        const std::size_t equals = text.find('=', i);
        if (equals == std::string_view::npos)
            break;
        std::size_t start = equals + 1;
        char delimiter = ' ';
        if (start < n && text[start] == '"') {
            delimiter = '"';
            ++start;
        }
        std::size_t end = start;
        bool closed = false;
        while (end < n) {
            const char c = lineEndAsSpace(text[end]);
            if (c == '\\') {
                end += 2;
                continue;
            }
            if (c == delimiter) {
                closed = true;
                break;
            }
            ++end;
        }
        if (!closed)
            break;
        pairs.emplace_back(copyWithLineEndsAsSpaces(text.substr(i, equals - i)),
                           copyWithLineEndsAsSpaces(text.substr(start, end - start)));
        i = end + 1;
    }
    return pairs;
}

} // namespace torvane
