#pragma once

#include <cstddef>

namespace torvane {

// What was wrong with a page's index comment blocks when it was read. The
// facts about the block itself are only looked at when there is exactly one.
struct BlockDamage {
    std::size_t blocks = 0;
    // A block inside another comment that cannot be replaced without moving
    // that comment's end; it is left as it is and its entries are not read.
    bool leftInPlace = false;
    bool noEndMarker = false;
    // Markers not in their usual letter case (checked only with an end marker).
    bool otherLetterCase = false;
    // A value holds a comment marker.
    bool markerInValue = false;

    bool operator==(const BlockDamage&) const = default;
};

} // namespace torvane
