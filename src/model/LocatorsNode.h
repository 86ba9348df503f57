#pragma once

#include "model/KeyLess.h"
#include "model/LocatorNode.h"
#include "model/ProjectNode.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;

// The container of the locator nodes, keyed by LocatorSort without regard
// to letter case.
class LocatorsNode : public ProjectNode {
public:
    explicit LocatorsNode(ProjectRootNode* root);
    LocatorsNode(const LocatorsNode& other, ProjectRootNode* root);
    ~LocatorsNode() override;

    unsigned kindBit() const override { return NodeKindMask::Locators; }
    ProjectRootNode* root() const { return root_; }

    // Files the record under the locator for its LocatorSort (found or
    // created). Returns the record when kept, null when refused as equal
    // to one already there.
    CrossReference* addCrossReference(std::unique_ptr<CrossReference> reference);
    LocatorNode* findLocator(std::string_view locatorSort) const;
    void removeLocator(LocatorNode* locator);
    std::vector<LocatorNode*> locatorNodes() const;

    void forEachChild(const std::function<void(ProjectNode&)>& action) override;

    ProjectNode* findChild(std::string_view label) override;

private:
    ProjectRootNode* root_;
    std::map<std::string, std::unique_ptr<LocatorNode>, KeyLess> locators_ {KeyLess {KeyCompareMode::CaseInsensitive}};
};

} // namespace torvane
