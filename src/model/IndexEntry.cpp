#include "model/IndexEntry.h"

#include "model/EntryHolder.h"
#include "platform/TextUtil.h"

namespace torvane {

IndexEntry::IndexEntry(EntryKind kind) : EntryRecord(kind)
{
}

IndexEntry::IndexEntry(const IndexEntry& other) = default;

std::unique_ptr<IndexEntry> IndexEntry::fromText(std::string_view text, EntryKind kind)
{
    auto entry = std::make_unique<IndexEntry>(kind);
    entry->setFromText(text);
    return entry;
}

void IndexEntry::setFromText(std::string_view text)
{
    setTexts(text, text, "Untitled", text);
}

void IndexEntry::setTexts(std::string_view indexAs, std::string_view helpAs, std::string_view helpTitle,
                          std::string_view sortAs)
{
    indexAs_ = indexAs;
    helpAs_ = helpAs;
    helpTitle_ = helpTitle;
    sortAs_ = sortAs;
    updateSortData(sortAs_);
}

void IndexEntry::setTargets(std::string_view indexTarget, std::string_view helpWindow,
                            std::string_view helpFrame)
{
    indexTarget_ = indexTarget;
    helpWindow_ = helpWindow;
    helpFrame_ = helpFrame;
}

bool IndexEntry::lessThan(const IndexEntry& other) const
{
    if (const int bySort = compareInProjectOrder(sortAs_, other.sortAs_); bySort != 0)
        return bySort < 0;
    const std::string* mine[] = {&indexAs_, &helpAs_, &helpTitle_, &indexTarget_, &helpWindow_, &helpFrame_};
    const std::string* theirs[] = {&other.indexAs_,     &other.helpAs_,     &other.helpTitle_,
                                   &other.indexTarget_, &other.helpWindow_, &other.helpFrame_};
    for (std::size_t i = 0; i < std::size(mine); ++i) {
        if (const int byField = mine[i]->compare(*theirs[i]); byField != 0)
            return byField < 0;
    }
    return false;
}

std::string IndexEntry::linkUrl() const
{
    return owner() ? owner()->relativeUrl() : std::string();
}

void IndexEntry::removeFromOwner()
{
    if (auto* holder = dynamic_cast<EntryHolder*>(owner()))
        holder->removeEntry(this);
}

bool IndexEntry::isDefault() const
{
    const auto* holder = dynamic_cast<const EntryHolder*>(owner());
    return holder && holder->isDefaultObject(this);
}

}  // namespace torvane
