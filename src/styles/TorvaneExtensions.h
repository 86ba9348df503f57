#pragma once
#include "styles/CheckSettings.h"
#include "styles/StyleOptionValues.h"
#include <map>
#include <span>
#include <string>

namespace torvane {

class Profile;

// Options beyond the classic style settings, kept in a section of the
// project file that older readers pass over. At their defaults every output
// is exactly what the classic options alone give.
struct TorvaneExtensions {
    // A BCP 47 language tag ("de", "sv", "cs"); empty sorts by bytes.
    std::string collation;
    int indexLayout = IndexLayout::Classic; // or one modern HTML5 page
    int mergeCaseVariants = 0; // 1: lines that differ only in letter case become one
    // Project options that the profile's defaults leave alone; each is
    // written only when set, so files without them stay as they are.
    int idTargets = 0; // 1: every element with an id is a target
    // The entries of the pages live in a file beside the project file
    // (entryStoreFile there, or the project file's name with kEntryStoreSuffix).
    bool entriesInProject = false;
    std::string entryStoreFile;
    int epubIndex = 0; // 1: Make Index writes an EPUB index document as well
    // The language of the index's own words ("de"); empty: the collation's,
    // and the classic layout keeps its English words.
    std::string language;
    // The project's own wording of some of those words, by key ("Symbols").
    std::map<std::string, std::string> words;
    // How Check Index judges this project; it changes no output.
    CheckSettings check;
    // The file read held the section: it is written back even at defaults,
    // so that saving changes nothing the user did not change.
    bool sectionRead = false;

    bool atDefaults() const
    {
        return collation.empty() && indexLayout == IndexLayout::Classic && mergeCaseVariants == 0 && idTargets == 0 &&
               !entriesInProject && entryStoreFile.empty() && epubIndex == 0 && language.empty() && words.empty() &&
               check.atDefaults();
    }
    bool operator==(const TorvaneExtensions&) const = default;
};

inline constexpr std::string_view kEntryStoreSuffix = ".entries";

// Reads "[Torvane Extensions]" from a project file given as its list of
// lines; keys the file lacks keep their value.
void readExtensionsSection(std::span<const std::string> lines, TorvaneExtensions& extensions);
// Appends the section (CR LF lines, then an empty line) unless the options
// are at their defaults and the file read did not hold it.
void writeExtensionsSection(std::string& out, const TorvaneExtensions& extensions);

// The user's defaults for new projects, kept in the profile's section of the
// same name; an option at its default has no key there.
TorvaneExtensions loadExtensionDefaults(const Profile& profile);
void saveExtensionDefaults(Profile& profile, const TorvaneExtensions& extensions);

} // namespace torvane
