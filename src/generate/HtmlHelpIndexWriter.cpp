#include "generate/HtmlHelpIndexWriter.h"
#include "generate/CrLfText.h"
#include "generate/IndexGenerator.h"
#include "generate/OutputFile.h"
#include <string>
#include <string_view>

namespace torvane {

namespace {

class HtmlHelpIndex {
public:
    HtmlHelpIndex(const IndexGenerator& generator, TextDrain& drain)
        : generator_(generator)
        , out_(drain)
    {
    }

    void write()
    {
        const StyleSettings& style = generator_.style();
        out_.markup("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML>\r\n<HEAD>\r\n");
        if (!style.stylesheetPath.empty()) {
            out_.markup("  <LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"");
            out_ << style.stylesheetPath;
            out_.markup("\">\r\n");
        }
        out_.markup("  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\r\n"
                    "  <!-- Sitemap 1.0 -->\r\n"
                    "</HEAD>\r\n"
                    "<BODY");
        if (!style.bodyAttributes.empty())
            out_.markup(" ") << style.bodyAttributes;
        out_.markup(">\r\n");
        if (!style.htmlHelpWindow.empty() || !style.htmlHelpFrame.empty()) {
            out_.markup(" <OBJECT type=\"text/site properties\">\r\n");
            if (!style.htmlHelpFrame.empty())
                param(2, "FrameName", style.htmlHelpFrame);
            if (!style.htmlHelpWindow.empty())
                param(2, "WindowName", style.htmlHelpWindow);
            out_.markup(" </OBJECT>\r\n");
        }
        const std::vector<IndexNode*>& top = generator_.topLevelNodes();
        if (!top.empty()) {
            out_.markup("  <UL>\r\n");
            for (const IndexNode* node : top)
                writeItem(*node, 0);
            out_.markup("  </UL>\r\n");
        }
        out_.markup("</BODY>\r\n</HTML>\r\n");
        out_.flush();
    }

private:
    void indent(int width) { out_.spaces(static_cast<std::size_t>(width)); }

    void param(int indentWidth, std::string_view name, std::string_view value)
    {
        indent(indentWidth);
        out_.markup("<param name=\"").markup(name).markup("\" value=\"");
        // A quote in a text would end the value early; references such as
        // &amp; are written as they come, so only quotes are escaped.
        for (std::size_t quote; (quote = value.find('"')) != std::string_view::npos; value.remove_prefix(quote + 1))
            out_ << value.substr(0, quote) << "&quot;";
        out_ << value;
        out_.markup("\">\r\n");
    }

    void openObject(const IndexNode& node, int depth)
    {
        indent(2 * depth + 4);
        out_.markup("<LI> <OBJECT type=\"text/sitemap\">\r\n");
        std::string joined;
        param(2 * depth + 6, "Name", nodeHeadingView(node, joined));
    }

    void closeObject(int depth)
    {
        indent(2 * depth + 6);
        out_.markup("</OBJECT>\r\n");
    }

    void writeLocators(const IndexNode& node, int depth)
    {
        for (const LocatorLink* link : node.locators()) {
            param(2 * depth + 6, "Name", link->helpTitle());
            param(2 * depth + 6, "Local", link->address());
            if (!link->helpFrame().empty())
                param(2 * depth + 6, "FrameName", link->helpFrame());
            if (!link->helpWindow().empty())
                param(2 * depth + 6, "WindowName", link->helpWindow());
        }
    }

    // A keyword with subentries lists its own topics and those of its whole subtree.
    void writeDescendantLocators(const IndexNode& node, int depth)
    {
        writeLocators(node, depth);
        for (const IndexNode* child : node.children())
            writeDescendantLocators(*child, depth);
    }

    void writeItem(const IndexNode& node, int depth)
    {
        // A chain of single children is one keyword, named by its joined texts.
        const IndexNode* current = &node;
        for (;;) {
            if (!current->crossReferences().empty()) {
                openObject(*current, depth);
                for (const CrossReferenceLink* link : current->crossReferences())
                    param(2 * depth + 6, "See Also", link->locator);
                closeObject(depth);
            }
            if (!current->locators().empty() || current->children().size() > 1) {
                openObject(*current, depth);
                writeLocators(*current, depth);
                if (current->children().size() > 1)
                    for (const IndexNode* child : current->children())
                        writeDescendantLocators(*child, depth);
                closeObject(depth);
            }
            if (current->children().size() != 1)
                break;
            current = current->children().front();
        }
        if (current->children().size() > 1) {
            indent(2 * depth + 4);
            out_.markup("<UL>\r\n");
            for (const IndexNode* child : current->children())
                writeItem(*child, depth + 1);
            indent(2 * depth + 4);
            out_.markup("</UL>\r\n");
        }
    }

    const IndexGenerator& generator_;
    CrLfText out_;
};

} // namespace

bool writeHtmlHelpIndex(const IndexGenerator& generator, MessageSink& messages)
{
    std::string path = generator.outputPath(generator.outputNames().htmlHelp);
    OutputFile file;
    if (file.open(path)) {
        HtmlHelpIndex(generator, file).write();
        if (file.commit())
            return true;
    }
    messages.showMessage("Error creating new Html Help index:\n  " + path);
    return false;
}

} // namespace torvane
