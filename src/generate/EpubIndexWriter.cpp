#include "generate/EpubIndexWriter.h"
#include "generate/CrLfText.h"
#include "generate/HtmlAttribute.h"
#include "generate/HtmlIndexPlan.h"
#include "generate/IndexGenerator.h"
#include "generate/OutputFile.h"
#include "generate/XhtmlText.h"
#include "platform/TextUtil.h"
#include <string>
#include <string_view>

namespace torvane {

namespace {

void indent(std::string& out, int depth)
{
    out.append(static_cast<std::size_t>(2 * depth), ' ');
}

// The title of the page a locator leads to, its address when it has none.
std::string locatorLabel(const LocatorLink& link)
{
    const std::string title = unescapeField(link.helpTitle());
    return xhtmlText(title.empty() || title == "Untitled" ? link.address() : std::string_view(title));
}

void appendHref(std::string& out, std::string_view address)
{
    out += " href=\"";
    appendAttributeValue(out, address);
    out += '"';
}

// "See also" leads to a related heading, any other reference word to the preferred one.
std::string_view crossReferenceType(const CrossReferenceLink& link)
{
    return asciiLower(xhtmlText(link.reference)).find("also") != std::string::npos ? "index-xref-related"
                                                                                   : "index-xref-preferred";
}

void appendCrossReference(std::string& out, const CrossReferenceLink& link)
{
    out += xhtmlText(link.separator);
    out += ' ';
    out += xhtmlText(link.reference);
    out += ' ';
    out += link.linkToLocator ? "<a epub:type=\"" : "<span epub:type=\"";
    out += crossReferenceType(link);
    out += '"';
    if (link.linkToLocator)
        appendHref(out, "#" + crossReferenceAnchorName(link.anchorNumber));
    out += '>';
    out += xhtmlText(link.locator);
    out += link.linkToLocator ? "</a>" : "</span>";
}

void appendEntry(std::string& out, const IndexNode& node, int depth)
{
    // A heading that only an unlinked "See" names leads nowhere and is left out.
    if (node.locators().empty() && node.crossReferences().empty() && node.children().empty() && !node.anchorNumber)
        return;
    indent(out, depth);
    out += "<li epub:type=\"index-entry\"";
    if (node.anchorNumber) {
        out += " id=\"";
        out += crossReferenceAnchorName(node.anchorNumber);
        out += '"';
    }
    out += "><span epub:type=\"index-term\">";
    out += xhtmlText(node.text());
    out += "</span>";
    for (const LocatorLink* link : node.locators()) {
        out += ", <a epub:type=\"index-locator\"";
        appendHref(out, link->address());
        out += '>';
        out += locatorLabel(*link);
        out += "</a>";
    }
    for (const CrossReferenceLink* link : node.crossReferences())
        appendCrossReference(out, *link);
    if (!node.children().empty()) {
        out += '\n';
        indent(out, depth + 1);
        out += "<ul epub:type=\"index-entry-list\">\n";
        for (const IndexNode* child : node.children())
            appendEntry(out, *child, depth + 2);
        indent(out, depth + 1);
        out += "</ul>\n";
        indent(out, depth);
    }
    out += "</li>\n";
}

// Symbols, Numbers, a letter, or one of the language's own letters.
std::string groupLabel(const IndexGenerator& generator, const IndexNode& node)
{
    if (node.letterGroup != kNoLetter)
        return xhtmlText(generator.letterGroups()[node.letterGroup]);
    return groupName(pageGroupOf(node));
}

void writeDocument(const IndexGenerator& generator, CrLfText& out)
{
    const StyleSettings& style = generator.style();
    const std::string heading = xhtmlText(style.pageHeading.empty() ? std::string_view("Index") : style.pageHeading);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">\n<head>\n"
           "  <meta charset=\"utf-8\"/>\n  <meta name=\"generator\" content=\"HTML Torvane (tm)\"/>\n  <title>"
        << xhtmlText(style.pageTitle.empty() ? std::string_view("Index") : style.pageTitle)
        << "</title>\n</head>\n<body>\n<section epub:type=\"index\" role=\"doc-index\">\n  <h1>" << heading
        << "</h1>\n";
    constexpr std::string_view kGroupEnd = "    </ul>\n  </section>\n";
    bool groupOpen = false;
    std::string label;
    for (const IndexNode* node : generator.topLevelNodes()) {
        std::string text;
        std::string nodeLabel = groupLabel(generator, *node);
        if (!groupOpen || nodeLabel != label) {
            if (groupOpen)
                text += kGroupEnd;
            label = std::move(nodeLabel);
            text += "  <section epub:type=\"index-group\">\n    <h2>" + label +
                    "</h2>\n    <ul epub:type=\"index-entry-list\">\n";
            groupOpen = true;
        }
        appendEntry(text, *node, 3);
        out << text;
    }
    if (groupOpen)
        out << kGroupEnd;
    out << "</section>\n</body>\n</html>\n";
    out.flush();
}

} // namespace

bool writeEpubIndex(const IndexGenerator& generator, MessageSink& messages)
{
    const std::string path = generator.outputPath(epubIndexFileName(generator.outputNames().index));
    OutputFile file;
    if (file.open(path)) {
        CrLfText out(file);
        writeDocument(generator, out);
        if (file.commit())
            return true;
    }
    messages.showMessage("Error creating new EPUB index:\n  " + path);
    return false;
}

} // namespace torvane
