#include "generate/LanguageCollation.h"

#include <algorithm>

#include <unicode/alphaindex.h>
#include <unicode/locid.h>
#include <unicode/ucol.h>
#include <unicode/uchar.h>
#include <unicode/uloc.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

namespace torvane {

namespace {

enum : std::int8_t { ClassSymbols = 0, ClassNumbers = 1, ClassLetters = 2 };

void toUtf16(std::string_view text, std::u16string& out)
{
    // UTF-8 never needs more UTF-16 units than it has bytes.
    out.resize(text.size());
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &length, text.data(),
                  static_cast<int32_t>(text.size()), &status);
    if (U_SUCCESS(status)) {
        out.resize(static_cast<std::size_t>(length));
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<unsigned char>(text[i]);
}

bool isBasicLetter(const std::string& label)
{
    return label.size() == 1 && label[0] >= 'A' && label[0] <= 'Z';
}

} // namespace

std::vector<CollationLanguage> collationLanguages()
{
    std::vector<CollationLanguage> languages;
    const int32_t count = ucol_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const char* localeId = ucol_getAvailable(i);
        UErrorCode status = U_ZERO_ERROR;
        char tag[ULOC_FULLNAME_CAPACITY] = {};
        uloc_toLanguageTag(localeId, tag, sizeof tag, true, &status);
        if (U_FAILURE(status))
            continue;
        icu::UnicodeString display;
        icu::Locale(localeId).getDisplayName(icu::Locale::getEnglish(), display);
        std::string name;
        display.toUTF8String(name);
        languages.push_back({tag, std::move(name)});
    }
    std::sort(languages.begin(), languages.end(),
              [](const CollationLanguage& a, const CollationLanguage& b) { return a.name < b.name; });
    return languages;
}

struct LanguageCollation::Icu {
    UCollator* collator = nullptr; // letter case ignored, as in the lowercased keys of byte order
    std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> index;
    ~Icu()
    {
        if (collator)
            ucol_close(collator);
    }
};

std::unique_ptr<LanguageCollation> LanguageCollation::forLanguage(std::string_view languageTag, std::string& problem)
{
    const std::string tag(languageTag);
    UErrorCode status = U_ZERO_ERROR;
    char localeId[ULOC_FULLNAME_CAPACITY] = {};
    int32_t parsed = 0;
    uloc_forLanguageTag(tag.c_str(), localeId, sizeof localeId, &parsed, &status);
    if (U_FAILURE(status) || parsed != static_cast<int32_t>(tag.size()) || localeId[0] == 0) {
        problem = "\"" + tag + "\" is not a language tag.";
        return nullptr;
    }
    auto icu = std::make_unique<Icu>();
    icu->collator = ucol_open(localeId, &status);
    if (U_SUCCESS(status))
        ucol_setStrength(icu->collator, UCOL_SECONDARY);
    const icu::Locale locale(localeId);
    icu::AlphabeticIndex alphabet(locale, status);
    // Latin letters get their groups in every language.
    alphabet.addLabels(icu::Locale::getEnglish(), status);
    if (U_SUCCESS(status))
        icu->index.reset(alphabet.buildImmutableIndex(status));
    if (U_FAILURE(status) || !icu->index) {
        problem = "No collation for \"" + tag + "\": " + u_errorName(status);
        return nullptr;
    }
    return std::unique_ptr<LanguageCollation>(new LanguageCollation(std::move(icu)));
}

LanguageCollation::LanguageCollation(std::unique_ptr<Icu> icu)
    : icu_(std::move(icu))
{
    char basic = 'A';
    const auto& index = *icu_->index;
    bucketOfLabel_.assign(static_cast<std::size_t>(index.getBucketCount()), -1);
    for (int32_t b = 0; b < index.getBucketCount(); ++b) {
        const icu::AlphabeticIndex::Bucket* bucket = index.getBucket(b);
        if (bucket->getLabelType() != U_ALPHAINDEX_NORMAL)
            continue;
        std::string label;
        bucket->getLabel().toUTF8String(label);
        if (isBasicLetter(label))
            basic = label[0];
        bucketOfLabel_[static_cast<std::size_t>(b)] = static_cast<int>(labels_.size());
        labels_.push_back(std::move(label));
        basicLetters_.push_back(basic);
    }
}

LanguageCollation::~LanguageCollation() = default;

void LanguageCollation::sortKey(std::string_view text, std::string& out)
{
    toUtf16(text, utf16_);
    const auto* source = reinterpret_cast<const UChar*>(utf16_.data());
    const auto length = static_cast<int32_t>(utf16_.size());
    if (out.size() < 4 * utf16_.size() + 16)
        out.resize(4 * utf16_.size() + 16);
    auto* buffer = reinterpret_cast<uint8_t*>(out.data());
    int32_t needed = ucol_getSortKey(icu_->collator, source, length, buffer, static_cast<int32_t>(out.size()));
    if (needed > static_cast<int32_t>(out.size())) {
        out.resize(static_cast<std::size_t>(needed));
        needed = ucol_getSortKey(icu_->collator, source, length, reinterpret_cast<uint8_t*>(out.data()), needed);
    }
    // The terminating zero byte adds nothing to the order.
    out.resize(needed > 0 ? static_cast<std::size_t>(needed - 1) : 0);
}

int LanguageCollation::compare(std::string_view a, std::string_view b) const
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = ucol_strcollUTF8(icu_->collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                                     static_cast<int32_t>(b.size()), &status);
    if (U_FAILURE(status))
        return a.compare(b);
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

LanguageCollation::Filing LanguageCollation::file(std::string_view text)
{
    toUtf16(text, utf16_);
    // Two characters decide the group: enough for the letters that languages
    // file as one ("ch" in Czech), and few enough to remember each answer.
    std::size_t end = 0;
    for (int characters = 0; characters < 2 && end < utf16_.size(); ++characters) {
        UChar32 c;
        U16_NEXT(utf16_.data(), end, utf16_.size(), c);
    }
    other_.assign(utf16_, 0, end);
    auto found = filingByPrefix_.find(other_);
    if (found != filingByPrefix_.end())
        return found->second;
    const Filing filing = fileUncached(other_);
    filingByPrefix_.emplace(other_, filing);
    return filing;
}

LanguageCollation::Filing LanguageCollation::fileUncached(const std::u16string& prefix)
{
    if (prefix.empty())
        return {};
    UChar32 first;
    std::size_t at = 0;
    U16_NEXT(prefix.data(), at, prefix.size(), first);
    if (u_isdigit(first))
        return {ClassNumbers, 0};
    if (!u_isalpha(first))
        return {};
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text(reinterpret_cast<const UChar*>(prefix.data()), static_cast<int32_t>(prefix.size()));
    const int32_t bucket = icu_->index->getBucketIndex(text, status);
    if (U_FAILURE(status) || bucket < 0 || bucket >= static_cast<int32_t>(bucketOfLabel_.size()))
        return {};
    const int label = bucketOfLabel_[static_cast<std::size_t>(bucket)];
    if (label < 0)
        return {};
    return {ClassLetters, static_cast<std::uint16_t>(label)};
}

bool LanguageCollation::sameIgnoringCase(std::string_view a, std::string_view b)
{
    toUtf16(a, utf16_);
    toUtf16(b, other_);
    UErrorCode status = U_ZERO_ERROR;
    return u_strCaseCompare(reinterpret_cast<const UChar*>(utf16_.data()), static_cast<int32_t>(utf16_.size()),
                            reinterpret_cast<const UChar*>(other_.data()), static_cast<int32_t>(other_.size()),
                            U_FOLD_CASE_DEFAULT, &status) == 0 &&
           U_SUCCESS(status);
}

} // namespace torvane
