#include "document/ReviewChecks.h"
#include "document/EntryChecks.h"
#include "generate/EntryLevels.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "platform/TextUtil.h"
#include <map>
#include <set>

namespace torvane {

namespace {

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// A heading's locators (entries of that one level) and subentries (second levels).
struct Heading {
    std::string text;
    std::size_t locators = 0;
    std::set<std::string> subentries;
    const IndexEntry* first = nullptr;
};

// "A, B" of a double post: where its entries lead.
struct Post {
    std::set<const ProjectNode*> places;
    const IndexEntry* first = nullptr;
};

std::string levelKey(std::string_view piece)
{
    return asciiLower(unescapeField(piece));
}

void addXrefFinding(const char* kind, const CrossReference& reference, std::string message,
                    std::vector<IndexFinding>& findings)
{
    IndexFinding finding;
    finding.kind = kind;
    finding.severity = severityOf(kind);
    finding.entry = reference.heading();
    finding.locator = reference.locatorSort();
    finding.message = std::move(message);
    findings.push_back(std::move(finding));
}

void addHeadingFinding(const char* kind, const Heading& heading, std::string message,
                       std::vector<IndexFinding>& findings)
{
    IndexFinding finding = findingAt(kind, *heading.first->owner());
    finding.entry = heading.first->indexAs();
    finding.message = std::move(message);
    findings.push_back(std::move(finding));
}

} // namespace

void checkReview(ProjectRootNode& root, int maxLocators, std::vector<IndexFinding>& findings)
{
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    std::map<std::string, Heading> headings;
    std::map<std::pair<std::string, std::string>, Post> posts;
    std::vector<std::string_view> pieces;
    for (const IndexEntry* entry : entries) {
        if (entry->sortKey().empty())
            continue;
        pieces.clear();
        appendLevelPieces(entry->indexAs(), pieces);
        if (pieces.empty())
            continue;
        Heading& heading = headings[levelKey(pieces[0])];
        if (!heading.first) {
            heading.first = entry;
            heading.text = unescapeField(pieces[0]);
        }
        if (pieces.size() == 1) {
            ++heading.locators;
            continue;
        }
        heading.subentries.insert(levelKey(pieces[1]));
        if (pieces.size() == 2) {
            Post& post = posts[{levelKey(pieces[0]), levelKey(pieces[1])}];
            post.places.insert(entry->owner());
            post.first = post.first ? post.first : entry;
        }
    }

    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    for (const CrossReference* reference : references) {
        pieces.clear();
        appendLevelPieces(reference->heading(), pieces);
        if (pieces.size() != 1)
            continue;
        const auto heading = headings.find(levelKey(pieces[0]));
        const bool hasLocators = heading != headings.end() && heading->second.locators > 0;
        const bool hasSubentries = heading != headings.end() && !heading->second.subentries.empty();
        const bool seeAlso = asciiLower(reference->reference()).find("also") != std::string::npos;
        if (seeAlso && !hasLocators && !hasSubentries)
            addXrefFinding(finding::kSeeAlsoWithoutLocators, *reference,
                           quoted(reference->heading()) + " has no locators of its own: its \"see also\" " +
                               quoted(reference->locator()) + " is the only way on, so it should be \"see\"",
                           findings);
        else if (!seeAlso && hasLocators)
            addXrefFinding(finding::kSeeWithLocators, *reference,
                           quoted(reference->heading()) +
                               " has locators of its own, yet sends the reader on with "
                               "\"see\" " +
                               quoted(reference->locator()) + "; \"see also\" would keep them",
                           findings);
    }

    for (const auto& [key, heading] : headings) {
        if (heading.subentries.size() == 1)
            addHeadingFinding(finding::kSingleSubentry, heading,
                              quoted(heading.text) + " has a single subentry, which could join it on its line",
                              findings);
        if (maxLocators > 0 && heading.locators > static_cast<std::size_t>(maxLocators))
            addHeadingFinding(finding::kManyLocators, heading,
                              quoted(heading.text) + " has " + std::to_string(heading.locators) +
                                  " locators, more than " + std::to_string(maxLocators) + ": split it into subentries",
                              findings);
    }
    for (const auto& [key, post] : posts) {
        if (key.first >= key.second)
            continue;
        const auto inverse = posts.find({key.second, key.first});
        if (inverse == posts.end() || inverse->second.places == post.places)
            continue;
        IndexFinding finding = findingAt(finding::kDoublePostMismatch, *post.first->owner());
        finding.entry = post.first->indexAs();
        finding.message = quoted(post.first->indexAs()) + " and " + quoted(inverse->second.first->indexAs()) +
                          " post one subject twice but lead to different places";
        findings.push_back(std::move(finding));
    }
}

} // namespace torvane
