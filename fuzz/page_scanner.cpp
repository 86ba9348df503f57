// Any bytes as a page: the scan and the insertion-point search must not
// crash, and the segments must cover the page exactly, in order.
#include "sources/CHtmlFile.h"
#include "platform/FileReports.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    torvane::FileReports reports;
    torvane::CHtmlFile page(reports);
    page.setWholeText(std::string(reinterpret_cast<const char*>(data), size));
    page.ScanPage();
    page.ScanInsertionPoints();
    std::string joined;
    for (std::size_t i = 0; i < page.segmentCount(); ++i)
        joined.append(page.segment(i));
    if (joined != page.wholeText())
        std::abort();
    return 0;
}
