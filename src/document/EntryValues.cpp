#include "document/EntryValues.h"

#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "platform/TextUtil.h"
#include "sources/StoredValues.h"

namespace torvane {

IndexEntryValues IndexEntryValues::of(const IndexEntry& entry)
{
    return {entry.indexAs(),     entry.sortAs(),     entry.helpAs(),   entry.helpTitle(),
            entry.indexTarget(), entry.helpWindow(), entry.helpFrame()};
}

std::string_view unstorableProblem(const IndexEntryValues& values)
{
    for (const std::string* field : {&values.indexAs, &values.sortAs, &values.helpAs, &values.helpTitle,
                                     &values.indexTarget, &values.helpWindow, &values.helpFrame})
        if (const std::string_view problem = storedValueProblem(*field); !problem.empty())
            return problem;
    return {};
}

CrossReferenceValues CrossReferenceValues::of(const CrossReference& record)
{
    return {record.heading(), record.headingSort(), record.separator(),    record.reference(),
            record.locator(), record.locatorSort(), record.linkToLocator()};
}

std::optional<std::string> urlToAdd(std::string_view typed)
{
    std::string kept;
    kept.reserve(typed.size());
    for (const char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F)
            kept.push_back(c);
    }
    const std::string_view url = trimLeft(kept);
    if (url.empty())
        return std::nullopt;
    return std::string(url);
}

} // namespace torvane
