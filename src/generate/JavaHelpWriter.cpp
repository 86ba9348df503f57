#include "generate/JavaHelpWriter.h"
#include "generate/CrLfText.h"
#include "generate/IndexGenerator.h"
#include "generate/OutputFile.h"
#include "generate/UrlEncoding.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace torvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Length of the reference starting at text[0] == '&', or 0 when it is not one
// that an XML reader resolves without a DTD.
std::size_t referenceLength(std::string_view text)
{
    // The longest reference kept, "&#x10FFFF;", has ten bytes.
    std::size_t semicolon = text.substr(0, 10).find(';');
    if (semicolon == std::string_view::npos)
        return 0;
    std::string_view body = text.substr(1, semicolon - 1);
    for (std::string_view known : {"amp", "lt", "gt", "quot", "apos"})
        if (body == known)
            return semicolon + 1;
    if (body.size() < 2 || body[0] != '#')
        return 0;
    bool hex = body[1] == 'x';
    std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    for (char c : digits)
        if (!(hex ? isHexDigit(c) : isDigit(c)))
            return 0;
    return semicolon + 1;
}

// Length of the UTF-8 sequence starting at text[0], or 0 when it is not a
// well-formed one (overlong forms, surrogates and values past U+10FFFF are not).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (lead == 0xE0)
        low = 0xA0;
    if (lead == 0xED)
        high = 0x9F;
    if (lead == 0xF0)
        low = 0x90;
    if (lead == 0xF4)
        high = 0x8F;
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

// Whether the bytes are well-formed UTF-8, and whether any is above ASCII.
struct Utf8Scan {
    bool wellFormed = true;
    bool beyondAscii = false;
};

Utf8Scan scanUtf8(std::string_view text)
{
    Utf8Scan scan;
    for (std::size_t i = 0; i < text.size();) {
        // Eight ASCII bytes at a time: most texts are nothing else.
        std::uint64_t eight;
        if (i + 8 <= text.size() && (std::memcpy(&eight, text.data() + i, 8), (eight & 0x8080808080808080u) == 0)) {
            i += 8;
            continue;
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text.substr(i));
        if (length == 0)
            return {false, true};
        scan.beyondAscii = true;
        i += length;
    }
    return scan;
}

// Whether the texts an index writes, taken together, are well-formed UTF-8
// with some byte above ASCII. Everything else in both files is ASCII and
// every text stands between ASCII bytes, so the texts are checked one by one;
// the map's addresses are among the index's.
Utf8Scan scanIndexTexts(const IndexGenerator& generator)
{
    Utf8Scan scan;
    auto take = [&scan](std::string_view text) {
        if (!scan.wellFormed)
            return;
        const Utf8Scan part = scanUtf8(text);
        scan.wellFormed = part.wellFormed;
        scan.beyondAscii |= part.beyondAscii;
    };
    auto visit = [&take](const IndexNode& node, auto& self) -> void {
        if (!node.locators().empty() || node.children().size() > 1) {
            std::string joined;
            take(nodeHeadingView(node, joined));
        }
        for (const LocatorLink* link : node.locators()) {
            take(link->address());
            const std::size_t hash = link->address().find('#');
            if (hash != std::string_view::npos)
                take(decodedFragment(link->address().substr(hash + 1)));
        }
        for (const IndexNode* child : node.children())
            self(*child, self);
    };
    for (const IndexNode* node : generator.topLevelNodes())
        visit(*node, visit);
    return scan;
}

// Most texts need no escaping: they are copied without a detour.
void writeAttribute(CrLfText& out, std::string_view text)
{
    bool plain = std::none_of(text.begin(), text.end(), [](char c) { return c == '&' || c == '<' || c == '"'; });
    if (plain)
        out << text;
    else
        out << xmlAttributeValue(text);
}

// The map's URL of an address: the viewer compares the fragment with the
// page's anchor names as they are written, without decoding it, so the
// fragment is written decoded; the file part stays encoded for the URL parser.
void writeMapUrl(CrLfText& out, std::string_view address)
{
    const std::size_t hash = address.find('#');
    writeAttribute(out, address.substr(0, hash == std::string_view::npos ? address.size() : hash + 1));
    if (hash == std::string_view::npos)
        return;
    std::string anchor;
    for (char c : decodedFragment(address.substr(hash + 1))) {
        // An anchor name is plain text: every "&" is one.
        if (c == '&')
            anchor += "&amp;";
        else if (c == '<')
            anchor += "&lt;";
        else if (c == '"')
            anchor += "&quot;";
        else
            anchor += c;
    }
    out << anchor;
}

// The index without its XML declaration.
void writeIndexBody(const IndexGenerator& generator, CrLfText& out)
{
    out.markup("<!DOCTYPE index PUBLIC\r\n"
               "  \"-//Sun Microsystems Inc.//DTD JavaHelp Index Version 1.0//EN\"\r\n"
               "  \"http://java.sun.com/products/javahelp/index_1_0.dtd\">\r\n"
               "<index version=\"1.0\">\r\n");
    auto writeItem = [&out](const IndexNode& node, auto& self) -> void {
        std::size_t indent = 2 + 2 * static_cast<std::size_t>(node.level);
        std::string joined;
        std::string_view text = nodeHeadingView(node, joined);
        for (const LocatorLink* link : node.locators()) {
            out.spaces(indent).markup("<indexitem text=\"");
            writeAttribute(out, text);
            out.markup("\" target=\"");
            writeAttribute(out, link->address());
            out.markup("\"></indexitem>\r\n");
        }
        bool branches = node.children().size() > 1;
        if (branches) {
            out.spaces(indent).markup("<indexitem text=\"");
            writeAttribute(out, text);
            out.markup("\">\r\n");
        }
        for (const IndexNode* child : node.children())
            self(*child, self);
        if (branches)
            out.spaces(indent).markup("</indexitem>\r\n");
    };
    for (const IndexNode* node : generator.topLevelNodes())
        writeItem(*node, writeItem);
    out.markup("</index>\r\n");
    out.flush();
}

// Letter case ignored, as the map orders its lines.
int compareFolded(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(asciiLower(a[i]));
        const auto y = static_cast<unsigned char>(asciiLower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The map's links lie in the index's order, not the map's: the link some
// places ahead, then the address of a nearer one, are asked for ahead of
// their turn. Inlined by force: a call to a function that only fetches has
// no effect the compiler sees, and it would drop the call.
[[gnu::always_inline]] inline void fetchAhead(const std::vector<const LocatorLink*>& links, std::size_t i)
{
    constexpr std::size_t kLinkAhead = 16, kTextAhead = 8;
    if (i + kLinkAhead < links.size())
        __builtin_prefetch(links[i + kLinkAhead]);
    if (i + kTextAhead < links.size())
        __builtin_prefetch(links[i + kTextAhead]->address().data());
}

// One link of each holder the index reaches, in the map's order; links of
// equal addresses lie together.
std::vector<const LocatorLink*> mapLinks(const IndexGenerator& generator)
{
    // Every address is an ID of its own: IDs, like anchor names, tell letter
    // case apart, and each index item's target must be in the map. The lines
    // are ordered without regard to case. A holder's links share one address,
    // so each holder reached by the index is one candidate. Taken in holder
    // order (the project's order, which mostly follows the addresses) rather
    // than index order, the candidates are nearly sorted already: the sort
    // then reads them in order, and is skipped when they are sorted.
    std::vector<const LocatorLink*> links(generator.holderCount(), nullptr);
    auto gather = [&](const IndexNode& node, auto& self) -> void {
        for (const LocatorLink* link : node.locators())
            links[link->holderNumber()] = link;
        for (const IndexNode* child : node.children())
            self(*child, self);
    };
    for (const IndexNode* node : generator.topLevelNodes())
        gather(*node, gather);
    std::erase(links, nullptr);
    auto before = [](const LocatorLink* a, const LocatorLink* b) {
        if (int c = compareFolded(a->address(), b->address()))
            return c < 0;
        return a->address() < b->address();
    };
    bool sorted = true;
    for (std::size_t i = 0; sorted && i + 1 < links.size(); ++i) {
        fetchAhead(links, i);
        sorted = !before(links[i + 1], links[i]);
    }
    if (!sorted)
        std::sort(links.begin(), links.end(), before);
    return links;
}

// The map without its XML declaration.
void writeMapBody(const std::vector<const LocatorLink*>& links, CrLfText& out)
{
    out.markup("<!DOCTYPE map PUBLIC\r\n"
               "  \"-//Sun Microsystems Inc.//DTD JavaHelp Map Version 1.0//EN\"\r\n"
               "  \"http://java.sun.com/products/javahelp/map_1_0.dtd\">\r\n"
               "<map version=\"1.0\">\r\n");
    std::string_view previous;
    for (std::size_t i = 0; i < links.size(); ++i) {
        fetchAhead(links, i);
        const std::string_view address = links[i]->address();
        if (i > 0 && address == previous)
            continue;
        previous = address;
        out.markup("  <mapID target=\"");
        writeAttribute(out, address);
        out.markup("\" url=\"");
        writeMapUrl(out, address);
        out.markup("\"/>\r\n");
    }
    out.markup("</map>\r\n");
    out.flush();
}

template <typename WriteBody>
bool writeOrReport(const std::string& path, std::string_view declaration, WriteBody writeBody, MessageSink& messages)
{
    OutputFile file;
    if (file.open(path)) {
        CrLfText out(file);
        out << declaration;
        writeBody(out);
        if (file.commit())
            return true;
    }
    messages.showMessage("Error creating new JavaHelp index:\n  " + path);
    return false;
}

} // namespace

std::string xmlAttributeValue(std::string_view text)
{
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '&') {
            std::size_t kept = referenceLength(text.substr(i));
            if (kept) {
                value.append(text.substr(i, kept));
                i += kept - 1;
            } else {
                value += "&amp;";
            }
        } else if (c == '<') {
            value += "&lt;";
        } else if (c == '"') {
            value += "&quot;";
        } else {
            value += c;
        }
    }
    return value;
}

bool writeJavaHelpFiles(const IndexGenerator& generator, MessageSink& messages)
{
    const OutputNames& names = generator.outputNames();
    const std::vector<const LocatorLink*> links = mapLinks(generator);
    const auto writeIndex = [&generator](CrLfText& out) { writeIndexBody(generator, out); };
    const auto writeMap = [&links](CrLfText& out) { writeMapBody(links, out); };
    // Both files declare the encoding their texts are in: UTF-8 when that is
    // what they hold, otherwise ISO-8859-1, where every byte is a character.
    const Utf8Scan scan = scanIndexTexts(generator);
    const std::string_view declaration = scan.wellFormed && scan.beyondAscii
                                             ? "<?xml version='1.0' encoding='UTF-8' ?>\n"
                                             : "<?xml version='1.0' encoding='ISO-8859-1' ?>\n";
    if (!writeOrReport(generator.outputPath(names.javaHelp), declaration, writeIndex, messages))
        return false;
    return writeOrReport(generator.outputPath(names.javaMap), declaration, writeMap, messages);
}

} // namespace torvane
