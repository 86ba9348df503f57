// Any bytes as a page's comment text: reading the blocks must not crash, and
// every record must be seven pairs after its target.
#include "sources/BlockRecords.h"
#include "sources/StoredValues.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string comments(reinterpret_cast<const char*>(data), size);
    const torvane::NameValueList records = torvane::readBlockRecords(comments);
    for (std::size_t i = 0; i < records.size();) {
        if (records[i].first == "Target") {
            torvane::decodeTargetName(records[i].second);
            ++i;
            continue;
        }
        if (records.size() - i < 7 || records[i].first != "IndexAs")
            std::abort();
        for (std::size_t k = 0; k < 7; ++k)
            torvane::storableForm(torvane::decodeBlockValue(records[i + k].second));
        i += 7;
    }
    torvane::describeBlockDamage(torvane::findBlockDamage(comments));
    return 0;
}
