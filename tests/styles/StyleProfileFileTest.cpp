#include "platform/IniProfile.h"
#include "styles/StyleSettings.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace torvane {
namespace {

// The style defaults stored in a real profile file in a fresh folder.
class StyleProfileFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvane-styles-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string profilePath() const { return folder_ + "/Torvane.ini"; }
    std::string fileText() const
    {
        std::ifstream in(profilePath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string folder_;
};

TEST_F(StyleProfileFile, SavedDefaultsFormSixSectionsInTableOrder)
{
    IniProfile profile(profilePath());
    saveDefaults(profile, StyleSettings {});
    EXPECT_EQ(fileText(), "[Links to Headings]\nAppearance=0\nVertical Bars=0\nGraphics Path=\n"
                          "Graphics Path Type=0\nPlacement=0\nSymbols=0\nHeadings Rule=1\n\n"
                          "[Group Headings]\nAppearance=0\nGraphics Path=\nGraphics Path Type=0\n"
                          "Empty Headings=0\nSymbols=0\nGroups Rule=0\nInclude Headings=1\nSeparate Files=0\n\n"
                          "[Layout]\nPage Title=Index\nPage Heading=Index\nMultilevel=0\nColumns=1\n"
                          "Long Lines Wrap=0\n\n"
                          "[Enhance]\nInclude Top=0\nInclude Bottom=0\nInclude Path=\nInclude Path Type=0\n"
                          "Return=0\nReturn Text=Return to Top\nReturn Path=\nReturn Path Type=0\n\n"
                          "[Index Types]\nHtml Index=1\nHtml Index Target=\nHtml Help=0\nHtml Help Window=\n"
                          "Html Help Frame=\nJava Help=0\n\n"
                          "[CSS]\nUse NBSPs=0\nUse Classes=1\nBody Attributes=\nStylesheet Path=\n"
                          "Stylesheet Path Type=0\n");
}

TEST_F(StyleProfileFile, EveryValueSurvivesTheFile)
{
    IniProfile profile(profilePath());
    StyleSettings s;
    s.linksGraphicsPath = " spaced path/ ";
    s.groupsGraphicsPath = "groups/";
    s.pageTitle = "";
    s.pageHeading = "\"Quoted\"";
    s.bodyAttributes = "bgcolor=\"white\"";
    s.columns = 2;
    s.emptyHeadings = -3;
    s.returnText = "Top ";
    saveDefaults(profile, s);
    EXPECT_EQ(loadDefaults(IniProfile(profilePath())), s);

    // Saving what was loaded changes no byte of the file.
    const std::string first = fileText();
    saveDefaults(profile, loadDefaults(profile));
    EXPECT_EQ(fileText(), first);
}

TEST_F(StyleProfileFile, ExtensionDefaultsAreStoredOnlyWhileSet)
{
    IniProfile profile(profilePath());
    saveDefaults(profile, StyleSettings {});
    const std::string classic = fileText();

    StyleSettings s;
    s.extensions.collation = "sv";
    s.extensions.indexLayout = 1;
    saveDefaults(profile, s);
    EXPECT_EQ(fileText(), classic + "\n[Torvane Extensions]\nCollation=sv\nIndex Layout=1\n");
    const StyleSettings loaded = loadDefaults(IniProfile(profilePath()));
    EXPECT_EQ(loaded, s);
    EXPECT_FALSE(loaded.extensions.sectionRead);

    // Back at their defaults the options leave no key behind.
    s.extensions = {};
    saveDefaults(profile, s);
    EXPECT_EQ(fileText().find("Collation"), std::string::npos);
    EXPECT_EQ(fileText().find("Index Layout"), std::string::npos);
    EXPECT_EQ(loadDefaults(profile), StyleSettings {});
}

TEST_F(StyleProfileFile, LegacyIndentMethodIsReplacedByTheTwoKeys)
{
    {
        std::ofstream(profilePath(), std::ios::binary) << "[CSS]\nIndent Method=0\nUse Classes=1\n";
    }
    IniProfile profile(profilePath());
    const StyleSettings s = loadDefaults(profile);
    EXPECT_EQ(s.useNbsps, 1);
    EXPECT_EQ(s.useClasses, 0);
    saveDefaults(profile, s);
    const std::string text = fileText();
    EXPECT_EQ(text.find("Indent Method"), std::string::npos);
    EXPECT_NE(text.find("[CSS]\nUse Classes=0\nUse NBSPs=1\nBody Attributes="), std::string::npos);
    EXPECT_EQ(loadDefaults(profile), s);
}

} // namespace
} // namespace torvane
