#pragma once

#include "model/EntryRecord.h"

#include <string>
#include <string_view>

namespace torvane {

// A "see" line: sends the reader from Heading to Locator. Filed under the
// locator node named by its LocatorSort text.
class CrossReference : public EntryRecord {
public:
    CrossReference();
    CrossReference(const CrossReference& other);

    void set(std::string_view heading, std::string_view headingSort, std::string_view separator,
             std::string_view reference, std::string_view locator, std::string_view locatorSort, bool linkToLocator);

    const std::string& heading() const { return heading_; }
    const std::string& headingSort() const { return headingSort_; }
    const std::string& separator() const { return separator_; }
    const std::string& reference() const { return reference_; }
    const std::string& locator() const { return locator_; }
    const std::string& locatorSort() const { return locatorSort_; }
    bool linkToLocator() const { return linkToLocator_; }

    // HeadingSort case-insensitively; Heading, Separator, Reference, Locator
    // byte by byte; LocatorSort case-insensitively; linked before unlinked.
    bool lessThan(const CrossReference& other) const;

    void removeFromOwner() override;

private:
    std::string heading_;
    std::string headingSort_;
    std::string separator_;
    std::string reference_;
    std::string locator_;
    std::string locatorSort_;
    bool linkToLocator_ = true;
};

} // namespace torvane
