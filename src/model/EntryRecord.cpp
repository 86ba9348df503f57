#include "model/EntryRecord.h"

#include "model/ProjectNode.h"
#include "platform/TextUtil.h"

#include <algorithm>

namespace torvane {

EntryRecord::EntryRecord(EntryKind kind)
    : kind_(kind)
{
}

EntryRecord::EntryRecord(const EntryRecord& other)
    : owner_(nullptr)
    , texts_(other.texts_)
    , kind_(other.kind_)
    , groupClass_(other.groupClass_)
    , listSelected_(other.listSelected_)
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

void EntryRecord::storeTexts(std::string_view sortText, std::initializer_list<std::string_view> own)
{
    // Most sort texts hold no escape and no capital; then the key and its
    // lower-case form are the sort text itself and cost nothing to make.
    std::string unescaped;
    std::string_view key = sortText;
    if (sortText.find('\\') != std::string_view::npos) {
        unescaped = unescapeField(sortText);
        key = unescaped;
    }
    std::string lowered;
    std::string_view lower = key;
    if (std::any_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
        lowered = asciiLower(key);
        lower = lowered;
    }
    if (lower.empty())
        groupClass_ = 0;
    else if (isAsciiLetter(lower.front()))
        groupClass_ = 2;
    else if (isAsciiDigit(lower.front()))
        groupClass_ = 1;
    else
        groupClass_ = 0;

    std::string_view all[16];
    std::size_t count = 0;
    all[count++] = key;
    all[count++] = lower;
    for (std::string_view text : own) {
        if (count < std::size(all))
            all[count++] = text;
    }
    texts_.assign(std::span<const std::string_view>(all, count));
}

} // namespace torvane
