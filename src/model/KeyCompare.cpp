#include "model/KeyCompare.h"

#include "platform/TextUtil.h"

namespace torvane {

int compareKeys(std::string_view a, std::string_view b, KeyCompareMode mode)
{
    if (mode != KeyCompareMode::Exact) {
        const int folded = compareInProjectOrder(a, b);
        if (folded != 0 || mode == KeyCompareMode::CaseInsensitive)
            return folded;
    }
    return a.compare(b);
}

} // namespace torvane
