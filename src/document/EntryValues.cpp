#include "document/EntryValues.h"

#include "model/CrossReference.h"
#include "model/IndexEntry.h"

namespace torvane {

IndexEntryValues IndexEntryValues::of(const IndexEntry& entry)
{
    return {entry.indexAs(),     entry.sortAs(),     entry.helpAs(),   entry.helpTitle(),
            entry.indexTarget(), entry.helpWindow(), entry.helpFrame()};
}

CrossReferenceValues CrossReferenceValues::of(const CrossReference& record)
{
    return {record.heading(), record.headingSort(), record.separator(),    record.reference(),
            record.locator(), record.locatorSort(), record.linkToLocator()};
}

} // namespace torvane
