#include "styles/TorvaneExtensions.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TorvaneExtensionsSection, ReadsItsKeysAndIgnoresOtherSections)
{
    TorvaneExtensions extensions;
    readExtensionsSection(Lines {"[CSS]", "Collation=xx", "[Torvane Extensions]  ", "", "Collation= sv ",
                                 "Index Layout=1", "Merge Case Variants=1", "Unknown=3", "[Xrefs]", "Index Layout=7"},
                          extensions);
    EXPECT_EQ(extensions.collation, "sv");
    EXPECT_EQ(extensions.indexLayout, 1);
    EXPECT_EQ(extensions.mergeCaseVariants, 1);
    EXPECT_TRUE(extensions.sectionRead);
}

TEST(TorvaneExtensionsSection, AFileWithoutTheSectionChangesNothingAndWritesNothing)
{
    TorvaneExtensions extensions;
    readExtensionsSection(Lines {"[Layout]", "Page Title=Index", "[torvane extensions]", "Index Layout=1"}, extensions);
    EXPECT_EQ(extensions, TorvaneExtensions {});
    std::string out = "before";
    writeExtensionsSection(out, extensions);
    EXPECT_EQ(out, "before");
}

TEST(TorvaneExtensionsSection, WrittenWhenSetOrWhenTheFileHeldIt)
{
    TorvaneExtensions extensions;
    extensions.collation = "cs";
    std::string out;
    writeExtensionsSection(out, extensions);
    EXPECT_EQ(out, "[Torvane Extensions]\r\nCollation=cs\r\nIndex Layout=0\r\nMerge Case Variants=0\r\n\r\n");

    // Read back, then reset to the defaults: the section stays, as the file had it.
    Lines lines;
    for (std::size_t start = 0, end; (end = out.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(out.substr(start, end - start));
    TorvaneExtensions read;
    readExtensionsSection(lines, read);
    EXPECT_EQ(read.collation, "cs");
    read.collation.clear();
    std::string again;
    writeExtensionsSection(again, read);
    EXPECT_EQ(again, "[Torvane Extensions]\r\nCollation=\r\nIndex Layout=0\r\nMerge Case Variants=0\r\n\r\n");
}

TEST(TorvaneExtensionsSection, TheEpubIndexKeyIsReadAndWrittenOnlyWhileSet)
{
    TorvaneExtensions extensions;
    readExtensionsSection(Lines {"[Torvane Extensions]", "Collation=sv", "Epub Index=1"}, extensions);
    EXPECT_EQ(extensions.epubIndex, 1);
    EXPECT_FALSE(extensions.atDefaults());
    std::string out;
    writeExtensionsSection(out, extensions);
    EXPECT_EQ(out, "[Torvane Extensions]\r\nCollation=sv\r\nIndex Layout=0\r\nMerge Case Variants=0\r\nEpub "
                   "Index=1\r\n\r\n");
    // A section written before the option existed comes back as it was.
    extensions.epubIndex = 0;
    std::string without;
    writeExtensionsSection(without, extensions);
    EXPECT_EQ(without, "[Torvane Extensions]\r\nCollation=sv\r\nIndex Layout=0\r\nMerge Case Variants=0\r\n\r\n");
}

TEST(TorvaneExtensionsSection, TheLanguageAndTheWordsGoBothWaysOnlyWhenSet)
{
    TorvaneExtensions extensions;
    readExtensionsSection(Lines {"[Torvane Extensions]", "Language= de ", "Word Symbols=Sonderzeichen",
                                 "Word Filter Entries=Suche: ", "Word =x"},
                          extensions);
    EXPECT_EQ(extensions.language, "de");
    EXPECT_EQ(extensions.words,
              (std::map<std::string, std::string> {{"Filter Entries", "Suche: "}, {"Symbols", "Sonderzeichen"}}));
    EXPECT_FALSE(extensions.atDefaults());
    std::string out;
    writeExtensionsSection(out, extensions);
    EXPECT_EQ(out, "[Torvane Extensions]\r\nCollation=\r\nIndex Layout=0\r\nMerge Case Variants=0\r\n"
                   "Language=de\r\nWord Filter Entries=Suche: \r\nWord Symbols=Sonderzeichen\r\n\r\n");
}

// The check settings live in the same section; a bar or backslash in a
// suppression's field survives the round trip, and a setting of another
// program's version is passed over.
TEST(TorvaneExtensionsSection, CheckSettingsGoBackAsTheyCame)
{
    TorvaneExtensions extensions;
    extensions.check.severities["likely-duplicate"] = "off";
    extensions.check.maxLocators = 12;
    extensions.check.suppressions.push_back({"page-without-entries", "a|b.htm", "#", "C:\\x", "cover page"});
    std::string out;
    writeExtensionsSection(out, extensions);
    EXPECT_EQ(out, "[Torvane Extensions]\r\nCollation=\r\nIndex Layout=0\r\nMerge Case Variants=0\r\n"
                   "Check Severity likely-duplicate=off\r\nCheck Max Locators=12\r\n"
                   "Check Ignore=page-without-entries|a\\|b.htm|#|C:\\\\x|cover page\r\n\r\n");
    Lines lines;
    for (std::size_t start = 0, end; (end = out.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(out.substr(start, end - start));
    lines.insert(lines.end() - 1, "Check Something Newer=1");
    TorvaneExtensions read;
    readExtensionsSection(lines, read);
    extensions.sectionRead = true;
    EXPECT_EQ(read, extensions);

    TorvaneExtensions loose;
    readExtensionsSection(
        Lines {"[Torvane Extensions]", "Check Severity  empty-sort-key = Error", "Check Ignore=bad-url|only the kind"},
        loose);
    EXPECT_EQ(loose.check.severities.at("empty-sort-key"), "error");
    ASSERT_EQ(loose.check.suppressions.size(), 1u);
    EXPECT_EQ(loose.check.suppressions[0].page, "only the kind");
    EXPECT_EQ(loose.check.suppressions[0].reason, "");
}

} // namespace
} // namespace torvane
