#include "document/EntryValues.h"

#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "platform/TextUtil.h"
#include "sources/StoredValues.h"

namespace torvane {

IndexEntryValues IndexEntryValues::of(const IndexEntry& entry)
{
    return {std::string(entry.indexAs()),   std::string(entry.sortAs()),      std::string(entry.helpAs()),
            std::string(entry.helpTitle()), std::string(entry.indexTarget()), std::string(entry.helpWindow()),
            std::string(entry.helpFrame())};
}

std::unique_ptr<IndexEntry> entryFrom(const IndexEntryValues& values)
{
    auto entry = std::make_unique<IndexEntry>();
    entry->setTexts(values.indexAs, values.helpAs, values.helpTitle, values.sortAs);
    entry->setTargets(values.indexTarget, values.helpWindow, values.helpFrame);
    return entry;
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

std::string_view urlStoreProblem(std::string_view url)
{
    std::size_t trailing = 0;
    while (trailing < url.size() && url[url.size() - 1 - trailing] == '\\')
        ++trailing;
    if (trailing % 2 == 1)
        return kUrlEndsInBackslash;
    if (url.starts_with('"'))
        return kUrlStartsWithQuote;
    if (url.find(' ') == std::string_view::npos)
        return {};
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '\\')
            ++i;
        else if (url[i] == '"')
            return kUrlHasBlankAndQuote;
    }
    return {};
}

} // namespace torvane
