#include "sources/ParsePairs.h"

namespace torvane {

namespace {

char lineEndAsSpace(char c) { return (c == '\r' || c == '\n') ? ' ' : c; }

void assignWithLineEndsAsSpaces(std::string& target, std::string_view text)
{
    target.assign(text);
    for (char& c : target)
        c = lineEndAsSpace(c);
}

bool isPairSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

} // namespace

bool PairReader::next(NameValue& pair)
{
    const std::string_view text = text_;
    const std::size_t n = text.size();
    std::size_t i = pos_;
    while (i < n && isPairSeparator(lineEndAsSpace(text[i])))
        ++i;
    pos_ = n;
    if (i >= n)
        return false;
    const std::size_t equals = text.find('=', i);
    if (equals == std::string_view::npos)
        return false;
    std::size_t start = equals + 1;
    char delimiter = ' ';
    if (start < n && text[start] == '"') {
        delimiter = '"';
        ++start;
    }
    for (std::size_t end = start; end < n;) {
        const char c = lineEndAsSpace(text[end]);
        if (c == '\\') {
            end += 2;
        } else if (c == delimiter) {
            assignWithLineEndsAsSpaces(pair.first, text.substr(i, equals - i));
            assignWithLineEndsAsSpaces(pair.second, text.substr(start, end - start));
            pos_ = end + 1;
            return true;
        } else {
            ++end;
        }
    }
    return false;
}

NameValueList parsePairs(std::string_view text)
{
    NameValueList pairs;
    PairReader reader(text);
    NameValue pair;
    while (reader.next(pair))
        pairs.push_back(pair);
    return pairs;
}

} // namespace torvane
