#include "sources/StoredValues.h"

namespace torvane {

namespace {

bool isLineBreakOrNul(char c)
{
    return c == '\r' || c == '\n' || c == '\0';
}

// A "-" whose writing as "\-" keeps a comment open: the second of "--" in
// "<!--", "-->" or "--!>", or of any "--" in XML.
bool breaksDashes(std::string_view value, std::size_t i, bool xml)
{
    if (i == 0 || value[i - 1] != '-')
        return false;
    if (xml)
        return true;
    const auto at = [&](std::size_t k) { return k < value.size() ? value[k] : '\0'; };
    return (i >= 3 && value[i - 3] == '<' && value[i - 2] == '!') || at(i + 1) == '>' ||
           (at(i + 1) == '!' && at(i + 2) == '>');
}

bool endsInLoneBackslash(std::string_view text)
{
    std::size_t run = 0;
    while (run < text.size() && text[text.size() - 1 - run] == '\\')
        ++run;
    return run % 2 == 1;
}

} // namespace

std::string encodeBlockValue(std::string_view value, bool xml)
{
    std::string stored;
    stored.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '-' && breaksDashes(value, i, xml))
            stored.push_back('\\');
        stored.push_back(value[i]);
    }
    return stored;
}

std::string decodeBlockValue(std::string_view stored)
{
    std::string value;
    value.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c != '\\' || i + 1 == stored.size()) {
            value.push_back(c);
            continue;
        }
        const char next = stored[++i];
        if (!(next == '-' && !value.empty() && value.back() == '-'))
            value.push_back(c);
        value.push_back(next);
    }
    return value;
}

std::string encodeTargetName(std::string_view name, bool xml)
{
    std::string stored = encodeBlockValue(name, xml);
    if (name == "#" || endsInLoneBackslash(stored) || (!name.empty() && name.back() == ' '))
        stored.push_back(' ');
    return stored;
}

std::string decodeTargetName(std::string_view stored)
{
    if (!stored.empty() && stored.back() == ' ')
        stored.remove_suffix(1);
    return decodeBlockValue(stored);
}

std::string storableForm(std::string_view value, bool name)
{
    std::string stored;
    stored.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\') {
            if (i + 1 < value.size())
                stored.append(value.substr(i++, 2));
            else if (name)
                stored.push_back(c);
        } else {
            if (c == '"')
                stored.push_back('\\');
            stored.push_back(c);
        }
    }
    return stored;
}

std::string keywordAttributeText(std::string_view keywords)
{
    std::string text;
    text.reserve(keywords.size());
    for (const char c : keywords) {
        if (c == '<')
            text.append("&lt;");
        else if (c == '>')
            text.append("&gt;");
        else
            text.push_back(c);
    }
    return text;
}

std::string_view storedValueProblem(std::string_view value)
{
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (isLineBreakOrNul(c))
            return kValueHasLineBreak;
        if (c == '"')
            return kValueHasBareQuote;
        if (c != '\\')
            continue;
        if (i + 1 == value.size())
            return kValueEndsInBackslash;
        const char next = value[i + 1];
        if (isLineBreakOrNul(next))
            return kValueHasLineBreak;
        if (next == '-' && i > 0 && value[i - 1] == '-')
            return kValueHasDashEscape;
        ++i;
    }
    return {};
}

} // namespace torvane
