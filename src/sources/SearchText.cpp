#include "sources/SearchText.h"

#include "platform/TextRules.h"

#include <array>

namespace torvane {

namespace {

// Byte-to-byte map of the search copy; a table keeps the loop branch-free.
constexpr std::array<unsigned char, 256> searchMap = [] {
    std::array<unsigned char, 256> map{};
    for (int c = 0; c < 256; ++c)
        map[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        map[c] = static_cast<unsigned char>(c - 'A' + 'a');
    map['\t'] = map['\r'] = map['\n'] = ' ';
    return map;
}();

} // namespace

std::string makeSearchCopy(std::string_view text)
{
    std::string copy(text.size(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i)
        copy[i] = static_cast<char>(searchMap[static_cast<unsigned char>(text[i])]);
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
