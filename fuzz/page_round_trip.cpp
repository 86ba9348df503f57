// Open a page, add entries, save, reopen, save again: nothing outside the
// replaced ranges changes, every entry reads back, the second save changes
// nothing. The input is the page; its last bytes, up to a NUL, give the
// entry's texts (split at "|"), kept only when a page could store them.
#include "support/PageRoundTrip.h"
#include "sources/StoredValues.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string page(reinterpret_cast<const char*>(data), size);
    torvane::testing::EntryFields fields{"Entry", "entry", "Entry", "Untitled", "", "", ""};
    if (const std::size_t nul = page.rfind('\0'); nul != std::string::npos) {
        std::string values = page.substr(nul + 1);
        page.resize(nul);
        for (std::size_t k = 0; k < fields.size() && !values.empty(); ++k) {
            const std::size_t bar = values.find('|');
            const std::string value = values.substr(0, bar);
            if (torvane::storedValueProblem(value).empty() && (k != 0 || !value.empty()))
                fields[k] = value;
            values = bar == std::string::npos ? std::string() : values.substr(bar + 1);
        }
        if (fields[2].empty())
            fields[2] = fields[0];
        if (fields[3].empty())
            fields[3] = "Untitled";
    }
    const std::string problem = torvane::testing::checkPageRoundTrip(page, fields);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
