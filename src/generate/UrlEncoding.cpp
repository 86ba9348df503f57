#include "generate/UrlEncoding.h"

namespace torvane {

namespace {

bool fragmentNeedsEncoding(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`';
}

bool pathNeedsEncoding(unsigned char c)
{
    return fragmentNeedsEncoding(c) || c == '#' || c == '?' || c == '%' || c == '{' || c == '}' || c == '&';
}

template <typename NeedsEncoding>
void appendEncoded(std::string& out, std::string_view text, NeedsEncoding needsEncoding)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!needsEncoding(byte)) {
            out += c;
            continue;
        }
        out += '%';
        out += kHex[byte >> 4];
        out += kHex[byte & 0x0F];
    }
}

} // namespace

std::string percentEncodedPath(std::string_view path)
{
    std::string out;
    out.reserve(path.size());
    appendEncoded(out, path, pathNeedsEncoding);
    return out;
}

namespace {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string decodedFragment(std::string_view fragment)
{
    std::string out;
    out.reserve(fragment.size());
    for (std::size_t i = 0; i < fragment.size(); ++i) {
        if (fragment[i] == '%' && i + 2 < fragment.size() && hexDigitValue(fragment[i + 1]) >= 0 &&
            hexDigitValue(fragment[i + 2]) >= 0) {
            const auto byte =
                static_cast<unsigned char>(hexDigitValue(fragment[i + 1]) * 16 + hexDigitValue(fragment[i + 2]));
            if (fragmentNeedsEncoding(byte)) {
                out += static_cast<char>(byte);
                i += 2;
                continue;
            }
        }
        out += fragment[i];
    }
    return out;
}

std::string pageAddress(std::string_view path, std::string_view anchor, bool hasAnchor)
{
    std::string out;
    out.reserve(path.size() + anchor.size() + 1);
    appendEncoded(out, path, pathNeedsEncoding);
    if (hasAnchor) {
        out += '#';
        appendEncoded(out, anchor, fragmentNeedsEncoding);
    }
    return out;
}

std::string externalAddress(std::string_view url)
{
    std::string out;
    out.reserve(url.size());
    for (char c : url) {
        if (c == ' ')
            out += "%20";
        else
            out += c;
    }
    return out;
}

} // namespace torvane
