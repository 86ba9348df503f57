#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::pageText;

class ProjectLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture.write("a.htm", pageText("Apples", {"red"}));
        fixture.write("Sub/Pears.htm", pageText("Pears", {"green"}));
        fixture.writeProject({"a.htm", "Sub\\Pears.htm"}, "URL=https://example.org/\r\n");
        ASSERT_TRUE(document.openProject(fixture.projectFile()));
    }

    test::DocumentTestApp app;
    test::FixtureProject fixture;
    CProjectDoc document {app.services};
};

TEST_F(ProjectLookupTest, OneListingFindsPagesAnchorsAndUrlsAsUsersWriteThem)
{
    const TargetLookup lookup(document.root());
    SourceFile* pears = lookup.findPage("Sub/Pears.htm");
    ASSERT_NE(pears, nullptr);
    EXPECT_EQ(lookup.findPage("Sub\\Pears.htm"), pears);
    EXPECT_EQ(lookup.findPage("./Sub/Pears.htm"), pears);
    EXPECT_EQ(lookup.findPage("sub/PEARS.HTM"), pears) << "a path differing only in case";
    EXPECT_EQ(lookup.findPage("Sub/Pear.htm"), nullptr);
    EXPECT_EQ(lookup.findPage("Pears.htm"), nullptr) << "a page is named by its whole path";

    EXPECT_EQ(lookup.findTarget("Sub\\Pears.htm"), pears);
    EXPECT_EQ(lookup.findTarget("Sub/Pears.htm#"), pears) << "an empty anchor is the page itself";
    EXPECT_EQ(lookup.findTarget("sub/pears.htm#green"), pears->findTarget("green"));
    EXPECT_EQ(lookup.findTarget("Sub/Pears.htm#red"), nullptr) << "the anchor of another page";
    EXPECT_EQ(lookup.findTarget("a.htm#red"), lookup.findPage("a.htm")->findTarget("red"));
    ExternalUrl* url = lookup.findUrl("https://example.org/");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(url->label(), "https://example.org/");
    EXPECT_EQ(lookup.findTarget("https://example.org/"), url);
    EXPECT_EQ(lookup.findTarget("https://example.org"), nullptr) << "URLs match exactly";
    EXPECT_EQ(lookup.findTarget("nothing.htm#red"), nullptr);

    // The one-off lookups answer as the listing does.
    EXPECT_EQ(findPage(document.root(), "SUB\\pears.htm"), pears);
    EXPECT_EQ(findUrl(document.root(), "https://example.org/"), url);
}

} // namespace
} // namespace torvane
