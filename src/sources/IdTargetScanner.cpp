#include "sources/IdTargetScanner.h"

#include "platform/TextUtil.h"
#include "sources/PageSegments.h"
#include "sources/SearchText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace torvane {

namespace {

constexpr std::size_t npos = std::string_view::npos;
// An element's text is looked for this far at most, so that a page of
// nested sections is still scanned in one pass.
constexpr std::size_t kTextScanLimit = 4096;

constexpr std::array<std::string_view, 14> voidElements {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                                         "input", "link", "meta", "param", "source", "track", "wbr"};

bool isSpace(char c)
{
    return searchByte(c) == ' ' || c == '\f';
}

bool isLetter(char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

bool endsName(char c)
{
    return isSpace(c) || c == '>' || c == '/' || c == '=';
}

// Equal as markup is matched: ASCII letters in either case.
bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return searchByte(x) == searchByte(y); });
}

// One start tag read attribute by attribute, so that a '>' inside a quoted
// value does not end it.
struct StartTag {
    std::string_view name;
    std::size_t end = npos; // the closing '>'
    bool selfClosing = false;
    std::string_view id;
    bool hasId = false;
};

StartTag readStartTag(std::string_view text, std::size_t nameStart)
{
    StartTag tag;
    std::size_t at = nameStart;
    while (at < text.size() && !endsName(text[at]))
        ++at;
    tag.name = text.substr(nameStart, at - nameStart);
    while (at < text.size()) {
        const char c = text[at];
        if (isSpace(c)) {
            ++at;
            continue;
        }
        if (c == '>') {
            tag.end = at;
            return tag;
        }
        if (c == '/') {
            tag.selfClosing = at + 1 < text.size() && text[at + 1] == '>';
            ++at;
            continue;
        }
        const std::size_t attributeStart = at;
        while (at < text.size() && !endsName(text[at]))
            ++at;
        const std::string_view attribute = text.substr(attributeStart, at - attributeStart);
        if (attribute.empty())
            ++at; // a stray '='
        if (at >= text.size() || text[at] != '=' || attribute.empty())
            continue;
        ++at;
        std::string_view value;
        if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
            const std::size_t close = text.find(text[at], at + 1);
            if (close == npos)
                return tag;
            value = text.substr(at + 1, close - at - 1);
            at = close + 1;
        } else {
            const std::size_t valueStart = at;
            while (at < text.size() && !isSpace(text[at]) && text[at] != '>')
                ++at;
            value = text.substr(valueStart, at - valueStart);
        }
        if (!tag.hasId && sameWord(attribute, "id")) {
            tag.id = trim(value);
            tag.hasId = true;
        }
    }
    return tag;
}

bool isVoidElement(std::string_view name)
{
    for (std::string_view element : voidElements)
        if (sameWord(name, element))
            return true;
    return false;
}

// Generators end headings and definitions with a permalink mark.
std::string_view withoutPermalinkMark(std::string_view text)
{
    for (bool cut = true; cut;) {
        cut = false;
        text = trimRight(text);
        for (std::string_view mark : {std::string_view("\xC2\xB6"), std::string_view("&para;"),
                                      std::string_view("&#182;"), std::string_view("&#xb6;")})
            if (text.size() >= mark.size() && sameWord(text.substr(text.size() - mark.size()), mark)) {
                text.remove_suffix(mark.size());
                cut = true;
            }
    }
    return text;
}

std::string cutAtWord(std::string text)
{
    if (text.size() <= kIdTextLength)
        return text;
    std::size_t cut = text.rfind(' ', kIdTextLength);
    if (cut == npos || cut < kIdTextLength / 2) {
        cut = kIdTextLength;
        // Not inside a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
    }
    text.resize(cut);
    return text;
}

std::string elementText(std::string_view text, std::size_t contentStart, std::string_view name)
{
    std::string out;
    const std::size_t limit = std::min(text.size(), contentStart + kTextScanLimit);
    bool pendingSpace = false;
    for (std::size_t at = contentStart; at < limit && out.size() <= kIdTextLength + 1;) {
        const char c = text[at];
        if (c == '<') {
            if (at + 2 + name.size() <= text.size() && text[at + 1] == '/' &&
                sameWord(text.substr(at + 2, name.size()), name) &&
                (at + 2 + name.size() == text.size() || endsName(text[at + 2 + name.size()])))
                break;
            const std::size_t close = text.find('>', at);
            if (close == npos)
                break;
            at = close + 1;
            continue;
        }
        ++at;
        if (isSpace(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace)
            out += ' ';
        pendingSpace = false;
        out += c;
    }
    return cutAtWord(std::string(withoutPermalinkMark(out)));
}

// Where the next id attribute may start: an "id=" in either letter case
// after white space. A page has far fewer ids than tags, so the scan goes
// from '=' to '=' and reads only the tags that hold an id.
std::size_t nextIdAttribute(std::string_view text, std::size_t from)
{
    const char* data = text.data();
    while (from < text.size()) {
        const auto* equals = static_cast<const char*>(std::memchr(data + from, '=', text.size() - from));
        if (!equals)
            return npos;
        const auto at = static_cast<std::size_t>(equals - data);
        from = at + 1;
        if (at >= 3 && (text[at - 1] | 0x20) == 'd' && (text[at - 2] | 0x20) == 'i' && isSpace(text[at - 3]))
            return at - 2;
    }
    return npos;
}

} // namespace

std::vector<Anchor> findIdTargets(std::string_view text)
{
    std::vector<Segment> raw;
    cutSegments(text, &raw);
    return findIdTargets(text, raw);
}

std::vector<Anchor> findIdTargets(std::string_view text, const std::vector<Segment>& rawTextElements)
{
    std::vector<Anchor> targets;
    auto nextRaw = rawTextElements.begin();
    const char* data = text.data();
    std::size_t done = 0; // everything before has been looked at
    for (std::size_t at = nextIdAttribute(text, 0); at != npos; at = nextIdAttribute(text, std::max(done, at + 3))) {
        if (at < done)
            continue;
        const auto* lt = static_cast<const char*>(memrchr(data + done, '<', at - done));
        if (!lt)
            continue;
        const auto tagStart = static_cast<std::size_t>(lt - data);
        // A '>' in between: the place is text, not an attribute.
        if (std::memchr(lt, '>', at - tagStart) || !isLetter(text[tagStart + 1]))
            continue;
        while (nextRaw != rawTextElements.end() && nextRaw->offset + nextRaw->length <= tagStart)
            ++nextRaw;
        if (nextRaw != rawTextElements.end() && nextRaw->offset <= tagStart) {
            done = nextRaw->offset + nextRaw->length;
            continue;
        }
        const StartTag tag = readStartTag(text, tagStart + 1);
        if (tag.end == npos)
            break;
        done = tag.end + 1;
        if (!tag.hasId || tag.id.empty())
            continue;
        const bool empty = tag.selfClosing || isVoidElement(tag.name);
        targets.push_back({std::string(tag.id), empty ? std::string() : elementText(text, done, tag.name)});
    }
    return targets;
}

} // namespace torvane
