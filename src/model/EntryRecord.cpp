#include "model/EntryRecord.h"

#include "model/ProjectNode.h"
#include "platform/TextUtil.h"

namespace torvane {

EntryRecord::EntryRecord(EntryKind kind)
{
    setKind(kind);
}

EntryRecord::EntryRecord(const EntryRecord& other)
    : sortKey_(other.sortKey_),
      sortKeyLower_(other.sortKeyLower_),
      groupClass_(other.groupClass_),
      owner_(nullptr),
      kind_(other.kind_),
      listSelected_(other.listSelected_),
      iconIndex_(other.iconIndex_)
{
}

void EntryRecord::setOwner(ProjectNode* owner)
{
    owner_ = owner;
    if (listSelected_ && owner_)
        owner_->noteListMark();
}

void EntryRecord::setListSelected(bool selected)
{
    listSelected_ = selected;
    if (selected && owner_)
        owner_->noteListMark();
}

void EntryRecord::setKind(EntryKind kind)
{
    kind_ = kind;
    iconIndex_ = static_cast<int>(kind);
}

std::string EntryRecord::linkUrl() const
{
    return {};
}

std::string EntryRecord::linkUrlLower() const
{
    return asciiLower(linkUrl());
}

void EntryRecord::removeFromOwner()
{
}

bool EntryRecord::isDefault() const
{
    return false;
}

void EntryRecord::updateSortData(std::string_view sortText)
{
    sortKey_ = unescapeField(sortText);
    sortKeyLower_ = asciiLower(sortKey_);
    if (sortKeyLower_.empty())
        groupClass_ = 0;
    else if (isAsciiLetter(sortKeyLower_.front()))
        groupClass_ = 2;
    else if (isAsciiDigit(sortKeyLower_.front()))
        groupClass_ = 1;
    else
        groupClass_ = 0;
}

}  // namespace torvane
