#include "document/ProjectFileReader.h"

#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "platform/TextUtil.h"
#include "sources/PairReader.h"

#include <array>
#include <memory>

namespace torvane {

namespace {

constexpr std::string_view kLocalFilesHeader = "[Local Files]";
constexpr std::string_view kExternalUrlsHeader = "[External URLs]";
constexpr std::string_view kXrefsHeader = "[Xrefs]";
constexpr std::string_view kVersionLinePrefix = "HTML Torvane, Version ";

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// A section's lines as one text, each line followed by a blank, split into pairs.
NameValueList sectionPairs(std::span<const std::string> lines, std::string_view header)
{
    std::string joined;
    for (std::string_view line : sectionLines(lines, header)) {
        joined += line;
        joined += ' ';
    }
    return parsePairs(joined);
}

// The seven values of an index entry, in the order of their stored form.
struct PendingEntry {
    std::string indexAs, sortAs, helpAs, helpTitle, indexTarget, helpWindow, helpFrame;

    std::string* field(std::string_view name)
    {
        if (name == "IndexAs")
            return &indexAs;
        if (name == "SortAs")
            return &sortAs;
        if (name == "HelpAs")
            return &helpAs;
        if (name == "HelpTitle")
            return &helpTitle;
        if (name == "IndexTarget")
            return &indexTarget;
        if (name == "HelpWindow")
            return &helpWindow;
        if (name == "HelpFrame")
            return &helpFrame;
        return nullptr;
    }
};

// Files the pending values as an entry of `url`, or excludes the URL when
// they carry no IndexAs.
void completeUrlEntry(ExternalUrl* url, const PendingEntry& pending)
{
    if (url == nullptr)
        return;
    if (pending.indexAs.empty()) {
        url->setExcluded(true);
        return;
    }
    auto entry = std::make_unique<IndexEntry>();
    entry->setTexts(pending.indexAs, pending.helpAs.empty() ? pending.indexAs : pending.helpAs,
                    pending.helpTitle.empty() ? std::string("Untitled") : pending.helpTitle, pending.sortAs);
    entry->setTargets(pending.indexTarget, pending.helpWindow, pending.helpFrame);
    url->addEntry(std::move(entry));
}

struct PendingCrossReference {
    std::string heading, headingSort, separator, reference, locator, locatorSort;

    std::string* field(std::string_view name)
    {
        if (name == "Heading")
            return &heading;
        if (name == "HeadingSort")
            return &headingSort;
        if (name == "Separator")
            return &separator;
        if (name == "Reference")
            return &reference;
        if (name == "Locator")
            return &locator;
        if (name == "LocatorSort")
            return &locatorSort;
        return nullptr;
    }
};

void completeCrossReference(ProjectRootNode& root, PendingCrossReference& pending, bool link)
{
    const std::string& heading = pending.heading;
    const std::string headingSort = pending.headingSort.empty() ? heading : pending.headingSort;
    const std::string separator = pending.separator.empty() ? std::string(".") : pending.separator;
    const std::string reference = pending.reference.empty() ? std::string("<i>See</i>") : pending.reference;
    const std::string locator = pending.locator.empty() ? heading : pending.locator;
    const std::string locatorSort = pending.locatorSort.empty() ? locator : pending.locatorSort;
    auto record = std::make_unique<CrossReference>();
    record->set(heading, headingSort, separator, reference, locator, locatorSort, link);
    root.addCrossReference(std::move(record));
    pending = PendingCrossReference {};
}

} // namespace

std::vector<std::string> splitProjectLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool holdsProjectLines(std::span<const std::string> lines)
{
    for (const std::string& line : lines) {
        const std::string_view kept = trimRight(line);
        if (startsWith(kept, kVersionLinePrefix) || (startsWith(kept, "[") && kept.back() == ']'))
            return true;
    }
    return false;
}

LocalFilesSection readLocalFilesSection(std::span<const std::string> lines)
{
    LocalFilesSection result;
    OutputNames& names = result.names;
    names = OutputNames {"", "", "", ""};
    const std::array<std::pair<std::string_view, std::string*>, 4> outputs = {{
        {"Index=", &names.index},
        {"Html Help=", &names.htmlHelp},
        {"Java Help=", &names.javaHelp},
        {"Java Map=", &names.javaMap},
    }};
    for (std::string_view line : sectionLines(lines, kLocalFilesHeader)) {
        if (startsWith(line, "File=")) {
            // A path that ends in a separator, or is empty, names no page.
            const std::string_view path = line.substr(5);
            if (!path.empty() && path.back() != '\\' && path.back() != '/')
                result.relativePaths.emplace_back(path);
            continue;
        }
        for (const auto& [key, name] : outputs) {
            if (startsWith(line, key)) {
                *name = std::string(trim(line.substr(key.size())));
                break;
            }
        }
    }
    const OutputNames defaults;
    if (names.index.empty())
        names.index = defaults.index;
    if (names.htmlHelp.empty())
        names.htmlHelp = defaults.htmlHelp;
    if (names.javaHelp.empty())
        names.javaHelp = defaults.javaHelp;
    if (names.javaMap.empty())
        names.javaMap = defaults.javaMap;
    return result;
}

void readExternalUrlsSection(std::span<const std::string> lines, ProjectRootNode& root)
{
    ExternalUrl* current = nullptr;
    PendingEntry pending;
    bool urlJustOpened = false;
    auto completeIfPending = [&] {
        if (pending.indexAs.empty() && !urlJustOpened)
            return;
        completeUrlEntry(current, pending);
        pending = PendingEntry {};
        urlJustOpened = false;
    };
    for (const auto& [name, value] : sectionPairs(lines, kExternalUrlsHeader)) {
        if (name == "URL") {
            completeIfPending();
            current = &root.findOrCreateUrl(value);
            urlJustOpened = true;
        } else if (name == "IndexAs") {
            completeIfPending();
            pending.indexAs = value;
        } else if (std::string* field = pending.field(name)) {
            *field = value;
        }
    }
    completeIfPending();
}

void readCrossReferencesSection(std::span<const std::string> lines, ProjectRootNode& root)
{
    PendingCrossReference pending;
    bool link = true;
    for (const auto& [name, value] : sectionPairs(lines, kXrefsHeader)) {
        if (name == "Heading") {
            if (!pending.heading.empty())
                completeCrossReference(root, pending, link);
            pending.heading = value;
        } else if (name == "LinkToLocator") {
            link = value == "1";
        } else if (std::string* field = pending.field(name)) {
            *field = value;
        }
    }
    if (!pending.heading.empty())
        completeCrossReference(root, pending, link);
}

} // namespace torvane
