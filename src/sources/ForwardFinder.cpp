#include "sources/ForwardFinder.h"
#include "sources/SearchText.h"

namespace torvane {

std::size_t ForwardFinder::find(std::size_t from)
{
    const bool answerStillValid = lastFrom_ != std::string_view::npos && lastFrom_ <= from &&
                                  (lastFound_ == std::string_view::npos || lastFound_ >= from);
    if (!answerStillValid) {
        lastFound_ = findInSearchCopy(text_, pattern_, from);
        lastFrom_ = from;
    }
    return lastFound_;
}

} // namespace torvane
