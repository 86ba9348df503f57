#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "document/PagesBelow.h"
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace torvane {
namespace {

using ::testing::UnorderedElementsAre;

const std::vector<std::string> kPageExtensions {".htm", ".html"};

TEST(PagesBelow, TakesOnlyNamesEndingInAValidExtension)
{
    EXPECT_TRUE(hasValidExtension("PAGE.HTM", kPageExtensions));
    EXPECT_TRUE(hasValidExtension("x.y.html", kPageExtensions));
    EXPECT_TRUE(hasValidExtension("page.html", {".HTML"}));
    EXPECT_FALSE(hasValidExtension("page.txt", kPageExtensions));
    EXPECT_FALSE(hasValidExtension("page.htm.bak", kPageExtensions));
    EXPECT_FALSE(hasValidExtension("htm", kPageExtensions));
    EXPECT_FALSE(hasValidExtension("page.", kPageExtensions));
    EXPECT_FALSE(hasValidExtension("page.htmx", kPageExtensions));
    EXPECT_FALSE(hasValidExtension("page.htm", {}));
}

TEST(PagesBelow, FindsPagesAtEveryDepthAndNothingElse)
{
    test::TempDir dir;
    dir.write("PAGE.HTM", "x");
    dir.write("page.txt", "x");
    dir.write("notes/only.txt", "x");
    dir.write("deep/er/x.html", "x");
    std::filesystem::create_directories(dir.path() + "empty");
    // A link back up must not make the scan go round for ever.
    std::filesystem::create_directory_symlink(dir.path(), dir.path() + "deep/loop");

    const std::vector<std::string> pages = findPagesBelow(dir.path(), kPageExtensions);
    EXPECT_THAT(pages, UnorderedElementsAre(dir.path() + "PAGE.HTM", dir.path() + "deep/er/x.html"));
    EXPECT_TRUE(findPagesBelow(dir.path() + "missing/", kPageExtensions).empty());
    EXPECT_TRUE(findPagesBelow("", kPageExtensions).empty());
}

} // namespace
} // namespace torvane
