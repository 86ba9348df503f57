#include "HtmlIndexFixture.h"

namespace torvane::testing {
namespace {

TEST_F(HtmlIndexTest, OnePageWithClassesAndHangingLines)
{
    addLettersADF();
    EXPECT_TRUE(make());
    EXPECT_TRUE(messages.messages.empty());
    expectFilesOf("single");
}

} // namespace
} // namespace torvane::testing
