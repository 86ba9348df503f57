#include "HtmlIndexFixture.h"

namespace torvane::testing {
namespace {

TEST_F(HtmlIndexTest, NoEntriesGiveAPageWithAnEmptyHeadingForItsLetterLinks)
{
    EXPECT_TRUE(make());
    expectFilesOf("no_entries");
}

TEST_F(HtmlIndexTest, NoEntriesOnGroupPagesWriteThePageTheFrameSetNames)
{
    style.linksPlacement = 2;
    style.separateFiles = 1;
    EXPECT_TRUE(make());
    expectFilesOf("no_entries_separate_frames");
}

TEST_F(HtmlIndexTest, MissingIncludeFilesAreToldAndThePageIsWrittenWithoutThem)
{
    entry("apple", "Apple", "a.htm");
    style.includeTop = 1;
    style.includeBottom = 1;
    style.includePath = "inc/";
    EXPECT_FALSE(make());
    const std::string folder = dir.string() + "/inc/";
    EXPECT_EQ(messages.messages,
              (std::vector<std::string> {"Failed to open include file.\n\nFile: " + folder + "Top.htm",
                                         "Failed to open include file.\n\nFile: " + folder + "Bottom.htm"}));
    const std::string page = readBytes(dir / "Index.htm");
    EXPECT_NE(page.find("<BODY Class=\"IndexBodyIndex\">\r\n  <H1>Index</H1>\r\n"), std::string::npos);
    EXPECT_NE(page.find("  </TABLE>\r\n\r\n</BODY>\r\n</HTML>\r\n"), std::string::npos);
}

TEST_F(HtmlIndexTest, IncludePathAsEnteredIgnoresTheProjectFolder)
{
    std::filesystem::create_directories(dir / "shared");
    writeBytes(dir / "shared/Top.htm", "<P>Shared top</P>\n");
    entry("apple", "Apple", "a.htm");
    style.includeTop = 1;
    style.includePath = (dir / "shared").string() + "/";
    style.includePathType = 1;
    EXPECT_TRUE(make());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_NE(readBytes(dir / "Index.htm").find("<BODY Class=\"IndexBodyIndex\">\r\n<P>Shared top</P>\r\n  <H1>"),
              std::string::npos);
}

TEST_F(HtmlIndexTest, EveryFileThatCannotBeWrittenIsToldInTurn)
{
    const std::filesystem::path missing = dir / "missing";
    entry("apple", "Apple", "a.htm");
    style.linksPlacement = 2;
    generator.setProjectDirectory(missing.string());
    generator.setOutputNames({"sub\\Index.htm", "", "", ""});
    generator.setStyle(style);
    generator.buildTree(IndexMode::Html);
    EXPECT_FALSE(writeHtmlIndex(generator, messages));
    const std::string folder = missing.string() + "/";
    EXPECT_EQ(messages.messages,
              (std::vector<std::string> {"Error creating new Html Index frameset:\n  " + folder + "Index.htm",
                                         "Error creating new Html Index navigation:\n  " + folder + "Index-nav.htm",
                                         "Error creating new index:\n  " + folder + "Index-content.htm"}));
}

TEST_F(HtmlIndexTest, AGroupPageThatCannotBeWrittenLeavesTheOthers)
{
    addLettersADF();
    std::filesystem::create_directories(dir / "Index-D.htm" / "blocked");
    style.separateFiles = 1;
    EXPECT_FALSE(make());
    EXPECT_EQ(messages.messages,
              (std::vector<std::string> {"Error creating new index:\n  " + dir.string() + "/Index-D.htm"}));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Index-A.htm"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Index-F.htm"));
}

TEST_F(HtmlIndexTest, OutputNameKeepsOnlyItsFileNameAndExtension)
{
    entry("apple", "Apple", "a.htm");
    style.separateFiles = 1;
    EXPECT_TRUE(make("pages/Book Index.html"));
    EXPECT_EQ(writtenFiles(), (std::set<std::string> {"Book Index-A.html"}));
    EXPECT_NE(readBytes(dir / "Book Index-A.html").find("<A HREF=\"Book%20Index-A.html\">Z</A>"), std::string::npos);
}

TEST_F(HtmlIndexTest, ZeroColumnsAreLaidOutAsOne)
{
    entry("apple", "Apple", "a.htm");
    style.columns = 0;
    EXPECT_TRUE(make());
    const std::string page = readBytes(dir / "Index.htm");
    EXPECT_NE(page.find("COLS=\"1\" RULES=\"NONE\">\r\n  <TR>\r\n  <TD NOWRAP WIDTH=\"100%\" VALIGN=\"TOP\">"),
              std::string::npos);
}

} // namespace
} // namespace torvane::testing
