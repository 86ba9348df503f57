#pragma once

#include "model/EntryHolder.h"
#include "model/KeyCompare.h"
#include "model/Target.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class DirectoryNode;

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
    bool isLoaded() const { return loaded_; }
    void setLoaded(bool loaded) { loaded_ = loaded; }

    Target& findOrCreateTarget(std::string_view name);
    Target* findTarget(std::string_view name) const;
    // Targets in key order.
    std::vector<Target*> targets() const;
    void listTargets(std::vector<Target*>& out) const;
    std::size_t targetCount() const { return targets_.size(); }

    void removeFromParent() override;
    void forEachChild(const std::function<void(ProjectNode&)>& action) override;
    ProjectNode* findChild(std::string_view label) override;

protected:
    void walkChildren(NodeVisitor& visitor) override;

private:
    void updateIcon();

    bool modified_ = false;
    bool missing_ = false;
    bool unreadable_ = false;
    bool loaded_ = false;
    std::map<std::string, std::unique_ptr<Target>, KeyLess> targets_{
        KeyLess{KeyCompareMode::CaseInsensitiveThenExact}};
};

}  // namespace torvane
