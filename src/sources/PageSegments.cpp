#include "sources/PageSegments.h"

#include "sources/ForwardFinder.h"
#include "sources/SearchText.h"
#include "sources/UnendedBlock.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TORVANE_WIDE_SEARCH 1
#endif

namespace torvane {

namespace {

constexpr std::string_view commentStart = "<!--";
constexpr std::string_view commentEnd = "-->";
constexpr std::string_view elementStart = "<comment";
constexpr std::string_view elementEnd = "</comment";
constexpr std::string_view blockStart = "<!-- html torvane";

constexpr std::size_t npos = std::string_view::npos;

// Position just past `pattern` found at or after `from`, or the end of the text.
std::size_t through(ForwardFinder& finder, std::size_t from, std::size_t patternLength, std::size_t end)
{
    const std::size_t found = finder.find(from);
    return found == npos ? end : found + patternLength;
}

// A start tag of `name` at `at`: the name ends with a blank, ">" or "/".
bool isStartTag(std::string_view text, std::size_t at, std::size_t nameLength)
{
    const std::size_t after = at + nameLength;
    if (after >= text.size())
        return false;
    const char c = searchByte(text[after]);
    return c == ' ' || c == '>' || c == '/';
}

#if defined(TORVANE_WIDE_SEARCH)
__attribute__((target("avx2"))) inline __m256i load(const char* data, std::size_t offset)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + offset));
}

// Where the markup search below may find something, thirty-two places at a
// time: the first block from `at` that holds a '<' followed by "!--", "com",
// "scr" or "sty" (`hits`), or by 'a' when `withAnchors` (`anchors`); the
// place where blocks no longer fit, with both masks empty, when none does.
// Nothing is called inside, so the constants stay in registers.
__attribute__((target("avx2"))) std::size_t nextWideBlock(std::string_view text, std::size_t at, bool withAnchors,
                                                          std::uint32_t& hits, std::uint32_t& anchors)
{
    const char* data = text.data();
    const __m256i open = _mm256_set1_epi8('<'), bang = _mm256_set1_epi8('!'), dash = _mm256_set1_epi8('-');
    const __m256i c = _mm256_set1_epi8('c'), o = _mm256_set1_epi8('o'), m = _mm256_set1_epi8('m');
    const __m256i r = _mm256_set1_epi8('r'), s = _mm256_set1_epi8('s'), t = _mm256_set1_epi8('t');
    const __m256i y = _mm256_set1_epi8('y'), a = _mm256_set1_epi8('a');
    // ASCII letters in lower case; other bytes changed harmlessly for the compares.
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    const __m256i anchorsWanted = withAnchors ? _mm256_set1_epi8(-1) : _mm256_setzero_si256();
    for (; at + 32 + 3 <= text.size(); at += 32) {
        const __m256i opens = _mm256_cmpeq_epi8(load(data, at), open);
        if (_mm256_testz_si256(opens, opens))
            continue;
        const __m256i first = load(data, at + 1), second = load(data, at + 2), third = load(data, at + 3);
        const __m256i letter1 = _mm256_or_si256(first, caseBit), letter2 = _mm256_or_si256(second, caseBit),
                      letter3 = _mm256_or_si256(third, caseBit);
        const __m256i comment =
            _mm256_and_si256(_mm256_cmpeq_epi8(first, bang),
                             _mm256_and_si256(_mm256_cmpeq_epi8(second, dash), _mm256_cmpeq_epi8(third, dash)));
        const __m256i element =
            _mm256_and_si256(_mm256_cmpeq_epi8(letter1, c),
                             _mm256_and_si256(_mm256_cmpeq_epi8(letter2, o), _mm256_cmpeq_epi8(letter3, m)));
        const __m256i script = _mm256_and_si256(_mm256_cmpeq_epi8(letter2, c), _mm256_cmpeq_epi8(letter3, r));
        const __m256i style = _mm256_and_si256(_mm256_cmpeq_epi8(letter2, t), _mm256_cmpeq_epi8(letter3, y));
        const __m256i raw = _mm256_and_si256(_mm256_cmpeq_epi8(letter1, s), _mm256_or_si256(script, style));
        const __m256i found = _mm256_and_si256(opens, _mm256_or_si256(comment, _mm256_or_si256(element, raw)));
        const __m256i anchorStarts =
            _mm256_and_si256(_mm256_and_si256(opens, anchorsWanted), _mm256_cmpeq_epi8(letter1, a));
        hits = static_cast<std::uint32_t>(_mm256_movemask_epi8(found));
        anchors = static_cast<std::uint32_t>(_mm256_movemask_epi8(anchorStarts));
        if ((hits | anchors) != 0)
            return at;
    }
    hits = anchors = 0;
    return at;
}

bool hasWideSearch()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

enum class Markup { None, Comment, Element, Script, Style };

struct MarkupStart {
    std::size_t at = npos;
    Markup kind = Markup::None;
};

// Finds where a comment, a comment element, or a script or style element
// (whose content is not markup: a "<!--" inside a script starts no comment)
// starts next, all four in one pass over the text. Like a ForwardFinder, it
// keeps its last answer for starts that do not decrease. With `anchorStarts`,
// the same pass notes every '<' followed by 'a' or 'A' that it goes over.
class MarkupStarts {
public:
    MarkupStarts(std::string_view text, std::vector<std::size_t>* anchorStarts)
        : text_(text)
        , anchorStarts_(anchorStarts)
    {
    }

    MarkupStart find(std::size_t from)
    {
        const bool answerStillValid =
            lastFrom_ != npos && lastFrom_ <= from && (last_.kind == Markup::None || last_.at >= from);
        if (!answerStillValid) {
            last_ = search(from);
            lastFrom_ = from;
        }
        return last_;
    }

private:
    Markup kindAt(std::size_t at) const
    {
        const std::string_view rest = text_.substr(at);
        if (startsWithSearchCopy(rest, commentStart))
            return Markup::Comment;
        if (startsWithSearchCopy(rest, elementStart))
            return Markup::Element;
        if (startsWithSearchCopy(rest, "<script") && isStartTag(text_, at, 7))
            return Markup::Script;
        if (startsWithSearchCopy(rest, "<style") && isStartTag(text_, at, 6))
            return Markup::Style;
        return Markup::None;
    }

#if defined(TORVANE_WIDE_SEARCH)
    // The search below, thirty-two places at a time (most pages pass here
    // at a little over half the cost). Leaves `at` where it stopped when it
    // finds nothing.
    MarkupStart searchWide(std::size_t& at) const
    {
        std::uint32_t hits = 0, anchors = 0;
        for (;; at += 32) {
            at = nextWideBlock(text_, at, anchorStarts_ != nullptr, hits, anchors);
            if ((hits | anchors) == 0)
                return {};
            for (std::uint32_t mask = hits | anchors; mask != 0; mask &= mask - 1) {
                const auto bit = static_cast<std::size_t>(std::countr_zero(mask));
                const std::size_t place = at + bit;
                if (anchors & (std::uint32_t {1} << bit))
                    anchorStarts_->push_back(place);
                else if (const Markup kind = kindAt(place); kind != Markup::None)
                    return {place, kind};
            }
        }
    }
#endif

    MarkupStart search(std::size_t at) const
    {
        const char* data = text_.data();
#if defined(TORVANE_WIDE_SEARCH)
        if (hasWideSearch())
            if (const MarkupStart found = searchWide(at); found.kind != Markup::None)
                return found;
#endif
#if defined(__SSE2__)
        // Sixteen places at a time, each '<' checked with the three bytes
        // after it ("!--", "com", "scr", "sty"), so that the common tags
        // ("<span", "<code", "</a") cost nothing.
        const auto byte = [](char c) { return _mm_set1_epi8(c); };
        const auto lower = [](__m128i bytes) { return _mm_or_si128(bytes, _mm_set1_epi8(0x20)); };
        for (; at + 16 + 3 <= text_.size(); at += 16) {
            const auto load = [&](std::size_t offset) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + offset));
            };
            const __m128i first = load(1), second = load(2), third = load(3);
            const __m128i letter1 = lower(first), letter2 = lower(second), letter3 = lower(third);
            const __m128i comment =
                _mm_and_si128(_mm_cmpeq_epi8(first, byte('!')),
                              _mm_and_si128(_mm_cmpeq_epi8(second, byte('-')), _mm_cmpeq_epi8(third, byte('-'))));
            const __m128i element =
                _mm_and_si128(_mm_cmpeq_epi8(letter1, byte('c')),
                              _mm_and_si128(_mm_cmpeq_epi8(letter2, byte('o')), _mm_cmpeq_epi8(letter3, byte('m'))));
            const __m128i script =
                _mm_and_si128(_mm_cmpeq_epi8(letter2, byte('c')), _mm_cmpeq_epi8(letter3, byte('r')));
            const __m128i style = _mm_and_si128(_mm_cmpeq_epi8(letter2, byte('t')), _mm_cmpeq_epi8(letter3, byte('y')));
            const __m128i raw = _mm_and_si128(_mm_cmpeq_epi8(letter1, byte('s')), _mm_or_si128(script, style));
            const __m128i opens = _mm_cmpeq_epi8(load(0), byte('<'));
            const __m128i hits = _mm_and_si128(opens, _mm_or_si128(comment, _mm_or_si128(element, raw)));
            const auto anchors =
                anchorStarts_
                    ? static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(opens, _mm_cmpeq_epi8(letter1, byte('a')))))
                    : 0U;
            for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)) | anchors; mask != 0; mask &= mask - 1) {
                const auto bit = static_cast<std::size_t>(std::countr_zero(mask));
                const std::size_t place = at + bit;
                if (anchors & (1U << bit))
                    anchorStarts_->push_back(place);
                else if (const Markup kind = kindAt(place); kind != Markup::None)
                    return {place, kind};
            }
        }
#endif
        for (; at < text_.size(); ++at) {
            if (data[at] != '<')
                continue;
            if (const Markup kind = kindAt(at); kind != Markup::None)
                return {at, kind};
            noteAnchorStart(at);
        }
        return {};
    }

public:
    // Notes the anchor starts in [from, to), a stretch the search skips.
    void noteAnchorStarts(std::size_t from, std::size_t to) const
    {
        const char* data = text_.data();
        for (const char* lt = data + from; lt < data + to; ++lt) {
            lt = static_cast<const char*>(std::memchr(lt, '<', static_cast<std::size_t>(data + to - lt)));
            if (!lt)
                break;
            noteAnchorStart(static_cast<std::size_t>(lt - data));
        }
    }

private:
    // Notes the '<' at `at` when an 'a' follows it.
    void noteAnchorStart(std::size_t at) const
    {
        if (anchorStarts_ && at + 1 < text_.size() && (text_[at + 1] | 0x20) == 'a')
            anchorStarts_->push_back(at);
    }

    std::string_view text_;
    std::vector<std::size_t>* anchorStarts_;
    std::size_t lastFrom_ = npos;
    MarkupStart last_;
};

// Whether the comment at `start` is a conditional comment ("<!--[if ...]>"
// or "<!--<![endif]-->"), which a browser ends at its first "-->".
bool isConditionalComment(std::string_view text, std::size_t start)
{
    const std::string_view rest = text.substr(start + commentStart.size());
    return startsWithSearchCopy(rest, "[if") || startsWithSearchCopy(rest, "<![endif]");
}

} // namespace

std::vector<Segment> cutSegments(std::string_view text, std::vector<Segment>* rawTextContents,
                                 std::vector<std::size_t>* anchorStarts)
{
    std::vector<Segment> segments;
    const std::size_t n = text.size();
    MarkupStarts starts(text, anchorStarts);
    ForwardFinder openings(text, commentStart);
    ForwardFinder closings(text, commentEnd);
    ForwardFinder elementEnds(text, elementEnd);
    ForwardFinder tagEnds(text, ">");
    ForwardFinder blockEnds(text, "html torvane -->");
    ForwardFinder scriptEnds(text, "</script");
    ForwardFinder styleEnds(text, "</style");

    std::size_t pos = 0;
    std::size_t from = 0;
    while (pos < n) {
        const MarkupStart next = starts.find(from);
        if (next.kind == Markup::Script || next.kind == Markup::Style) {
            const std::size_t found = (next.kind == Markup::Script ? scriptEnds : styleEnds).find(next.at);
            const std::size_t rawEnd = found == npos ? n : found;
            if (rawTextContents)
                rawTextContents->push_back({next.at, rawEnd - next.at});
            // A script's text is no markup for the cut, but lies outside comments.
            if (anchorStarts)
                starts.noteAnchorStarts(next.at + 1, rawEnd);
            from = rawEnd;
            continue;
        }
        if (next.kind == Markup::None) {
            segments.push_back({pos, n - pos});
            break;
        }
        const std::size_t start = next.at;
        const bool opening = next.kind == Markup::Comment;
        segments.push_back({pos, start - pos});

        std::size_t end = start;
        std::size_t blockEnd = npos;
        std::size_t recordsEnd = npos;
        if (opening && startsWithSearchCopy(text.substr(start), blockStart)) {
            blockEnd = blockEnds.find(start);
            // Only a block starting before that end marker matters: the search stops there.
            if (blockEnd != npos &&
                findInSearchCopy(text.substr(0, blockEnd + blockStart.size() - 1), blockStart, start + 1) < blockEnd)
                blockEnd = npos;
            if (blockEnd == npos)
                recordsEnd = unendedBlockEnd(text, start);
        }
        if (blockEnd != npos) {
            // The index block ends at its own end marker, whatever its values hold.
            end = blockEnd + 16;
        } else if (recordsEnd != npos) {
            end = recordsEnd;
        } else if (opening && isConditionalComment(text, start)) {
            end = through(closings, start + commentStart.size(), commentEnd.size(), n);
        } else if (opening) {
            end = start + commentStart.size();
            for (int depth = 1; depth > 0 && end < n;) {
                const std::size_t nextOpening = openings.find(end);
                const std::size_t nextClosing = closings.find(end);
                if (nextOpening == npos && nextClosing == npos) {
                    end = n;
                } else if (nextClosing != npos && nextClosing < nextOpening) {
                    end = nextClosing + commentEnd.size();
                    --depth;
                } else {
                    end = nextOpening + commentStart.size();
                    ++depth;
                }
            }
        } else {
            end = through(tagEnds, start + elementStart.size(), 1, n);
            if (end < n)
                end = through(elementEnds, end, elementEnd.size(), n);
            if (end < n)
                end = through(tagEnds, end, 1, n);
        }
        segments.push_back({start, end - start});
        pos = from = end;
    }
    return segments;
}

std::vector<std::size_t> commentEnds(const std::vector<Segment>& segments)
{
    std::vector<std::size_t> ends;
    std::size_t running = 0;
    for (std::size_t i = 1; i < segments.size(); i += 2)
        ends.push_back(running += segments[i].length);
    return ends;
}

std::string joinSegments(std::string_view text, const std::vector<Segment>& segments, std::size_t kind)
{
    std::size_t length = 0;
    for (std::size_t i = kind; i < segments.size(); i += 2)
        length += segments[i].length;
    std::string joined;
    joined.reserve(length);
    for (std::size_t i = kind; i < segments.size(); i += 2)
        joined.append(text.substr(segments[i].offset, segments[i].length));
    return joined;
}

} // namespace torvane
