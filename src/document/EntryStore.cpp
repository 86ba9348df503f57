#include "document/EntryStore.h"

#include "document/ProjectLookup.h"
#include "model/SourceFile.h"
#include "sources/BlockRecords.h"
#include "sources/CommentBlock.h"
#include "sources/StoredValues.h"
#include "styles/TorvaneExtensions.h"

#include <filesystem>

namespace torvane {

namespace {

constexpr std::string_view kHeader = "HTML Torvane Entry Store, Version 1\r\n"
                                     "\r\n"
                                     "// One line per entry: the page (its path below the project folder), the\r\n"
                                     "// target (\"#\" is the page itself) and the entry's fields. A line with an\r\n"
                                     "// empty IndexAs marks its target excluded.\r\n"
                                     "\r\n";
constexpr std::string_view kTargetLine = "    Target=\"";
constexpr std::string_view kEntryIndent = "        ";

// The end of the quoted value that starts at `open` (just after its quote):
// the first double quote no backslash escapes, or npos.
std::size_t closingQuote(std::string_view line, std::size_t open)
{
    for (std::size_t at = open; at < line.size(); ++at) {
        if (line[at] == '\\')
            ++at;
        else if (line[at] == '"')
            return at;
    }
    return std::string_view::npos;
}

// Takes `key="value",` from the front of `rest`; the value as stored.
bool takeQuoted(std::string_view& rest, std::string_view key, std::string_view& value)
{
    if (!rest.starts_with(key) || rest.substr(key.size()).substr(0, 2) != "=\"")
        return false;
    const std::size_t open = key.size() + 2;
    const std::size_t close = closingQuote(rest, open);
    if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ',')
        return false;
    value = rest.substr(open, close - open);
    rest.remove_prefix(close + 2);
    return true;
}

} // namespace

std::string entryStorePath(const std::string& projectPath, const TorvaneExtensions& extensions)
{
    const std::filesystem::path project(projectPath);
    if (!extensions.entryStoreFile.empty())
        return (project.parent_path() / extensions.entryStoreFile).string();
    std::filesystem::path store = project;
    store.replace_extension(kEntryStoreSuffix);
    return store.string();
}

std::string entryStoreText(ProjectRootNode& root, const StoredPageLines& unlisted)
{
    std::string text(kHeader);
    // The block's lines say what a page holds; the store gives each the page and target it belongs to.
    for (SourceFile* page : listedPages(root)) {
        const std::string prefix = "Page=\"" + encodeTargetName(page->relativeUrl(), false) + "\",Target=\"";
        const std::string block = buildCommentBlock(*page, false);
        std::string_view target;
        for (std::size_t start = 0; start < block.size();) {
            std::size_t end = block.find("\r\n", start);
            if (end == std::string::npos)
                end = block.size();
            const std::string_view line = std::string_view(block).substr(start, end - start);
            start = end + 2;
            if (line.starts_with(kTargetLine))
                target = line.substr(kTargetLine.size(), line.size() - kTargetLine.size() - 1);
            else if (line.starts_with(kEntryIndent))
                text.append(prefix)
                    .append(target)
                    .append("\",")
                    .append(line.substr(kEntryIndent.size()))
                    .append("\r\n");
        }
    }
    for (const auto& [page, lines] : unlisted)
        for (const std::string& line : lines)
            text.append(line).append("\r\n");
    return text;
}

StoredPageLines readEntryStore(std::string_view text)
{
    StoredPageLines pages;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string_view rest = line, page, target;
        if (takeQuoted(rest, "Page", page) && takeQuoted(rest, "Target", target))
            pages[decodeTargetName(page)].emplace_back(line);
    }
    return pages;
}

NameValueList recordsOfStoredLines(const std::vector<std::string>& lines)
{
    // The page's block as it would stand in the page, read by the block's own reader.
    std::string block = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
    std::string_view openTarget;
    bool first = true;
    for (const std::string& line : lines) {
        std::string_view rest = line, page, target;
        if (!takeQuoted(rest, "Page", page) || !takeQuoted(rest, "Target", target))
            continue;
        if (first || target != openTarget)
            block.append(kTargetLine).append(target).append("\"\r\n");
        first = false;
        openTarget = target;
        block.append(kEntryIndent).append(rest).append("\r\n");
    }
    block.append("  HTML Torvane -->");
    return readBlockRecords(block);
}

} // namespace torvane
