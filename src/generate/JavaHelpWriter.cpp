#include "generate/JavaHelpWriter.h"
#include "generate/CrLfText.h"
#include "generate/IndexGenerator.h"
#include "platform/FileAccess.h"
#include <set>

namespace torvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Length of the reference starting at text[0] == '&', or 0 when it is not one
// that an XML reader resolves without a DTD.
std::size_t referenceLength(std::string_view text)
{
    // The longest reference kept, "&#x10FFFF;", has ten bytes.
    std::size_t semicolon = text.substr(0, 10).find(';');
    if (semicolon == std::string_view::npos) return 0;
    std::string_view body = text.substr(1, semicolon - 1);
    for (std::string_view known : {"amp", "lt", "gt", "quot", "apos"})
        if (body == known) return semicolon + 1;
    if (body.size() < 2 || body[0] != '#') return 0;
    bool hex = body[1] == 'x';
    std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    for (char c : digits)
        if (!(hex ? isHexDigit(c) : isDigit(c))) return 0;
    return semicolon + 1;
}

const char kXmlDeclaration[] = "<?xml version='1.0' encoding='ISO-8859-1' ?>\n";

std::string javaHelpIndexText(const IndexGenerator& generator)
{
    CrLfText out;
    out << kXmlDeclaration << "<!DOCTYPE index PUBLIC\n"
        << "  \"-//Sun Microsystems Inc.//DTD JavaHelp Index Version 1.0//EN\"\n"
        << "  \"http://java.sun.com/products/javahelp/index_1_0.dtd\">\n"
        << "<index version=\"1.0\">\n";
    auto writeItem = [&out](const IndexNode& node, auto& self) -> void {
        std::string indent(2 + 2 * node.level, ' ');
        std::string text = xmlAttributeValue(nodeHeading(node));
        for (const LocatorLink* link : node.locators)
            out << indent << "<indexitem text=\"" << text << "\" target=\"" << xmlAttributeValue(link->address)
                << "\"></indexitem>\n";
        bool branches = node.children.size() > 1;
        if (branches) out << indent << "<indexitem text=\"" << text << "\">\n";
        for (const IndexNode* child : node.children) self(*child, self);
        if (branches) out << indent << "</indexitem>\n";
    };
    for (const IndexNode* node : generator.topLevelNodes()) writeItem(*node, writeItem);
    out << "</index>\n";
    return out.bytes();
}

struct IgnoringAsciiCase {
    static char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
    bool operator()(std::string_view a, std::string_view b) const
    {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
        });
    }
};

std::string javaHelpMapText(const IndexGenerator& generator)
{
    // The first spelling met of an address wins over later ones differing in case only.
    std::set<std::string_view, IgnoringAsciiCase> addresses;
    auto gather = [&addresses](const IndexNode& node, auto& self) -> void {
        for (const LocatorLink* link : node.locators) addresses.insert(link->address);
        for (const IndexNode* child : node.children) self(*child, self);
    };
    for (const IndexNode* node : generator.topLevelNodes()) gather(*node, gather);

    CrLfText out;
    out << kXmlDeclaration << "<!DOCTYPE map PUBLIC\n"
        << "  \"-//Sun Microsystems Inc.//DTD JavaHelp Map Version 1.0//EN\"\n"
        << "  \"http://java.sun.com/products/javahelp/map_1_0.dtd\">\n"
        << "<map version=\"1.0\">\n";
    for (std::string_view address : addresses) {
        std::string value = xmlAttributeValue(address);
        out << "  <mapID target=\"" << value << "\" url=\"" << value << "\"/>\n";
    }
    out << "</map>\n";
    return out.bytes();
}

bool writeOrReport(const std::string& path, const std::string& text, MessageSink& messages)
{
    if (!writeFileAtomically(path, text)) return true;
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
    const IndexOutputNames& names = generator.outputNames();
    if (!writeOrReport(generator.outputPath(names.javaHelp), javaHelpIndexText(generator), messages)) return false;
    return writeOrReport(generator.outputPath(names.javaMap), javaHelpMapText(generator), messages);
}

} // namespace torvane
