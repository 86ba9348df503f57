#include "model/CrossReference.h"

#include "model/LocatorNode.h"
#include "platform/TextUtil.h"

namespace torvane {

CrossReference::CrossReference()
    : EntryRecord(EntryKind::CrossReference)
{
    storeTexts(headingSort_, {});
}

CrossReference::CrossReference(const CrossReference& other) = default;

void CrossReference::set(std::string_view heading, std::string_view headingSort, std::string_view separator,
                         std::string_view reference, std::string_view locator, std::string_view locatorSort,
                         bool linkToLocator)
{
    heading_ = heading;
    headingSort_ = headingSort;
    separator_ = separator;
    reference_ = reference;
    locator_ = locator;
    locatorSort_ = locatorSort;
    linkToLocator_ = linkToLocator;
    storeTexts(headingSort_, {});
}

bool CrossReference::lessThan(const CrossReference& other) const
{
    if (const int byHeadingSort = compareInProjectOrder(headingSort_, other.headingSort_); byHeadingSort != 0)
        return byHeadingSort < 0;
    const std::string* mine[] = {&heading_, &separator_, &reference_, &locator_};
    const std::string* theirs[] = {&other.heading_, &other.separator_, &other.reference_, &other.locator_};
    for (std::size_t i = 0; i < std::size(mine); ++i) {
        if (const int byField = mine[i]->compare(*theirs[i]); byField != 0)
            return byField < 0;
    }
    if (const int byLocatorSort = compareInProjectOrder(locatorSort_, other.locatorSort_); byLocatorSort != 0)
        return byLocatorSort < 0;
    return linkToLocator_ && !other.linkToLocator_;
}

void CrossReference::removeFromOwner()
{
    if (auto* locator = dynamic_cast<LocatorNode*>(owner()))
        locator->removeCrossReference(this);
}

} // namespace torvane
