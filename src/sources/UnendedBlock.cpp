#include "sources/UnendedBlock.h"

#include <array>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;

constexpr std::array<std::string_view, 8> recordKeys {"Target",    "IndexAs",     "SortAs",     "HelpAs",
                                                      "HelpTitle", "IndexTarget", "HelpWindow", "HelpFrame"};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// The end of the quoted value opening at `at` (past its closing quote), or
// npos. Only an anchor name may hold a line end.
std::size_t valueEnd(std::string_view text, std::size_t at, bool mayBreakLines)
{
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\\')
            ++at;
        else if (c == '"')
            return at + 1;
        else if ((c == '\r' || c == '\n') && !mayBreakLines)
            return npos;
    }
    return npos;
}

// The end of the record line starting at `at` (past its last quote), or npos
// when the line is no record: every pair is a known key with a quoted value,
// pairs are parted by commas, and only blanks, then the line end or the
// comment's end, follow the last one.
std::size_t recordLineEnd(std::string_view text, std::size_t at)
{
    at = skipBlanks(text, at);
    for (bool first = true;; first = false) {
        if (!first) {
            const std::size_t recordEnd = at;
            at = skipBlanks(text, at);
            if (at == text.size() || text[at] == '\r' || text[at] == '\n' || text.substr(at).starts_with("-->"))
                return recordEnd;
            if (text[at] != ',')
                return npos;
            at = skipBlanks(text, at + 1);
        }
        const std::size_t equals = text.find('=', at);
        if (equals == npos || equals + 1 >= text.size() || text[equals + 1] != '"')
            return npos;
        const std::string_view key = text.substr(at, equals - at);
        bool known = false;
        for (const std::string_view name : recordKeys)
            known = known || key == name;
        if (!known)
            return npos;
        at = valueEnd(text, equals + 1, key == "Target");
        if (at == npos)
            return npos;
    }
}

// Past the line end at `at`, or npos when none is there.
std::size_t nextLine(std::string_view text, std::size_t at)
{
    if (text.substr(at).starts_with("\r\n"))
        return at + 2;
    if (at < text.size() && (text[at] == '\n' || text[at] == '\r'))
        return at + 1;
    return npos;
}

} // namespace

std::size_t unendedBlockEnd(std::string_view text, std::size_t start)
{
    const std::size_t markerLineEnd = text.find_first_of("\r\n", start);
    if (markerLineEnd == npos)
        return npos;
    const std::string_view markerLine = text.substr(start + 4, markerLineEnd - start - 4);
    if (markerLine.find("-->") != npos || markerLine.find("<!--") != npos)
        return npos;
    std::size_t end = npos;
    for (std::size_t line = nextLine(text, markerLineEnd); line != npos && line < text.size();) {
        const std::size_t recordEnd = recordLineEnd(text, line);
        if (recordEnd == npos)
            break;
        end = recordEnd;
        line = nextLine(text, skipBlanks(text, recordEnd));
    }
    if (end == npos)
        return npos;
    std::size_t after = end;
    while (after < text.size() && (isBlank(text[after]) || text[after] == '\r' || text[after] == '\n'))
        ++after;
    return text.substr(after).starts_with("-->") ? after + 3 : end;
}

} // namespace torvane
