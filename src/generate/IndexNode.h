#pragma once
#include "generate/LocatorLink.h"
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One "See" line under a heading of the index.
struct CrossReferenceLink {
    std::string separator; // the next three with escapes resolved
    std::string reference;
    std::string locator;
    bool linkToLocator = true;
    // Empty, or (as a link writes it) the group page that holds the locator's
    // anchor when groups go to separate files. Both are settled by the tree.
    std::string locatorPage;
    int anchorNumber = 0; // shared by every cross-reference whose locator reaches the same node
};

// Group names shared by all writers: 'A'..'Z' letter groups, these two, and
// kNoGroup for an item whose key is empty.
inline constexpr char kSymbolsGroup = '*';
inline constexpr char kNumbersGroup = '0';
inline constexpr char kNoGroup = 0;
// A node's `letterGroup` when its group is not a letter.
inline constexpr std::uint16_t kNoLetter = UINT16_MAX;

// A run of pointers to T, stored untyped in the tree's one list of links.
template <typename T>
class LinkList {
public:
    class iterator {
    public:
        using value_type = const T*;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        explicit iterator(const void* const* at)
            : at_(at)
        {
        }
        const T* operator*() const { return static_cast<const T*>(*at_); }
        iterator& operator++()
        {
            ++at_;
            return *this;
        }
        iterator operator++(int) { return iterator(at_++); }
        bool operator==(const iterator&) const = default;

    private:
        const void* const* at_ = nullptr;
    };

    LinkList(const void* const* first, std::uint32_t count)
        : first_(first)
        , count_(count)
    {
    }
    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(first_ + count_); }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const T* operator[](std::size_t i) const { return static_cast<const T*>(first_[i]); }
    const T* front() const { return (*this)[0]; }
    const T* back() const { return (*this)[count_ - 1]; }

private:
    const void* const* first_;
    std::uint32_t count_;
};

// One line of the index at some level. Nodes are owned by the generator's tree;
// the links point into the generator's entry and cross-reference copies, so all
// of it is valid until the generator rebuilds or resets. A node's children,
// locators and cross-references lie one after another in the tree's list of
// links, so that a node keeps one pointer and three counts.
class IndexNode {
public:
    std::string_view text() const { return {text_, textSize_}; } // escapes resolved
    const IndexNode* parent() const { return parent_; }
    LinkList<IndexNode> children() const { return {links_, childCount_}; }
    LinkList<LocatorLink> locators() const { return {links_ + childCount_, locatorCount_}; }
    LinkList<CrossReferenceLink> crossReferences() const
    {
        return {links_ + childCount_ + locatorCount_, crossReferenceCount_};
    }

    int level = 0; // after adjustment: single-child ancestors do not indent
    int anchorNumber = 0; // cross-reference anchor placed here, 0 = none
    // Its place among the generator's letter groups (kNoLetter outside them):
    // finer than `group` when a language has letters beyond A to Z.
    std::uint16_t letterGroup = kNoLetter;
    char group = kNoGroup;

private:
    friend class IndexGenerator;

    const void* const* links_ = nullptr;
    IndexNode* parent_ = nullptr;
    const char* text_ = nullptr;
    std::uint32_t textSize_ = 0;
    // While the tree is built, the counts count the links still to come.
    std::uint32_t childCount_ = 0;
    std::uint32_t locatorCount_ = 0;
    std::uint32_t crossReferenceCount_ = 0;
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
