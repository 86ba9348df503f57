#include "generate/IndexGenerator.h"
#include "generate/EntryLevels.h"
#include "generate/HtmlIndexPlan.h"
#include "generate/LanguageCollation.h"
#include "generate/UrlEncoding.h"
#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "model/NodeKindMask.h"
#include "model/ProjectNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <compare>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <utility>

namespace torvane {

namespace {

// Item classes, in sort order.
enum ItemClass : std::int8_t { ClassSymbols = 0, ClassNumbers = 1, ClassLetters = 2 };
// Item kinds, in sort order.
enum ItemKind : std::int8_t { KindLocatorAnchor = 0, KindCrossReferenceHeading = 1, KindEntry = 2 };

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::int8_t classOfKey(std::string_view key)
{
    if (key.empty())
        return ClassSymbols;
    if (isAsciiLetter(key.front()))
        return ClassLetters;
    if (isAsciiDigit(key.front()))
        return ClassNumbers;
    return ClassSymbols;
}

void lowerInPlace(std::string& text)
{
    for (char& c : text)
        c = asciiLower(c);
}

// The class in the top byte, then the key's first fifteen bytes, zero-padded:
// orders most pairs without reaching for the key's text.
struct SortPrefix {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    SortPrefix(std::int8_t itemClass, std::string_view key)
    {
        high = static_cast<std::uint64_t>(itemClass) << 56;
        for (std::size_t i = 0; i < 15 && i < key.size(); ++i) {
            const auto byte = static_cast<std::uint64_t>(static_cast<unsigned char>(key[i]));
            if (i < 7)
                high |= byte << (48 - 8 * i);
            else
                low |= byte << (56 - 8 * (i - 7));
        }
    }
    auto operator<=>(const SortPrefix&) const = default;
};

int asBool(int value)
{
    return value != 0 ? 1 : 0;
}

template <typename T>
void prefetchObject(const T* object)
{
    const char* bytes = reinterpret_cast<const char*>(object);
    for (std::size_t line = 0; line < sizeof(T); line += 64)
        __builtin_prefetch(bytes + line);
}

} // namespace

// What the sort by class and key compares; only the order it makes is kept.
struct IndexGenerator::SortItem {
    SortPrefix sortPrefix;
    // Held here: ties are compared without a detour through the copy. With a
    // language set, the text's collation key instead.
    std::string_view key;
    std::uint32_t source; // index into the entry or the cross-reference copies
    std::int8_t kind;
    std::int8_t itemClass;
    std::uint16_t letter;
};

// An item in sort order: eight bytes, held while trees are built.
struct IndexGenerator::Item {
    std::uint32_t source; // index into the entry or the cross-reference copies
    std::uint16_t letter; // the letter group's place in `letterGroups()`, or kNoLetter
    std::int8_t itemClass;
    std::uint8_t kind : 7;
    std::uint8_t newKey : 1; // its class or key differs from the item's before it
};

IndexGenerator::IndexGenerator()
    : letterGroups_(basicLetterGroups())
    , letterGroupPresent_(letterGroups_.size(), false)
{
}
IndexGenerator::~IndexGenerator() = default;

void IndexGenerator::setStyle(const StyleSettings& style)
{
    style_ = style;
    itemsSorted_ = false; // the order may follow another language now
    collation_.reset();
    collationProblem_.clear();
    letterGroups_ = basicLetterGroups();
    if (!style_.extensions.collation.empty()) {
        collation_ = LanguageCollation::forLanguage(style_.extensions.collation, collationProblem_);
        if (collation_)
            letterGroups_ = collation_->letterGroups();
    }
    for (int* option : {&style_.linksVerticalBars, &style_.headingsRule, &style_.groupsRule, &style_.includeHeadings,
                        &style_.separateFiles, &style_.longLinesWrap, &style_.includeTop, &style_.includeBottom,
                        &style_.htmlIndex, &style_.htmlHelp, &style_.javaHelp, &style_.useNbsps, &style_.useClasses})
        *option = asBool(*option);
}

void IndexGenerator::reset()
{
    entries_.clear();
    entries_.shrink_to_fit();
    origins_.clear();
    origins_.shrink_to_fit();
    ownSortKeys_.clear();
    ownSortTexts_.clear();
    crossReferences_.clear();
    crossReferences_.shrink_to_fit();
    collected_.clear();
    collected_.shrink_to_fit();
    entryTexts_.clear();
    holderAddresses_.clear();
    holderAddresses_.shrink_to_fit();
    orderedTexts_.reset();
    holderCount_ = 0;
    helpTextsDiffer_ = false;
    items_.clear();
    items_.shrink_to_fit();
    collationKeys_.clear();
    itemsSorted_ = false;
    clearTree();
}

void IndexGenerator::clearTree()
{
    nodes_.clear();
    lastAtLevel_.clear();
    links_.clear();
    links_.shrink_to_fit();
    nodeTexts_.clear();
    topLevel_.clear();
    letterPresent_.fill(false);
    letterGroupPresent_.assign(letterGroups_.size(), false);
    numbersPresent_ = false;
    symbolsPresent_ = false;
    firstLetter_ = 'A';
    lastLetter_ = 'A';
}

std::string_view IndexGenerator::resolved(std::string_view text)
{
    if (text.find('\\') == std::string_view::npos)
        return entryTexts_.copy(text);
    return entryTexts_.copy(unescapeField(text));
}

std::string_view IndexGenerator::copiedAddress(std::string_view relativeUrl)
{
    const std::size_t hash = relativeUrl.find('#');
    if (hash == std::string_view::npos)
        return entryTexts_.copy(pageAddress(relativeUrl, {}, false));
    return entryTexts_.copy(pageAddress(relativeUrl.substr(0, hash), relativeUrl.substr(hash + 1), true));
}

namespace {

// The entries and the cross-references, each in walk order, from one walk.
class RecordGatherer : public NodeVisitor {
public:
    std::vector<const IndexEntry*> entries;
    std::vector<const CrossReference*> references;

    void visitEntry(IndexEntry& entry, ProjectNode&) override { entries.push_back(&entry); }
    void visitCrossReference(CrossReference& reference, ProjectNode&) override { references.push_back(&reference); }
};

// Holder addresses as the outputs write them, each page's part made once for
// all of its targets (they come one after another in walk order).
class HolderAddresses {
public:
    // `ownPages`: relative URLs of the pages this run writes itself.
    explicit HolderAddresses(std::vector<std::string> ownPages = {})
        : ownPages_(std::move(ownPages))
    {
    }

    std::string of(const ProjectNode& holder)
    {
        switch (holder.kindBit()) {
        case NodeKindMask::Target: {
            const auto& target = static_cast<const Target&>(holder);
            selectFile(target.file());
            return pageAddress(fileUrl_, target.label(), true);
        }
        case NodeKindMask::Url:
            return externalAddress(holder.relativeUrl());
        default:
            return pageAddress(holder.relativeUrl(), {}, false);
        }
    }

    // Whether the holder lies in a page this run writes (an index page of an
    // earlier run, a frame set or its navigation page listed in the project):
    // what it holds describes the index itself.
    bool isOwnPage(const ProjectNode& holder)
    {
        switch (holder.kindBit()) {
        case NodeKindMask::Target:
            selectFile(static_cast<const Target&>(holder).file());
            return fileIsOwn_;
        case NodeKindMask::File:
            return isOwnUrl(holder.relativeUrl());
        default:
            return false;
        }
    }

private:
    void selectFile(const SourceFile* file)
    {
        if (file == file_ && fileKnown_)
            return;
        file_ = file;
        fileKnown_ = true;
        fileUrl_ = file ? file->relativeUrl() : std::string();
        fileIsOwn_ = file && isOwnUrl(fileUrl_);
    }
    bool isOwnUrl(const std::string& url) const
    {
        return std::find(ownPages_.begin(), ownPages_.end(), url) != ownPages_.end();
    }

    std::vector<std::string> ownPages_;
    const SourceFile* file_ = nullptr;
    bool fileKnown_ = false;
    std::string fileUrl_;
    bool fileIsOwn_ = false;
};

} // namespace

void IndexGenerator::collect(ProjectNode& root)
{
    RecordGatherer records;
    root.walk(records);
    collected_.reserve(collected_.size() + records.entries.size());
    // The entries of one holder come together: its address is made once.
    HolderAddresses addresses(htmlIndexFileNames(htmlIndexBase(), htmlIndexExtension()));
    const ProjectNode* owner = nullptr;
    bool ownPage = false;
    std::uint32_t holder = 0;
    // The entries lie scattered in memory: each is fetched ahead, then the
    // texts it points to once it has arrived.
    constexpr std::size_t kEntryAhead = 16, kTextsAhead = 8;
    const std::vector<const IndexEntry*>& list = records.entries;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i + kEntryAhead < list.size())
            prefetchObject(list[i + kEntryAhead]);
        if (i + kTextsAhead < list.size())
            list[i + kTextsAhead]->fetchTextsAhead();
        const IndexEntry* entry = list[i];
        if (entry->owner() != owner || !owner) {
            owner = entry->owner();
            ownPage = owner && addresses.isOwnPage(*owner);
            holder = addHolder(owner && !ownPage ? addresses.of(*owner) : std::string());
        }
        if (!ownPage)
            collectEntry(*entry, holder);
    }
    crossReferences_.reserve(crossReferences_.size() + records.references.size());
    for (const CrossReference* reference : records.references)
        addCrossReference(*reference);
}

void IndexGenerator::addEntry(const IndexEntry& entry)
{
    const ProjectNode* owner = entry.owner();
    collectEntry(entry, addHolder(owner ? HolderAddresses().of(*owner) : std::string()));
}

std::uint32_t IndexGenerator::addHolder(std::string_view address)
{
    holderAddresses_.push_back(address.empty() ? std::string_view() : entryTexts_.copy(address));
    return holderCount_++;
}

// What a copy stores of an entry's texts, its holder's address aside; a
// resolved escape is never longer than the stored text it comes from.
std::size_t IndexGenerator::storedTextsLength(const IndexEntry& entry)
{
    return entry.indexAs().size() + entry.indexTarget().size() + entry.helpTitle().size() + entry.helpWindow().size() +
           entry.helpFrame().size() + (entry.helpAs() == entry.indexAs() ? 0 : entry.helpAs().size());
}

void IndexGenerator::collectEntry(const IndexEntry& entry, std::uint32_t holderNumber)
{
    itemsSorted_ = false;
    const bool escaped =
        std::ranges::any_of(std::initializer_list<std::string_view> {entry.indexTarget(), entry.helpTitle(),
                                                                     entry.helpWindow(), entry.helpFrame()},
                            [](std::string_view text) { return text.find('\\') != std::string_view::npos; });
    helpTextsDiffer_ |= entry.indexAs() != entry.helpAs();
    // Measured while the entry is at hand: the layout then sizes the copies
    // without reading the project again.
    const std::size_t length = storedTextsLength(entry);
    collected_.push_back(
        {&entry, holderNumber, escaped, length < kUnmeasured ? static_cast<std::uint32_t>(length) : kUnmeasured});
}

LocatorLink::Texts IndexGenerator::textsOf(const CollectedEntry& collected)
{
    const IndexEntry& entry = *collected.entry;
    // The entry's lowercased sort key is its SortAs resolved and lowercased.
    LocatorLink::Texts texts {holderAddresses_[collected.holderNumber],
                              entry.indexTarget(),
                              entry.helpTitle(),
                              entry.helpWindow(),
                              entry.helpFrame(),
                              entry.indexAs(),
                              entry.helpAs()};
    if (collected.escaped)
        for (LocatorLink::Text which :
             {LocatorLink::FrameTarget, LocatorLink::HelpTitle, LocatorLink::HelpWindow, LocatorLink::HelpFrame})
            texts[which] = resolved(texts[which]);
    return texts;
}

void IndexGenerator::addCrossReference(const CrossReference& reference)
{
    addCrossReference(reference.heading(), reference.headingSort(), reference.separator(), reference.reference(),
                      reference.locator(), reference.locatorSort(), reference.linkToLocator());
}

void IndexGenerator::addEntry(std::string_view sortAs, std::string_view indexAs, std::string_view helpAs,
                              std::string_view relativeUrl, std::string_view indexTarget, std::string_view helpTitle,
                              std::string_view helpWindow, std::string_view helpFrame)
{
    itemsSorted_ = false;
    helpTextsDiffer_ |= indexAs != helpAs;
    const LocatorLink::Texts texts {copiedAddress(relativeUrl),
                                    resolved(indexTarget),
                                    resolved(helpTitle),
                                    resolved(helpWindow),
                                    resolved(helpFrame),
                                    indexAs,
                                    helpAs};
    // Packed in a scratch piece, then kept in one piece among the generator's texts.
    std::string piece;
    for (std::string_view text : texts)
        piece += text;
    char* end = piece.data();
    const std::uint32_t holder = addHolder({});
    LocatorLink link = LocatorLink::packed(end, texts, holder);
    link.moveTextsTo(entryTexts_.copy(std::string_view(piece.data(), end - piece.data())).data());
    entries_.push_back({link});
    origins_.push_back(nullptr);
    ownSortTexts_[holder] = sortAs;
    std::string& sortKey = ownSortKeys_[holder];
    sortKey = unescapeField(sortAs);
    lowerInPlace(sortKey);
}

std::string_view IndexGenerator::sortKeyOf(std::size_t copy) const
{
    if (const IndexEntry* origin = origins_[copy])
        return origin->sortKeyLower();
    return ownSortKeys_.at(entries_[copy].link.holderNumber());
}

void IndexGenerator::addCrossReference(std::string_view heading, std::string_view headingSort,
                                       std::string_view separator, std::string_view reference, std::string_view locator,
                                       std::string_view locatorSort, bool linkToLocator)
{
    itemsSorted_ = false;
    CrossReferenceCopy& copy = crossReferences_.emplace_back();
    copy.heading = heading;
    copy.headingKey = unescapeField(headingSort);
    lowerInPlace(copy.headingKey);
    copy.headingSortText = headingSort;
    lowerInPlace(copy.headingSortText);
    copy.locatorKey = unescapeField(locatorSort);
    lowerInPlace(copy.locatorKey);
    copy.locatorText = locatorSort;
    lowerInPlace(copy.locatorText);
    copy.link.separator = unescapeField(separator);
    copy.link.reference = unescapeField(reference);
    copy.link.locator = unescapeField(locator);
    copy.link.linkToLocator = linkToLocator;
}

void IndexGenerator::numberCrossReferenceAnchors()
{
    std::vector<std::size_t> order(crossReferences_.size());
    std::iota(order.begin(), order.end(), std::size_t {0});
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const CrossReferenceCopy& x = crossReferences_[a];
        const CrossReferenceCopy& y = crossReferences_[b];
        if (int c = x.locatorKey.compare(y.locatorKey))
            return c < 0;
        if (int c = x.link.locator.compare(y.link.locator))
            return c < 0;
        return x.locatorText < y.locatorText;
    });
    int counter = 0;
    const CrossReferenceCopy* previous = nullptr;
    for (std::size_t i : order) {
        CrossReferenceCopy& copy = crossReferences_[i];
        // Locators whose escapes differ ("a\,b", "a,b") lie at different places of the tree.
        bool sameLocator = previous ? previous->locatorKey == copy.locatorKey &&
                                          previous->link.locator == copy.link.locator &&
                                          previous->locatorText == copy.locatorText
                                    : copy.locatorKey.empty() && copy.link.locator.empty();
        if (!sameLocator)
            ++counter;
        copy.link.anchorNumber = counter;
        previous = &copy;
    }
}

std::string_view IndexGenerator::displayOf(const Item& item, IndexMode mode) const
{
    switch (item.kind) {
    case KindEntry: {
        const EntryCopy& copy = entries_[item.source];
        return mode == IndexMode::Html ? copy.indexAs() : copy.helpAs();
    }
    case KindCrossReferenceHeading:
        return crossReferences_[item.source].heading;
    default:
        return crossReferences_[item.source].locatorText;
    }
}

// The rules after the key, for items of equal keys.
bool IndexGenerator::tieBefore(const Item& a, const Item& b, IndexMode mode) const
{
    const std::string_view x = displayOf(a, mode), y = displayOf(b, mode);
    if (int c = collation_ ? collation_->compare(x, y) : compareInIndexOrder(x, y))
        return c < 0;
    if (a.kind != b.kind)
        return a.kind < b.kind;
    if (a.kind == KindEntry)
        if (int c = compareInIndexOrder(entries_[a.source].link.address(), entries_[b.source].link.address()))
            return c < 0;
    // Items equal by every rule keep the project's order, the same in every output.
    return a.source < b.source;
}

std::vector<IndexGenerator::SortItem> IndexGenerator::makeSortItems()
{
    std::vector<SortItem> items;
    items.reserve(entries_.size() + collected_.size() + 2 * crossReferences_.size());
    collationKeys_.clear();
    std::string collationKey;
    auto add = [this, &items, &collationKey](std::string_view key, std::string_view sortText, std::size_t source,
                                             ItemKind kind) {
        Filing filing = fileKey(key);
        if (sortText.find(',') != std::string_view::npos) {
            key = collationKeys_.copy(levelKey(key, sortText, collationKey));
        } else if (collation_) {
            // One collation key per item, made before the sort and compared byte by byte.
            collation_->sortKey(key, collationKey);
            key = collationKeys_.copy(collationKey);
        }
        items.push_back({SortPrefix(filing.itemClass, key), key, static_cast<std::uint32_t>(source), kind,
                         filing.itemClass, filing.letter});
    };
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string_view key = sortKeyOf(i);
        const IndexEntry* origin = origins_[i];
        if (!key.empty())
            add(key, origin ? origin->sortAs() : std::string_view(ownSortTexts_.at(entries_[i].link.holderNumber())), i,
                KindEntry);
    }
    // Collected entries are numbered after the copies.
    constexpr std::size_t kAhead = 16, kTextsAhead = 8;
    for (std::size_t i = 0; i < collected_.size(); ++i) {
        if (i + kAhead < collected_.size())
            prefetchObject(collected_[i + kAhead].entry);
        if (i + kTextsAhead < collected_.size())
            collected_[i + kTextsAhead].entry->fetchTextsAhead();
        std::string_view key = collected_[i].entry->sortKeyLower();
        if (!key.empty())
            add(key, collected_[i].entry->sortAs(), entries_.size() + i, KindEntry);
    }
    for (std::size_t i = 0; i < crossReferences_.size(); ++i) {
        add(crossReferences_[i].headingKey, crossReferences_[i].headingSortText, i, KindCrossReferenceHeading);
        add(crossReferences_[i].locatorKey, crossReferences_[i].locatorText, i, KindLocatorAnchor);
    }
    return items;
}

// A key compared level by level: each level's key, the levels joined by a
// zero byte, which sorts below every byte of a level's key (collation keys
// hold none). A heading then comes before every longer heading it begins,
// and its subentries stay together under it. `key` is returned as it is
// when its sort text has a single level.
std::string_view IndexGenerator::levelKey(std::string_view key, std::string_view sortText, std::string& scratch)
{
    levelPieces_.clear();
    appendLevelPieces(sortText, levelPieces_);
    if (levelPieces_.size() < 2 && !collation_)
        return key;
    std::string joined, level;
    for (std::size_t i = 0; i < levelPieces_.size(); ++i) {
        if (i > 0)
            joined += '\0';
        std::string piece = unescapeField(levelPieces_[i]);
        lowerInPlace(piece);
        if (collation_) {
            collation_->sortKey(piece, level);
            joined += level;
        } else {
            joined += piece;
        }
    }
    scratch = std::move(joined);
    return scratch;
}

// Keeps the order and what placing needs; the keys are not read again.
void IndexGenerator::keepSortedOrder(const std::vector<SortItem>& sorted)
{
    items_.clear();
    items_.shrink_to_fit();
    items_.reserve(sorted.size());
    // The keys lie in the project, in its order, not in sort order: each is
    // asked for ahead. Keys of up to fifteen bytes are whole in their prefix.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i + kAhead < sorted.size())
            __builtin_prefetch(sorted[i + kAhead].key.data());
        const SortItem& item = sorted[i];
        const bool newKey = i == 0 || item.sortPrefix != sorted[i - 1].sortPrefix ||
                            item.key.size() != sorted[i - 1].key.size() ||
                            (item.key.size() > 15 && item.key != sorted[i - 1].key);
        items_.push_back({item.source, item.letter, item.itemClass, static_cast<std::uint8_t>(item.kind),
                          static_cast<std::uint8_t>(newKey)});
    }
}

void IndexGenerator::sortItems(IndexMode mode)
{
    if (itemsSorted_ && mode == sortedMode_)
        return;
    if (!itemsSorted_) {
        // Class and key first, in both modes; the other rules only order
        // items of equal keys, done run by run once the copies lie in order.
        {
            std::vector<SortItem> sorted = makeSortItems();
            // Items of equal keys in the order they were made: the copies laid
            // out from this order keep the project's order among equal entries.
            std::sort(sorted.begin(), sorted.end(), [](const SortItem& a, const SortItem& b) {
                if (a.sortPrefix != b.sortPrefix)
                    return a.sortPrefix < b.sortPrefix;
                if (int c = a.key.compare(b.key))
                    return c < 0;
                if (a.kind != b.kind)
                    return a.kind < b.kind;
                return a.source < b.source;
            });
            keepSortedOrder(sorted);
        }
        collationKeys_.clear();
        layOutEntriesInOrder();
    }
    sortEqualKeys(mode);
    itemsSorted_ = true;
    sortedMode_ = mode;
}

void IndexGenerator::sortEqualKeys(IndexMode mode)
{
    auto before = [this, mode](const Item& a, const Item& b) { return tieBefore(a, b, mode); };
    for (auto run = items_.begin(); run != items_.end();) {
        auto end = run + 1;
        while (end != items_.end() && !end->newKey)
            ++end;
        if (end - run > 1) {
            // The run's first item carries the mark wherever the sort puts it.
            run->newKey = false;
            std::sort(run, end, before);
            run->newKey = true;
        }
        run = end;
    }
}

void IndexGenerator::buildTree(IndexMode mode)
{
    clearTree();
    sortItems(mode);
    std::vector<std::uint32_t> reached(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i)
        reached[i] = placeItem(items_[i], mode);
    lastAtLevel_.clear();
    linkTree(reached);
    linkCrossReferencesToAnchors(reached);
    adjustLevels();
    findFirstAndLastLetter();
}

void IndexGenerator::releaseSortData()
{
    items_.clear();
    items_.shrink_to_fit();
    collationKeys_.clear();
    itemsSorted_ = false;
}

void IndexGenerator::layOutEntriesInOrder()
{
    // Copies and texts laid out in sort order keep the tree's and the
    // writers' walks over memory in address order, which matters far more
    // than the copying for a large index. They are written at their places
    // while the entries are read in collection order: the project is read
    // in the order it lies in memory, and only the writes land at random.
    const std::size_t copies = entries_.size();
    const std::size_t total = copies + collected_.size();
    std::vector<std::uint32_t> placeOf(total, kNone);
    std::uint32_t placed = 0;
    for (Item& item : items_) {
        if (item.kind != KindEntry)
            continue;
        placeOf[item.source] = placed;
        item.source = placed++;
    }
    for (std::uint32_t& place : placeOf)
        if (place == kNone)
            place = placed++;

    // Room for each copy's texts at its place.
    std::vector<std::size_t> textsAt(total + 1, 0);
    for (std::size_t source = 0; source < total; ++source) {
        std::size_t length = 0;
        if (source < copies) {
            length = entries_[source].link.storedSize();
        } else {
            const CollectedEntry& collected = collected_[source - copies];
            length =
                holderAddresses_[collected.holderNumber].size() +
                (collected.textsLength != kUnmeasured ? collected.textsLength : storedTextsLength(*collected.entry));
        }
        textsAt[placeOf[source]] = length;
    }
    std::size_t offset = 0;
    for (std::size_t& at : textsAt)
        offset += std::exchange(at, offset);
    auto texts = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(offset, 1));

    std::vector<EntryCopy> ordered(total);
    std::vector<const IndexEntry*> origins(total);
    for (std::size_t source = 0; source < total; ++source) {
        // Each entry is fetched ahead, then its texts once the entry has
        // arrived (in the loop itself: the compiler drops a call that only fetches).
        constexpr std::size_t kAhead = 16, kTextsAhead = 8;
        if (source + kAhead < total && source + kAhead >= copies)
            prefetchObject(collected_[source + kAhead - copies].entry);
        if (source + kTextsAhead < total && source + kTextsAhead >= copies)
            collected_[source + kTextsAhead - copies].entry->fetchTextsAhead();
        char* at = texts.get() + textsAt[placeOf[source]];
        LocatorLink& link = ordered[placeOf[source]].link;
        origins[placeOf[source]] = source < copies ? origins_[source] : collected_[source - copies].entry;
        if (source < copies) {
            link = entries_[source].link;
            if (link.storedSize() != 0)
                std::memcpy(at, link.storedTexts(), link.storedSize());
            link.moveTextsTo(at);
        } else {
            const CollectedEntry& collected = collected_[source - copies];
            link = LocatorLink::packed(at, textsOf(collected), collected.holderNumber);
        }
    }
    entries_ = std::move(ordered);
    origins_ = std::move(origins);
    collected_.clear();
    collected_.shrink_to_fit();
    orderedTexts_ = std::move(texts);
    entryTexts_.clear();
    holderAddresses_.clear();
    holderAddresses_.shrink_to_fit();
}

IndexGenerator::Filing IndexGenerator::fileKey(std::string_view key)
{
    if (key.empty())
        return {ClassSymbols, kNoLetter};
    if (collation_) {
        LanguageCollation::Filing filing = collation_->file(key);
        return {filing.itemClass, filing.letter};
    }
    const std::int8_t itemClass = classOfKey(key);
    return {itemClass, static_cast<std::uint16_t>(itemClass == ClassLetters ? asciiUpper(key.front()) - 'A' : 0)};
}

char IndexGenerator::groupOf(const Item& item) const
{
    if (item.letter == kNoLetter)
        return kNoGroup;
    switch (item.itemClass) {
    case ClassLetters:
        return collation_ ? collation_->basicLetterOf(item.letter) : char('A' + item.letter);
    case ClassNumbers:
        return kNumbersGroup;
    default:
        return kSymbolsGroup;
    }
}

// Equal texts share a line; with Merge Case Variants so do texts that differ only in case.
bool IndexGenerator::sameLine(std::string_view nodeText, std::string_view text)
{
    if (nodeText == text)
        return true;
    if (!style_.extensions.mergeCaseVariants || nodeText.size() == 0)
        return false;
    return collation_ ? collation_->sameIgnoringCase(nodeText, text) : equalsNoCase(nodeText, text);
}

void IndexGenerator::markPresent(const Item& item, char group)
{
    if (item.letter == kNoLetter) {
        symbolsPresent_ = true;
        return;
    }
    if (item.itemClass == ClassLetters) {
        letterPresent_[group - 'A'] = true;
        letterGroupPresent_[item.letter] = true;
    } else if (item.itemClass == ClassNumbers)
        numbersPresent_ = true;
    else
        symbolsPresent_ = true;
}

// A node at `depth` under the last node of the level above: it becomes
// the last node of its level, and the levels below start afresh.
std::uint32_t IndexGenerator::newNode(std::size_t depth, std::string_view text, const Item& item, char group)
{
    const auto number = static_cast<std::uint32_t>(nodes_.size());
    IndexNode& node = nodes_.emplace_back();
    node.text_ = text.data();
    node.textSize_ = static_cast<std::uint32_t>(text.size());
    node.group = group;
    node.letterGroup = item.itemClass == ClassLetters ? item.letter : kNoLetter;
    node.level = static_cast<int>(depth);
    if (depth == 0) {
        topLevel_.push_back(&node);
    } else {
        node.parent_ = &nodes_[lastAtLevel_[depth - 1]];
        ++node.parent_->childCount_;
    }
    lastAtLevel_.resize(depth);
    lastAtLevel_.push_back(number);
    return number;
}

// Returns the number of the node the item reached, kNone when it was dropped.
std::uint32_t IndexGenerator::placeItem(const Item& item, IndexMode mode)
{
    const char group = groupOf(item);
    markPresent(item, group);
    levelPieces_.clear();
    appendLevelPieces(displayOf(item, mode), levelPieces_);

    // Merging looks only at the last node of a level: equal neighbours in sort order share a node.
    std::uint32_t node = kNone;
    for (std::size_t depth = 0; depth < levelPieces_.size(); ++depth) {
        const std::string_view piece = levelPieces_[depth];
        std::string_view text = piece;
        const bool escaped = piece.find('\\') != std::string_view::npos;
        if (escaped)
            text = resolvedPiece_ = unescapeField(piece);
        const std::uint32_t last = depth < lastAtLevel_.size() ? lastAtLevel_[depth] : kNone;
        if (last != kNone && sameLine(nodes_[last].text(), text))
            node = last;
        else
            node = newNode(depth, escaped ? nodeTexts_.copy(text) : text, item, group);
    }
    if (node == kNone)
        return kNone;

    switch (item.kind) {
    case KindEntry:
        ++nodes_[node].locatorCount_;
        break;
    case KindCrossReferenceHeading:
        ++nodes_[node].crossReferenceCount_;
        break;
    default: {
        // Locators that differ only in ways the tree does not tell apart
        // (letter case, blanks around a comma) meet at one node: they share
        // its anchor, or a link would lead to an anchor never written.
        int& number = crossReferences_[item.source].link.anchorNumber;
        if (nodes_[node].anchorNumber == 0)
            nodes_[node].anchorNumber = number;
        else
            number = nodes_[node].anchorNumber;
        break;
    }
    }
    return node;
}

namespace {

// The group page a node is written on: that of its top-level node.
char pageGroupOfNode(const IndexNode& node)
{
    const IndexNode* top = &node;
    while (top->parent())
        top = top->parent();
    return pageGroupOf(*top);
}

} // namespace

// Each "See" link leads to the page where its locator's anchor was placed;
// a locator that reached no node has no anchor, and is not made a link.
void IndexGenerator::linkCrossReferencesToAnchors(const std::vector<std::uint32_t>& reached)
{
    std::vector<std::uint32_t> headingNode(crossReferences_.size(), kNone);
    std::vector<std::uint32_t> locatorNode(crossReferences_.size(), kNone);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].kind == KindCrossReferenceHeading)
            headingNode[items_[i].source] = reached[i];
        if (items_[i].kind == KindLocatorAnchor)
            locatorNode[items_[i].source] = reached[i];
    }
    for (std::size_t i = 0; i < crossReferences_.size(); ++i) {
        CrossReferenceLink& link = crossReferences_[i].link;
        link.locatorPage.clear();
        if (locatorNode[i] == kNone) {
            link.linkToLocator = false;
            continue;
        }
        if (!style_.separateFiles || headingNode[i] == kNone)
            continue;
        const char locatorGroup = pageGroupOfNode(nodes_[locatorNode[i]]);
        if (locatorGroup != pageGroupOfNode(nodes_[headingNode[i]]))
            link.locatorPage = percentEncodedPath(groupPageName(locatorGroup));
    }
}

// Gives every node its share of the list of links: its children, then its
// locators, then its cross-references, each node's share in one piece in
// node order. Each kind is filled in its own pass, the node's count of it
// counting again what is filled in.
void IndexGenerator::linkTree(const std::vector<std::uint32_t>& reached)
{
    std::size_t total = 0;
    for (const IndexNode& node : nodes_)
        total += node.childCount_ + node.locatorCount_ + node.crossReferenceCount_;
    links_.assign(total, nullptr);
    std::size_t at = 0;
    for (IndexNode& node : nodes_) {
        node.links_ = links_.data() + at;
        at += node.childCount_ + node.locatorCount_ + node.crossReferenceCount_;
        node.childCount_ = 0;
    }
    auto slot = [this](const IndexNode& node, std::size_t place) -> const void*& {
        return links_[node.links_ - links_.data() + place];
    };
    // Parents come before their children in node order.
    for (IndexNode& node : nodes_) {
        if (!node.parent_)
            continue;
        slot(*node.parent_, node.parent_->childCount_++) = &node;
    }
    for (IndexNode& node : nodes_)
        node.locatorCount_ = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (reached[i] == kNone || items_[i].kind != KindEntry)
            continue;
        IndexNode& node = nodes_[reached[i]];
        slot(node, node.childCount_ + node.locatorCount_++) = &entries_[items_[i].source].link;
    }
    if (crossReferences_.empty())
        return;
    for (IndexNode& node : nodes_)
        node.crossReferenceCount_ = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (reached[i] == kNone || items_[i].kind != KindCrossReferenceHeading)
            continue;
        IndexNode& node = nodes_[reached[i]];
        slot(node, node.childCount_ + node.locatorCount_ + node.crossReferenceCount_++) =
            &crossReferences_[items_[i].source].link;
    }
}

void IndexGenerator::adjustLevels()
{
    // Parents are created before their children, so one pass in creation order
    // sees every parent's adjusted level first.
    for (IndexNode& node : nodes_) {
        if (!node.parent_)
            continue;
        node.level = node.parent_->level + (node.parent_->childCount_ == 1 ? 0 : 1);
    }
}

void IndexGenerator::findFirstAndLastLetter()
{
    char first = 0;
    char last = 0;
    for (const IndexNode* node : topLevel_) {
        if (node->group < 'A' || node->group > 'Z')
            continue;
        if (!first)
            first = node->group;
        last = node->group;
    }
    firstLetter_ = first ? first : 'A';
    lastLetter_ = last ? last : 'A';
}

std::vector<std::string> IndexGenerator::basicLetterGroups()
{
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters.emplace_back(1, c);
    return letters;
}

bool IndexGenerator::isLetterGroupPresent(std::uint16_t letter) const
{
    return letter < letterGroupPresent_.size() && letterGroupPresent_[letter];
}

bool IndexGenerator::isGroupPresent(char group) const
{
    if (group >= 'A' && group <= 'Z')
        return letterPresent_[group - 'A'];
    if (group == kNumbersGroup)
        return numbersPresent_;
    if (group == kSymbolsGroup)
        return symbolsPresent_;
    return false;
}

std::string IndexGenerator::outputPath(std::string_view configuredName) const
{
    std::string path = projectDirectory_;
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += bareFileName(configuredName);
    return path;
}

std::string IndexGenerator::htmlIndexBase() const
{
    return splitIndexName(outputNames_.index).base;
}

std::string IndexGenerator::htmlIndexExtension() const
{
    return splitIndexName(outputNames_.index).extension;
}

std::string IndexGenerator::groupPageName(char group) const
{
    // Only Symbols, Numbers and the letters A to Z have pages of their own.
    if (group != kSymbolsGroup && group != kNumbersGroup && (group < 'A' || group > 'Z'))
        return {};
    const IndexNameParts parts = splitIndexName(outputNames_.index);
    return torvane::groupPageName(parts.base, parts.extension, group);
}

} // namespace torvane
