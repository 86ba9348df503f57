#pragma once

#include "model/CrossReference.h"
#include "model/CrossReferenceOrder.h"
#include "model/ProjectNode.h"

#include <memory>
#include <set>
#include <vector>

namespace torvane {

class LocatorsNode;

// The cross-references that share one LocatorSort text (label).
class LocatorNode : public ProjectNode {
public:
    explicit LocatorNode(std::string locatorSort);
    LocatorNode(const LocatorNode& other, LocatorsNode* parent);
    ~LocatorNode() override;

    unsigned kindBit() const override { return NodeKindMask::Locator; }
    LocatorsNode* locators() const;

    // Keeps the record unless an equal one is present (then destroys it).
    CrossReference* addCrossReference(std::unique_ptr<CrossReference> reference);
    // Destroys the record; an emptied locator removes itself.
    void removeCrossReference(CrossReference* reference);
    std::vector<CrossReference*> crossReferences() const;
    std::size_t crossReferenceCount() const { return references_.size(); }
    std::size_t ownRecordCount() const override { return references_.size(); }

    void removeFromParent() override;

protected:
    void visitRecords(NodeVisitor& visitor) override;

private:
    std::set<std::unique_ptr<CrossReference>, CrossReferenceOrder> references_;
};

} // namespace torvane
