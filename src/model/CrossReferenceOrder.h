#pragma once

#include "model/CrossReference.h"

#include <memory>

namespace torvane {

// Orders cross-reference pointers by CrossReference::lessThan; transparent for lookups by raw pointer.
struct CrossReferenceOrder {
    using is_transparent = void;
    bool operator()(const CrossReference* a, const CrossReference* b) const { return a->lessThan(*b); }
    bool operator()(const std::unique_ptr<CrossReference>& a, const std::unique_ptr<CrossReference>& b) const
    {
        return a->lessThan(*b);
    }
    bool operator()(const std::unique_ptr<CrossReference>& a, const CrossReference* b) const { return a->lessThan(*b); }
    bool operator()(const CrossReference* a, const std::unique_ptr<CrossReference>& b) const { return a->lessThan(*b); }
};

} // namespace torvane
