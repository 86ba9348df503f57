#pragma once
#include "generate/LocatorLink.h"
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One "See" line under a heading of the index.
struct CrossReferenceLink {
    std::string separator;  // the next three with escapes resolved
    std::string reference;
    std::string locator;
    bool linkToLocator = true;
    // Empty, or (as a link writes it) the group page that holds the locator's
    // anchor when groups go to separate files. Both are settled by the tree.
    std::string locatorPage;
    int anchorNumber = 0;  // shared by every cross-reference whose locator reaches the same node
};

// Group names shared by all writers: 'A'..'Z' letter groups, these two, and
// kNoGroup for an item whose key is empty.
inline constexpr char kSymbolsGroup = '*';
inline constexpr char kNumbersGroup = '0';
inline constexpr char kNoGroup = 0;
// A node's `letterGroup` when its group is not a letter.
inline constexpr std::uint16_t kNoLetter = UINT16_MAX;

// One line of the index at some level. Nodes are owned by the generator's tree;
// the links point into the generator's entry and cross-reference copies, so all
// of it is valid until the generator rebuilds or resets.
struct IndexNode {
    std::string_view text;  // escapes resolved
    IndexNode* parent = nullptr;
    std::span<IndexNode* const> children;
    std::span<const LocatorLink* const> locators;
    std::span<const CrossReferenceLink* const> crossReferences;
    int level = 0;         // after adjustment: single-child ancestors do not indent
    int anchorNumber = 0;  // cross-reference anchor placed here, 0 = none
    char group = kNoGroup;
    // Its place among the generator's letter groups (kNoLetter outside them):
    // finer than `group` when a language has letters beyond A to Z.
    std::uint16_t letterGroup = kNoLetter;
};

// The texts of the unbroken chain of single-child ancestors, each followed by
// ", ", then the node's own text: a single child is printed on its parent's line.
std::string nodeHeading(const IndexNode& node);
// The same, without a copy when the heading is the node's own text; `joined`
// holds the text otherwise.
std::string_view nodeHeadingView(const IndexNode& node, std::string& joined);

// "TVXR0007": the name of a cross-reference anchor.
std::string crossReferenceAnchorName(int anchorNumber);

} // namespace torvane
