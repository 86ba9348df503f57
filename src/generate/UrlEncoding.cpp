#include "generate/UrlEncoding.h"

namespace torvane {

namespace {

bool fragmentNeedsEncoding(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`';
}

bool pathNeedsEncoding(unsigned char c)
{
    return fragmentNeedsEncoding(c) || c == '#' || c == '?' || c == '%' || c == '{' || c == '}';
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
