#pragma once
#include "model/IndexEntry.h"

#include <memory>
#include <string_view>

namespace torvane::test {

// A regular entry whose texts are all `sortAs` (help title "Untitled").
inline std::unique_ptr<IndexEntry> makeEntry(std::string_view sortAs)
{
    auto entry = std::make_unique<IndexEntry>();
    entry->setTexts(sortAs, sortAs, "Untitled", sortAs);
    return entry;
}

} // namespace torvane::test
