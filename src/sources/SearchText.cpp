#include "sources/SearchText.h"

#include "platform/TextUtil.h"

#include <algorithm>
#include <array>
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

// How many bytes after the key byte are checked at once with it.
constexpr std::size_t kNextBytes = 3;

// The byte of the pattern sought to find the places where the pattern may
// start, and what the bytes after it must be. The key byte must stand only
// for itself; '<' and '>', found in every tag, are the last choice.
struct KeyByte {
    std::size_t index = std::string_view::npos; // npos: try every place
    char byte = 0;
    // A byte b can be the one `i + 1` places after the key when
    // (b | nextBits[i]) == next[i]: a letter stands for both cases, a byte
    // standing only for itself for itself, and any other byte (or one past the
    // pattern's end) lets every byte through (0xFF | b == 0xFF).
    std::array<char, kNextBytes> next{};
    std::array<char, kNextBytes> nextBits{};
    std::size_t nextCount = 0; // bytes after the key byte that the pattern holds, at most kNextBytes
};

KeyByte keyByteOf(std::string_view pattern)
{
    KeyByte key;
    key.next.fill(static_cast<char>(0xFF));
    key.nextBits.fill(static_cast<char>(0xFF));
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
    key.nextCount = std::min(kNextBytes, pattern.size() - key.index - 1);
    for (std::size_t i = 0; i < key.nextCount; ++i) {
        const char next = pattern[key.index + 1 + i];
        if (next >= 'a' && next <= 'z') {
            key.next[i] = next;
            key.nextBits[i] = 0x20;
        } else if (standsOnlyForItself(next)) {
            key.next[i] = next;
            key.nextBits[i] = 0;
        }
    }
    return key;
}

bool mayFollow(const KeyByte& key, const char* at)
{
    for (std::size_t i = 0; i < key.nextCount; ++i)
        if (static_cast<char>(at[i + 1] | key.nextBits[i]) != key.next[i])
            return false;
    return true;
}

// First place in [from, last] of the key byte followed by bytes that may be
// the next ones, or npos. Bytes after `last` are read only as far as the
// pattern goes on past its key byte.
std::size_t findKeyByte(std::string_view text, std::size_t from, std::size_t last, const KeyByte& key)
{
    const char* data = text.data();
    std::size_t at = from;
#if defined(__SSE2__)
    // Sixteen places at a time, each checked with the bytes after it: a '<'
    // every twenty bytes or so makes a stop per '<' cost more than the search
    // itself, and "<s" alone would stop at every "<span" on the way to "<script".
    const __m128i byte = _mm_set1_epi8(key.byte);
    __m128i next[kNextBytes];
    __m128i nextBits[kNextBytes];
    for (std::size_t i = 0; i < kNextBytes; ++i) {
        next[i] = _mm_set1_epi8(key.next[i]);
        nextBits[i] = _mm_set1_epi8(key.nextBits[i]);
    }
    for (; at + 16 + kNextBytes <= text.size() && at <= last; at += 16) {
        __m128i hits = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)), byte);
        for (std::size_t i = 0; i < kNextBytes; ++i) {
            const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 1 + i));
            hits = _mm_and_si128(hits, _mm_cmpeq_epi8(_mm_or_si128(after, nextBits[i]), next[i]));
        }
        if (const int mask = _mm_movemask_epi8(hits); mask != 0) {
            const std::size_t found = at + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
            return found <= last ? found : std::string_view::npos;
        }
    }
#endif
    for (; at <= last; ++at) {
        if (data[at] == key.byte && mayFollow(key, data + at))
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
