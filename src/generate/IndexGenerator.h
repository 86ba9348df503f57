#pragma once
#include "generate/IndexNode.h"
#include "styles/StyleSettings.h"
#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class IndexEntry;
class CrossReference;
class ProjectNode;

// The four output file names of a project, as configured (only their bare
// names count: every output lands in the project directory).
struct IndexOutputNames {
    std::string htmlIndex;
    std::string htmlHelp;
    std::string javaHelp;
    std::string javaMap;
};

// Which entry text the tree shows: IndexAs for the HTML index, HelpAs for the help indexes.
enum class IndexMode { Html, Help };

// The state of one Make Index run: copies of the project's entries and
// cross-references, and the sorted, grouped tree that every writer walks.
class IndexGenerator {
public:
    struct EntryCopy {
        std::string sortKey;  // SortAs, escapes resolved, lowercased
        std::string indexAs;  // as stored
        std::string helpAs;   // as stored
        LocatorLink link;
    };
    struct CrossReferenceCopy {
        std::string heading;     // escapes resolved
        std::string headingKey;  // HeadingSort, escapes resolved, lowercased
        std::string locatorKey;  // LocatorSort, escapes resolved, lowercased
        CrossReferenceLink link;
    };

    // --- Setting up a run ---
    void setProjectDirectory(std::string directory) { projectDirectory_ = std::move(directory); }
    void setOutputNames(IndexOutputNames names) { outputNames_ = std::move(names); }
    // Boolean options are taken as true or false (0 or 1).
    void setStyle(const StyleSettings& style);

    // Empties the copies and the tree and clears the presence flags.
    void reset();
    // Copies every index entry (walk order), then every cross-reference.
    void collect(ProjectNode& root);
    void addEntry(const IndexEntry& entry);
    void addCrossReference(const CrossReference& crossReference);
    // Copies made without a model (the address is the owner's relative URL).
    void addEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs,
                  std::string_view relativeUrl, std::string_view indexTarget, std::string_view helpTitle,
                  std::string_view helpWindow, std::string_view helpFrame);
    void addCrossReference(std::string_view heading, std::string_view headingSort, std::string_view separator,
                           std::string_view reference, std::string_view locator, std::string_view locatorSort,
                           bool linkToLocator);

    // Cross-references to the same locator share one anchor number.
    void numberCrossReferenceAnchors();
    // Sorts all items and rebuilds the tree; the previous tree is discarded.
    void buildTree(IndexMode mode);

    // --- What the writers read ---
    const StyleSettings& style() const { return style_; }
    const IndexOutputNames& outputNames() const { return outputNames_; }
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
    // First and last letter group among the top-level nodes; 'A' when there is none.
    char firstLetter() const { return firstLetter_; }
    char lastLetter() const { return lastLetter_; }

    // The first tree built puts the entry copies into its sort order.
    const std::vector<EntryCopy>& entries() const { return entries_; }
    const std::vector<CrossReferenceCopy>& crossReferences() const { return crossReferences_; }

private:
    struct Item;
    std::vector<Item> makeItems(IndexMode mode) const;
    void appendEntry(const IndexEntry& entry, const std::string& address);
    // `address` is already in link form.
    void appendEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs, std::string address,
                     std::string_view indexTarget, std::string_view helpTitle, std::string_view helpWindow,
                     std::string_view helpFrame);
    void clearTree();
    void layOutEntriesInOrder(std::vector<Item>& items, IndexMode mode);
    void placeItem(const Item& item);
    void adjustLevels();
    void findFirstAndLastLetter();
    void markPresent(int itemClass, char group);
    IndexNode& newNode(IndexNode* parent, std::string text, char group);

    StyleSettings style_;
    IndexOutputNames outputNames_;
    std::string projectDirectory_;

    std::vector<EntryCopy> entries_;
    bool entriesInSortOrder_ = false;
    std::vector<CrossReferenceCopy> crossReferences_;

    std::vector<std::string_view> levelPieces_;  // scratch of placeItem
    std::deque<IndexNode> nodes_;  // owns every node; a deque keeps their addresses
    std::vector<IndexNode*> topLevel_;
    std::array<bool, 26> letterPresent_{};
    bool numbersPresent_ = false;
    bool symbolsPresent_ = false;
    char firstLetter_ = 'A';
    char lastLetter_ = 'A';
};

} // namespace torvane
