// Open a page, add entries, save, reopen, save again: nothing outside the
// replaced ranges changes, every entry reads back, the second save changes
// nothing. The input is the page; its last bytes, up to a NUL, give the
// entry's texts (split at "|"), kept only when a page could store them.
#include "support/PageRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string problem =
        torvane::testing::checkPageRoundTripInput(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
