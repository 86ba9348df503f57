#include "generate/CrLfText.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvane {
namespace {

class Hands : public TextDrain {
public:
    void take(std::string_view lines) override { taken.emplace_back(lines); }
    std::vector<std::string> taken;
};

TEST(CrLfText, TextsGetCrLfMarkupGoesAsWrittenAndOnlyWholeLinesAreHandedOver)
{
    Hands drain;
    CrLfText out(drain);
    out << "a\nb" << '\n';
    out.markup("<p>\r\n").spaces(2) << "c";
    out.markup("\r\n");
    EXPECT_TRUE(drain.taken.empty()); // small texts wait for the end
    out.flush();
    ASSERT_EQ(drain.taken.size(), 1u);
    EXPECT_EQ(drain.taken[0], "a\r\nb\r\n<p>\r\n  c\r\n");

    // Past the threshold, the text goes at the next line end, never inside a line.
    drain.taken.clear();
    const std::string longLine(70 * 1024, 'x');
    out.markup(longLine);
    out << "y";
    EXPECT_TRUE(drain.taken.empty());
    out.markup("\r\n");
    ASSERT_EQ(drain.taken.size(), 1u);
    EXPECT_EQ(drain.taken[0], longLine + "y\r\n");
    out.markup("tail");
    out.flush();
    ASSERT_EQ(drain.taken.size(), 2u);
    EXPECT_EQ(drain.taken[1], "tail");
}

} // namespace
} // namespace torvane
