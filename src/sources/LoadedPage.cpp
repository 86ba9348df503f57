#include "sources/LoadedPage.h"

#include "platform/ContentStamp.h"
#include "sources/CHtmlFile.h"

namespace torvane {

void readLoadedPage(PageReader& reader, const std::string& path, LoadedPage& page, bool withIds)
{
    reader.read(path);
    page.path = path;
    page.result = reader.result();
    page.outcome = reader.outcome();
    page.utf16 = startsAsUtf16(reader.text());
    page.scan = page.result.readSucceeded ? scanPage(reader.text(), withIds) : ScannedPage {};
    page.stamp = page.result.readSucceeded ? contentStamp(reader.text()) : 0;
}

} // namespace torvane
