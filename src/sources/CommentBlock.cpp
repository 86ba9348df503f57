#include "sources/CommentBlock.h"

#include "model/EntryHolder.h"
#include "model/IndexEntry.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/TextUtil.h"

#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view crlf = "\r\n";

void appendField(std::string& out, std::string_view name, std::string_view value, bool last = false)
{
    out.append(name).append("=\"").append(value).append(last ? "\"" : "\",");
}

void appendHolder(std::string& block, std::string_view name, const EntryHolder& holder)
{
    if (!holder.isExcluded() && holder.usesDefault())
        return;
    block.append("    Target=\"").append(name).append("\"").append(crlf);
    if (holder.isExcluded()) {
        block.append("        ").append(emptyEntryFields).append(crlf);
        return;
    }
    for (const IndexEntry* entry : holder.entries())
        block.append("        ").append(storedEntryFields(*entry)).append(crlf);
}

} // namespace

std::string storedEntryFields(const IndexEntry& entry)
{
    std::string fields;
    appendField(fields, "IndexAs", entry.indexAs());
    appendField(fields, "SortAs", entry.sortAs());
    appendField(fields, "HelpAs", entry.helpAs());
    appendField(fields, "HelpTitle", entry.helpTitle());
    appendField(fields, "IndexTarget", entry.indexTarget());
    appendField(fields, "HelpWindow", entry.helpWindow());
    appendField(fields, "HelpFrame", entry.helpFrame(), true);
    return fields;
}

std::string buildCommentBlock(const SourceFile& file)
{
    std::string block = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
    appendHolder(block, "#", file);
    for (const Target* target : file.targets())
        appendHolder(block, target->label(), *target);
    block.append("  HTML Torvane -->");
    return block;
}

std::string buildMetaTags(const SourceFile& file)
{
    if (file.isExcluded() || file.usesDefault())
        return {};
    std::string keywords;
    bool first = true;
    for (const IndexEntry* entry : file.entries()) {
        std::string word = unescapeField(entry->sortAs());
        word.erase(std::remove(word.begin(), word.end(), '"'), word.end());
        if (!first)
            keywords.push_back(' ');
        keywords.append(word);
        first = false;
    }
    return "<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"><Meta Name=\"Keywords\" Content=\"" + keywords +
           "\">";
}

} // namespace torvane
