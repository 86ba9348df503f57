#include "generate/ModernIndexEntries.h"
#include "generate/HtmlAttribute.h"
#include "generate/LinkFreeText.h"
#include "platform/TextUtil.h"
#include <string_view>
#include <unordered_map>
#include <vector>

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

void appendCrossReference(std::string& out, const CrossReferenceLink& link, const ModernAnchors& anchors)
{
    out += "<span class=\"tv-see\">";
    out += link.separator;
    out += " <span class=\"tv-see-word\">";
    out += link.reference;
    out += "</span> ";
    if (link.linkToLocator && anchors.leadsToALine(link.anchorNumber))
        appendLink(out, link.locatorPage + "#" + crossReferenceAnchorName(link.anchorNumber), {}, link.locator);
    else
        out += link.locator;
    out += "</span>";
}

// The labels of a heading's pages, a number after each of those named alike.
std::vector<std::string> pageLabels(const IndexNode& node)
{
    std::vector<std::string> labels;
    std::unordered_map<std::string, int> count;
    for (const LocatorLink* link : node.locators())
        ++count[labels.emplace_back(pageLabel(*link))];
    std::unordered_map<std::string, int> seen;
    for (std::string& label : labels)
        if (count[label] > 1)
            label += " (" + std::to_string(++seen[label]) + ")";
    return labels;
}

} // namespace

void appendModernEntry(std::string& out, const IndexNode& node, const StyleSettings& style,
                       const ModernAnchors& anchors, int depth)
{
    if (ModernAnchors::isBarePlace(node))
        return;
    indent(out, depth);
    out += "<li";
    if (const int id = anchors.idOf(node)) {
        out += " id=\"";
        out += crossReferenceAnchorName(id);
        out += '"';
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
        appendCrossReference(out, *link, anchors);
    if (node.locators().size() > 1) {
        out += " <span class=\"tv-pages\">";
        const std::vector<std::string> labels = pageLabels(node);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (i > 0)
                out += ", ";
            const LocatorLink& link = *node.locators()[i];
            appendLink(out, link.address(), targetOf(link, style), labels[i]);
        }
        out += "</span>";
    }
    if (!node.children().empty()) {
        out += '\n';
        indent(out, depth + 1);
        out += "<ul>\n";
        for (const IndexNode* child : node.children())
            appendModernEntry(out, *child, style, anchors, depth + 2);
        indent(out, depth + 1);
        out += "</ul>\n";
        indent(out, depth);
    }
    out += "</li>\n";
}

} // namespace torvane
