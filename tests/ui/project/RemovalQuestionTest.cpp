#include "ui/project/RemovalQuestion.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(RemovalQuestion, AsksForMoreThanAHandfulOrTheWholeProjectOnly)
{
    const RemovalCounts large {200, 10, 4};
    EXPECT_FALSE(removalQuestion({5, 0, 0}, large)) << "a handful goes without a question";
    EXPECT_FALSE(removalQuestion({2, 2, 1}, large));
    EXPECT_FALSE(removalQuestion({}, {})) << "nothing to remove";

    const auto six = removalQuestion({4, 1, 1}, large);
    ASSERT_TRUE(six);
    EXPECT_EQ(six->rfind("This removes 4 pages, 1 URL and 1 cross-reference locator.\n\n", 0), 0u) << *six;
    EXPECT_NE(six->find("Remove them?"), std::string::npos);

    // A small project removed whole is asked about however few items it has.
    const auto whole = removalQuestion({1, 0, 2}, {1, 0, 2});
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->rfind("This removes everything from the project: 1 page and 2 cross-reference locators.", 0), 0u)
        << *whole << "\nkinds with nothing to remove are left out";

    const auto many = removalQuestion({20000, 0, 0}, large);
    ASSERT_TRUE(many);
    EXPECT_EQ(many->rfind("This removes 20,000 pages.\n\n", 0), 0u) << *many;
    const auto urls = removalQuestion({0, 1234567, 0}, large);
    ASSERT_TRUE(urls);
    EXPECT_EQ(urls->rfind("This removes 1,234,567 URLs.", 0), 0u) << *urls;
}

} // namespace
} // namespace torvane
