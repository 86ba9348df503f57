#pragma once
#include <string>
#include <string_view>

namespace torvane {

// How another spelling of a level differs from the first one met, when a
// reader would take the two for one line of the index.
enum class SpellingDifference {
    None, // not a likely duplicate
    LetterCase, // "Codecs", "codecs"
    Punctuation, // "byte-code", "bytecode"; "asynchronous generator", "asynchronous-generator"
    PluralEnding, // "docstring", "docstrings"
    Blanks, // names that differ in nothing else: "__import__ ()", "__import__()"
};

// What the spellings of a likely duplicate share, so that they can be
// grouped; empty for a text that cannot have one (one letter, no letters).
// A name (an option, a function, a constant: anything with the marks of
// code, or named by its anchor as documentation generators name them) is
// only ever the same name with other blanks: "-B" and "-b", "concat()" and
// "__concat__()", "x()" and "x" are different things.
// `anchor` is the anchor the entry is on, empty for a page or a URL.
std::string spellingKey(std::string_view level, std::string_view anchor);

// How `other` differs from `first` when both have the spelling key `key`:
// in one respect only, else not a likely duplicate ("Error" beside "errors"
// differs in letter case and in number).
SpellingDifference spellingDifference(std::string_view key, std::string_view first, std::string_view other);

// "letter case", "blanks, hyphens or punctuation", "a plural ending", "blanks".
const char* differenceText(SpellingDifference difference);

} // namespace torvane
