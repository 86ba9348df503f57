#pragma once
#include "document/EntryValues.h"
#include <array>
#include <optional>
#include <string>

namespace torvane {

// The six texts of a cross-reference, in the order the dialog reads them.
enum CrossReferenceField : int {
    FieldHeading,
    FieldHeadingSort,
    FieldSeparator,
    FieldReference,
    FieldLocator,
    FieldLocatorSort,
    CrossReferenceFieldCount
};

std::array<std::string*, CrossReferenceFieldCount> textsOf(CrossReferenceValues& values);

struct FieldRefusal {
    std::string message;
    // The first field, in reading order, that had a problem.
    int field = FieldHeading;
};

// Trims the six texts in place and checks their stored form; every one but
// the separator is required.
std::optional<FieldRefusal> checkCrossReference(CrossReferenceValues& values);
// Exactly ", " at every unescaped comma of all six texts.
void normaliseCrossReferenceCommas(CrossReferenceValues& values);

// A new cross-reference as the dialog offers it, and after a clearing Add.
CrossReferenceValues freshCrossReference(bool linkToLocator = true);

} // namespace torvane
