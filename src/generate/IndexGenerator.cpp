#include "generate/IndexGenerator.h"
#include "generate/EntryLevels.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/NodeKindMask.h"
#include "model/ProjectNode.h"
#include "model/TextUtil.h"
#include <algorithm>
#include <cstdint>
#include <numeric>

namespace torvane {

namespace {

// Item classes, in sort order.
enum ItemClass : std::int8_t { ClassSymbols = 0, ClassNumbers = 1, ClassLetters = 2 };
// Item kinds, in sort order.
enum ItemKind : std::int8_t { KindLocatorAnchor = 0, KindCrossReferenceHeading = 1, KindEntry = 2 };

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

std::int8_t classOfKey(std::string_view key)
{
    if (key.empty()) return ClassSymbols;
    if (isAsciiLetter(key.front())) return ClassLetters;
    if (isAsciiDigit(key.front())) return ClassNumbers;
    return ClassSymbols;
}

char groupOfKey(std::string_view key)
{
    if (key.empty()) return kNoGroup;
    switch (classOfKey(key)) {
    case ClassLetters: return asciiUpper(key.front());
    case ClassNumbers: return kNumbersGroup;
    default: return kSymbolsGroup;
    }
}

// Byte order of the lowercased texts, a prefix first.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(asciiLower(a[i]));
        unsigned char cb = static_cast<unsigned char>(asciiLower(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void lowerInPlace(std::string& text)
{
    for (char& c : text) c = asciiLower(c);
}

std::uint64_t sortPrefixOf(std::int8_t itemClass, std::string_view key)
{
    std::uint64_t prefix = static_cast<std::uint64_t>(itemClass) << 56;
    for (std::size_t i = 0; i < 7 && i < key.size(); ++i)
        prefix |= static_cast<std::uint64_t>(static_cast<unsigned char>(key[i])) << (48 - 8 * i);
    return prefix;
}

std::string spacesAsPercent20(std::string_view url)
{
    std::string address;
    address.reserve(url.size());
    for (char c : url) {
        if (c == ' ')
            address += "%20";
        else
            address += c;
    }
    return address;
}

std::string_view bareFileName(std::string_view name)
{
    std::size_t slash = name.find_last_of("/\\");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

int asBool(int value) { return value != 0 ? 1 : 0; }

} // namespace

struct IndexGenerator::Item {
    // The class in the top byte, then the key's first seven bytes: orders
    // most pairs without reaching for the key's text.
    std::uint64_t sortPrefix;
    std::string_view key;
    std::string_view display;
    std::string_view address;  // compared lowercased; empty for cross-reference items
    std::uint32_t source;      // index into the entry or the cross-reference copies
    std::int8_t itemClass;
    std::int8_t kind;
    char group;
};

void IndexGenerator::setStyle(const StyleSettings& style)
{
    style_ = style;
    for (int* option : {&style_.linksVerticalBars, &style_.headingsRule, &style_.groupsRule,
                        &style_.includeHeadings, &style_.separateFiles, &style_.longLinesWrap,
                        &style_.includeTop, &style_.includeBottom, &style_.htmlIndex, &style_.htmlHelp,
                        &style_.javaHelp, &style_.useNbsps, &style_.useClasses})
        *option = asBool(*option);
}

void IndexGenerator::reset()
{
    entries_.clear();
    entries_.shrink_to_fit();
    entriesInSortOrder_ = false;
    crossReferences_.clear();
    crossReferences_.shrink_to_fit();
    clearTree();
}

void IndexGenerator::clearTree()
{
    nodes_.clear();
    topLevel_.clear();
    letterPresent_.fill(false);
    numbersPresent_ = false;
    symbolsPresent_ = false;
    firstLetter_ = 'A';
    lastLetter_ = 'A';
}

void IndexGenerator::collect(ProjectNode& root)
{
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    entries_.reserve(entries_.size() + entries.size());
    // The entries of one holder come together: its address is made once.
    const ProjectNode* owner = nullptr;
    std::string address;
    for (const IndexEntry* entry : entries) {
        if (entry->owner() != owner || !owner) {
            owner = entry->owner();
            address = spacesAsPercent20(entry->linkUrl());
        }
        appendEntry(*entry, address);
    }
    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    crossReferences_.reserve(crossReferences_.size() + references.size());
    for (const CrossReference* reference : references) addCrossReference(*reference);
}

void IndexGenerator::addEntry(const IndexEntry& entry)
{
    appendEntry(entry, spacesAsPercent20(entry.linkUrl()));
}

void IndexGenerator::appendEntry(const IndexEntry& entry, const std::string& address)
{
    appendEntry(entry.sortAs(), entry.indexAs(), entry.helpAs(), address, entry.indexTarget(), entry.helpTitle(),
                entry.helpWindow(), entry.helpFrame());
}

void IndexGenerator::addCrossReference(const CrossReference& reference)
{
    addCrossReference(reference.heading(), reference.headingSort(), reference.separator(), reference.reference(),
                      reference.locator(), reference.locatorSort(), reference.linkToLocator());
}

void IndexGenerator::addEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs,
                              std::string_view relativeUrl, std::string_view indexTarget,
                              std::string_view helpTitle, std::string_view helpWindow, std::string_view helpFrame)
{
    appendEntry(sortAs, indexAs, helpAs, spacesAsPercent20(relativeUrl), indexTarget, helpTitle, helpWindow,
                helpFrame);
}

void IndexGenerator::appendEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs,
                                 std::string address, std::string_view indexTarget, std::string_view helpTitle,
                                 std::string_view helpWindow, std::string_view helpFrame)
{
    entriesInSortOrder_ = false;
    EntryCopy& copy = entries_.emplace_back();
    copy.sortKey = unescapeField(sortAs);
    lowerInPlace(copy.sortKey);
    copy.indexAs = indexAs;
    copy.helpAs = helpAs;
    copy.link.address = std::move(address);
    copy.link.frameTarget = unescapeField(indexTarget);
    copy.link.helpTitle = helpTitle;
    copy.link.helpWindow = helpWindow;
    copy.link.helpFrame = helpFrame;
}

void IndexGenerator::addCrossReference(std::string_view heading, std::string_view headingSort,
                                       std::string_view separator, std::string_view reference,
                                       std::string_view locator, std::string_view locatorSort,
                                       bool linkToLocator)
{
    CrossReferenceCopy& copy = crossReferences_.emplace_back();
    copy.heading = unescapeField(heading);
    copy.headingKey = unescapeField(headingSort);
    lowerInPlace(copy.headingKey);
    copy.locatorKey = unescapeField(locatorSort);
    lowerInPlace(copy.locatorKey);
    copy.link.separator = unescapeField(separator);
    copy.link.reference = unescapeField(reference);
    copy.link.locator = unescapeField(locator);
    copy.link.linkToLocator = linkToLocator;
    char locatorGroup = groupOfKey(copy.locatorKey);
    if (style_.separateFiles && locatorGroup != groupOfKey(copy.headingKey))
        copy.link.locatorPage = groupPageName(locatorGroup);
}

void IndexGenerator::numberCrossReferenceAnchors()
{
    std::vector<std::size_t> order(crossReferences_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const CrossReferenceCopy& x = crossReferences_[a];
        const CrossReferenceCopy& y = crossReferences_[b];
        if (int c = x.locatorKey.compare(y.locatorKey)) return c < 0;
        return x.link.locator < y.link.locator;
    });
    int counter = 0;
    const CrossReferenceCopy* previous = nullptr;
    for (std::size_t i : order) {
        CrossReferenceCopy& copy = crossReferences_[i];
        bool sameLocator = previous ? previous->locatorKey == copy.locatorKey && previous->link.locator == copy.link.locator
                                    : copy.locatorKey.empty() && copy.link.locator.empty();
        if (!sameLocator) ++counter;
        copy.link.anchorNumber = counter;
        previous = &copy;
    }
}

std::vector<IndexGenerator::Item> IndexGenerator::makeItems(IndexMode mode) const
{
    std::vector<Item> items;
    items.reserve(entries_.size() + 2 * crossReferences_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const EntryCopy& copy = entries_[i];
        if (copy.sortKey.empty()) continue;
        items.push_back({sortPrefixOf(classOfKey(copy.sortKey), copy.sortKey), copy.sortKey,
                         mode == IndexMode::Html ? copy.indexAs : copy.helpAs, copy.link.address,
                         static_cast<std::uint32_t>(i), classOfKey(copy.sortKey), KindEntry,
                         groupOfKey(copy.sortKey)});
    }
    for (std::size_t i = 0; i < crossReferences_.size(); ++i) {
        const CrossReferenceCopy& copy = crossReferences_[i];
        auto source = static_cast<std::uint32_t>(i);
        items.push_back({sortPrefixOf(classOfKey(copy.headingKey), copy.headingKey), copy.headingKey,
                         copy.heading, {}, source, classOfKey(copy.headingKey), KindCrossReferenceHeading,
                         groupOfKey(copy.headingKey)});
        items.push_back({sortPrefixOf(classOfKey(copy.locatorKey), copy.locatorKey), copy.locatorKey,
                         copy.locatorKey, {}, source, classOfKey(copy.locatorKey), KindLocatorAnchor,
                         groupOfKey(copy.locatorKey)});
    }
    return items;
}

void IndexGenerator::buildTree(IndexMode mode)
{
    clearTree();
    std::vector<Item> items = makeItems(mode);
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (a.sortPrefix != b.sortPrefix) return a.sortPrefix < b.sortPrefix;
        if (int c = a.key.compare(b.key)) return c < 0;
        if (int c = compareIgnoringAsciiCase(a.display, b.display)) return c < 0;
        if (a.kind != b.kind) return a.kind < b.kind;
        return compareIgnoringAsciiCase(a.address, b.address) < 0;
    });
    layOutEntriesInOrder(items, mode);
    for (const Item& item : items) placeItem(item);
    adjustLevels();
    findFirstAndLastLetter();
}

void IndexGenerator::layOutEntriesInOrder(std::vector<Item>& items, IndexMode mode)
{
    if (entriesInSortOrder_) return;
    // Copies made afresh in sort order keep the tree's and the writers' walks
    // over memory in address order, which matters far more than the copying
    // for a large index.
    std::vector<EntryCopy> ordered;
    ordered.reserve(entries_.size());
    std::vector<bool> placed(entries_.size(), false);
    for (Item& item : items) {
        if (item.kind != KindEntry) continue;
        placed[item.source] = true;
        const EntryCopy& copy = ordered.emplace_back(entries_[item.source]);
        item.source = static_cast<std::uint32_t>(ordered.size() - 1);
        item.key = copy.sortKey;
        item.display = mode == IndexMode::Html ? copy.indexAs : copy.helpAs;
        item.address = copy.link.address;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!placed[i]) ordered.push_back(std::move(entries_[i]));
    entries_ = std::move(ordered);
    entriesInSortOrder_ = true;
}

void IndexGenerator::markPresent(int itemClass, char group)
{
    if (itemClass == ClassLetters)
        letterPresent_[group - 'A'] = true;
    else if (itemClass == ClassNumbers)
        numbersPresent_ = true;
    else
        symbolsPresent_ = true;
}

IndexNode& IndexGenerator::newNode(IndexNode* parent, std::string text, char group)
{
    IndexNode& node = nodes_.emplace_back();
    node.text = std::move(text);
    node.parent = parent;
    node.group = group;
    node.level = parent ? parent->level + 1 : 0;
    (parent ? parent->children : topLevel_).push_back(&node);
    return node;
}

void IndexGenerator::placeItem(const Item& item)
{
    markPresent(item.itemClass, item.group);
    levelPieces_.clear();
    appendLevelPieces(item.display, levelPieces_);

    // Merging looks only at the last node of a level: equal neighbours in sort order share a node.
    IndexNode* node = nullptr;
    for (std::string_view piece : levelPieces_) {
        std::string resolved;
        std::string_view text = piece;
        if (piece.find('\\') != std::string_view::npos) text = resolved = unescapeField(piece);
        std::vector<IndexNode*>& siblings = node ? node->children : topLevel_;
        if (!siblings.empty() && siblings.back()->text == text)
            node = siblings.back();
        else
            node = &newNode(node, std::string(text), item.group);
    }
    if (!node) return;

    switch (item.kind) {
    case KindEntry:
        node->locators.push_back(&entries_[item.source].link);
        break;
    case KindCrossReferenceHeading:
        node->crossReferences.push_back(&crossReferences_[item.source].link);
        break;
    default:
        node->anchorNumber = crossReferences_[item.source].link.anchorNumber;
        break;
    }
}

void IndexGenerator::adjustLevels()
{
    // Parents are created before their children, so one pass in creation order
    // sees every parent's adjusted level first.
    for (IndexNode& node : nodes_) {
        if (!node.parent) continue;
        node.level = node.parent->level + (node.parent->children.size() == 1 ? 0 : 1);
    }
}

void IndexGenerator::findFirstAndLastLetter()
{
    char first = 0;
    char last = 0;
    for (const IndexNode* node : topLevel_) {
        if (node->group < 'A' || node->group > 'Z') continue;
        if (!first) first = node->group;
        last = node->group;
    }
    firstLetter_ = first ? first : 'A';
    lastLetter_ = last ? last : 'A';
}

bool IndexGenerator::isGroupPresent(char group) const
{
    if (group >= 'A' && group <= 'Z') return letterPresent_[group - 'A'];
    if (group == kNumbersGroup) return numbersPresent_;
    if (group == kSymbolsGroup) return symbolsPresent_;
    return false;
}

std::string IndexGenerator::outputPath(std::string_view configuredName) const
{
    std::string path = projectDirectory_;
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    path += bareFileName(configuredName);
    return path;
}

std::string IndexGenerator::htmlIndexBase() const
{
    std::string_view name = bareFileName(outputNames_.htmlIndex);
    return std::string(name.substr(0, name.find_last_of('.')));
}

std::string IndexGenerator::htmlIndexExtension() const
{
    std::string_view name = bareFileName(outputNames_.htmlIndex);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string IndexGenerator::groupPageName(char group) const
{
    std::string page = htmlIndexBase() + "-";
    if (group == kSymbolsGroup)
        page += "Symbols";
    else if (group == kNumbersGroup)
        page += "Numbers";
    else if (group >= 'A' && group <= 'Z')
        page += group;
    else
        return {};
    return page + htmlIndexExtension();
}

} // namespace torvane
