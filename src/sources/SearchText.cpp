#include "sources/SearchText.h"

#include "platform/TextUtil.h"

#include <cstring>

namespace torvane {

namespace {

// True when `c` is the only byte whose search byte is `c`, so that a plain
// byte search finds exactly its places in the search copy.
bool standsOnlyForItself(char c)
{
    return searchByte(c) == c && c != ' ' && !(c >= 'a' && c <= 'z');
}

// The byte of the pattern that memchr seeks to find the places where the
// pattern may start, or npos to try every place. It must stand only for
// itself; '<' and '>', found in every tag, are the last choice.
std::size_t keyByteOf(std::string_view pattern)
{
    std::size_t key = std::string_view::npos;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!standsOnlyForItself(pattern[i]))
            continue;
        if (pattern[i] != '<' && pattern[i] != '>')
            return i;
        if (key == std::string_view::npos)
            key = i;
    }
    return key;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (searchByte(text[at + i]) != pattern[i])
            return false;
    }
    return true;
}

} // namespace

std::string makeSearchCopy(std::string_view text)
{
    std::string copy(text);
    for (char& c : copy)
        c = searchByte(c);
    return copy;
}

std::size_t findInSearchCopy(std::string_view text, std::string_view pattern, std::size_t from)
{
    if (from > text.size() || pattern.size() > text.size() - from)
        return std::string_view::npos;
    const std::size_t lastStart = text.size() - pattern.size();
    const std::size_t key = keyByteOf(pattern);
    for (std::size_t at = from; at <= lastStart; ++at) {
        if (key != std::string_view::npos) {
            const void* hit = std::memchr(text.data() + at + key, pattern[key], lastStart + 1 - at);
            if (hit == nullptr)
                break;
            at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) - key;
        }
        if (matchesAt(text, at, pattern))
            return at;
    }
    return std::string_view::npos;
}

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

std::string cleanUpText(std::string_view text)
{
    std::string cleaned(trim(text));
    for (char& c : cleaned) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return cleaned;
}

} // namespace torvane
