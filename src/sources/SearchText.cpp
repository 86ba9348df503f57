#include "sources/SearchText.h"

#include "platform/TextUtil.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace torvane {

namespace {

// True when `c` is the only byte whose search byte is `c`, so that a plain
// byte search finds exactly its places in the search copy.
bool standsOnlyForItself(char c)
{
    return searchByte(c) == c && c != ' ' && !(c >= 'a' && c <= 'z');
}

// The byte of the pattern sought to find the places where the pattern may
// start, and what the byte after it must be. The key byte must stand only for
// itself; '<' and '>', found in every tag, are the last choice.
struct KeyByte {
    std::size_t index = std::string_view::npos; // npos: try every place
    char byte = 0;
    // A byte b can be the next one when (b | nextBits) == next: a letter
    // stands for both cases, a byte standing only for itself for itself, and
    // any other byte lets every byte through (0xFF | b == 0xFF).
    char next = static_cast<char>(0xFF);
    char nextBits = static_cast<char>(0xFF);
};

KeyByte keyByteOf(std::string_view pattern)
{
    KeyByte key;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!standsOnlyForItself(pattern[i]))
            continue;
        const bool isTagBracket = pattern[i] == '<' || pattern[i] == '>';
        if (key.index == std::string_view::npos || !isTagBracket)
            key.index = i;
        if (!isTagBracket)
            break;
    }
    if (key.index == std::string_view::npos)
        return key;
    key.byte = pattern[key.index];
    if (key.index + 1 < pattern.size()) {
        const char next = pattern[key.index + 1];
        if (next >= 'a' && next <= 'z') {
            key.next = next;
            key.nextBits = 0x20;
        } else if (standsOnlyForItself(next)) {
            key.next = next;
            key.nextBits = 0;
        }
    }
    return key;
}

bool mayBeNext(const KeyByte& key, char c)
{
    return static_cast<char>(c | key.nextBits) == key.next;
}

// First place in [from, last] of the key byte followed by a byte that may be
// the next one, or npos. The byte after `last` is read only when the pattern
// goes on past its key byte.
std::size_t findKeyByte(std::string_view text, std::size_t from, std::size_t last, const KeyByte& key)
{
    const char* data = text.data();
    std::size_t at = from;
#if defined(__SSE2__)
    // Sixteen places at a time: a '<' every twenty bytes or so makes a memchr
    // per '<' cost more than the search itself.
    const __m128i byte = _mm_set1_epi8(key.byte);
    const __m128i next = _mm_set1_epi8(key.next);
    const __m128i nextBits = _mm_set1_epi8(key.nextBits);
    for (; at + 16 < text.size() && at <= last; at += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 1));
        const __m128i hits =
            _mm_and_si128(_mm_cmpeq_epi8(here, byte), _mm_cmpeq_epi8(_mm_or_si128(after, nextBits), next));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0) {
            const std::size_t found = at + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
            return found <= last ? found : std::string_view::npos;
        }
    }
#endif
    const bool hasNext = key.nextBits != static_cast<char>(0xFF);
    for (; at <= last; ++at) {
        if (data[at] == key.byte && (!hasNext || mayBeNext(key, data[at + 1])))
            return at;
    }
    return std::string_view::npos;
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
    const KeyByte key = keyByteOf(pattern);
    for (std::size_t at = from; at <= lastStart; ++at) {
        if (key.index != std::string_view::npos) {
            const std::size_t found = findKeyByte(text, at + key.index, lastStart + key.index, key);
            if (found == std::string_view::npos)
                break;
            at = found - key.index;
        }
        if (matchesAt(text, at, pattern))
            return at;
    }
    return std::string_view::npos;
}

bool startsWithSearchCopy(std::string_view text, std::string_view pattern)
{
    if (text.size() < pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (searchByte(text[i]) != pattern[i])
            return false;
    return true;
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
