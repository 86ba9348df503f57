#include "sources/CommentBlock.h"

#include "model/EntryHolder.h"
#include "model/IndexEntry.h"
#include "model/KeyLess.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/TextUtil.h"
#include "sources/StoredValues.h"

#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view crlf = "\r\n";

void appendField(std::string& out, std::string_view name, std::string_view value, FieldForm form, bool last = false)
{
    out.append(name).append("=\"");
    // A hand-edited or typed quote without its backslash would end the value early.
    if (form == FieldForm::ProjectFile)
        out.append(storableForm(value));
    else
        out.append(encodeBlockValue(value, form == FieldForm::XhtmlBlock));
    out.append(last ? "\"" : "\",");
}

void appendTargetLine(std::string& block, std::string_view storedName)
{
    block.append("    Target=\"").append(storedName).append("\"").append(crlf);
}

void appendEntryLine(std::string& block, const IndexEntry& entry, bool xml)
{
    block.append("        ")
        .append(storedEntryFields(entry, xml ? FieldForm::XhtmlBlock : FieldForm::PageBlock))
        .append(crlf);
}

void appendHolder(std::string& block, std::string_view storedName, const EntryHolder& holder, bool xml)
{
    if (!holder.isExcluded() && holder.usesDefault())
        return;
    appendTargetLine(block, storedName);
    if (holder.isExcluded()) {
        block.append("        ").append(emptyEntryFields).append(crlf);
        return;
    }
    for (const IndexEntry* entry : holder.entries())
        appendEntryLine(block, *entry, xml);
}

void appendKeptTarget(std::string& block, const KeptTarget& kept, bool xml)
{
    appendTargetLine(block, kept.pageItself ? "#" : encodeTargetName(kept.name, xml));
    if (kept.isExclusion())
        block.append("        ").append(emptyEntryFields).append(crlf);
    for (const IndexEntry& entry : kept.entries)
        appendEntryLine(block, entry, xml);
}

} // namespace

std::string storedEntryFields(const IndexEntry& entry, FieldForm form)
{
    std::string fields;
    appendField(fields, "IndexAs", entry.indexAs(), form);
    appendField(fields, "SortAs", entry.sortAs(), form);
    appendField(fields, "HelpAs", entry.helpAs(), form);
    appendField(fields, "HelpTitle", entry.helpTitle(), form);
    appendField(fields, "IndexTarget", entry.indexTarget(), form);
    appendField(fields, "HelpWindow", entry.helpWindow(), form);
    appendField(fields, "HelpFrame", entry.helpFrame(), form, true);
    return fields;
}

std::string buildCommentBlock(const SourceFile& file, bool xml)
{
    std::string block = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
    appendHolder(block, "#", file, xml);
    // Kept targets stand where the target would, so the block reads the same once its anchor is back.
    const KeyLess less {KeyCompareMode::CaseInsensitiveThenExact};
    const std::vector<KeptTarget>& kept = file.keptTargets();
    auto nextKept = kept.begin();
    for (const Target* target : file.targets()) {
        for (; nextKept != kept.end() && less(nextKept->name, target->label()); ++nextKept)
            appendKeptTarget(block, *nextKept, xml);
        appendHolder(block, encodeTargetName(target->label(), xml), *target, xml);
    }
    for (; nextKept != kept.end(); ++nextKept)
        appendKeptTarget(block, *nextKept, xml);
    block.append("  HTML Torvane -->");
    return block;
}

std::string buildMetaTags(const SourceFile& file, bool xml)
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
    const std::string_view tagEnd = xml ? "\"/>" : "\">";
    return std::string("<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane").append(tagEnd) +
           "<Meta Name=\"Keywords\" Content=\"" + keywordAttributeText(keywords) + std::string(tagEnd);
}

} // namespace torvane
