#include "model/LocatorsNode.h"

#include "model/ProjectRootNode.h"

namespace torvane {

LocatorsNode::LocatorsNode(ProjectRootNode* root)
    : ProjectNode("X-ref Locators", NodeIcon::Container)
    , root_(root)
    , locators_(KeyLess {KeyCompareMode::CaseInsensitive})
{
}

LocatorsNode::LocatorsNode(const LocatorsNode& other, ProjectRootNode* root)
    : ProjectNode(other, root)
    , root_(root)
    , locators_(KeyLess {KeyCompareMode::CaseInsensitive})
{
    for (const auto& [key, locator] : other.locators_)
        locators_.emplace_hint(locators_.end(), key, std::make_unique<LocatorNode>(*locator, this));
}

LocatorsNode::~LocatorsNode()
{
    locators_.clear();
}

CrossReference* LocatorsNode::addCrossReference(std::unique_ptr<CrossReference> reference)
{
    const std::string& key = reference->locatorSort();
    auto position = locators_.lower_bound(key);
    if (position == locators_.end() || locators_.key_comp()(key, position->first)) {
        auto created = std::make_unique<LocatorNode>(key);
        LocatorNode& node = *created;
        position = locators_.emplace_hint(position, key, std::move(created));
        adoptChild(node);
    }
    return position->second->addCrossReference(std::move(reference));
}

LocatorNode* LocatorsNode::findLocator(std::string_view locatorSort) const
{
    auto found = locators_.find(locatorSort);
    return found == locators_.end() ? nullptr : found->second.get();
}

void LocatorsNode::removeLocator(LocatorNode* locator)
{
    auto found = locators_.find(locator->label());
    if (found != locators_.end() && found->second.get() == locator)
        locators_.erase(found);
}

std::vector<LocatorNode*> LocatorsNode::locatorNodes() const
{
    std::vector<LocatorNode*> list;
    for (const auto& [key, locator] : locators_)
        list.push_back(locator.get());
    return list;
}

void LocatorsNode::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    for (const auto& [key, locator] : locators_)
        action(*locator);
}

ProjectNode* LocatorsNode::findChild(std::string_view label)
{
    ProjectNode* locator = findLocator(label);
    return locator && locator->label() == label ? locator : ProjectNode::findChild(label);
}

} // namespace torvane
