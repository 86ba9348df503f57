#include "styles/TorvaneExtensions.h"
#include "platform/Profile.h"
#include "platform/TextUtil.h"
#include "styles/ProjectSections.h"
#include <utility>

namespace torvane {

namespace {

constexpr std::string_view kSection = "Torvane Extensions";
constexpr std::string_view kCollation = "Collation";
constexpr std::string_view kIndexLayout = "Index Layout";
constexpr std::string_view kMergeCaseVariants = "Merge Case Variants";
constexpr std::string_view kIdTargets = "Id Targets";
constexpr std::string_view kEntryStore = "Entry Store";
constexpr std::string_view kEntryStoreFile = "Entry Store File";
constexpr std::string_view kEpubIndex = "Epub Index";
constexpr std::string_view kLanguage = "Language";
// "Word Symbols=Sonderzeichen": one of the index's own words, worded by the project.
constexpr std::string_view kWordPrefix = "Word ";

} // namespace

void readExtensionsSection(std::span<const std::string> lines, TorvaneExtensions& extensions)
{
    const bool found = forEachSectionLine(lines, sectionHeader(kSection), [&](std::string_view line) {
        std::string_view value;
        if (takeKeyValue(line, kCollation, value))
            extensions.collation = std::string(trim(value));
        else if (takeKeyValue(line, kIndexLayout, value))
            extensions.indexLayout = parseLeadingInt(value);
        else if (takeKeyValue(line, kMergeCaseVariants, value))
            extensions.mergeCaseVariants = parseLeadingInt(value);
        else if (takeKeyValue(line, kIdTargets, value))
            extensions.idTargets = parseLeadingInt(value);
        else if (takeKeyValue(line, kEntryStoreFile, value))
            extensions.entryStoreFile = std::string(trim(value));
        else if (takeKeyValue(line, kEntryStore, value))
            extensions.entriesInProject = trim(value) == "Project";
        else if (takeKeyValue(line, kEpubIndex, value))
            extensions.epubIndex = parseLeadingInt(value);
        else if (takeKeyValue(line, kLanguage, value))
            extensions.language = std::string(trim(value));
        else if (line.starts_with(kWordPrefix) && line.find('=') != std::string_view::npos) {
            const std::size_t equals = line.find('=');
            const std::string key(trim(line.substr(kWordPrefix.size(), equals - kWordPrefix.size())));
            if (!key.empty())
                extensions.words[key] = std::string(line.substr(equals + 1));
        } else
            readCheckSetting(line, extensions.check);
    });
    extensions.sectionRead = extensions.sectionRead || found;
}

void writeExtensionsSection(std::string& out, const TorvaneExtensions& extensions)
{
    if (extensions.atDefaults() && !extensions.sectionRead)
        return;
    out += sectionHeader(kSection) + "\r\n";
    out += "Collation=" + extensions.collation + "\r\n";
    out += "Index Layout=" + std::to_string(extensions.indexLayout) + "\r\n";
    out += "Merge Case Variants=" + std::to_string(extensions.mergeCaseVariants) + "\r\n";
    if (extensions.idTargets != 0)
        out += std::string(kIdTargets) + "=" + std::to_string(extensions.idTargets) + "\r\n";
    if (extensions.entriesInProject)
        out += std::string(kEntryStore) + "=Project\r\n";
    if (!extensions.entryStoreFile.empty())
        out += std::string(kEntryStoreFile) + "=" + extensions.entryStoreFile + "\r\n";
    // Came later than the others: files that never set it keep their bytes.
    if (extensions.epubIndex != 0)
        out += "Epub Index=" + std::to_string(extensions.epubIndex) + "\r\n";
    // Written only when set: a project without them keeps its file as it was.
    if (!extensions.language.empty())
        out += "Language=" + extensions.language + "\r\n";
    for (const auto& [key, word] : extensions.words)
        out += std::string(kWordPrefix) + key + "=" + word + "\r\n";
    writeCheckSettings(out, extensions.check);
    out += "\r\n";
}

TorvaneExtensions loadExtensionDefaults(const Profile& profile)
{
    TorvaneExtensions extensions;
    extensions.collation = std::string(trim(profile.readString(kSection, kCollation, "")));
    extensions.indexLayout = profile.readInt(kSection, kIndexLayout, 0);
    extensions.mergeCaseVariants = profile.readInt(kSection, kMergeCaseVariants, 0);
    extensions.epubIndex = profile.readInt(kSection, kEpubIndex, 0);
    return extensions;
}

void saveExtensionDefaults(Profile& profile, const TorvaneExtensions& extensions)
{
    // A profile that never had these options set stays as it was.
    if (extensions.collation.empty())
        profile.deleteKey(kSection, kCollation);
    else
        profile.writeString(kSection, kCollation, extensions.collation);
    for (auto [key, value] :
         {std::pair {kIndexLayout, extensions.indexLayout},
          std::pair {kMergeCaseVariants, extensions.mergeCaseVariants}, std::pair {kEpubIndex, extensions.epubIndex}}) {
        if (value == 0)
            profile.deleteKey(kSection, key);
        else
            profile.writeInt(kSection, key, value);
    }
}

} // namespace torvane
