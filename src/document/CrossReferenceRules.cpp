#include "document/CrossReferenceRules.h"
#include "document/EntryFieldRules.h"
#include "platform/TextUtil.h"

namespace torvane {

std::array<std::string*, CrossReferenceFieldCount> textsOf(CrossReferenceValues& values)
{
    return {&values.heading,   &values.headingSort, &values.separator,
            &values.reference, &values.locator,     &values.locatorSort};
}

std::optional<FieldRefusal> checkCrossReference(CrossReferenceValues& values)
{
    FieldProblems all;
    int first = -1;
    const auto texts = textsOf(values);
    for (int field = 0; field < CrossReferenceFieldCount; ++field) {
        std::string& text = *texts[static_cast<size_t>(field)];
        text = std::string(trim(text));
        FieldProblems problems;
        problems.required = text.empty() && field != FieldSeparator;
        checkStoredField(text, problems);
        if (problems.any() && first < 0)
            first = field;
        all.add(problems);
    }
    if (!all.any())
        return std::nullopt;
    return FieldRefusal {problemMessage(all), first};
}

void normaliseCrossReferenceCommas(CrossReferenceValues& values)
{
    for (std::string* text : textsOf(values))
        *text = normaliseCommas(*text);
}

CrossReferenceValues freshCrossReference(bool linkToLocator)
{
    CrossReferenceValues values;
    values.separator = ".";
    values.reference = "<i>See</i>";
    values.linkToLocator = linkToLocator;
    return values;
}

} // namespace torvane
