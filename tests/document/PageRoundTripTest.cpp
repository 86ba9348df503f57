// Open, add entries, save, reopen, save again, over random pages, mutated
// example pages and random field values: nothing outside the replaced
// ranges changes, every entry reads back, the second save changes nothing.
#include "support/PageRoundTrip.h"

#include "sources/StoredValues.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace torvane {
namespace {

using testing::checkPageRoundTrip;
using testing::EntryFields;

const std::vector<std::string> pageTokens {"<!--",
                                           "-->",
                                           "--!>",
                                           "<!-->",
                                           "<html>",
                                           "<html lang=en>",
                                           "<head>",
                                           "</head>",
                                           "<title>",
                                           "</title>",
                                           "<h1>",
                                           "</h1>",
                                           "<h2>",
                                           "</h2>",
                                           "<a name=\"",
                                           "<a id=\"",
                                           "\">",
                                           "</a>",
                                           "<body>",
                                           "</html>",
                                           "<meta name=\"IndexGenerator\" content=\"HTML Torvane\">",
                                           "<Meta Name=\"Keywords\" Content=\"k\">",
                                           "<meta ",
                                           "<META Generator=\"HTML Torvane\">",
                                           "<meta charset=\"utf-8\">",
                                           "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n",
                                           "<!-- html torvane ",
                                           "    Target=\"#\"\r\n",
                                           "    Target=\"a\"\r\n",
                                           "        IndexAs=\"x\",SortAs=\"y\"\r\n",
                                           "IndexAs=\"\",SortAs=\"\"",
                                           "  HTML Torvane -->",
                                           "<script>",
                                           "</script>",
                                           "<style>",
                                           "</style>",
                                           "<!--[if IE]>",
                                           "<![endif]-->",
                                           "<!--[if gt IE 8]><!-->",
                                           "<!--<![endif]-->",
                                           "<comment>",
                                           "</comment>",
                                           "<!doctype html>",
                                           "<!DOCTYPE html PUBLIC>",
                                           "\xEF\xBB\xBF",
                                           "<?xml version=\"1.0\"?>",
                                           "<html xmlns=\"http://www.w3.org/1999/xhtml\">",
                                           "\r\n",
                                           "\n",
                                           " ",
                                           "\t",
                                           "\"",
                                           "\\",
                                           ">",
                                           "<",
                                           "-",
                                           "text",
                                           "name",
                                           "#",
                                           "\0",
                                           "\xFF\xFE"};

const std::vector<std::string> valueTokens {"<!--",
                                            "-->",
                                            "--!>",
                                            "--",
                                            "-",
                                            "<",
                                            ">",
                                            "\\\"",
                                            "\\\\",
                                            "\\,",
                                            ",",
                                            " ",
                                            "a",
                                            "Z",
                                            "</head>",
                                            "HTML Torvane -->",
                                            "<!-- HTML Torvane",
                                            "<meta ",
                                            "&",
                                            "\xC3\xA9",
                                            "#"};

std::string randomPage(std::mt19937& random)
{
    std::string page;
    const int tokens = std::uniform_int_distribution<int>(0, 40)(random);
    for (int i = 0; i < tokens; ++i) {
        if (random() % 8 == 0)
            page.push_back(static_cast<char>(random() % 256));
        else
            page += pageTokens[random() % pageTokens.size()];
    }
    return page;
}

// Values that the block can hold, with every kind of byte the dialogs let through.
std::string randomValue(std::mt19937& random)
{
    std::string value;
    const int tokens = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < tokens; ++i)
        value += valueTokens[random() % valueTokens.size()];
    return value;
}

EntryFields randomFields(std::mt19937& random)
{
    EntryFields fields;
    for (std::string& field : fields)
        field = randomValue(random);
    // As the dialogs hand them over: the reader fills an empty HelpAs and HelpTitle.
    if (fields[0].empty())
        fields[0] = "entry";
    if (fields[2].empty())
        fields[2] = fields[0];
    if (fields[3].empty())
        fields[3] = "Untitled";
    return fields;
}

std::string mutated(std::string page, std::mt19937& random)
{
    const int mutations = std::uniform_int_distribution<int>(1, 4)(random);
    for (int i = 0; i < mutations; ++i) {
        const std::size_t at = page.empty() ? 0 : random() % page.size();
        switch (random() % 3) {
        case 0:
            page.insert(at, pageTokens[random() % pageTokens.size()]);
            break;
        case 1:
            page.erase(at, random() % 64);
            break;
        default:
            page.insert(at, page.substr(random() % (page.size() + 1), random() % 128));
            break;
        }
    }
    return page;
}

// The .htm files below a folder of the source tree.
std::vector<std::string> pagesBelow(const std::string& folder)
{
    std::vector<std::string> pages;
    for (const auto& item :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(TORVANE_SOURCE_DIR) / folder)) {
        if (item.path().extension() != ".htm")
            continue;
        std::ifstream in(item.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        pages.push_back(text.str());
    }
    return pages;
}

TEST(PageRoundTrip, RandomPagesKeepTheirTextAndEntries)
{
    std::mt19937 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const std::string page = randomPage(random);
        const EntryFields fields = randomFields(random);
        const std::string problem = checkPageRoundTrip(page, fields);
        ASSERT_EQ(problem, "") << "page:\n" << page;
    }
}

TEST(PageRoundTrip, MutatedExamplePagesKeepTheirTextAndEntries)
{
    const std::vector<std::string> pages = pagesBelow("examples");
    ASSERT_FALSE(pages.empty());
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string page = mutated(pages[random() % pages.size()], random);
        const std::string problem = checkPageRoundTrip(page, randomFields(random));
        ASSERT_EQ(problem, "") << "page:\n" << page;
    }
}

// Pages that once broke the cycle, as the fuzz target takes them (entry texts
// after a NUL), and the pages the fuzzing starts from: each stays a test.
TEST(PageRoundTrip, FormerFindingsKeepTheirTextAndEntries)
{
    std::vector<std::string> pages = pagesBelow("tests/document/round-trip-pages");
    const std::vector<std::string> seeds = pagesBelow("fuzz/seeds/page_round_trip");
    ASSERT_FALSE(pages.empty());
    ASSERT_FALSE(seeds.empty());
    pages.insert(pages.end(), seeds.begin(), seeds.end());
    for (const std::string& page : pages)
        EXPECT_EQ(testing::checkPageRoundTripInput(page), "") << "page:\n" << page;
}

} // namespace
} // namespace torvane
