#include "sources/SearchText.h"

#include "platform/TextRules.h"

namespace torvane {

std::string makeSearchCopy(std::string_view text)
{
    std::string copy(text);
    for (char& c : copy) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return copy;
}

std::size_t ForwardFinder::find(std::size_t from)
{
    const bool answerStillValid = lastFrom_ != std::string_view::npos && lastFrom_ <= from &&
                                  (lastFound_ == std::string_view::npos || lastFound_ >= from);
    if (!answerStillValid) {
        lastFound_ = text_.find(pattern_, from);
        lastFrom_ = from;
    }
    return lastFound_;
}

std::string cleanUpText(std::string_view text)
{
    std::string cleaned(trimSpace(text));
    for (char& c : cleaned) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return cleaned;
}

} // namespace torvane
