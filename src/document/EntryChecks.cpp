#include "document/EntryChecks.h"
#include "document/EntryMarkup.h"
#include "document/LevelSpellings.h"
#include "document/LinkSyntax.h"
#include "generate/EntryLevels.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <set>

namespace torvane {

namespace {

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Finds level texts that an index would show as separate lines although a
// reader takes them for one: same parent line, same letters and digits.
// The levels are gathered first and sorted once, as a sorted array stays
// fast where a tree of that many keys would not.
class DuplicateLevels {
public:
    void add(const IndexEntry& entry)
    {
        pieces_.clear();
        appendLevelPieces(entry.indexAs(), pieces_);
        const ProjectNode& holder = *entry.owner();
        const std::string_view anchor = holder.kindBit() == NodeKindMask::Target ? holder.label() : std::string_view();
        std::string parent;
        for (std::string_view piece : pieces_) {
            const std::string key = spellingKey(unescapeField(piece), anchor);
            if (!key.empty())
                levels_.push_back({parent + '\x1f' + key, piece, &entry});
            parent += piece;
            parent += '\x1f';
        }
    }

    // One finding per spelling that differs from the first one met (in walk order).
    void report(std::vector<IndexFinding>& findings)
    {
        std::stable_sort(levels_.begin(), levels_.end(), [](const Level& a, const Level& b) { return a.key < b.key; });
        for (auto group = levels_.begin(); group != levels_.end();) {
            const auto end = std::find_if(group, levels_.end(), [&](const Level& l) { return l.key != group->key; });
            const std::string_view spelling = std::string_view(group->key).substr(group->key.rfind('\x1f') + 1);
            const std::string first = unescapeField(group->text);
            std::set<std::string_view> told {group->text};
            for (auto level = group + 1; level != end; ++level) {
                const SpellingDifference difference = spellingDifference(spelling, first, unescapeField(level->text));
                if (difference == SpellingDifference::None || !told.insert(level->text).second)
                    continue;
                IndexFinding finding = findingAt(finding::kLikelyDuplicate, *level->entry->owner());
                finding.entry = level->entry->indexAs();
                finding.message = quoted(level->text) + " and " + quoted(group->text) + " differ only in " +
                                  differenceText(difference) + " at the same level";
                findings.push_back(std::move(finding));
            }
            group = end;
        }
    }

private:
    struct Level {
        std::string key;
        std::string_view text;
        const IndexEntry* entry;
    };
    std::vector<std::string_view> pieces_;
    std::vector<Level> levels_;
};

void checkOwnFields(const IndexEntry& entry, std::vector<IndexFinding>& findings)
{
    if (entry.isDefault())
        return;
    if (entry.sortKey().empty()) {
        IndexFinding finding = findingAt(finding::kEmptySortKey, *entry.owner());
        finding.entry = entry.indexAs();
        finding.message = "entry " + quoted(entry.indexAs()) + " has an empty sort key and is left out of the index";
        findings.push_back(std::move(finding));
    }
    // Each level is set into the index's markup on its own.
    std::vector<std::string_view> levels;
    appendLevelPieces(entry.indexAs(), levels);
    for (std::string_view level : levels) {
        const std::string problem = markupProblem(unescapeField(level));
        if (problem.empty())
            continue;
        IndexFinding finding = findingAt(finding::kBadEntryMarkup, *entry.owner());
        finding.entry = entry.indexAs();
        finding.message = "entry " + quoted(entry.indexAs()) + " is not well-formed HTML: " + problem;
        findings.push_back(std::move(finding));
        break;
    }
    const std::string frame = unescapeField(entry.indexTarget());
    if (!frame.empty() && !isValidFrameName(frame)) {
        IndexFinding finding = findingAt(finding::kBadIndexTarget, *entry.owner());
        finding.entry = entry.indexAs();
        finding.message = "entry " + quoted(entry.indexAs()) + " opens in " + quoted(frame) +
                          ", which is not a valid frame or window name";
        findings.push_back(std::move(finding));
    }
}

bool leadsSomewhere(const std::vector<std::string>& keys, const std::string& locator)
{
    if (std::binary_search(keys.begin(), keys.end(), locator))
        return true;
    // The locator may name the first levels of a longer entry ("fruit" for "fruit, apples").
    const std::string levelPrefix = locator + ",";
    const auto after = std::lower_bound(keys.begin(), keys.end(), levelPrefix);
    return after != keys.end() && after->starts_with(levelPrefix);
}

} // namespace

IndexFinding findingAt(const char* kind, const ProjectNode& holder)
{
    IndexFinding finding;
    finding.kind = kind;
    finding.severity = severityOf(kind);
    if (holder.kindBit() == NodeKindMask::Target) {
        finding.page = static_cast<const Target&>(holder).file()->relativeUrl();
        finding.target = holder.label();
    } else if (holder.kindBit() == NodeKindMask::File) {
        finding.page = holder.relativeUrl();
        finding.target = "#";
    } else {
        finding.target = holder.label();
    }
    return finding;
}

void checkEntries(ProjectRootNode& root, std::vector<IndexFinding>& findings)
{
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    DuplicateLevels duplicates;
    for (const IndexEntry* entry : entries) {
        checkOwnFields(*entry, findings);
        if (!entry->sortKey().empty())
            duplicates.add(*entry);
    }
    duplicates.report(findings);
}

void checkCrossReferences(ProjectRootNode& root, std::vector<IndexFinding>& findings)
{
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    std::vector<std::string> keys;
    keys.reserve(entries.size() + references.size());
    for (const IndexEntry* entry : entries) {
        if (!entry->sortKey().empty())
            keys.push_back(asciiLower(entry->sortKey()));
    }
    for (const CrossReference* reference : references)
        keys.push_back(asciiLower(reference->sortKey()));
    std::sort(keys.begin(), keys.end());

    for (const CrossReference* reference : references) {
        const std::string locator = asciiLower(unescapeField(reference->locatorSort()));
        if (leadsSomewhere(keys, locator))
            continue;
        IndexFinding finding;
        finding.kind = finding::kDeadCrossReference;
        finding.severity = severityOf(finding.kind);
        finding.entry = reference->heading();
        finding.locator = reference->locatorSort();
        finding.message = "cross-reference from " + quoted(reference->heading()) + " to " +
                          quoted(reference->locator()) + " leads nowhere: no entry or heading sorts as " +
                          quoted(locator);
        findings.push_back(std::move(finding));
    }
}

} // namespace torvane
