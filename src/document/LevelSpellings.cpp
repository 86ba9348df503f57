#include "document/LevelSpellings.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <vector>

namespace torvane {

namespace {

constexpr std::string_view kCodeMarks = "_()[]{}<>\\/=*'\"@$%#+|~^&`";
// Letters in capitals beyond an acronym's length: a constant or a variable.
constexpr std::size_t kLongestAcronym = 5;

bool isWordByte(char c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || static_cast<unsigned char>(c) >= 0x80;
}

bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// The words of a text and what stands between them (blanks and punctuation),
// one more separator than words.
struct Words {
    std::vector<std::string_view> words;
    std::vector<std::string_view> separators;
};

Words splitWords(std::string_view text)
{
    Words split;
    std::size_t at = 0;
    while (true) {
        const std::size_t start =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), isWordByte) - text.begin();
        split.separators.push_back(text.substr(at, start - at));
        if (start == text.size())
            return split;
        const std::size_t end =
            std::find_if_not(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), isWordByte) - text.begin();
        split.words.push_back(text.substr(start, end - start));
        at = end;
    }
}

bool looksLikeName(std::string_view text, std::string_view anchor)
{
    if (text.find_first_of(kCodeMarks) != std::string_view::npos || text.starts_with('-') || text.starts_with('.'))
        return true;
    for (std::size_t i = 1; i < text.size(); ++i) {
        // "BadZipFile", "os.path"
        if (isLower(text[i - 1]) && isUpper(text[i]))
            return true;
        if (text[i - 1] == '.' && i >= 2 && isWordByte(text[i - 2]) && isAsciiLetter(text[i]))
            return true;
    }
    for (std::string_view word : splitWords(text).words) {
        if (word.size() > kLongestAcronym && std::all_of(word.begin(), word.end(), [](char c) { return !isLower(c); }))
            return true;
    }
    return !anchor.empty() && (anchor == text || (anchor.size() > text.size() && anchor.ends_with(text) &&
                                                  anchor[anchor.size() - text.size() - 1] == '.'));
}

// The word without a plural ending, its letter case kept.
std::string_view withoutPlural(std::string_view word)
{
    if (word.size() < 4)
        return word;
    const std::string lower = asciiLower(word);
    for (std::string_view sibilant : {"ses", "xes", "zes", "ches", "shes"}) {
        if (lower.ends_with(sibilant))
            return word.substr(0, word.size() - 2);
    }
    if (lower.ends_with('s') && !lower.ends_with("ss"))
        return word.substr(0, word.size() - 1);
    return word;
}

std::string joined(const std::vector<std::string_view>& words, bool keepEndings)
{
    std::string text;
    for (std::string_view word : words)
        text += keepEndings ? word : withoutPlural(word);
    return text;
}

} // namespace

std::string spellingKey(std::string_view level, std::string_view anchor)
{
    if (looksLikeName(level, anchor)) {
        std::string name = "n";
        std::copy_if(level.begin(), level.end(), std::back_inserter(name), [](char c) { return c != ' '; });
        return name;
    }
    const std::string key = asciiLower(joined(splitWords(level).words, false));
    return key.size() < 2 ? std::string() : "p" + key;
}

SpellingDifference spellingDifference(std::string_view key, std::string_view first, std::string_view other)
{
    if (first == other)
        return SpellingDifference::None;
    if (key.starts_with('n'))
        return SpellingDifference::Blanks;
    if (asciiLower(first) == asciiLower(other))
        return SpellingDifference::LetterCase;
    const Words a = splitWords(first);
    const Words b = splitWords(other);
    if (joined(a.words, true) == joined(b.words, true))
        return SpellingDifference::Punctuation;
    if (a.separators == b.separators && joined(a.words, false) == joined(b.words, false))
        return SpellingDifference::PluralEnding;
    return SpellingDifference::None;
}

const char* differenceText(SpellingDifference difference)
{
    switch (difference) {
    case SpellingDifference::LetterCase:
        return "letter case";
    case SpellingDifference::Punctuation:
        return "blanks, hyphens or punctuation";
    case SpellingDifference::PluralEnding:
        return "a plural ending";
    case SpellingDifference::Blanks:
    case SpellingDifference::None:
        break;
    }
    return "blanks";
}

} // namespace torvane
