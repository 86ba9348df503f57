#include "generate/TextArena.h"
#include <algorithm>
#include <cstring>

namespace torvane {

std::string_view TextArena::copy(std::string_view text)
{
    if (text.empty())
        return {};
    if (capacity_ - used_ < text.size()) {
        capacity_ = std::max(kBlockSize, text.size());
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(capacity_));
        used_ = 0;
    }
    char* at = blocks_.back().get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    return {at, text.size()};
}

void TextArena::clear()
{
    blocks_.clear();
    used_ = 0;
    capacity_ = 0;
}

} // namespace torvane
