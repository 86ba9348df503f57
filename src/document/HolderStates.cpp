#include "document/HolderStates.h"

#include "model/EntryHolder.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace torvane {

namespace {

bool entryLess(const IndexEntry& a, const IndexEntry& b)
{
    return a.lessThan(b);
}

std::vector<IndexEntry> difference(const std::vector<IndexEntry>& from, const std::vector<IndexEntry>& taken)
{
    std::vector<IndexEntry> left;
    std::set_difference(from.begin(), from.end(), taken.begin(), taken.end(), std::back_inserter(left), entryLess);
    return left;
}

} // namespace

bool HolderState::operator==(const HolderState& other) const
{
    const auto same = [](const IndexEntry& a, const IndexEntry& b) { return !a.lessThan(b) && !b.lessThan(a); };
    return mode == other.mode &&
           std::equal(entries.begin(), entries.end(), other.entries.begin(), other.entries.end(), same);
}

HolderState entriesState(const std::vector<const IndexEntry*>& entries)
{
    HolderState state {HolderState::Mode::Entries, {}};
    state.entries.reserve(entries.size());
    for (const IndexEntry* entry : entries)
        state.entries.push_back(*entry);
    return state;
}

HolderState holderState(const EntryHolder* holder)
{
    if (!holder)
        return {};
    if (holder->isExcluded())
        return {HolderState::Mode::Excluded, {}};
    if (holder->usesDefault())
        return {HolderState::Mode::Default, {}};
    const std::vector<IndexEntry*> entries = holder->entries();
    return entriesState({entries.begin(), entries.end()});
}

void applyHolderState(EntryHolder& holder, const HolderState& state)
{
    if (state.mode == HolderState::Mode::Excluded) {
        holder.setExcluded(true);
        return;
    }
    holder.setUsesDefault(true);
    holder.setExcluded(false);
    for (const IndexEntry& entry : state.entries)
        holder.addEntry(std::make_unique<IndexEntry>(entry));
}

std::optional<HolderState> mergeHolderStates(const HolderState& base, const HolderState& ours,
                                             const HolderState& theirs)
{
    if (ours == base || ours == theirs)
        return theirs;
    if (theirs == base)
        return ours;
    constexpr HolderState::Mode entries = HolderState::Mode::Entries;
    if (ours.mode != entries || theirs.mode != entries || base.mode == HolderState::Mode::Absent)
        return std::nullopt;
    // A holder left in default mode or excluded had no entries of its own.
    const std::vector<IndexEntry> none;
    const std::vector<IndexEntry>& before = base.mode == entries ? base.entries : none;
    HolderState merged {entries, {}};
    const std::vector<IndexEntry> kept = difference(theirs.entries, difference(before, ours.entries));
    const std::vector<IndexEntry> added = difference(ours.entries, before);
    std::set_union(kept.begin(), kept.end(), added.begin(), added.end(), std::back_inserter(merged.entries), entryLess);
    // Both sides emptied it between them: whether that means excluded or
    // back to the default is for the user to say.
    if (merged.entries.empty())
        return std::nullopt;
    return merged;
}

} // namespace torvane
