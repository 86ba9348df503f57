#include "MemoryProfile.h"
#include "styles/StyleSettings.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::MemoryProfile;

TEST(StyleDefaults, EmptyProfileGivesTableDefaults)
{
    MemoryProfile profile;
    const StyleSettings s = loadDefaults(profile);
    EXPECT_EQ(s, StyleSettings {});
    EXPECT_EQ(s.headingsRule, 1);
    EXPECT_EQ(s.includeHeadings, 1);
    EXPECT_EQ(s.pageTitle, "Index");
    EXPECT_EQ(s.pageHeading, "Index");
    EXPECT_EQ(s.columns, 1);
    EXPECT_EQ(s.returnText, "Return to Top");
    EXPECT_EQ(s.htmlIndex, 1);
    EXPECT_EQ(s.useClasses, 1);
    EXPECT_EQ(s.useNbsps, 0);
    EXPECT_TRUE(profile.log.empty());
}

TEST(StyleDefaults, SaveWritesProfileKeysInOrderAndDropsLegacyKey)
{
    MemoryProfile profile;
    StyleSettings s;
    s.multiLevel = 1;
    s.groupsAppearance = 1;
    saveDefaults(profile, s);

    // The extensions at their defaults only make sure that no key of theirs is left.
    ASSERT_EQ(profile.log.size(), 44u);
    EXPECT_EQ(profile.log[40], "delete [torvane extensions]collation");
    EXPECT_EQ(profile.log[43], "delete [torvane extensions]epub index");
    EXPECT_EQ(profile.log.front(), "[links to headings]appearance=0");
    EXPECT_EQ(profile.log[7], "[group headings]appearance=1");
    EXPECT_EQ(profile.log[17], "[layout]multilevel=1");
    EXPECT_EQ(profile.log[35], "[css]use classes=1");
    EXPECT_EQ(profile.log[36], "delete [css]indent method");
    EXPECT_EQ(profile.log[39], "[css]stylesheet path type=0");
}

TEST(StyleDefaults, SaveThenLoadRoundTrips)
{
    MemoryProfile profile;
    StyleSettings s;
    s.linksGraphicsPath = "links/";
    s.groupsGraphicsPath = "groups/";
    s.linksSymbols = 1;
    s.groupsSymbols = 0;
    s.columns = 3;
    s.returnText = "";
    s.useNbsps = 1;
    s.useClasses = 0;
    saveDefaults(profile, s);
    EXPECT_EQ(loadDefaults(profile), s);
}

TEST(StyleDefaults, LegacyIndentMethodOverridesTheTwoCssKeys)
{
    MemoryProfile profile;
    profile.writeInt("CSS", "Use NBSPs", 0);
    profile.writeInt("CSS", "Use Classes", 1);
    profile.writeInt("CSS", "Indent Method", 0);
    StyleSettings s = loadDefaults(profile);
    EXPECT_EQ(s.useNbsps, 1);
    EXPECT_EQ(s.useClasses, 0);

    saveDefaults(profile, s);
    EXPECT_EQ(profile.values.count(MemoryProfile::keyOf("CSS", "Indent Method")), 0u);
    EXPECT_EQ(profile.values.at(MemoryProfile::keyOf("CSS", "Use NBSPs")), "1");
    EXPECT_EQ(profile.values.at(MemoryProfile::keyOf("CSS", "Use Classes")), "0");
    EXPECT_EQ(loadDefaults(profile), s);

    profile.writeInt("CSS", "Use NBSPs", 1);
    profile.writeInt("CSS", "Use Classes", 0);
    profile.writeInt("CSS", "Indent Method", 1);
    s = loadDefaults(profile);
    EXPECT_EQ(s.useNbsps, 0);
    EXPECT_EQ(s.useClasses, 1);

    profile.writeInt("CSS", "Indent Method", 5);
    s = loadDefaults(profile);
    EXPECT_EQ(s.useNbsps, 1);
    EXPECT_EQ(s.useClasses, 0);
}

TEST(StyleDefaults, ProjectSectionsOverrideProfileDefaults)
{
    MemoryProfile profile;
    profile.writeInt("Layout", "Columns", 2);
    profile.writeString("Layout", "Page Title", "Profile Title");
    profile.writeInt("Group Headings", "Separate Files", 1);

    StyleSettings s = loadDefaults(profile);
    readStyleSections(std::vector<std::string> {"[Layout]", "Columns=3"}, s);
    EXPECT_EQ(s.columns, 3);
    EXPECT_EQ(s.pageTitle, "Profile Title");
    EXPECT_EQ(s.separateFiles, 1);
}

} // namespace
} // namespace torvane
