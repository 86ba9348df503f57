#pragma once
#include "generate/IndexNode.h"
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace torvane {

// Where the "See" targets of the modern page go. A locator that names a
// line in other letter case than the line's own text gets a bare place of
// its own in the tree, right beside that line: its id goes onto the line's
// item instead, and the bare place is not written. A locator that names no
// line leads nowhere, and the "See" lines to it are left unlinked.
class ModernAnchors {
public:
    explicit ModernAnchors(std::span<IndexNode* const> topLevel);

    // The anchor number whose id the node's item carries, 0 for none.
    int idOf(const IndexNode& node) const;
    // Whether a "See" to this anchor number leads to a line.
    bool leadsToALine(int anchorNumber) const { return placed_.count(anchorNumber) != 0; }
    // A place that holds nothing but an anchor: no item of its own.
    static bool isBarePlace(const IndexNode& node);

private:
    void placeAmong(const std::vector<const IndexNode*>& siblings);

    std::unordered_map<const IndexNode*, int> moved_;
    std::unordered_set<int> placed_;
};

} // namespace torvane
