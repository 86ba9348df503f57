#include "generate/HtmlHelpIndexWriter.h"
#include "generate/CrLfText.h"
#include "generate/IndexGenerator.h"
#include "platform/FileAccess.h"
#include <string>

namespace torvane {

namespace {

class HtmlHelpIndex {
public:
    explicit HtmlHelpIndex(const IndexGenerator& generator) : generator_(generator) {}

    std::string text()
    {
        const StyleSettings& style = generator_.style();
        out_.reserve(generator_.outputSizeHint());
        out_ << "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n" << "<HTML>\n" << "<HEAD>\n";
        if (!style.stylesheetPath.empty())
            out_ << "  <LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"" << style.stylesheetPath << "\">\n";
        out_ << "  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\n"
             << "  <!-- Sitemap 1.0 -->\n"
             << "</HEAD>\n";
        out_ << "<BODY";
        if (!style.bodyAttributes.empty()) out_ << " " << style.bodyAttributes;
        out_ << ">\n";
        if (!style.htmlHelpWindow.empty() || !style.htmlHelpFrame.empty()) {
            out_ << " <OBJECT type=\"text/site properties\">\n";
            if (!style.htmlHelpFrame.empty())
                out_ << "  <param name=\"FrameName\" value=\"" << style.htmlHelpFrame << "\">\n";
            if (!style.htmlHelpWindow.empty())
                out_ << "  <param name=\"WindowName\" value=\"" << style.htmlHelpWindow << "\">\n";
            out_ << " </OBJECT>\n";
        }
        const std::vector<IndexNode*>& top = generator_.topLevelNodes();
        if (!top.empty()) {
            out_ << "  <UL>\n";
            for (const IndexNode* node : top) writeItem(*node, 0);
            out_ << "  </UL>\n";
        }
        out_ << "</BODY>\n" << "</HTML>\n";
        return out_.take();
    }

private:
    void indent(int width) { out_.spaces(static_cast<std::size_t>(width)); }

    void openObject(const IndexNode& node, int depth)
    {
        indent(2 * depth + 4);
        out_ << "<LI> <OBJECT type=\"text/sitemap\">\n";
        indent(2 * depth + 6);
        std::string joined;
        out_ << "<param name=\"Name\" value=\"" << nodeHeadingView(node, joined) << "\">\n";
    }

    void closeObject(int depth)
    {
        indent(2 * depth + 6);
        out_ << "</OBJECT>\n";
    }

    void writeLocators(const IndexNode& node, int depth)
    {
        for (const LocatorLink* link : node.locators) {
            indent(2 * depth + 6);
            out_ << "<param name=\"Name\" value=\"" << link->helpTitle << "\">\n";
            indent(2 * depth + 6);
            out_ << "<param name=\"Local\" value=\"" << link->address << "\">\n";
            if (!link->helpFrame.empty()) {
                indent(2 * depth + 6);
                out_ << "<param name=\"FrameName\" value=\"" << link->helpFrame << "\">\n";
            }
            if (!link->helpWindow.empty()) {
                indent(2 * depth + 6);
                out_ << "<param name=\"WindowName\" value=\"" << link->helpWindow << "\">\n";
            }
        }
    }

    // A keyword with subentries lists its own topics and those of its whole subtree.
    void writeDescendantLocators(const IndexNode& node, int depth)
    {
        writeLocators(node, depth);
        for (const IndexNode* child : node.children) writeDescendantLocators(*child, depth);
    }

    void writeItem(const IndexNode& node, int depth)
    {
        // A chain of single children is one keyword, named by its joined texts.
        const IndexNode* current = &node;
        for (;;) {
            if (!current->crossReferences.empty()) {
                openObject(*current, depth);
                for (const CrossReferenceLink* link : current->crossReferences) {
                    indent(2 * depth + 6);
                    out_ << "<param name=\"See Also\" value=\"" << link->locator << "\">\n";
                }
                closeObject(depth);
            }
            if (!current->locators.empty() || current->children.size() > 1) {
                openObject(*current, depth);
                writeLocators(*current, depth);
                if (current->children.size() > 1)
                    for (const IndexNode* child : current->children) writeDescendantLocators(*child, depth);
                closeObject(depth);
            }
            if (current->children.size() != 1) break;
            current = current->children.front();
        }
        if (current->children.size() > 1) {
            indent(2 * depth + 4);
            out_ << "<UL>\n";
            for (const IndexNode* child : current->children) writeItem(*child, depth + 1);
            indent(2 * depth + 4);
            out_ << "</UL>\n";
        }
    }

    const IndexGenerator& generator_;
    CrLfText out_;
};

} // namespace

bool writeHtmlHelpIndex(const IndexGenerator& generator, MessageSink& messages)
{
    std::string path = generator.outputPath(generator.outputNames().htmlHelp);
    if (writeFileAtomically(path, HtmlHelpIndex(generator).text())) {
        messages.showMessage("Error creating new Html Help index:\n  " + path);
        return false;
    }
    return true;
}

} // namespace torvane
