#include "model/EntryHolder.h"

#include <algorithm>

namespace torvane {

EntryHolder::EntryHolder(std::string label, int iconKind, EntryKind defaultKind, EntryKind regularKind,
                         bool startInDefaultMode)
    : ProjectNode(std::move(label), iconKind)
    , defaultKind_(defaultKind)
    , regularKind_(regularKind)
    , usesDefault_(true)
    , defaultInSet_(startInDefaultMode)
{
}

EntryHolder::EntryHolder(const EntryHolder& other, ProjectNode* parent)
    : ProjectNode(other, parent)
    , defaultText_(other.defaultText_)
    , defaultKind_(other.defaultKind_)
    , regularKind_(other.regularKind_)
    , excluded_(other.excluded_)
    , usesDefault_(other.usesDefault_)
    , defaultInSet_(other.defaultInSet_)
    , offersDefaultOnly_(other.offersDefaultOnly_)
{
    if (other.defaultEntry_) {
        defaultEntry_ = std::make_unique<IndexEntry>(*other.defaultEntry_);
        defaultEntry_->setOwner(this);
    }
    regularEntries_.reserve(other.regularEntries_.size());
    for (const auto& entry : other.regularEntries_) {
        regularEntries_.push_back(std::make_unique<IndexEntry>(*entry));
        regularEntries_.back()->setOwner(this);
    }
}

EntryHolder::~EntryHolder() = default;

IndexEntry* EntryHolder::defaultEntry() const
{
    if (!defaultEntry_) {
        defaultEntry_ = IndexEntry::fromText(defaultText_, defaultKind_);
        defaultEntry_->setOwner(const_cast<EntryHolder*>(this));
        defaultText_.clear();
        defaultText_.shrink_to_fit();
    }
    return defaultEntry_.get();
}

std::vector<std::unique_ptr<IndexEntry>>::iterator EntryHolder::findRegular(const IndexEntry& entry)
{
    auto position = std::lower_bound(regularEntries_.begin(), regularEntries_.end(), &entry, IndexEntryOrder {});
    return position != regularEntries_.end() && !entry.lessThan(**position) ? position : regularEntries_.end();
}

IndexEntry* EntryHolder::addEntry(std::unique_ptr<IndexEntry> entry)
{
    setUsesDefault(false);
    entry->setOwner(this);
    entry->setKind(regularKind_);
    IndexEntry* kept = nullptr;
    // Blocks list their entries in entry order, so most land at the end.
    auto position = regularEntries_.end();
    if (!regularEntries_.empty() && !regularEntries_.back()->lessThan(*entry))
        position = std::lower_bound(regularEntries_.begin(), regularEntries_.end(), entry.get(), IndexEntryOrder {});
    if (position == regularEntries_.end() || entry->lessThan(**position)) {
        kept = entry.get();
        regularEntries_.insert(position, std::move(entry));
    }
    // A refused duplicate is still in `entry` and is destroyed with it.
    recordsChanged();
    setExcluded(false);
    setModified(true);
    return kept;
}

void EntryHolder::removeEntry(IndexEntry* entry)
{
    bool wasDefault = false;
    if (defaultInSet_ && !entry->lessThan(*defaultEntry()) && !defaultEntry()->lessThan(*entry)) {
        defaultInSet_ = false;
        wasDefault = true;
    } else if (auto found = findRegular(*entry); found != regularEntries_.end()) {
        regularEntries_.erase(found);
    } else {
        return;
    }
    recordsChanged();
    if (entryCount() == 0) {
        if (wasDefault)
            setExcluded(true);
        else
            setUsesDefault(true);
    }
    setModified(true);
}

void EntryHolder::setExcluded(bool excluded)
{
    if (excluded) {
        // Excluded means no entries at all; the default entry itself is kept.
        defaultInSet_ = false;
        usesDefault_ = false;
        clearRegularEntries();
    } else if (!usesDefault_ && entryCount() == 0) {
        defaultInSet_ = !offersDefaultOnly_;
        usesDefault_ = true;
    }
    recordsChanged();
    markExcluded(excluded);
    setModified(true);
}

void EntryHolder::markExcluded(bool excluded)
{
    if (excluded != excluded_)
        setDisplayDirty();
    excluded_ = excluded;
}

void EntryHolder::setUsesDefault(bool usesDefault)
{
    if (usesDefault_ && !usesDefault) {
        defaultInSet_ = false;
        markExcluded(true);
    } else if (!usesDefault_ && usesDefault) {
        clearRegularEntries();
        defaultInSet_ = !offersDefaultOnly_;
    }
    usesDefault_ = usesDefault;
    recordsChanged();
    setModified(true);
}

void EntryHolder::setDefaultEntry(std::unique_ptr<IndexEntry> entry)
{
    defaultEntry_ = std::move(entry);
    defaultEntry_->setOwner(this);
    defaultText_.clear();
    placeNewDefaultEntry();
}

void EntryHolder::setDefaultEntry(std::string_view text, EntryKind kind)
{
    if (defaultEntry_) {
        defaultEntry_->setFromText(text);
        defaultEntry_->setKind(kind);
    } else {
        defaultText_ = text;
        defaultKind_ = kind;
    }
    placeNewDefaultEntry();
}

void EntryHolder::placeNewDefaultEntry()
{
    // Regular entries can only be present in default mode after the file
    // became unreadable; they are kept rather than mixed with the default.
    defaultInSet_ = usesDefault_ && regularEntries_.empty() && !offersDefaultOnly_;
    recordsChanged();
    setModified(true);
}

void EntryHolder::resetDefaultEntry(EntryKind kind)
{
    defaultInSet_ = false;
    defaultEntry_.reset();
    defaultText_.clear();
    defaultKind_ = kind;
    usesDefault_ = true;
    recordsChanged();
}

void EntryHolder::offerDefaultOnly()
{
    offersDefaultOnly_ = true;
    defaultInSet_ = false;
    recordsChanged();
}

std::vector<IndexEntry*> EntryHolder::entries() const
{
    std::vector<IndexEntry*> list;
    listEntries(list);
    return list;
}

void EntryHolder::listEntries(std::vector<IndexEntry*>& out) const
{
    if (defaultInSet_)
        out.push_back(defaultEntry());
    for (const auto& entry : regularEntries_)
        out.push_back(entry.get());
}

std::size_t EntryHolder::entryCount() const
{
    return (defaultInSet_ ? 1 : 0) + regularEntries_.size();
}

void EntryHolder::visitRecords(NodeVisitor& visitor)
{
    if (defaultInSet_)
        visitor.visitEntry(*defaultEntry(), *this);
    for (const auto& entry : regularEntries_)
        visitor.visitEntry(*entry, *this);
}

void EntryHolder::clearRegularEntries()
{
    regularEntries_.clear();
}

} // namespace torvane
