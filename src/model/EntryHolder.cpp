#include "model/EntryHolder.h"

namespace torvane {

EntryHolder::EntryHolder(std::string label, int iconKind, EntryKind defaultKind, EntryKind regularKind,
                         bool startInDefaultMode)
    : ProjectNode(std::move(label), iconKind),
      usesDefault_(true),
      defaultEntry_(IndexEntry::fromText("", defaultKind)),
      defaultInSet_(startInDefaultMode),
      regularKind_(regularKind)
{
    defaultEntry_->setOwner(this);
}

EntryHolder::EntryHolder(const EntryHolder& other, ProjectNode* parent)
    : ProjectNode(other, parent),
      excluded_(other.excluded_),
      usesDefault_(other.usesDefault_),
      defaultEntry_(std::make_unique<IndexEntry>(*other.defaultEntry_)),
      defaultInSet_(other.defaultInSet_),
      regularKind_(other.regularKind_)
{
    defaultEntry_->setOwner(this);
    for (const auto& entry : other.regularEntries_) {
        auto copy = std::make_unique<IndexEntry>(*entry);
        copy->setOwner(this);
        regularEntries_.insert(regularEntries_.end(), std::move(copy));
    }
}

EntryHolder::~EntryHolder() = default;

IndexEntry* EntryHolder::addEntry(std::unique_ptr<IndexEntry> entry)
{
    setUsesDefault(false);
    entry->setOwner(this);
    entry->setKind(regularKind_);
    IndexEntry* kept = nullptr;
    auto position = regularEntries_.lower_bound(entry.get());
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
    if (defaultInSet_ && !entry->lessThan(*defaultEntry_) && !defaultEntry_->lessThan(*entry)) {
        defaultInSet_ = false;
        wasDefault = true;
    } else if (auto found = regularEntries_.find(entry); found != regularEntries_.end()) {
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
        defaultInSet_ = true;
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
        defaultInSet_ = true;
    }
    usesDefault_ = usesDefault;
    recordsChanged();
    setModified(true);
}

void EntryHolder::setDefaultEntry(std::unique_ptr<IndexEntry> entry)
{
    defaultEntry_ = std::move(entry);
    defaultEntry_->setOwner(this);
    placeNewDefaultEntry();
}

void EntryHolder::setDefaultEntry(std::string_view text, EntryKind kind)
{
    defaultEntry_->setFromText(text);
    defaultEntry_->setKind(kind);
    placeNewDefaultEntry();
}

void EntryHolder::placeNewDefaultEntry()
{
    // Regular entries can only be present in default mode after the file
    // became unreadable; they are kept rather than mixed with the default.
    defaultInSet_ = usesDefault_ && regularEntries_.empty();
    recordsChanged();
    setModified(true);
}

void EntryHolder::resetDefaultEntry(EntryKind kind)
{
    defaultInSet_ = false;
    defaultEntry_ = IndexEntry::fromText("", kind);
    defaultEntry_->setOwner(this);
    usesDefault_ = true;
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
        out.push_back(defaultEntry_.get());
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
        visitor.visitEntry(*defaultEntry_, *this);
    for (const auto& entry : regularEntries_)
        visitor.visitEntry(*entry, *this);
}

void EntryHolder::clearRegularEntries()
{
    regularEntries_.clear();
}

}  // namespace torvane
