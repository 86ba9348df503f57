#pragma once
#include "styles/TorvaneExtensions.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The index's own words, in UTF-8. The "matching" texts hold "{n}" where the
// number of matching entries goes.
struct IndexWords {
    std::string symbols;
    std::string numbers;
    std::string see;
    std::string seeAlso;
    std::string returnToTop;
    std::string filterEntries;
    std::string noMatch;
    std::string indexLetters;
    std::string skipToIndex;
    std::string oneMatch;
    std::string manyMatches;
};

// The language the words are in: `Language`, else the collation's language,
// else none (empty).
std::string wordsLanguage(const TorvaneExtensions& extensions);
// The words of that language (English for none or one without words of its
// own), each replaced by the project's "Word ..." key when it has one.
IndexWords indexWords(const TorvaneExtensions& extensions);
// The project keys of the words, in the order of the style dialog.
struct IndexWordKey {
    const char* key;
    std::string IndexWords::*word;
};
const std::vector<IndexWordKey>& indexWordKeys();

} // namespace torvane
