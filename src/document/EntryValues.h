#pragma once
#include <string>

namespace torvane {

class CrossReference;
class IndexEntry;

// What a dialog hands to an action: the seven fields of an index entry, in
// stored (escaped) form.
struct IndexEntryValues {
    std::string indexAs;
    std::string sortAs;
    std::string helpAs;
    std::string helpTitle;
    std::string indexTarget;
    std::string helpWindow;
    std::string helpFrame;

    static IndexEntryValues of(const IndexEntry& entry);
    bool operator==(const IndexEntryValues&) const = default;
};

// The seven fields of a cross-reference.
struct CrossReferenceValues {
    std::string heading;
    std::string headingSort;
    std::string separator;
    std::string reference;
    std::string locator;
    std::string locatorSort;
    bool linkToLocator = true;

    static CrossReferenceValues of(const CrossReference& record);
    bool operator==(const CrossReferenceValues&) const = default;
};

} // namespace torvane
