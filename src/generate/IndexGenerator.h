#pragma once
#include "generate/IndexNode.h"
#include "generate/OutputNames.h"
#include "generate/TextArena.h"
#include "styles/StyleSettings.h"
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvane {

class IndexEntry;
class LanguageCollation;
class CrossReference;
class ProjectNode;

// Which entry text the tree shows: IndexAs for the HTML index, HelpAs for the help indexes.
enum class IndexMode { Html, Help };

// The state of one Make Index run: copies of the project's entries and
// cross-references, and the sorted, grouped tree that every writer walks.
class IndexGenerator {
public:
    // An entry's link with its texts, all in one piece: into the
    // generator's own texts.
    struct EntryCopy {
        LocatorLink link;
        std::string_view indexAs() const { return link.text(LocatorLink::IndexAs); } // as stored
        std::string_view helpAs() const { return link.text(LocatorLink::HelpAs); } // as stored
    };
    struct CrossReferenceCopy {
        std::string heading; // as stored: escapes are resolved once, level by level
        std::string headingKey; // HeadingSort, escapes resolved, lowercased
        std::string headingSortText; // HeadingSort as stored, lowercased: where its levels are cut
        std::string locatorKey; // LocatorSort, escapes resolved, lowercased
        std::string locatorText; // LocatorSort as stored, lowercased: the anchor's place in the tree
        CrossReferenceLink link;
    };

    // --- Setting up a run ---
    void setProjectDirectory(std::string directory) { projectDirectory_ = std::move(directory); }
    void setOutputNames(OutputNames names) { outputNames_ = std::move(names); }
    // Boolean options are taken as true or false (0 or 1).
    void setStyle(const StyleSettings& style);

    IndexGenerator();
    ~IndexGenerator();
    // The copies and the tree point into the generator's own texts.
    IndexGenerator(const IndexGenerator&) = delete;
    IndexGenerator& operator=(const IndexGenerator&) = delete;

    // Empties the copies and the tree and clears the presence flags.
    void reset();
    // Takes every index entry (walk order), then copies every cross-reference.
    // The project must outlive the run: the copies' texts stay in its entries.
    void collect(ProjectNode& root);
    void addEntry(const IndexEntry& entry);
    void addCrossReference(const CrossReference& crossReference);
    // Copies made without a model (the address is made from a page's relative
    // URL, whose first "#" starts the anchor name).
    void addEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs,
                  std::string_view relativeUrl, std::string_view indexTarget, std::string_view helpTitle,
                  std::string_view helpWindow, std::string_view helpFrame);
    void addCrossReference(std::string_view heading, std::string_view headingSort, std::string_view separator,
                           std::string_view reference, std::string_view locator, std::string_view locatorSort,
                           bool linkToLocator);

    // Cross-references to the same locator share one anchor number.
    void numberCrossReferenceAnchors();
    // Sorts all items and rebuilds the tree; the previous tree is discarded.
    // The first build after entries were added also makes their copies, in
    // sort order; a build in the other mode only reorders items of equal
    // keys, the display being the first rule that differs.
    void buildTree(IndexMode mode);
    // Frees what only building a tree needs, once the last tree is built;
    // a later build makes it again.
    void releaseSortData();

    // --- What the writers read ---
    const StyleSettings& style() const { return style_; }
    const OutputNames& outputNames() const { return outputNames_; }
    const std::string& projectDirectory() const { return projectDirectory_; }
    // The configured name's file name (directory part dropped) in the project directory.
    std::string outputPath(std::string_view configuredName) const;
    // The HTML index file name split at its extension: "Index" and ".htm".
    std::string htmlIndexBase() const;
    std::string htmlIndexExtension() const;
    // "Index-Symbols.htm", "Index-Numbers.htm", "Index-K.htm": the page of one group.
    std::string groupPageName(char group) const;

    const std::vector<IndexNode*>& topLevelNodes() const { return topLevel_; }
    // group: 'A'..'Z', kNumbersGroup or kSymbolsGroup.
    bool isGroupPresent(char group) const;
    // The letter groups in alphabet order: "A" to "Z", or those of the
    // collation's language ("CH" in Czech, "Å" after "Z" in Swedish). A
    // node's `letterGroup` is a place in this list.
    const std::vector<std::string>& letterGroups() const { return letterGroups_; }
    bool isLetterGroupPresent(std::uint16_t letter) const;
    // Why the configured collation could not be used (the order is then by bytes).
    const std::string& collationProblem() const { return collationProblem_; }
    // First and last letter group among the top-level nodes; 'A' when there is none.
    char firstLetter() const { return firstLetter_; }
    char lastLetter() const { return lastLetter_; }

    // Made by the first tree built, in its sort order.
    const std::vector<EntryCopy>& entries() const { return entries_; }
    // A copy's SortAs, escapes resolved, lowercased: kept by the project's
    // entry it was made from, or by the generator for a copy made without one.
    std::string_view sortKeyOf(std::size_t copy) const;
    // Whether some entry's HelpAs is not its IndexAs: only then do the
    // trees of the two modes differ.
    bool helpTextsDiffer() const { return helpTextsDiffer_; }
    // Holder numbers of the links are below this.
    std::uint32_t holderCount() const { return holderCount_; }
    const std::vector<CrossReferenceCopy>& crossReferences() const { return crossReferences_; }

private:
    struct SortItem;
    struct Item;
    struct Filing {
        std::int8_t itemClass;
        std::uint16_t letter;
    };
    Filing fileKey(std::string_view key);
    char groupOf(const Item& item) const;
    bool sameLine(std::string_view nodeText, std::string_view text);
    static std::vector<std::string> basicLetterGroups();
    void sortItems(IndexMode mode);
    std::vector<SortItem> makeSortItems();
    std::string_view levelKey(std::string_view key, std::string_view sortText, std::string& scratch);
    void keepSortedOrder(const std::vector<SortItem>& sorted);
    void sortEqualKeys(IndexMode mode);
    bool tieBefore(const Item& a, const Item& b, IndexMode mode) const;
    std::string_view displayOf(const Item& item, IndexMode mode) const;
    // A project entry waiting for its place in the order; its address is its holder's.
    struct CollectedEntry {
        const IndexEntry* entry;
        std::uint32_t holderNumber : 31;
        std::uint32_t escaped : 1; // some link text holds an escape to resolve
        // Its texts but the address, as stored (kUnmeasured when too long to tell here).
        std::uint32_t textsLength;
    };
    static constexpr std::uint32_t kUnmeasured = UINT32_MAX;
    static std::size_t storedTextsLength(const IndexEntry& entry);
    void collectEntry(const IndexEntry& entry, std::uint32_t holderNumber);
    std::uint32_t addHolder(std::string_view address);
    LocatorLink::Texts textsOf(const CollectedEntry& collected);
    std::string_view resolved(std::string_view text);
    // A page's relative URL (anchor after the first "#") as the outputs write it.
    std::string_view copiedAddress(std::string_view relativeUrl);
    void clearTree();
    void layOutEntriesInOrder();
    std::uint32_t placeItem(const Item& item, IndexMode mode);
    void linkTree(const std::vector<std::uint32_t>& reached);
    void linkCrossReferencesToAnchors(const std::vector<std::uint32_t>& reached);
    void adjustLevels();
    void findFirstAndLastLetter();
    void markPresent(const Item& item, char group);
    std::uint32_t newNode(std::size_t depth, std::string_view text, const Item& item, char group);

    StyleSettings style_;
    std::unique_ptr<LanguageCollation> collation_; // none: byte order
    std::string collationProblem_;
    std::vector<std::string> letterGroups_;
    TextArena collationKeys_;
    OutputNames outputNames_;
    std::string projectDirectory_;

    std::vector<EntryCopy> entries_;
    std::vector<const IndexEntry*> origins_; // by copy: the entry it was made from, null without a model
    std::unordered_map<std::uint32_t, std::string> ownSortKeys_; // of copies made without a model, by holder
    std::unordered_map<std::uint32_t, std::string> ownSortTexts_; // their SortAs as given, by holder
    std::vector<CollectedEntry> collected_; // numbered after `entries_` until the copies are made
    std::vector<CrossReferenceCopy> crossReferences_;
    // Until the copies are made, the texts they do not find in the project:
    // addresses, resolved escapes, the texts of entries handed over without
    // a model. Then every copy's texts, in sort order.
    TextArena entryTexts_;
    std::vector<std::string_view> holderAddresses_; // by holder number, until the copies are made
    std::unique_ptr<char[]> orderedTexts_;
    std::uint32_t holderCount_ = 0;
    bool helpTextsDiffer_ = false;

    std::vector<Item> items_; // sorted, in `sortedMode_`, while `itemsSorted_`
    bool itemsSorted_ = false;
    IndexMode sortedMode_ = IndexMode::Html;

    std::vector<std::string_view> levelPieces_; // scratch of placeItem
    std::string resolvedPiece_; // scratch of placeItem
    TextArena nodeTexts_; // node texts whose escapes were resolved
    std::deque<IndexNode> nodes_; // owns every node, by number (creation order); a deque keeps their addresses
    static constexpr std::uint32_t kNone = UINT32_MAX;
    // While the tree is built: the last node made at each level. Nodes are
    // made in the order the writers walk them, so only these can take more.
    std::vector<std::uint32_t> lastAtLevel_;
    // The nodes' children, locators and cross-references, each node's share
    // in one piece, in node order.
    std::vector<const void*> links_;
    std::vector<IndexNode*> topLevel_;
    std::array<bool, 26> letterPresent_ {};
    std::vector<bool> letterGroupPresent_; // by place in `letterGroups_`
    bool numbersPresent_ = false;
    bool symbolsPresent_ = false;
    char firstLetter_ = 'A';
    char lastLetter_ = 'A';
};

} // namespace torvane
