#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvane {

// A language ICU can sort by: its BCP 47 tag and its name in English.
struct CollationLanguage {
    std::string tag;
    std::string name;
    bool operator==(const CollationLanguage&) const = default;
};

// Every language with a collation of its own, by name.
std::vector<CollationLanguage> collationLanguages();

// Sorting and letter groups the way one language reads, through ICU. Texts
// are taken as UTF-8, or as Latin-1 when they are not valid UTF-8.
class LanguageCollation {
public:
    // Where a key is filed: the Symbols (0), Numbers (1) or letter (2) class,
    // and for letters the position of its group in `letterGroups()`.
    struct Filing {
        std::int8_t itemClass = 0;
        std::uint16_t letter = 0;
    };

    // Null, with `problem` set, when ICU cannot give a collator for the tag.
    static std::unique_ptr<LanguageCollation> forLanguage(std::string_view languageTag, std::string& problem);
    ~LanguageCollation();
    LanguageCollation(const LanguageCollation&) = delete;
    LanguageCollation& operator=(const LanguageCollation&) = delete;

    // The key's ICU sort key (compared byte by byte), replacing `out`. Like
    // the lowercased keys of byte order, it ignores letter case.
    void sortKey(std::string_view text, std::string& out);
    // Two texts in the order of their sort keys, without making them:
    // negative, zero or positive.
    int compare(std::string_view a, std::string_view b) const;
    // Digits go to Numbers; letters of the language's alphabet to their
    // group; anything else, letters of other scripts too, to Symbols.
    Filing file(std::string_view text);
    // The language's letter groups in alphabet order, as UTF-8 ("A", "CH", "Å").
    const std::vector<std::string>& letterGroups() const { return labels_; }
    // The A to Z group a letter group falls under where only those exist:
    // the nearest one at or before it in the alphabet ("Å" under "Z").
    char basicLetterOf(std::uint16_t letter) const { return basicLetters_[letter]; }
    // Texts that differ at most in letter case (full Unicode case folding).
    bool sameIgnoringCase(std::string_view a, std::string_view b);

private:
    struct Icu;
    explicit LanguageCollation(std::unique_ptr<Icu> icu);
    Filing fileUncached(const std::u16string& prefix);

    std::unique_ptr<Icu> icu_;
    std::vector<std::string> labels_;
    std::vector<char> basicLetters_;
    std::vector<int> bucketOfLabel_; // by label: its bucket in ICU's index
    std::u16string utf16_, other_; // scratch
    std::unordered_map<std::u16string, Filing> filingByPrefix_;
};

} // namespace torvane
