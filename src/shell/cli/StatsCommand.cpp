#include "document/ProjectLookup.h"
#include "generate/EntryLevels.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/SubcommandList.h"
#include <array>
#include <map>
#include <ostream>
#include <set>

namespace torvane {

namespace {

// Locators per heading, counted in these ranges.
constexpr std::array<std::pair<std::size_t, const char*>, 6> kLocatorRanges {
    {{1, "1"}, {2, "2"}, {5, "3-5"}, {10, "6-10"}, {20, "11-20"}, {static_cast<std::size_t>(-1), "21+"}}};

struct IndexStats {
    std::size_t entries = 0;
    // Distinct lines at each level: headings, subentries, sub-subentries...
    std::vector<std::size_t> linesByLevel;
    std::array<std::size_t, kLocatorRanges.size()> locatorHistogram {};
    std::size_t pages = 0;
    std::size_t pagesCovered = 0;
    std::size_t targets = 0;
    std::size_t targetsCovered = 0;
    std::size_t see = 0;
    std::size_t seeAlso = 0;
};

bool hasOwnEntries(const EntryHolder& holder)
{
    return !holder.usesDefault() && !holder.isExcluded() && holder.entryCount() > 0;
}

IndexStats gatherStats(ProjectRootNode& root)
{
    IndexStats stats;
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    std::vector<std::set<std::string>> lines;
    std::map<std::string, std::size_t> locators;
    std::vector<std::string_view> pieces;
    for (const IndexEntry* entry : entries) {
        if (entry->sortKey().empty())
            continue;
        ++stats.entries;
        pieces.clear();
        appendLevelPieces(entry->indexAs(), pieces);
        std::string line;
        for (std::size_t level = 0; level < pieces.size(); ++level) {
            line += asciiLower(unescapeField(pieces[level])) + '\x1f';
            if (lines.size() <= level)
                lines.emplace_back();
            lines[level].insert(line);
        }
        ++locators[line];
    }
    for (const std::set<std::string>& level : lines)
        stats.linesByLevel.push_back(level.size());
    for (const auto& [line, count] : locators) {
        std::size_t range = 0;
        while (count > kLocatorRanges[range].first)
            ++range;
        ++stats.locatorHistogram[range];
    }
    for (const SourceFile* page : listedPages(root)) {
        ++stats.pages;
        bool covered = hasOwnEntries(*page);
        ++stats.targets;
        stats.targetsCovered += covered ? 1 : 0;
        for (const Target* target : page->targets()) {
            ++stats.targets;
            stats.targetsCovered += hasOwnEntries(*target) ? 1 : 0;
            covered = covered || hasOwnEntries(*target);
        }
        stats.pagesCovered += covered ? 1 : 0;
    }
    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    for (const CrossReference* reference : references)
        ++(asciiLower(reference->reference()).find("also") != std::string::npos ? stats.seeAlso : stats.see);
    return stats;
}

void writeText(const IndexStats& stats, std::ostream& out)
{
    out << "entries: " << stats.entries << "\n";
    for (std::size_t level = 0; level < stats.linesByLevel.size(); ++level)
        out << "lines at level " << level + 1 << ": " << stats.linesByLevel[level] << "\n";
    out << "locators per line:";
    for (std::size_t range = 0; range < kLocatorRanges.size(); ++range)
        out << " " << kLocatorRanges[range].second << ": " << stats.locatorHistogram[range] << ";";
    out << "\npages with entries: " << stats.pagesCovered << " of " << stats.pages
        << "\ntargets with entries: " << stats.targetsCovered << " of " << stats.targets
        << "\ncross-references: " << stats.see << " see, " << stats.seeAlso << " see also\n";
}

void writeJson(const IndexStats& stats, std::ostream& out)
{
    out << "{\"entries\": " << stats.entries << ", \"linesByLevel\": [";
    for (std::size_t level = 0; level < stats.linesByLevel.size(); ++level)
        out << (level ? ", " : "") << stats.linesByLevel[level];
    out << "], \"locatorsPerLine\": {";
    for (std::size_t range = 0; range < kLocatorRanges.size(); ++range)
        out << (range ? ", \"" : "\"") << kLocatorRanges[range].second << "\": " << stats.locatorHistogram[range];
    out << "}, \"pages\": " << stats.pages << ", \"pagesWithEntries\": " << stats.pagesCovered
        << ", \"targets\": " << stats.targets << ", \"targetsWithEntries\": " << stats.targetsCovered
        << ", \"see\": " << stats.see << ", \"seeAlso\": " << stats.seeAlso << "}\n";
}

int runStats(const SubcommandCall& call)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call, true);
    if (!project.open(path))
        return project.refuseOpen(path);
    const IndexStats stats = gatherStats(project.document().root());
    if (call.arguments.has("--json"))
        writeJson(stats, call.out);
    else
        writeText(stats, call.out);
    return ExitOk;
}

} // namespace

Subcommand statsCommand()
{
    return {"stats",
            "stats PROJECT.ipj [--json]",
            "Counts what the project's index holds; no page is changed: the entries (those\n"
            "with a sort key), the lines at each level (headings, subentries, ...; spellings\n"
            "that differ only in letter case are one line), how many locators the lines\n"
            "have (1, 2, 3-5, 6-10, 11-20, 21 or more), the pages and targets (a page and\n"
            "its anchors) with entries of their own, and the cross-references, See and\n"
            "See also.\n"
            "  --json  one JSON object: {\"entries\", \"linesByLevel\", \"locatorsPerLine\",\n"
            "          \"pages\", \"pagesWithEntries\", \"targets\", \"targetsWithEntries\",\n"
            "          \"see\", \"seeAlso\"}.\n",
            {{"--json", false, {}, "one JSON object instead of lines"}},
            1,
            1,
            runStats};
}

} // namespace torvane
