#pragma once

#include <string_view>

namespace torvane {

enum class KeyCompareMode {
    // Names differing only in letter case are one key (locators).
    CaseInsensitive = 0,
    // Case-insensitive order; names differing only in case are distinct keys,
    // ordered byte by byte next to each other (folders, files, targets,
    // external URLs).
    CaseInsensitiveThenExact = 1,
    Exact = 2,
};

int compareKeys(std::string_view a, std::string_view b, KeyCompareMode mode);

} // namespace torvane
