#include "sources/PairReader.h"

namespace torvane {

namespace {

char lineEndAsSpace(char c)
{
    return (c == '\r' || c == '\n') ? ' ' : c;
}

bool isPairSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',';
}

} // namespace

void assignWithLineEndsAsSpaces(std::string& target, std::string_view text)
{
    target.assign(text);
    for (char& c : target)
        c = lineEndAsSpace(c);
}

bool PairReader::next(std::string_view& name, std::string_view& value)
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
            name = text.substr(i, equals - i);
            value = text.substr(start, end - start);
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
    std::string_view name;
    std::string_view value;
    while (reader.next(name, value)) {
        NameValue& pair = pairs.emplace_back();
        assignWithLineEndsAsSpaces(pair.first, name);
        assignWithLineEndsAsSpaces(pair.second, value);
    }
    return pairs;
}

} // namespace torvane
