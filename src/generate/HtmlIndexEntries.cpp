#include "generate/HtmlIndexEntries.h"
#include "generate/HtmlAttribute.h"
#include "generate/LinkFreeText.h"
#include <cstdio>

namespace torvane {

namespace {

// A node's cross-reference anchor goes out once, at the first place its
// layout offers; a node that offers none gets it after its subtree.
class PendingAnchor {
public:
    explicit PendingAnchor(const IndexNode& node)
        : number_(node.anchorNumber)
    {
    }

    void writeTo(std::string& out)
    {
        if (number_ == 0)
            return;
        out += "<A NAME=\"";
        out += crossReferenceAnchorName(number_);
        out += "\"></A>";
        number_ = 0;
    }
    void finish(std::string& out)
    {
        if (number_ == 0)
            return;
        writeTo(out);
        out += "\r\n";
    }

private:
    int number_;
};

class EntryLineWriter {
public:
    EntryLineWriter(std::string& out, const StyleSettings& style)
        : out_(out)
        , style_(style)
    {
    }

    void hanging(const IndexNode& node);
    int runIn(const IndexNode& node, int state, bool topLevel);

private:
    void crossReferenceText(const CrossReferenceLink& reference, std::string_view heading);
    void locatorLink(const LocatorLink& locator, std::string_view text);
    void hangingPrefix(const IndexNode& node, PendingAnchor& anchor);
    void hangingEnd() { out_ += style_.useClasses ? "</P>\r\n" : "<BR>\r\n"; }
    void runInSeparator(int state);

    std::string& out_;
    const StyleSettings& style_;
    std::string scratch_; // a link's text without link tags of its own
};

void EntryLineWriter::crossReferenceText(const CrossReferenceLink& reference, std::string_view heading)
{
    out_ += heading;
    out_ += reference.separator;
    out_ += ' ';
    out_ += reference.reference;
    out_ += ' ';
    if (!reference.linkToLocator) {
        out_ += reference.locator;
        return;
    }
    out_ += "<A HREF=\"";
    appendAttributeValue(out_, reference.locatorPage);
    out_ += '#';
    out_ += crossReferenceAnchorName(reference.anchorNumber);
    out_ += "\" TARGET=\"_self\">";
    out_ += linkFreeText(reference.locator, scratch_);
    out_ += "</A>";
}

void EntryLineWriter::locatorLink(const LocatorLink& locator, std::string_view text)
{
    const std::string_view target =
        locator.frameTarget().empty() ? std::string_view(style_.htmlIndexTarget) : locator.frameTarget();
    out_ += "<A HREF=\"";
    appendAttributeValue(out_, locator.address());
    out_ += '"';
    if (!target.empty()) {
        out_ += " TARGET=\"";
        appendAttributeValue(out_, target);
        out_ += '"';
    }
    out_ += '>';
    out_ += linkFreeText(text, scratch_);
    out_ += "</A>";
}

void EntryLineWriter::hangingPrefix(const IndexNode& node, PendingAnchor& anchor)
{
    out_ += "    ";
    if (style_.useNbsps) {
        anchor.writeTo(out_);
        for (int i = 0; i < node.level; ++i)
            out_ += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    }
    if (style_.useClasses) {
        if (!style_.useNbsps)
            for (int i = 0; i < node.level; ++i)
                out_ += "  ";
        anchor.writeTo(out_);
        char paragraph[40];
        std::snprintf(paragraph, sizeof paragraph, "<P CLASS=\"index%2.2d\">", node.level + 1);
        out_ += paragraph;
    }
}

void EntryLineWriter::hanging(const IndexNode& node)
{
    PendingAnchor anchor(node);
    std::string joined;
    const std::string_view heading = nodeHeadingView(node, joined);
    for (const CrossReferenceLink* reference : node.crossReferences()) {
        hangingPrefix(node, anchor);
        crossReferenceText(*reference, heading);
        hangingEnd();
    }
    for (const LocatorLink* locator : node.locators()) {
        hangingPrefix(node, anchor);
        locatorLink(*locator, heading);
        hangingEnd();
    }
    if (node.children().size() > 1) {
        hangingPrefix(node, anchor);
        out_ += heading;
        hangingEnd();
    }
    for (const IndexNode* child : node.children())
        hanging(*child);
    anchor.finish(out_);
}

// State 0: nothing written yet; 1: after a link; 2: after a heading.
void EntryLineWriter::runInSeparator(int state)
{
    if (state == 1)
        out_ += ", \r\n      ";
    else if (state == 2)
        out_ += "&nbsp;&nbsp;\r\n      ";
}

int EntryLineWriter::runIn(const IndexNode& node, int state, bool topLevel)
{
    PendingAnchor anchor(node);
    std::string joined;
    const std::string_view heading = nodeHeadingView(node, joined);
    if (topLevel) {
        out_ += style_.useClasses ? "    <P CLASS=\"index01\">" : "    ";
        anchor.writeTo(out_);
    }
    for (const CrossReferenceLink* reference : node.crossReferences()) {
        anchor.writeTo(out_);
        runInSeparator(state);
        crossReferenceText(*reference, heading);
        state = 1;
    }
    for (const LocatorLink* locator : node.locators()) {
        anchor.writeTo(out_);
        runInSeparator(state);
        locatorLink(*locator, heading);
        state = 1;
    }
    if (node.children().size() > 1) {
        if (state != 0) {
            anchor.writeTo(out_);
            out_ += ", \r\n      ";
        }
        out_ += heading;
        state = 2;
    }
    for (const IndexNode* child : node.children())
        state = runIn(*child, state, false);
    if (topLevel)
        out_ += style_.useClasses ? "</P>\r\n" : "<BR>\r\n";
    anchor.finish(out_);
    return state;
}

} // namespace

void appendEntryLines(std::string& out, const IndexNode& topLevelNode, const StyleSettings& style)
{
    EntryLineWriter writer(out, style);
    if (style.multiLevel == MultiLevel::RunIn)
        writer.runIn(topLevelNode, 0, true);
    else
        writer.hanging(topLevelNode);
}

} // namespace torvane
