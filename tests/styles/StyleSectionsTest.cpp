#include "styles/StyleSettings.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

const char* const kDefaultSections = "[Links to Headings]\r\n"
                                     "Appearance=0\r\n"
                                     "Vertical Bars=0\r\n"
                                     "Graphics Path=\r\n"
                                     "Graphics Path Type=0\r\n"
                                     "Placement=0\r\n"
                                     "Symbols=0\r\n"
                                     "Headings Rule=1\r\n"
                                     "\r\n"
                                     "[Group Headings]\r\n"
                                     "Appearance=0\r\n"
                                     "Graphics Path=\r\n"
                                     "Graphics Path Type=0\r\n"
                                     "Empty Headings=0\r\n"
                                     "Symbols=0\r\n"
                                     "Groups Rule=0\r\n"
                                     "Include Headings=1\r\n"
                                     "Separate Files=0\r\n"
                                     "\r\n"
                                     "[Layout]\r\n"
                                     "Page Title=Index\r\n"
                                     "Page Heading=Index\r\n"
                                     "MultiLevel=0\r\n"
                                     "Columns=1\r\n"
                                     "Long Lines Wrap=0\r\n"
                                     "\r\n"
                                     "[Enhance]\r\n"
                                     "Include Top=0\r\n"
                                     "Include Bottom=0\r\n"
                                     "Include Path=\r\n"
                                     "Include Path Type=0\r\n"
                                     "Return=0\r\n"
                                     "Return Text=Return to Top\r\n"
                                     "Return Path=\r\n"
                                     "Return Path Type=0\r\n"
                                     "\r\n"
                                     "[Index Types]\r\n"
                                     "Html Index=1\r\n"
                                     "Html Index Target=\r\n"
                                     "Html Help=0\r\n"
                                     "Html Help Window=\r\n"
                                     "Html Help Frame=\r\n"
                                     "Java Help=0\r\n"
                                     "\r\n"
                                     "[CSS]\r\n"
                                     "Use NBSPs=0\r\n"
                                     "Use Classes=1\r\n"
                                     "Body Attributes=\r\n"
                                     "Stylesheet Path=\r\n"
                                     "Stylesheet Path Type=0\r\n"
                                     "\r\n";

// Every field set away from its default, so that a field read into the wrong
// member or written under the wrong key shows up.
StyleSettings distinctSettings()
{
    StyleSettings s;
    s.linksAppearance = 1;
    s.linksVerticalBars = 1;
    s.linksGraphicsPath = "images/links/";
    s.linksGraphicsPathType = 1;
    s.linksPlacement = 2;
    s.linksSymbols = 1;
    s.headingsRule = 0;
    s.groupsAppearance = 1;
    s.groupsGraphicsPath = "C:\\art\\groups";
    s.groupsGraphicsPathType = 1;
    s.emptyHeadings = 2;
    s.groupsSymbols = 1;
    s.groupsRule = 1;
    s.includeHeadings = 0;
    s.separateFiles = 1;
    s.pageTitle = "Book Index ";
    s.pageHeading = "Index of Terms";
    s.multiLevel = 1;
    s.columns = 3;
    s.longLinesWrap = 1;
    s.includeTop = 1;
    s.includeBottom = 1;
    s.includePath = "inc/";
    s.includePathType = 1;
    s.returnLink = 2;
    s.returnText = "Back up";
    s.returnPath = "img/";
    s.returnPathType = 1;
    s.htmlIndex = 0;
    s.htmlIndexTarget = "main";
    s.htmlHelp = 1;
    s.htmlHelpWindow = "win";
    s.htmlHelpFrame = "frm";
    s.javaHelp = 1;
    s.useNbsps = 1;
    s.useClasses = 0;
    s.bodyAttributes = "bgcolor=\"#ffffff\" class=x";
    s.stylesheetPath = "css/index.css";
    s.stylesheetPathType = 1;
    return s;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

StyleSettings readFrom(const std::vector<std::string>& lines, StyleSettings settings = {})
{
    readStyleSections(lines, settings);
    return settings;
}

TEST(StyleSections, DefaultsWriteExactly51Lines)
{
    std::string out = "header\r\n";
    writeStyleSections(out, StyleSettings {});
    EXPECT_EQ(out, std::string("header\r\n") + kDefaultSections);
    EXPECT_EQ(splitLines(kDefaultSections).size(), 51u);
}

TEST(StyleSections, DistinctValuesRoundTripByteForByte)
{
    const StyleSettings original = distinctSettings();
    std::string written;
    writeStyleSections(written, original);
    EXPECT_NE(written.find("[Layout]\r\nPage Title=Book Index \r\n"), std::string::npos);
    EXPECT_NE(written.find("MultiLevel=1\r\nColumns=3\r\n"), std::string::npos);
    EXPECT_NE(written.find("Body Attributes=bgcolor=\"#ffffff\" class=x\r\n"), std::string::npos);

    const StyleSettings readBack = readFrom(splitLines(written));
    EXPECT_EQ(readBack, original);
    std::string rewritten;
    writeStyleSections(rewritten, readBack);
    EXPECT_EQ(rewritten, written);
}

TEST(StyleSections, FileWithoutSectionsKeepsEveryField)
{
    const StyleSettings start = distinctSettings();
    const std::vector<std::string> lines = {"HTML Torvane, Version 3.0", "", "[Local Files]", "Index=Torvane.htm"};
    EXPECT_EQ(readFrom(lines, start), start);
}

TEST(StyleSections, KeysAreExactAndSectionScoped)
{
    const std::vector<std::string> lines = {
        "[Layout]",
        "Multilevel=1", // the profile's spelling is not a project key
        "Columns =2", // blank before "=": not the key
        " Page Heading=Lead", // leading blank: not the key
        "Page Title=", // empty title stays empty
        "[Group Headings]",
        "Graphics Path Type=1", // must not be taken for "Graphics Path"
        "Symbols=1",
        "[Links to Headings]",
        "Separate Files=1", // belongs to another section
    };
    const StyleSettings read = readFrom(lines);
    EXPECT_EQ(read.multiLevel, 0);
    EXPECT_EQ(read.columns, 1);
    EXPECT_EQ(read.pageHeading, "Index");
    EXPECT_EQ(read.pageTitle, "");
    EXPECT_EQ(read.groupsGraphicsPath, "");
    EXPECT_EQ(read.groupsGraphicsPathType, 1);
    EXPECT_EQ(read.groupsSymbols, 1);
    EXPECT_EQ(read.linksSymbols, 0);
    EXPECT_EQ(read.separateFiles, 0);

    EXPECT_EQ(readFrom({"[Layout]", "MultiLevel=1"}).multiLevel, 1);
}

TEST(StyleSections, HeaderAndSectionBoundaries)
{
    // Trailing blanks after a header are allowed, leading blanks are not;
    // an empty line does not end a section, a line starting with "[" does.
    const StyleSettings read = readFrom({
        "[Layout]   \t",
        "Columns=2",
        "",
        "Page Title=After blank",
        "[Other]",
        "Page Heading=Outside",
        " [Enhance]",
        "Include Top=1",
        "[enhance]",
        "Include Bottom=1",
    });
    EXPECT_EQ(read.columns, 2);
    EXPECT_EQ(read.pageTitle, "After blank");
    EXPECT_EQ(read.pageHeading, "Index");
    EXPECT_EQ(read.includeTop, 0);
    EXPECT_EQ(read.includeBottom, 0);
}

TEST(StyleSections, FirstSectionOnlyAndLaterDuplicateKeyWins)
{
    const StyleSettings read = readFrom({
        "[Layout]",
        "Columns=2",
        "Columns=3",
        "[Layout]",
        "Columns=1",
        "Page Title=Second",
    });
    EXPECT_EQ(read.columns, 3);
    EXPECT_EQ(read.pageTitle, "Index");
}

TEST(StyleSections, IntegerValuesReadTheirLeadingNumber)
{
    const StyleSettings read = readFrom({
        "[Layout]",
        "Columns=  -7x",
        "MultiLevel=abc",
        "Long Lines Wrap=+4 5",
        "[Enhance]",
        "Return Text=  keeps blanks  ",
    });
    EXPECT_EQ(read.columns, -7);
    EXPECT_EQ(read.multiLevel, 0);
    EXPECT_EQ(read.longLinesWrap, 4);
    EXPECT_EQ(read.returnText, "  keeps blanks  ");
}

} // namespace
} // namespace torvane
