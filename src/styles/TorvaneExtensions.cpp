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
        else
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
    writeCheckSettings(out, extensions.check);
    out += "\r\n";
}

TorvaneExtensions loadExtensionDefaults(const Profile& profile)
{
    TorvaneExtensions extensions;
    extensions.collation = std::string(trim(profile.readString(kSection, kCollation, "")));
    extensions.indexLayout = profile.readInt(kSection, kIndexLayout, 0);
    extensions.mergeCaseVariants = profile.readInt(kSection, kMergeCaseVariants, 0);
    return extensions;
}

void saveExtensionDefaults(Profile& profile, const TorvaneExtensions& extensions)
{
    // A profile that never had these options set stays as it was.
    if (extensions.collation.empty())
        profile.deleteKey(kSection, kCollation);
    else
        profile.writeString(kSection, kCollation, extensions.collation);
    for (auto [key, value] : {std::pair {kIndexLayout, extensions.indexLayout},
                              std::pair {kMergeCaseVariants, extensions.mergeCaseVariants}}) {
        if (value == 0)
            profile.deleteKey(kSection, key);
        else
            profile.writeInt(kSection, key, value);
    }
}

} // namespace torvane
