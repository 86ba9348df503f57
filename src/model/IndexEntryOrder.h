#pragma once

#include "model/IndexEntry.h"

#include <memory>

namespace torvane {

// Orders entry pointers by IndexEntry::lessThan; transparent for lookups by raw pointer.
struct IndexEntryOrder {
    using is_transparent = void;
    bool operator()(const IndexEntry* a, const IndexEntry* b) const { return a->lessThan(*b); }
    bool operator()(const std::unique_ptr<IndexEntry>& a, const std::unique_ptr<IndexEntry>& b) const
    {
        return a->lessThan(*b);
    }
    bool operator()(const std::unique_ptr<IndexEntry>& a, const IndexEntry* b) const { return a->lessThan(*b); }
    bool operator()(const IndexEntry* a, const std::unique_ptr<IndexEntry>& b) const { return a->lessThan(*b); }
};

} // namespace torvane
