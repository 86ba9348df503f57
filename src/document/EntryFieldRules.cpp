#include "document/EntryFieldRules.h"

#include "platform/TextUtil.h"
#include "sources/StoredValues.h"

namespace torvane {

bool hasStrayBackslash(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\')
            continue;
        if (i + 1 == text.size())
            return true;
        const char next = text[i + 1];
        if (next != ',' && next != '"' && next != '\\')
            return true;
        ++i;
    }
    return false;
}

bool hasBareQuote(std::string_view text)
{
    bool escaped = false;
    for (const char c : text) {
        if (c == '\\') {
            escaped = !escaped;
            continue;
        }
        if (c == '"' && !escaped)
            return true;
        escaped = false;
    }
    return false;
}

bool hasBlockMarker(std::string_view text)
{
    return text.find("<!-- HTML Torvane") != std::string_view::npos ||
           text.find("HTML Torvane -->") != std::string_view::npos;
}

void checkStoredField(std::string_view text, FieldProblems& problems)
{
    if (text.empty())
        return;
    problems.backslash = problems.backslash || hasStrayBackslash(text);
    problems.quote = problems.quote || hasBareQuote(text);
    problems.marker = problems.marker || hasBlockMarker(text);
    problems.lineBreak =
        problems.lineBreak || text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string problemMessage(const FieldProblems& problems)
{
    std::string message = "Please correct the following errors:\n";
    if (problems.required)
        message += "\n  Required field missing.\n";
    if (problems.marker)
        message += "\n  Field may not contain \"<!-- HTML Torvane\" or \"HTML Torvane -->\"\n";
    if (problems.quote)
        message += "\n  To include a quotation mark (\"), precede it with a backslash, like this:\n      \\\"\n";
    if (problems.backslash)
        message += "\n  A backslash (\\) must precede a comma, a quotation mark, or another backslash:\n"
                   "      \\, \\\" or \\\\\n";
    if (problems.lineBreak)
        message += "\n  " + std::string(kValueHasLineBreak) + "\n";
    return message;
}

std::string normaliseCommas(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 8);
    bool escaped = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            escaped = !escaped;
            result += c;
            continue;
        }
        if (c == ',' && !escaped) {
            while (!result.empty() && isBlank(result.back()))
                result.pop_back();
            result += ", ";
            while (i + 1 < text.size() && isBlank(text[i + 1]))
                ++i;
        } else {
            result += c;
        }
        escaped = false;
    }
    while (!result.empty() && isBlank(result.back()))
        result.pop_back();
    return result;
}

std::string convertHelpEscapes(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            continue;
        if (c != '\\') {
            result += c;
            continue;
        }
        if (i + 1 == text.size())
            break;
        const char next = text[++i];
        if (next == '"') {
            result += "&quot;";
        } else {
            result += c;
            result += next;
        }
    }
    return result;
}

namespace {

void trimInPlace(std::string& text)
{
    text = std::string(trim(text));
}

} // namespace

FieldProblems checkEntryTexts(IndexEntryValues& values)
{
    FieldProblems problems;
    for (std::string* field : {&values.sortAs, &values.helpTitle, &values.helpAs, &values.indexAs}) {
        trimInPlace(*field);
        checkStoredField(*field, problems);
    }
    problems.required = values.indexAs.empty() || values.helpAs.empty() || values.sortAs.empty();
    return problems;
}

FieldProblems checkEntryTargets(IndexEntryValues& values)
{
    FieldProblems problems;
    for (std::string* field : {&values.helpFrame, &values.helpWindow, &values.indexTarget}) {
        trimInPlace(*field);
        checkStoredField(*field, problems);
    }
    return problems;
}

void finishEntryTexts(IndexEntryValues& values)
{
    values.indexAs = normaliseCommas(values.indexAs);
    values.sortAs = normaliseCommas(values.sortAs);
    values.helpAs = convertHelpEscapes(normaliseCommas(values.helpAs));
    values.helpTitle = convertHelpEscapes(normaliseCommas(values.helpTitle));
    if (values.helpTitle.empty())
        values.helpTitle = kUntitled;
}

IndexEntryValues blankEntryValues()
{
    IndexEntryValues values;
    values.helpTitle = kUntitled;
    return values;
}

} // namespace torvane
