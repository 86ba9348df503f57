#include "document/PageMerge.h"

#include "document/HolderStates.h"
#include "document/SourcePages.h"
#include "model/SourceFile.h"
#include "sources/CHtmlFile.h"

#include <set>
#include <string>

namespace torvane {

namespace {

// The page itself, its anchors and the names it keeps entries for live in
// separate name spaces: an anchor may share a kept name.
constexpr char kPageKey[] = "#";
constexpr char kAnchorPrefix = 'a';
constexpr char kKeptPrefix = 'k';

void addKeys(const SourceFile& file, std::set<std::string>& keys)
{
    for (const Target* target : file.targets())
        keys.insert(kAnchorPrefix + target->label());
    for (const KeptTarget& kept : file.keptTargets())
        keys.insert(kKeptPrefix + kept.name);
}

std::vector<const IndexEntry*> pointersTo(const std::set<IndexEntry, KeptTarget::Order>& entries)
{
    std::vector<const IndexEntry*> pointers;
    for (const IndexEntry& entry : entries)
        pointers.push_back(&entry);
    return pointers;
}

HolderState stateOf(const SourceFile& file, const std::string& key)
{
    if (key == kPageKey)
        return holderState(&file);
    const std::string name = key.substr(1);
    if (key[0] == kAnchorPrefix)
        return holderState(file.findTarget(name));
    for (const KeptTarget& kept : file.keptTargets())
        if (kept.name == name)
            return entriesState(pointersTo(kept.entries));
    return {};
}

// Puts the merged state of one key into the page read now; false when it cannot hold it.
bool place(SourceFile& merged, const std::string& key, const HolderState& state, std::vector<KeptTarget>& kept)
{
    if (key[0] == kKeptPrefix) {
        if (state.mode == HolderState::Mode::Entries)
            kept.push_back(KeptTarget {key.substr(1), {state.entries.begin(), state.entries.end()}});
        return state.mode == HolderState::Mode::Entries || state.mode == HolderState::Mode::Absent;
    }
    EntryHolder* holder = key == kPageKey ? static_cast<EntryHolder*>(&merged) : merged.findTarget(key.substr(1));
    if (!holder)
        return state.mode == HolderState::Mode::Absent;
    if (state.mode == HolderState::Mode::Absent)
        return false;
    if (holderState(holder) != state)
        applyHolderState(*holder, state);
    return true;
}

} // namespace

std::unique_ptr<SourceFile> mergePage(const SourceFile& base, const SourceFile& ours, CHtmlFile& page)
{
    auto merged = std::make_unique<SourceFile>(ours.label());
    takePageInto(*merged, page);
    merged->setLoaded(true);
    merged->setOutsideProject(ours.isOutsideProject());
    std::set<std::string> keys = {kPageKey};
    addKeys(base, keys);
    addKeys(ours, keys);
    addKeys(*merged, keys);
    std::vector<KeptTarget> kept;
    for (const std::string& key : keys) {
        const std::optional<HolderState> state =
            mergeHolderStates(stateOf(base, key), stateOf(ours, key), stateOf(*merged, key));
        if (!state || !place(*merged, key, *state, kept))
            return nullptr;
    }
    merged->dropKeptTargets();
    for (KeptTarget& name : kept)
        merged->keepTarget(std::move(name));
    merged->setModified(true);
    return merged;
}

} // namespace torvane
