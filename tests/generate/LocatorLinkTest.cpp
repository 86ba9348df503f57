#include "generate/LocatorLink.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace torvane {
namespace {

TEST(LocatorLink, PacksTextsInOnePieceAndMovesWithIt)
{
    const LocatorLink::Texts texts {"page.htm#a", "", "Title", "win", "frame", "Key", "Help key"};
    std::string buffer(64, '#');
    char* at = buffer.data();
    const LocatorLink link = LocatorLink::packed(at, texts, 42);
    EXPECT_EQ(std::size_t(at - buffer.data()), link.storedSize());
    EXPECT_EQ(link.storedSize(), std::string("page.htm#aTitlewinframeKeyHelp key").size());
    EXPECT_EQ(buffer.substr(0, link.storedSize()), "page.htm#aTitlewinframeKeyHelp key");
    EXPECT_EQ(link.address(), "page.htm#a");
    EXPECT_EQ(link.frameTarget(), "");
    EXPECT_EQ(link.helpTitle(), "Title");
    EXPECT_EQ(link.helpWindow(), "win");
    EXPECT_EQ(link.helpFrame(), "frame");
    EXPECT_EQ(link.text(LocatorLink::IndexAs), "Key");
    EXPECT_EQ(link.text(LocatorLink::HelpAs), "Help key");
    EXPECT_EQ(link.holderNumber(), 42u);

    // The piece copied elsewhere reads the same from there.
    std::string moved(link.storedSize(), ' ');
    std::memcpy(moved.data(), link.storedTexts(), link.storedSize());
    LocatorLink copy = link;
    copy.moveTextsTo(moved.data());
    buffer.assign(buffer.size(), '?');
    EXPECT_EQ(copy.helpWindow(), "win");
    EXPECT_EQ(copy.text(LocatorLink::HelpAs), "Help key");
}

TEST(LocatorLink, StoresHelpAsOnceWhenItIsIndexAs)
{
    const LocatorLink::Texts texts {"a.htm", "t", "", "", "", "Same", "Same"};
    std::string buffer(32, '\0');
    char* at = buffer.data();
    const LocatorLink link = LocatorLink::packed(at, texts, 0);
    EXPECT_EQ(link.storedSize(), std::string("a.htmtSame").size());
    EXPECT_EQ(link.text(LocatorLink::HelpAs), "Same");
    EXPECT_EQ(link.text(LocatorLink::HelpAs).data(), link.text(LocatorLink::IndexAs).data());
    // Empty texts everywhere: nothing stored, nothing read.
    char* none = buffer.data();
    const LocatorLink empty = LocatorLink::packed(none, {}, 3);
    EXPECT_EQ(none, buffer.data());
    EXPECT_EQ(empty.storedSize(), 0u);
    EXPECT_TRUE(empty.address().empty());
    EXPECT_TRUE(empty.text(LocatorLink::HelpAs).empty());
}

} // namespace
} // namespace torvane
