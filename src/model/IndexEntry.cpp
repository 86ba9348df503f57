#include "model/IndexEntry.h"

#include "model/EntryHolder.h"
#include "platform/TextUtil.h"

namespace torvane {

IndexEntry::IndexEntry(EntryKind kind)
    : EntryRecord(kind)
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
    setFields(indexAs, helpAs, helpTitle, sortAs, indexTarget(), helpWindow(), helpFrame());
}

void IndexEntry::setTargets(std::string_view indexTarget, std::string_view helpWindow, std::string_view helpFrame)
{
    setFields(indexAs(), helpAs(), helpTitle(), sortAs(), indexTarget, helpWindow, helpFrame);
}

void IndexEntry::setFields(std::string_view indexAs, std::string_view helpAs, std::string_view helpTitle,
                           std::string_view sortAs, std::string_view indexTarget, std::string_view helpWindow,
                           std::string_view helpFrame)
{
    storeTexts(sortAs, {indexAs, sortAs, helpAs, helpTitle, indexTarget, helpWindow, helpFrame});
}

bool IndexEntry::lessThan(const IndexEntry& other) const
{
    if (const int bySort = compareInProjectOrder(sortAs(), other.sortAs()); bySort != 0)
        return bySort < 0;
    for (const Field field : {IndexAs, HelpAs, HelpTitle, IndexTarget, HelpWindow, HelpFrame}) {
        if (const int byField = ownText(field).compare(other.ownText(field)); byField != 0)
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

} // namespace torvane
