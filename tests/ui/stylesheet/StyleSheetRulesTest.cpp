#include "ui/stylesheet/StyleSheetRules.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(StyleSheetRules, OnlyIndexTypesAndCssPagesRefuseTheirValues)
{
    StyleSettings values;
    values.htmlIndex = 0;
    values.htmlHelp = 0;
    values.javaHelp = 0;
    values.useClasses = 1;
    values.stylesheetPath = " \t ";
    EXPECT_EQ(checkStylePage(StylePageId::IndexTypes, values),
              "Please correct the following errors:\n\nYou must select at least one output file type.\n");
    EXPECT_EQ(
        checkStylePage(StylePageId::Css, values),
        "Please correct the following errors:\n\nIf you select Use Classes, you must specify a Style Sheet File.");
    for (StylePageId page :
         {StylePageId::HeadingLinks, StylePageId::GroupHeadings, StylePageId::Layout, StylePageId::Enhancements})
        EXPECT_FALSE(checkStylePage(page, values));

    // Any one output type is enough; without classes no style sheet is needed.
    for (int StyleSettings::*output : {&StyleSettings::htmlIndex, &StyleSettings::htmlHelp, &StyleSettings::javaHelp}) {
        StyleSettings one = values;
        one.*output = 1;
        EXPECT_FALSE(checkStylePage(StylePageId::IndexTypes, one));
    }
    values.useClasses = 0;
    EXPECT_FALSE(checkStylePage(StylePageId::Css, values));
    values.useClasses = 1;
    values.stylesheetPath = "index.css";
    EXPECT_FALSE(checkStylePage(StylePageId::Css, values));
}

TEST(StyleSheetRules, LeavingAPageNormalisesOnlyItsOwnLocations)
{
    StyleSettings values;
    values.linksGraphicsPath = "  images ";
    values.linksGraphicsPathType = 1;
    values.groupsGraphicsPath = " \t";
    values.groupsGraphicsPathType = 1;
    values.includePath = "inc\\";
    values.includePathType = 1;
    values.returnPath = "http://example.com/img/";
    values.returnPathType = 1;
    values.stylesheetPath = " css/index.css ";
    values.stylesheetPathType = 1;

    StyleSettings links = values;
    normaliseStylePage(StylePageId::HeadingLinks, links);
    EXPECT_EQ(links.linksGraphicsPath, "images/");
    EXPECT_EQ(links.linksGraphicsPathType, 1);
    EXPECT_EQ(links.groupsGraphicsPath, " \t");

    StyleSettings groups = values;
    normaliseStylePage(StylePageId::GroupHeadings, groups);
    EXPECT_EQ(groups.groupsGraphicsPath, "");
    EXPECT_EQ(groups.groupsGraphicsPathType, 0);
    EXPECT_EQ(groups.linksGraphicsPath, "  images ");

    StyleSettings enhance = values;
    normaliseStylePage(StylePageId::Enhancements, enhance);
    EXPECT_EQ(enhance.includePath, "inc\\");
    EXPECT_EQ(enhance.returnPath, "http://example.com/img/");
    EXPECT_EQ(enhance.returnPathType, 1);

    StyleSettings css = values;
    normaliseStylePage(StylePageId::Css, css);
    EXPECT_EQ(css.stylesheetPath, "css/index.css");
    EXPECT_EQ(css.stylesheetPathType, 1);
    css.stylesheetPath = "  ";
    normaliseStylePage(StylePageId::Css, css);
    EXPECT_EQ(css.stylesheetPath, "");
    EXPECT_EQ(css.stylesheetPathType, 0);

    StyleSettings untouched = values;
    normaliseStylePage(StylePageId::Layout, untouched);
    normaliseStylePage(StylePageId::IndexTypes, untouched);
    EXPECT_EQ(untouched, values);
}

TEST(StyleSheetRules, TypingDecidesThePathType)
{
    EXPECT_EQ(typedPathType(""), 0);
    EXPECT_EQ(typedPathType(" \t"), 0);
    EXPECT_EQ(typedPathType("img "), 1);
    EXPECT_EQ(typedPathType(" img"), 1);
}

TEST(StyleSheetRules, BrowsingStartsAtTheLocationShown)
{
    EXPECT_EQ(browseStartFolder("images/small/", 0, "/proj/"), "/proj/images/small");
    EXPECT_EQ(browseStartFolder("images\\small", 0, "/proj/"), "/proj/images/small");
    EXPECT_EQ(browseStartFolder("", 0, "/proj/"), "/proj");
    EXPECT_EQ(browseStartFolder("/srv/pictures/", 1, "/proj/"), "/srv/pictures");
    EXPECT_EQ(browseStartFolder("/", 1, "/proj/"), "/");

    EXPECT_EQ(browseStartFileFolder("", 0, "/proj/"), "/proj");
    EXPECT_EQ(browseStartFileFolder("index.css", 0, "/proj/"), "/proj");
    EXPECT_EQ(browseStartFileFolder("css/index.css", 0, "/proj/"), "/proj/css");
    EXPECT_EQ(browseStartFileFolder("/srv/css/index.css", 1, "/proj/"), "/srv/css");
    EXPECT_EQ(browseStartFileFolder("index.css", 1, "/proj/"), "/proj");
    EXPECT_EQ(browseStartFileFolder("/index.css", 1, "/proj/"), "/");
}

TEST(StyleSheetRules, BrowsedLocationsInsideTheProjectBecomeRelative)
{
    auto expect = [](const BrowsedLocation& got, const std::string& path, int type, bool outside) {
        EXPECT_EQ(got.path, path);
        EXPECT_EQ(got.pathType, type);
        EXPECT_EQ(got.outsideProject, outside);
    };
    expect(storeBrowsedFolder("/proj/images", "/proj/", true), "images/", 0, false);
    expect(storeBrowsedFolder("/proj/images/small/", "/proj/", true), "images/small/", 0, false);
    expect(storeBrowsedFolder("/proj", "/proj/", true), "", 0, false);
    expect(storeBrowsedFolder("/PROJ/Images", "/proj/", true), "Images/", 0, false);
    expect(storeBrowsedFolder("/project2/images", "/proj/", true), "/project2/images/", 1, true);
    expect(storeBrowsedFolder("/srv", "/proj/", true), "/srv/", 1, true);
    // The defaults keep every folder as chosen, without a word.
    expect(storeBrowsedFolder("/proj/images", "/proj/", false), "/proj/images/", 1, false);

    expect(storeBrowsedFile("/proj/css/index.css", "/proj/", true), "css/index.css", 0, false);
    expect(storeBrowsedFile("/srv/index.css", "/proj/", true), "/srv/index.css", 1, true);
    expect(storeBrowsedFile("/proj/index.css", "/proj/", false), "/proj/index.css", 1, false);
}

TEST(StyleSheetRules, OutsideTheProjectMessageNamesTheFiles)
{
    EXPECT_EQ(outsideProjectMessage("the style sheet file"),
              "You've specified a location for the style sheet file that \nis outside the project hierarchy.\n\n"
              "Make sure the location is a properly formed URL or a \npath that is relative to the publication "
              "directory.");
}

} // namespace
} // namespace torvane
