#include "styles/StyleSettings.h"
#include "platform/TextUtil.h"
#include "styles/ProjectSections.h"
#include <array>
#include <variant>

namespace torvane {

namespace {

using IntField = int StyleSettings::*;
using TextField = std::string StyleSettings::*;

struct StyleField {
    std::string_view section;
    std::string_view fileKey;
    std::string_view profileKey;
    std::variant<IntField, TextField> member;
};

constexpr std::string_view kLinks = "Links to Headings";
constexpr std::string_view kGroups = "Group Headings";
constexpr std::string_view kLayout = "Layout";
constexpr std::string_view kEnhance = "Enhance";
constexpr std::string_view kIndexTypes = "Index Types";
constexpr std::string_view kCss = "CSS";

constexpr std::array<std::string_view, 6> kSections = {kLinks, kGroups, kLayout, kEnhance, kIndexTypes, kCss};

// Fixed order: the order of the project file lines and of the profile writes.
const std::array<StyleField, 39> kFields = {{
    {kLinks, "Appearance", "Appearance", &StyleSettings::linksAppearance},
    {kLinks, "Vertical Bars", "Vertical Bars", &StyleSettings::linksVerticalBars},
    {kLinks, "Graphics Path", "Graphics Path", &StyleSettings::linksGraphicsPath},
    {kLinks, "Graphics Path Type", "Graphics Path Type", &StyleSettings::linksGraphicsPathType},
    {kLinks, "Placement", "Placement", &StyleSettings::linksPlacement},
    {kLinks, "Symbols", "Symbols", &StyleSettings::linksSymbols},
    {kLinks, "Headings Rule", "Headings Rule", &StyleSettings::headingsRule},
    {kGroups, "Appearance", "Appearance", &StyleSettings::groupsAppearance},
    {kGroups, "Graphics Path", "Graphics Path", &StyleSettings::groupsGraphicsPath},
    {kGroups, "Graphics Path Type", "Graphics Path Type", &StyleSettings::groupsGraphicsPathType},
    {kGroups, "Empty Headings", "Empty Headings", &StyleSettings::emptyHeadings},
    {kGroups, "Symbols", "Symbols", &StyleSettings::groupsSymbols},
    {kGroups, "Groups Rule", "Groups Rule", &StyleSettings::groupsRule},
    {kGroups, "Include Headings", "Include Headings", &StyleSettings::includeHeadings},
    {kGroups, "Separate Files", "Separate Files", &StyleSettings::separateFiles},
    {kLayout, "Page Title", "Page Title", &StyleSettings::pageTitle},
    {kLayout, "Page Heading", "Page Heading", &StyleSettings::pageHeading},
    {kLayout, "MultiLevel", "Multilevel", &StyleSettings::multiLevel},
    {kLayout, "Columns", "Columns", &StyleSettings::columns},
    {kLayout, "Long Lines Wrap", "Long Lines Wrap", &StyleSettings::longLinesWrap},
    {kEnhance, "Include Top", "Include Top", &StyleSettings::includeTop},
    {kEnhance, "Include Bottom", "Include Bottom", &StyleSettings::includeBottom},
    {kEnhance, "Include Path", "Include Path", &StyleSettings::includePath},
    {kEnhance, "Include Path Type", "Include Path Type", &StyleSettings::includePathType},
    {kEnhance, "Return", "Return", &StyleSettings::returnLink},
    {kEnhance, "Return Text", "Return Text", &StyleSettings::returnText},
    {kEnhance, "Return Path", "Return Path", &StyleSettings::returnPath},
    {kEnhance, "Return Path Type", "Return Path Type", &StyleSettings::returnPathType},
    {kIndexTypes, "Html Index", "Html Index", &StyleSettings::htmlIndex},
    {kIndexTypes, "Html Index Target", "Html Index Target", &StyleSettings::htmlIndexTarget},
    {kIndexTypes, "Html Help", "Html Help", &StyleSettings::htmlHelp},
    {kIndexTypes, "Html Help Window", "Html Help Window", &StyleSettings::htmlHelpWindow},
    {kIndexTypes, "Html Help Frame", "Html Help Frame", &StyleSettings::htmlHelpFrame},
    {kIndexTypes, "Java Help", "Java Help", &StyleSettings::javaHelp},
    {kCss, "Use NBSPs", "Use NBSPs", &StyleSettings::useNbsps},
    {kCss, "Use Classes", "Use Classes", &StyleSettings::useClasses},
    {kCss, "Body Attributes", "Body Attributes", &StyleSettings::bodyAttributes},
    {kCss, "Stylesheet Path", "Stylesheet Path", &StyleSettings::stylesheetPath},
    {kCss, "Stylesheet Path Type", "Stylesheet Path Type", &StyleSettings::stylesheetPathType},
}};

// Older versions stored the two CSS choices as one value in this key.
constexpr std::string_view kLegacyIndentMethod = "Indent Method";
constexpr int kIndentWithNbsps = 0;
constexpr int kIndentWithClasses = 1;

void applyLegacyIndentMethod(int indentMethod, StyleSettings& settings)
{
    if (indentMethod == kIndentWithNbsps) {
        settings.useNbsps = 1;
        settings.useClasses = 0;
    } else if (indentMethod == kIndentWithClasses) {
        settings.useNbsps = 0;
        settings.useClasses = 1;
    }
}

void readSectionLine(std::string_view section, std::string_view line, StyleSettings& settings)
{
    for (const StyleField& field : kFields) {
        if (field.section != section)
            continue;
        std::string_view value;
        if (!takeKeyValue(line, field.fileKey, value))
            continue;
        if (const auto* intField = std::get_if<IntField>(&field.member))
            settings.*(*intField) = parseLeadingInt(value);
        else
            settings.*std::get<TextField>(field.member) = std::string(value);
        return;
    }
}

} // namespace

StyleSettings loadDefaults(const Profile& profile)
{
    const StyleSettings tableDefaults;
    StyleSettings settings;
    for (const StyleField& field : kFields) {
        if (const auto* intField = std::get_if<IntField>(&field.member)) {
            settings.*(*intField) = profile.readInt(field.section, field.profileKey, tableDefaults.*(*intField));
        } else {
            const TextField textField = std::get<TextField>(field.member);
            settings.*textField = profile.readString(field.section, field.profileKey, tableDefaults.*textField);
        }
    }
    applyLegacyIndentMethod(profile.readInt(kCss, kLegacyIndentMethod, 2), settings);
    settings.extensions = loadExtensionDefaults(profile);
    return settings;
}

void saveDefaults(Profile& profile, const StyleSettings& settings)
{
    for (const StyleField& field : kFields) {
        if (const auto* intField = std::get_if<IntField>(&field.member))
            profile.writeInt(field.section, field.profileKey, settings.*(*intField));
        else
            profile.writeString(field.section, field.profileKey, settings.*std::get<TextField>(field.member));
        if (field.section == kCss && field.profileKey == "Use Classes")
            profile.deleteKey(kCss, kLegacyIndentMethod);
    }
    saveExtensionDefaults(profile, settings.extensions);
}

void writeStyleSections(std::string& out, const StyleSettings& settings)
{
    for (std::string_view section : kSections) {
        out += '[';
        out += section;
        out += "]\r\n";
        for (const StyleField& field : kFields) {
            if (field.section != section)
                continue;
            out += field.fileKey;
            out += '=';
            if (const auto* intField = std::get_if<IntField>(&field.member))
                out += std::to_string(settings.*(*intField));
            else
                out += settings.*std::get<TextField>(field.member);
            out += "\r\n";
        }
        out += "\r\n";
    }
}

void readStyleSections(std::span<const std::string> lines, StyleSettings& settings)
{
    for (std::string_view section : kSections) {
        forEachSectionLine(lines, section,
                           [&](std::string_view line) { readSectionLine(section, line, settings); });
    }
}

} // namespace torvane
