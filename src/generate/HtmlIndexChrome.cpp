#include "generate/HtmlIndexChrome.h"
#include "generate/IndexWords.h"
#include "generate/UrlEncoding.h"
#include "generate/Utf8Html.h"

namespace torvane {

namespace {

constexpr std::string_view kDoctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\"";
constexpr std::string_view kRuleParagraph = "  <P><HR SIZE=\"2\"></P>\r\n";
constexpr std::string_view kContentFrame = " target=\"Torvane-content\"";

std::string image(std::string_view folder, std::string_view name, std::string_view alt)
{
    std::string text = "<IMG SRC=\"";
    text += folder;
    text += name;
    text += ".gif\" ALT=\"";
    text += alt;
    text += "\" BORDER=\"0\">";
    return text;
}

// A group's name as the page shows it: the English names of Symbols and
// Numbers stay unless the project set the language of the index's words.
std::string shownName(const HtmlIndexPlan& plan, char group)
{
    if (plan.style.extensions.language.empty() || (group != kSymbolsGroup && group != kNumbersGroup))
        return groupName(group);
    const IndexWords words = indexWords(plan.style.extensions);
    return asciiHtml(group == kNumbersGroup ? words.numbers : words.symbols);
}

void appendLink(std::string& out, const HtmlIndexPlan& plan, char shown, char pointedTo, bool& first)
{
    const std::string name = groupName(shown);
    out += "    ";
    if (plan.style.linksAppearance == Appearance::Text && plan.style.linksVerticalBars && !first)
        out += " | ";
    first = false;
    out += "<A HREF=\"";
    if (plan.separateFiles()) {
        out += percentEncodedPath(plan.groupPageName(pointedTo));
    } else {
        if (plan.framed())
            out += percentEncodedPath(plan.contentFileName());
        out += '#';
        out += groupName(pointedTo);
    }
    out += '"';
    if (plan.framed())
        out += kContentFrame;
    out += '>';
    out += plan.style.linksAppearance == Appearance::Graphics ? image(plan.style.linksGraphicsPath, name, name)
                                                              : shownName(plan, shown);
    out += "</A>\r\n";
}

// The text a group anchor holds.
std::string anchorContent(const HtmlIndexPlan& plan, char group)
{
    if (!plan.style.includeHeadings)
        return "&nbsp;";
    const std::string name = groupName(group);
    return plan.style.groupsAppearance == Appearance::Graphics ? image(plan.style.groupsGraphicsPath, name, name)
                                                               : shownName(plan, group);
}

void appendNamedAnchor(std::string& out, const std::string& name, std::string_view content)
{
    out += "<A NAME=\"";
    out += name;
    out += "\">";
    out += content;
    out += "</A>";
}

void appendStylesheetLine(std::string& out, const StyleSettings& style)
{
    if (style.stylesheetPath.empty())
        return;
    out += "  <LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"";
    out += style.stylesheetPath;
    out += "\">\r\n";
}

void appendBodyTag(std::string& out, const StyleSettings& style, std::string_view tag, std::string_view bodyClass)
{
    out += tag;
    if (!style.bodyAttributes.empty()) {
        out += ' ';
        out += style.bodyAttributes;
    }
    if (style.useClasses) {
        out += " Class=\"";
        out += bodyClass;
        out += '"';
    }
    out += ">\r\n";
}

void appendHeading(std::string& out, const StyleSettings& style)
{
    out += "  <H1>";
    out += style.pageHeading;
    out += "</H1>\r\n";
}

void appendTargetLine(std::string& out, std::string_view name)
{
    out += "    Target=\"";
    out += name;
    out += "\"\r\n        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\"\r\n";
}

} // namespace

void appendLinksBar(std::string& out, const HtmlIndexPlan& plan, LinksBarForm form)
{
    const bool rule = plan.style.headingsRule && !plan.framed();
    if (form == LinksBarForm::Bottom && rule)
        out += kRuleParagraph;
    out += "  <H2>\r\n";
    bool first = true;
    for (char group : {kSymbolsGroup, kNumbersGroup})
        if (plan.isPresent(group) && (plan.style.linksSymbols == SymbolsOption::Include || plan.framed()))
            appendLink(out, plan, group, group, first);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (std::optional<char> pointedTo = plan.linkedLetter(letter))
            appendLink(out, plan, letter, *pointedTo, first);
    out += "  </H2>\r\n";
    if (form == LinksBarForm::Top && rule)
        out += kRuleParagraph;
}

void appendGroupHeading(std::string& out, const HtmlIndexPlan& plan, char group)
{
    const bool letter = group >= 'A' && group <= 'Z';
    if (!letter && !plan.hasSymbolsOrNumbersHeading())
        return;
    const bool headings = plan.style.includeHeadings != 0;
    out += "  ";
    if (headings)
        out += "<H3>";
    auto [first, last] = letter ? plan.letterRange(group) : std::pair {group, group};
    const std::string firstName = groupName(first);
    appendNamedAnchor(out, firstName, anchorContent(plan, first));
    if (first != last) {
        if (headings)
            out += plan.style.groupsAppearance == Appearance::Graphics
                       ? image(plan.style.groupsGraphicsPath, "Through", "Through")
                       : std::string(" - ");
        const std::string lastName = groupName(last);
        appendNamedAnchor(out, lastName, anchorContent(plan, last));
        for (char between = first + 1; between < last; ++between)
            appendNamedAnchor(out, groupName(between), "&nbsp;");
    }
    out += headings ? "</H3>\r\n" : "<BR>\r\n";
}

void appendReturnLine(std::string& out, const StyleSettings& style)
{
    out += style.useClasses ? "  <P CLASS=\"ReturnToTop\">" : "  <BR>&nbsp;<BR>";
    out += "<A HREF=\"#HTMLTorvaneTop\">";
    if (style.returnLink == ReturnLink::Text) {
        out += style.returnText;
    } else {
        out += "<IMG SRC=\"";
        out += style.returnPath;
        out += "Return.gif\" BORDER=\"0\" ALT=\"";
        out += style.extensions.language.empty() ? std::string("Return to Top")
                                                 : asciiHtml(indexWords(style.extensions).returnToTop);
        out += "\">";
    }
    out += "</A>";
    out += style.useClasses ? "</P>\r\n" : "<BR>\r\n";
}

void appendIndexCommentBlock(std::string& out, const PageTargets& targets)
{
    out += "  <!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
    appendTargetLine(out, "#");
    appendTargetLine(out, "HTMLTorvaneTop");
    if (targets.symbols)
        appendTargetLine(out, "Symbols");
    if (targets.numbers)
        appendTargetLine(out, "Numbers");
    if (targets.firstLetter)
        for (char letter = targets.firstLetter; letter <= targets.lastLetter; ++letter)
            appendTargetLine(out, std::string(1, letter));
    for (const std::string& name : targets.otherNames)
        appendTargetLine(out, name);
    for (int number : targets.anchorNumbers)
        appendTargetLine(out, crossReferenceAnchorName(number));
    out += "  HTML Torvane -->\r\n";
}

void appendPageOpening(std::string& out, const HtmlIndexPlan& plan, const PageTargets& targets,
                       std::string_view topInclude)
{
    const StyleSettings& style = plan.style;
    out += kDoctype;
    if (plan.framed())
        out += kContentFrame;
    out += ">\r\n<HTML>\r\n<HEAD>\r\n";
    appendStylesheetLine(out, style);
    out += "  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\r\n";
    out += "  <TITLE>";
    out += style.pageTitle;
    out += "</TITLE>\r\n";
    appendIndexCommentBlock(out, targets);
    out += "</HEAD>\r\n";
    appendBodyTag(out, style, "<BODY", "IndexBodyIndex");
    out += topInclude;
    if (style.returnLink != ReturnLink::None)
        out += "  <A NAME=\"HTMLTorvaneTop\"></A>\r\n";
    if (!plan.framed()) {
        appendHeading(out, style);
        appendLinksBar(out, plan, LinksBarForm::Top);
    }
}

void appendPageClosing(std::string& out, const HtmlIndexPlan& plan, std::string_view bottomInclude)
{
    if (plan.style.linksPlacement == LinksPlacement::TopAndBottom)
        appendLinksBar(out, plan, LinksBarForm::Bottom);
    out += bottomInclude;
    out += "</BODY>\r\n</HTML>\r\n";
}

std::string framesetText(const HtmlIndexPlan& plan)
{
    const std::string content = plan.separateFiles() ? plan.groupPageName(plan.firstLetter) : plan.contentFileName();
    std::string out;
    out += kDoctype;
    out += ">\r\n\r\n<html>\r\n<head>\r\n  <title>";
    out += plan.style.pageTitle;
    out += "</title>\r\n</head>\r\n<frameset rows=\"120,*\">\r\n";
    out += "  <frame name=\"Torvane-nav\" frameborder=\"1\" src=\"" + percentEncodedPath(plan.navigationFileName()) +
           "\">\r\n";
    out += "  <frame name=\"Torvane-content\" frameborder=\"1\" src=\"" + percentEncodedPath(content) + "\">\r\n";
    out += "  <noframes>\r\n";
    out += "    <p>This index uses frames, but your browser does not support them.</p>\r\n";
    out += "  </noframes>\r\n</frameset>\r\n\r\n</html>\r\n";
    return out;
}

std::string navigationPageText(const HtmlIndexPlan& plan)
{
    std::string out;
    out += kDoctype;
    out += ">\r\n\r\n<html>\r\n<head>\r\n";
    appendStylesheetLine(out, plan.style);
    out += "  <meta name=\"GENERATOR\" content=\"HTML Torvane (tm)\">\r\n</head>\r\n";
    appendBodyTag(out, plan.style, "<body", "IndexBodyNav");
    appendHeading(out, plan.style);
    appendLinksBar(out, plan, LinksBarForm::Top);
    out += "</body>\r\n</html>\r\n";
    return out;
}

} // namespace torvane
