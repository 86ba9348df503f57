#pragma once
#include "model/IndexEntry.h"

#include <optional>
#include <vector>

namespace torvane {

class EntryHolder;

// What one holder stores (a page, an anchor, a URL, the entries kept for a
// vanished anchor), as plain values that outlive the tree they came from.
struct HolderState {
    enum class Mode { Absent, Default, Excluded, Entries };
    Mode mode = Mode::Absent;
    // In entry order; Entries mode only.
    std::vector<IndexEntry> entries;

    bool operator==(const HolderState& other) const;
};

// Absent for a null holder.
HolderState holderState(const EntryHolder* holder);
HolderState entriesState(const std::vector<const IndexEntry*>& entries);
// Gives the holder the state (not Absent); its default entry stays its own.
void applyHolderState(EntryHolder& holder, const HolderState& state);

// The state that both this program's changes since `base` (giving `ours`)
// and another writer's (giving `theirs`) lead to: whichever side changed
// the holder, or, where both changed its entries, theirs with our entries
// added and removed. Nothing where the two changes do not combine.
std::optional<HolderState> mergeHolderStates(const HolderState& base, const HolderState& ours,
                                             const HolderState& theirs);

} // namespace torvane
