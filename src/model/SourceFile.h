#pragma once

#include "model/BlockDamage.h"
#include "model/EntryHolder.h"
#include "model/IndexEntry.h"
#include "model/KeyLess.h"
#include "model/Target.h"
#include "platform/FileAccess.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class DirectoryNode;

// Entries that a page's index block holds for a target the page no longer
// has (its anchor was renamed or removed), or its exclusion. They are kept
// and written back under the old name until the user drops them, so that
// nothing is lost while the user has not seen them, and a target that comes
// back is excluded again.
struct KeptTarget {
    struct Order {
        bool operator()(const IndexEntry& a, const IndexEntry& b) const { return a.lessThan(b); }
    };
    std::string name;
    // In entry order, without duplicates; empty for a kept exclusion.
    std::set<IndexEntry, Order> entries;
    // The page's own entries ("#"), kept while the page is gone.
    bool pageItself = false;
    bool isExclusion() const { return entries.empty(); }
};

// A local HTML page of the project, with its targets.
class SourceFile : public EntryHolder {
public:
    explicit SourceFile(std::string name);
    SourceFile(const SourceFile& other, DirectoryNode* folder);
    ~SourceFile() override;

    unsigned kindBit() const override { return NodeKindMask::File; }
    DirectoryNode* folder() const;

    std::string fullPath() const override;
    std::string relativePath() const override;
    std::string relativeUrl() const override;

    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    bool isMissing() const { return missing_; }
    void setMissing(bool missing);
    bool isUnreadable() const { return unreadable_; }
    // Also resets the default entry to an empty one outside the entry set.
    void setUnreadable(bool unreadable);
    // The page resolves to a file outside the project folder; saves leave it
    // alone unless the user allows writing there.
    bool isOutsideProject() const { return outsideProject_; }
    void setOutsideProject(bool outside);
    bool isLoaded() const { return loaded_; }
    void setLoaded(bool loaded) { loaded_ = loaded; }
    // The file the page was read from (or last written as): a save refuses a
    // page that another file or a link has taken the place of since.
    const std::optional<FileIdentity>& loadedIdentity() const { return loadedIdentity_; }
    void setLoadedIdentity(std::optional<FileIdentity> identity) { loadedIdentity_ = identity; }

    Target& findOrCreateTarget(std::string_view name);
    Target* findTarget(std::string_view name) const;
    // Adds many new targets at once, in one merge: `added` is in key order
    // and names none the file has.
    void adoptTargets(std::vector<std::unique_ptr<Target>> added);
    // Targets in key order.
    std::vector<Target*> targets() const;
    void listTargets(std::vector<Target*>& out) const;
    std::size_t targetCount() const { return targets_.size(); }

    const std::vector<KeptTarget>& keptTargets() const { return keptTargets_; }
    // Kept in target order; a name kept before takes the new entries it
    // lacks, so that a page holding two blocks lists the name once.
    void keepTarget(KeptTarget kept);
    void dropKeptTargets() { keptTargets_.clear(); }

    // What was wrong with the page's index block when it was read; the next
    // save writes one sound block.
    const BlockDamage& blockDamage() const { return blockDamage_; }
    void setBlockDamage(const BlockDamage& damage) { blockDamage_ = damage; }

    // The contentStamp of the page as this program last read or wrote it, so
    // that a save tells another writer's changes.
    std::uint64_t diskStamp() const { return diskStamp_; }
    void setDiskStamp(std::uint64_t stamp) { diskStamp_ = stamp; }
    // Its modification time then, to notice another writer without reading it.
    std::int64_t diskTime() const { return diskTime_; }
    void setDiskTime(std::int64_t time) { diskTime_ = time; }

    void removeFromParent() override;
    void forEachChild(const std::function<void(ProjectNode&)>& action) override;
    ProjectNode* findChild(std::string_view label) override;

protected:
    void walkChildren(NodeVisitor& visitor) override;

private:
    void updateIcon();
    // Whether target name `a` is ordered before `b`.
    static bool targetBefore(std::string_view a, std::string_view b);
    // The first target not ordered before `name`.
    std::vector<std::unique_ptr<Target>>::const_iterator targetPosition(std::string_view name) const;

    bool modified_ = false;
    bool missing_ = false;
    bool unreadable_ = false;
    bool outsideProject_ = false;
    bool loaded_ = false;
    std::optional<FileIdentity> loadedIdentity_;
    std::vector<KeptTarget> keptTargets_;
    BlockDamage blockDamage_;
    std::uint64_t diskStamp_ = 0;
    std::int64_t diskTime_ = 0;
    // In key order (case-insensitive, then byte by byte); the label is the key.
    std::vector<std::unique_ptr<Target>> targets_;
};

} // namespace torvane
