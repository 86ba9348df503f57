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
    : EntryHolder(other, folder),
      modified_(other.modified_),
      missing_(other.missing_),
      unreadable_(other.unreadable_),
      outsideProject_(other.outsideProject_),
      loaded_(other.loaded_),
      keptTargets_(other.keptTargets_),
      blockDamage_(other.blockDamage_)
{
    for (const auto& [name, target] : other.targets_)
        targets_.emplace_hint(targets_.end(), name, std::make_unique<Target>(*target, this));
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

Target& SourceFile::findOrCreateTarget(std::string_view name)
{
    // Pages mostly name their anchors in increasing order, and then one
    // comparison with the last target places the new one.
    auto position = targets_.end();
    if (!targets_.empty() && !targets_.key_comp()(std::prev(position)->first, name))
        position = targets_.lower_bound(name);
    if (position != targets_.end() && compareKeys(position->first, name, targets_.key_comp().mode) == 0)
        return *position->second;
    auto target = std::make_unique<Target>(std::string(name));
    Target& created = *target;
    targets_.emplace_hint(position, std::string(name), std::move(target));
    adoptChild(created);
    return created;
}

void SourceFile::keepTarget(KeptTarget kept)
{
    // Kept in the order of the page's own targets, entries in entry order, so
    // that the block reads the same once the anchor is back.
    const KeyLess less{KeyCompareMode::CaseInsensitiveThenExact};
    auto found = std::lower_bound(keptTargets_.begin(), keptTargets_.end(), kept.name,
                                  [&](const KeptTarget& item, const std::string& name) { return less(item.name, name); });
    if (found == keptTargets_.end() || found->name != kept.name)
        found = keptTargets_.insert(found, KeptTarget{kept.name, {}});
    found->entries.merge(kept.entries);
}

Target* SourceFile::findTarget(std::string_view name) const
{
    auto found = targets_.find(name);
    return found == targets_.end() ? nullptr : found->second.get();
}

std::vector<Target*> SourceFile::targets() const
{
    std::vector<Target*> list;
    listTargets(list);
    return list;
}

void SourceFile::listTargets(std::vector<Target*>& out) const
{
    for (const auto& [name, target] : targets_)
        out.push_back(target.get());
}

void SourceFile::removeFromParent()
{
    if (folder())
        folder()->removeFile(this);
}

void SourceFile::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    for (const auto& [name, target] : targets_)
        action(*target);
}

void SourceFile::walkChildren(NodeVisitor& visitor)
{
    for (const auto& [name, target] : targets_)
        target->walk(visitor);
}

ProjectNode* SourceFile::findChild(std::string_view label)
{
    ProjectNode* target = findTarget(label);
    return target && target->label() == label ? target : nullptr;
}

}  // namespace torvane
