// Searching a text as its search copy, without making the copy, must find
// exactly what a search in the copy finds.
#include "sources/ForwardFinder.h"
#include "sources/SearchText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace torvane {
namespace {

std::string randomBytes(std::mt19937& random, std::string_view alphabet, std::size_t maxLength)
{
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

TEST(SearchText, FindingInTheTextAgreesWithFindingInItsCopy)
{
    // Patterns may hold capitals and line ends, which never occur in a copy.
    // Texts run past 32 bytes so that matches fall on both sides of the
    // 16-byte steps of the search.
    constexpr std::string_view alphabet = "<aA bB\t\r\n-!>\"\xC3\xA9hH1";
    std::mt19937 random(7);
    for (int round = 0; round < 50000; ++round) {
        const std::string text = randomBytes(random, alphabet, 40);
        // Every other pattern is a piece of the text's copy, long enough to
        // reach past the bytes checked together with the key byte.
        std::string pattern = randomBytes(random, alphabet, 3);
        if (round % 2 == 1 && !text.empty()) {
            const std::size_t start = random() % text.size();
            pattern = makeSearchCopy(text).substr(start, random() % 7);
        }
        const std::size_t from = random() % (text.size() + 3);
        ASSERT_EQ(findInSearchCopy(text, pattern, from), makeSearchCopy(text).find(pattern, from))
            << "text [" << text << "] pattern [" << pattern << "] from " << from;
    }
}

TEST(SearchText, CopyLowersLettersAndTurnsTabsAndLineEndsIntoSpaces)
{
    EXPECT_EQ(makeSearchCopy("<A HREF=\"X\">\tÉ\r\n"), "<a href=\"x\"> É  ");
    EXPECT_EQ(findInSearchCopy("x<TITLE\n>", "<title >"), 1u);
    EXPECT_EQ(findInSearchCopy("<Title>", "<Title"), std::string_view::npos);
}

TEST(SearchText, ForwardFinderKeepsFindingAfterItsLastAnswer)
{
    ForwardFinder finder("<A> <a> <B>", "<a>");
    EXPECT_EQ(finder.find(0), 0u);
    EXPECT_EQ(finder.find(0), 0u);
    EXPECT_EQ(finder.find(1), 4u);
    EXPECT_EQ(finder.find(5), std::string_view::npos);
    EXPECT_EQ(finder.find(9), std::string_view::npos);
}

} // namespace
} // namespace torvane
