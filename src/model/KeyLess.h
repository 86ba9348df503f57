#pragma once

#include "model/KeyCompare.h"

#include <string_view>

namespace torvane {

// Comparator for name-keyed maps; transparent so lookups take string_views.
struct KeyLess {
    using is_transparent = void;
    KeyCompareMode mode = KeyCompareMode::CaseInsensitive;
    bool operator()(std::string_view a, std::string_view b) const { return compareKeys(a, b, mode) < 0; }
};

} // namespace torvane
