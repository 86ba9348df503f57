#include "model/SourceFile.h"

#include "model/DirectoryNode.h"

#include <algorithm>
#include <iterator>

namespace torvane {

SourceFile::SourceFile(std::string name)
    : EntryHolder(std::move(name), NodeIcon::File, EntryKind::FileDefaultEmpty, EntryKind::FileEntry, false)
{
}

SourceFile::SourceFile(const SourceFile& other, DirectoryNode* folder)
    : EntryHolder(other, folder)
    , modified_(other.modified_)
    , missing_(other.missing_)
    , unreadable_(other.unreadable_)
    , outsideProject_(other.outsideProject_)
    , loaded_(other.loaded_)
    , keptTargets_(other.keptTargets_)
    , blockDamage_(other.blockDamage_)
    , diskStamp_(other.diskStamp_)
    , diskTime_(other.diskTime_)
{
    targets_.reserve(other.targets_.size());
    for (const auto& target : other.targets_)
        targets_.push_back(std::make_unique<Target>(*target, this));
}

SourceFile::~SourceFile()
{
    // Targets go first so that their items are released before the file's.
    targets_.clear();
}

DirectoryNode* SourceFile::folder() const
{
    return static_cast<DirectoryNode*>(parent());
}

std::string SourceFile::fullPath() const
{
    return (folder() ? folder()->fullPath() : std::string()) + label();
}

std::string SourceFile::relativePath() const
{
    return (folder() ? folder()->relativePath() : std::string()) + label();
}

std::string SourceFile::relativeUrl() const
{
    return (folder() ? folder()->relativeUrl() : std::string()) + label();
}

void SourceFile::setMissing(bool missing)
{
    missing_ = missing;
    updateIcon();
}

void SourceFile::setUnreadable(bool unreadable)
{
    unreadable_ = unreadable;
    if (unreadable)
        resetDefaultEntry(EntryKind::FileDefaultEmpty);
    updateIcon();
}

void SourceFile::setOutsideProject(bool outside)
{
    outsideProject_ = outside;
    updateIcon();
}

void SourceFile::updateIcon()
{
    setIconKind(missing_          ? NodeIcon::MissingFile
                : unreadable_     ? NodeIcon::UnreadableFile
                : outsideProject_ ? NodeIcon::OutsideFile
                                  : NodeIcon::File);
}

bool SourceFile::targetBefore(std::string_view a, std::string_view b)
{
    return compareKeys(a, b, KeyCompareMode::CaseInsensitiveThenExact) < 0;
}

std::vector<std::unique_ptr<Target>>::const_iterator SourceFile::targetPosition(std::string_view name) const
{
    return std::lower_bound(
        targets_.begin(), targets_.end(), name,
        [](const std::unique_ptr<Target>& target, std::string_view key) { return targetBefore(target->label(), key); });
}

Target& SourceFile::findOrCreateTarget(std::string_view name)
{
    // Pages mostly name their anchors in increasing order, and then one
    // comparison with the last target places the new one.
    auto position = targets_.cend();
    if (!targets_.empty() && !targetBefore(targets_.back()->label(), name))
        position = targetPosition(name);
    if (position != targets_.end() && (*position)->label() == name)
        return **position;
    Target& created = **targets_.insert(position, std::make_unique<Target>(std::string(name)));
    adoptChild(created);
    return created;
}

void SourceFile::adoptTargets(std::vector<std::unique_ptr<Target>> added)
{
    if (added.empty())
        return;
    for (const auto& target : added)
        adoptChild(*target);
    std::vector<std::unique_ptr<Target>> merged;
    merged.reserve(targets_.size() + added.size());
    std::merge(std::make_move_iterator(targets_.begin()), std::make_move_iterator(targets_.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()), std::back_inserter(merged),
               [](const std::unique_ptr<Target>& a, const std::unique_ptr<Target>& b) {
                   return targetBefore(a->label(), b->label());
               });
    targets_ = std::move(merged);
}

void SourceFile::keepTarget(KeptTarget kept)
{
    // Kept in the order of the page's own targets, entries in entry order, so
    // that the block reads the same once the anchor is back.
    const KeyLess less {KeyCompareMode::CaseInsensitiveThenExact};
    auto found =
        std::lower_bound(keptTargets_.begin(), keptTargets_.end(), kept.name,
                         [&](const KeptTarget& item, const std::string& name) { return less(item.name, name); });
    if (found == keptTargets_.end() || found->name != kept.name || found->pageItself != kept.pageItself)
        found = keptTargets_.insert(found, KeptTarget {kept.name, {}, kept.pageItself});
    found->entries.merge(kept.entries);
}

Target* SourceFile::findTarget(std::string_view name) const
{
    auto found = targetPosition(name);
    return found != targets_.end() && (*found)->label() == name ? found->get() : nullptr;
}

std::vector<Target*> SourceFile::targets() const
{
    std::vector<Target*> list;
    listTargets(list);
    return list;
}

void SourceFile::listTargets(std::vector<Target*>& out) const
{
    for (const auto& target : targets_)
        out.push_back(target.get());
}

void SourceFile::removeFromParent()
{
    if (folder())
        folder()->removeFile(this);
}

void SourceFile::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    for (const auto& target : targets_)
        action(*target);
}

void SourceFile::walkChildren(NodeVisitor& visitor)
{
    for (const auto& target : targets_)
        target->walk(visitor);
}

ProjectNode* SourceFile::findChild(std::string_view label)
{
    return findTarget(label);
}

} // namespace torvane
