#include "document/LinkSyntax.h"
#include "platform/TextUtil.h"

namespace torvane {

namespace {

bool isHexDigit(char c)
{
    return isAsciiDigit(c) || (asciiLower(c) >= 'a' && asciiLower(c) <= 'f');
}

bool isForbiddenInUrl(unsigned char c)
{
    static constexpr std::string_view kMustBeEncoded = "\"<>\\^`{|}";
    return c <= 0x20 || c == 0x7F || kMustBeEncoded.find(static_cast<char>(c)) != std::string_view::npos;
}

bool hasValidEscapes(std::string_view url)
{
    for (std::size_t at = 0; at < url.size(); ++at) {
        if (isForbiddenInUrl(static_cast<unsigned char>(url[at])))
            return false;
        if (url[at] == '%') {
            if (at + 2 >= url.size() || !isHexDigit(url[at + 1]) || !isHexDigit(url[at + 2]))
                return false;
        }
    }
    return true;
}

// The scheme when the reference has one ("" for a relative reference), or
// nothing valid when the part before the first ":" cannot be a scheme.
bool splitScheme(std::string_view url, std::string_view& scheme)
{
    const std::size_t colon = url.find(':');
    const std::size_t pathStart = url.find_first_of("/?#");
    scheme = {};
    if (colon == std::string_view::npos || (pathStart != std::string_view::npos && pathStart < colon))
        return true;
    const std::string_view candidate = url.substr(0, colon);
    if (candidate.empty() || !isAsciiLetter(candidate.front()))
        return false;
    for (char c : candidate) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    scheme = candidate;
    return true;
}

bool needsHost(std::string_view scheme)
{
    return equalsNoCase(scheme, "http") || equalsNoCase(scheme, "https") || equalsNoCase(scheme, "ftp");
}

} // namespace

bool isValidUrl(std::string_view url)
{
    std::string_view scheme;
    if (url.empty() || !hasValidEscapes(url) || !splitScheme(url, scheme))
        return false;
    if (!needsHost(scheme))
        return true;
    const std::string_view rest = url.substr(scheme.size() + 1);
    if (!rest.starts_with("//"))
        return false;
    const std::string_view authority = rest.substr(2, rest.find_first_of("/?#", 2) - 2);
    const std::size_t at = authority.rfind('@');
    const std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
    return !host.empty() && host.front() != ':';
}

bool isValidFrameName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>')
            return false;
    }
    if (name.front() != '_')
        return true;
    for (std::string_view keyword : {"_blank", "_self", "_parent", "_top"}) {
        if (equalsNoCase(name, keyword))
            return true;
    }
    return false;
}

} // namespace torvane
