#include "generate/ModernIndexEntries.h"
#include "generate/HtmlAttribute.h"
#include "generate/LinkFreeText.h"
#include "platform/TextUtil.h"
#include <string_view>

namespace torvane {

namespace {

void indent(std::string& out, int depth)
{
    out.append(static_cast<std::size_t>(2 * depth + 4), ' ');
}

void appendLink(std::string& out, std::string_view address, std::string_view target, std::string_view label)
{
    out += "<a href=\"";
    appendAttributeValue(out, address);
    out += '"';
    if (!target.empty()) {
        out += " target=\"";
        appendAttributeValue(out, target);
        out += '"';
    }
    out += '>';
    std::string scratch;
    out += linkFreeText(label, scratch);
    out += "</a>";
}

std::string_view targetOf(const LocatorLink& link, const StyleSettings& style)
{
    return link.frameTarget().empty() ? std::string_view(style.htmlIndexTarget) : link.frameTarget();
}

// The title of the page a link leads to, its address when it has none.
std::string pageLabel(const LocatorLink& link)
{
    std::string title = unescapeField(link.helpTitle());
    if (title.empty() || title == "Untitled")
        return std::string(link.address());
    return title;
}

void appendCrossReference(std::string& out, const CrossReferenceLink& link)
{
    out += "<span class=\"tv-see\">";
    out += link.separator;
    out += " <span class=\"tv-see-word\">";
    out += link.reference;
    out += "</span> ";
    if (link.linkToLocator)
        appendLink(out, link.locatorPage + "#" + crossReferenceAnchorName(link.anchorNumber), {}, link.locator);
    else
        out += link.locator;
    out += "</span>";
}

} // namespace

void appendModernEntry(std::string& out, const IndexNode& node, const StyleSettings& style, int depth)
{
    indent(out, depth);
    out += "<li";
    if (node.anchorNumber) {
        out += " id=\"";
        out += crossReferenceAnchorName(node.anchorNumber);
        out += '"';
    }
    // A place that only a "See" line leads to shows nothing of its own.
    if (node.locators().empty() && node.crossReferences().empty() && node.children().empty()) {
        out += " class=\"tv-anchor\"></li>\n";
        return;
    }
    out += '>';
    if (node.locators().size() == 1) {
        appendLink(out, node.locators().front()->address(), targetOf(*node.locators().front(), style), node.text());
    } else {
        out += "<span class=\"tv-term\">";
        out += node.text();
        out += "</span>";
    }
    for (const CrossReferenceLink* link : node.crossReferences())
        appendCrossReference(out, *link);
    if (node.locators().size() > 1) {
        out += " <span class=\"tv-pages\">";
        const char* separator = "";
        for (const LocatorLink* link : node.locators()) {
            out += separator;
            appendLink(out, link->address(), targetOf(*link, style), pageLabel(*link));
            separator = ", ";
        }
        out += "</span>";
    }
    if (!node.children().empty()) {
        out += '\n';
        indent(out, depth + 1);
        out += "<ul>\n";
        for (const IndexNode* child : node.children())
            appendModernEntry(out, *child, style, depth + 2);
        indent(out, depth + 1);
        out += "</ul>\n";
        indent(out, depth);
    }
    out += "</li>\n";
}

} // namespace torvane
