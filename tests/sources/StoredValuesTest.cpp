#include "sources/BlockRecords.h"
#include "sources/StoredValues.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace torvane {
namespace {

// The block line a value is written into, read back through the block reader.
std::string readBackThroughBlock(const std::string& value, bool xml)
{
    const std::string block = "<!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n        IndexAs=\"x\",SortAs=\"" +
                              encodeBlockValue(value, xml) + "\",HelpAs=\"h\"\r\n  HTML Torvane -->";
    const NameValueList records = readBlockRecords(block);
    // Target, the excluded record, then the entry: its SortAs is its fourth pair.
    if (records.size() != 15 || records[14 - 3].first != "SortAs")
        return "<" + std::to_string(records.size()) + " pairs>";
    return decodeBlockValue(records[14 - 3].second);
}

bool holdsCommentMarker(const std::string& text)
{
    return text.find("<!--") != std::string::npos || text.find("-->") != std::string::npos ||
           text.find("--!>") != std::string::npos;
}

const std::vector<std::string> pieces {"<!--",
                                       "-->",
                                       "--!>",
                                       "--",
                                       "-",
                                       "<",
                                       ">",
                                       "!",
                                       "\"",
                                       "\\",
                                       "\\\\",
                                       "\\\"",
                                       "\\-",
                                       "\r",
                                       "\n",
                                       "\r\n",
                                       " ",
                                       ",",
                                       "HTML Torvane -->",
                                       "a"};

TEST(StoredValues, EveryStorableValueReadsBackAndOpensOrClosesNoComment)
{
    std::mt19937 random(99);
    int storable = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string value;
        const int length = static_cast<int>(random() % 8);
        for (int k = 0; k < length; ++k) {
            if (random() % 3 == 0)
                value.push_back(static_cast<char>(random() % 256));
            else
                value += pieces[random() % pieces.size()];
        }
        if (!storedValueProblem(value).empty())
            continue;
        ++storable;
        for (const bool xml : {false, true}) {
            const std::string written = encodeBlockValue(value, xml);
            ASSERT_FALSE(holdsCommentMarker(written)) << value;
            if (xml) {
                ASSERT_EQ(written.find("--"), std::string::npos) << value;
            }
            ASSERT_EQ(readBackThroughBlock(value, xml), value);
        }
    }
    EXPECT_GT(storable, 20000) << "the generator must reach storable values with markers";
}

TEST(StoredValues, ValuesWithoutMarkersAreWrittenAsHeld)
{
    for (const std::string value : {"Apples, red", "a--b", "Say \\\"hi\\\"", "C:\\\\dir", "x -> y", "<b>bold</b>"})
        EXPECT_EQ(encodeBlockValue(value, false), value);
    EXPECT_EQ(encodeBlockValue("<!-- a -->", false), "<!-\\- a -\\->");
    EXPECT_EQ(encodeBlockValue("a --!> b", false), "a -\\-!> b");
    EXPECT_EQ(encodeBlockValue("a--b", true), "a-\\-b");
}

TEST(StoredValues, ProblemsThatNoEncodingCanCarry)
{
    EXPECT_EQ(storedValueProblem("two\r\nlines"), kValueHasLineBreak);
    EXPECT_EQ(storedValueProblem(std::string("nul\0byte", 8)), kValueHasLineBreak);
    EXPECT_EQ(storedValueProblem("bare \" quote"), kValueHasBareQuote);
    EXPECT_EQ(storedValueProblem("ends in \\"), kValueEndsInBackslash);
    EXPECT_EQ(storedValueProblem("a-\\-b"), kValueHasDashEscape);
    EXPECT_EQ(storedValueProblem("C:\\\\Program Files\\\\"), "");
    EXPECT_EQ(storedValueProblem("<!-- -->"), "");
}

TEST(StoredValues, AnchorNamesThatWouldNotReadBackGetATrailingBlank)
{
    for (const std::string name : {"#", "dir\\", "a\\\\\\", "x-->y", "two\nlines", "plain", "C:\\dir"}) {
        const std::string stored = encodeTargetName(name, false);
        EXPECT_EQ(decodeTargetName(stored), name);
        EXPECT_FALSE(holdsCommentMarker(stored));
        std::size_t trailing = 0;
        while (trailing < stored.size() && stored[stored.size() - 1 - trailing] == '\\')
            ++trailing;
        EXPECT_EQ(trailing % 2, 0u) << "would escape the closing quote: " << name;
    }
    EXPECT_EQ(encodeTargetName("plain", false), "plain");
    EXPECT_EQ(encodeTargetName("#", false), "# ");
}

TEST(StoredValues, KeywordsCannotEndOrOpenATag)
{
    EXPECT_EQ(keywordAttributeText("a>b </head> c"), "a&gt;b &lt;/head&gt; c");
    EXPECT_EQ(keywordAttributeText("plain & simple"), "plain & simple");
}

TEST(StoredValues, DamagedValuesAreMadeStorableWithTheSameMeaning)
{
    EXPECT_EQ(storableForm("a\"b"), "a\\\"b");
    EXPECT_EQ(storableForm("end\\"), "end");
    EXPECT_EQ(storableForm("end\\", true), "end\\");
    EXPECT_EQ(storableForm("kept \\\" \\\\"), "kept \\\" \\\\");
}

} // namespace
} // namespace torvane
