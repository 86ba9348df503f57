#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

class CrossReference;
class IndexEntry;

// What a dialog hands to an action: the seven fields of an index entry, in
// stored (escaped) form.
struct IndexEntryValues {
    std::string indexAs;
    std::string sortAs;
    std::string helpAs;
    std::string helpTitle;
    std::string indexTarget;
    std::string helpWindow;
    std::string helpFrame;

    static IndexEntryValues of(const IndexEntry& entry);
    bool operator==(const IndexEntryValues&) const = default;
};

// A record holding the values, ready to be added to a holder.
std::unique_ptr<IndexEntry> entryFrom(const IndexEntryValues& values);

// Why a page's index block could not give these values back as they are
// (the first problem found), or an empty text.
std::string_view unstorableProblem(const IndexEntryValues& values);

// The seven fields of a cross-reference.
struct CrossReferenceValues {
    std::string heading;
    std::string headingSort;
    std::string separator;
    std::string reference;
    std::string locator;
    std::string locatorSort;
    bool linkToLocator = true;

    static CrossReferenceValues of(const CrossReference& record);
    bool operator==(const CrossReferenceValues&) const = default;
};

// The URL that Add External URLs takes from the typed text: leading white
// space goes, and so does every control character (a line break inside a URL
// would split its line of the project file). Nothing when no text is left.
std::optional<std::string> urlToAdd(std::string_view typed);

// Why the project file could not give a URL back as it is (a lone backslash
// at its end escapes what follows; a quotation mark ends a URL written in
// quotes, which a URL holding a blank needs), or an empty text.
std::string_view urlStoreProblem(std::string_view url);
inline constexpr std::string_view kUrlEndsInBackslash = "A URL may not end in a single backslash (\\).";
inline constexpr std::string_view kUrlHasBlankAndQuote =
    "A URL may not hold both a blank and a quotation mark (\") without a backslash before it.";
inline constexpr std::string_view kUrlStartsWithQuote = "A URL may not begin with a quotation mark (\").";

} // namespace torvane
