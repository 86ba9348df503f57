#pragma once
#include "platform/Profile.h"
#include "styles/StyleOptionValues.h"
#include "styles/TorvaneExtensions.h"
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The 39 index style options. Each member names the key that stores it in the
// project file (and, unless noted, in the profile). Booleans and enumerations
// are kept as the integers stored, without range checks. A "... Path Type"
// is 0 for a path relative to the base folder written with "/" separators,
// 1 for a path used as entered.
struct StyleSettings {
    // [Links to Headings]
    int linksAppearance = 0; // "Appearance": 0 text, 1 graphics
    int linksVerticalBars = 0; // "Vertical Bars"
    std::string linksGraphicsPath; // "Graphics Path"
    int linksGraphicsPathType = 0; // "Graphics Path Type"
    int linksPlacement = 0; // "Placement": 0 top, 1 top and bottom, 2 separate frame
    int linksSymbols = 0; // "Symbols": 0 include, 1 omit
    int headingsRule = 1; // "Headings Rule"

    // [Group Headings]
    int groupsAppearance = 0; // "Appearance": 0 text, 1 graphics
    std::string groupsGraphicsPath; // "Graphics Path"
    int groupsGraphicsPathType = 0; // "Graphics Path Type"
    int emptyHeadings = 0; // "Empty Headings": 0 merge previous, 1 merge next, 2 omit
    int groupsSymbols = 0; // "Symbols": 0 include, 1 omit
    int groupsRule = 0; // "Groups Rule"
    int includeHeadings = 1; // "Include Headings"
    int separateFiles = 0; // "Separate Files"

    // [Layout]
    std::string pageTitle = "Index"; // "Page Title"
    std::string pageHeading = "Index"; // "Page Heading"
    int multiLevel = 0; // "MultiLevel" ("Multilevel" in the profile): 0 hanging, 1 run-in
    int columns = 1; // "Columns": the number of columns, 1 to 3
    int longLinesWrap = 0; // "Long Lines Wrap"

    // [Enhance]
    int includeTop = 0; // "Include Top"
    int includeBottom = 0; // "Include Bottom"
    std::string includePath; // "Include Path"
    int includePathType = 0; // "Include Path Type"
    int returnLink = 0; // "Return": 0 none, 1 text, 2 image Return.gif
    std::string returnText = "Return to Top"; // "Return Text"
    std::string returnPath; // "Return Path"
    int returnPathType = 0; // "Return Path Type"

    // [Index Types]
    int htmlIndex = 1; // "Html Index"
    std::string htmlIndexTarget; // "Html Index Target"
    int htmlHelp = 0; // "Html Help"
    std::string htmlHelpWindow; // "Html Help Window"
    std::string htmlHelpFrame; // "Html Help Frame"
    int javaHelp = 0; // "Java Help"

    // [CSS]
    int useNbsps = 0; // "Use NBSPs"
    int useClasses = 1; // "Use Classes"
    std::string bodyAttributes; // "Body Attributes"
    std::string stylesheetPath; // "Stylesheet Path"
    int stylesheetPathType = 0; // "Stylesheet Path Type"

    // Held beside the 39: the project file and the profile keep them in a
    // section of their own.
    TorvaneExtensions extensions;

    bool operator==(const StyleSettings&) const = default;
};

// The user's default settings, read afresh from the profile at every call.
StyleSettings loadDefaults(const Profile& profile);
// Stores all 39 options and the extensions set as the defaults, and drops
// the legacy "Indent Method" key.
void saveDefaults(Profile& profile, const StyleSettings& settings);

// Appends the six style sections of a project file (CR LF lines, each section
// followed by an empty line).
void writeStyleSections(std::string& out, const StyleSettings& settings);
// Overrides the options found in the six style sections of a project file,
// given as its whole list of lines without terminators. Options the file
// lacks keep their value.
void readStyleSections(std::span<const std::string> lines, StyleSettings& settings);

} // namespace torvane
