#pragma once
#include "platform/FileResult.h"
#include "sources/PageReader.h"
#include "sources/PageScan.h"

#include <cstdint>
#include <string>

namespace torvane {

// All that loading takes from a page, its bytes let go: made on whichever
// thread reads the page, taken into the model by the one that builds it.
struct LoadedPage {
    std::string path;
    PageReadResult result;
    FileResult outcome;
    bool utf16 = false;
    std::uint64_t stamp = 0; // contentStamp of a page read whole
    ScannedPage scan; // of a page read whole; empty otherwise
};

// Reads the page at `path` with `reader` and scans it when it was read whole
// (`withIds`: its elements with an id too).
void readLoadedPage(PageReader& reader, const std::string& path, LoadedPage& page, bool withIds = false);

} // namespace torvane
