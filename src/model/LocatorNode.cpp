#include "model/LocatorNode.h"

#include "model/LocatorsNode.h"

namespace torvane {

LocatorNode::LocatorNode(std::string locatorSort)
    : ProjectNode(std::move(locatorSort), NodeIcon::Locator)
{
}

LocatorNode::LocatorNode(const LocatorNode& other, LocatorsNode* parent)
    : ProjectNode(other, parent)
{
    for (const auto& reference : other.references_) {
        auto copy = std::make_unique<CrossReference>(*reference);
        copy->setOwner(this);
        references_.insert(references_.end(), std::move(copy));
    }
}

LocatorNode::~LocatorNode() = default;

LocatorsNode* LocatorNode::locators() const
{
    return static_cast<LocatorsNode*>(parent());
}

CrossReference* LocatorNode::addCrossReference(std::unique_ptr<CrossReference> reference)
{
    auto position = references_.lower_bound(reference.get());
    if (position != references_.end() && !reference->lessThan(**position))
        return nullptr; // equal to one already filed: destroyed here
    reference->setOwner(this);
    CrossReference* kept = reference.get();
    references_.insert(position, std::move(reference));
    recordsChanged();
    return kept;
}

void LocatorNode::removeCrossReference(CrossReference* reference)
{
    auto found = references_.find(reference);
    if (found == references_.end())
        return;
    references_.erase(found);
    recordsChanged();
    if (references_.empty())
        removeFromParent();
}

std::vector<CrossReference*> LocatorNode::crossReferences() const
{
    std::vector<CrossReference*> list;
    for (const auto& reference : references_)
        list.push_back(reference.get());
    return list;
}

void LocatorNode::removeFromParent()
{
    if (locators())
        locators()->removeLocator(this);
}

void LocatorNode::visitRecords(NodeVisitor& visitor)
{
    for (const auto& reference : references_)
        visitor.visitCrossReference(*reference, *this);
}

} // namespace torvane
