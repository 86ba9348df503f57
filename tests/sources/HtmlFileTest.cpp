#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace torvane {
namespace {

namespace fs = std::filesystem;

class HtmlFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("torvane-sources-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder_ / "page.htm", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::string pagePath() const { return (folder_ / "page.htm").string(); }

    void writePage(const std::string& bytes) const
    {
        std::ofstream out(pagePath(), std::ios::binary);
        out << bytes;
    }
    std::string pageOnDisk() const
    {
        std::ifstream in(pagePath(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    bool reportedFirst(std::string_view operation) const
    {
        return !reports_.fileErrors().empty() &&
               reports_.fileErrors().front().rfind(std::string(operation) + ", ", 0) == 0;
    }

    fs::path folder_;
    FileReports reports_;
};

TEST_F(HtmlFileTest, NewObjectHasNothingFound)
{
    CHtmlFile file(reports_);
    EXPECT_FALSE(file.exists() || file.readSucceeded() || file.isReadOnly() || file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), 0);
    EXPECT_FALSE(file.insertionPoints().meta.found() || file.insertionPoints().block.found() ||
                 file.insertionPoints().headEnd.found());
}

TEST_F(HtmlFileTest, BytesSurviveReadAndWrite)
{
    const std::string bytes = "<html>\r\n<head>\n</head>\r\r\n\tbody \xe4\xb8\xad<!-- c -->\n";
    writePage(bytes);
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    EXPECT_TRUE(file.exists());
    EXPECT_TRUE(file.readSucceeded());
    EXPECT_FALSE(file.isReadOnly());
    EXPECT_EQ(file.wholeText(), bytes);
    writePage("changed on disk");
    file.WriteSource();
    EXPECT_TRUE(file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), 0);
    EXPECT_EQ(pageOnDisk(), bytes);
    EXPECT_TRUE(reports_.fileErrors().empty());
}

TEST_F(HtmlFileTest, EmptyFileReadsAsEmptyText)
{
    writePage("");
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    EXPECT_TRUE(file.readSucceeded());
    EXPECT_EQ(file.wholeText(), "");
    EXPECT_EQ(file.segmentCount(), 0u);
}

TEST_F(HtmlFileTest, MissingFileIsReportedOnceAtOpenInput)
{
    CHtmlFile file(reports_);
    file.setPath((folder_ / "absent.htm").string());
    file.ReadSource();
    EXPECT_FALSE(file.exists());
    EXPECT_FALSE(file.readSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenInput);
    ASSERT_EQ(reports_.fileErrors().size(), 1u);
    EXPECT_TRUE(reportedFirst("Open Input"));
}

TEST_F(HtmlFileTest, EmptyPathCannotBeRead)
{
    CHtmlFile file(reports_);
    file.ReadSource();
    EXPECT_FALSE(file.exists());
    EXPECT_FALSE(file.readSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenInput);
    EXPECT_TRUE(reportedFirst("Open Input"));
}

TEST_F(HtmlFileTest, ReadOnlyPageReadsButIsNotWritten)
{
    writePage("<head></head>");
    fs::permissions(pagePath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    EXPECT_TRUE(file.readSucceeded());
    EXPECT_TRUE(file.isReadOnly());
    file.ScanInsertionPoints();
    file.PutCommentBlock("<!-- HTML Torvane -->");
    file.WriteSource();
    EXPECT_FALSE(file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenOutput);
    EXPECT_TRUE(reportedFirst("Open Output"));
    EXPECT_EQ(pageOnDisk(), "<head></head>");
}

TEST_F(HtmlFileTest, PageWithNulByteIsReadWholeAndNeverRewritten)
{
    const std::string bytes = std::string("<head></head>before\0after <a name=\"late\">L</a>", 46);
    ASSERT_EQ(bytes.size(), 46u);
    writePage(bytes);
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    EXPECT_TRUE(file.readSucceeded());
    EXPECT_EQ(file.wholeText(), bytes);
    file.ScanPage();
    EXPECT_EQ(file.anchors(), (std::vector<Anchor> {{"late", "L"}}));

    file.ScanInsertionPoints();
    file.PutCommentBlock("<!-- HTML Torvane -->");
    file.WriteSource();
    EXPECT_FALSE(file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenOutput);
    ASSERT_EQ(reports_.fileErrors().size(), 1u);
    EXPECT_TRUE(reportedFirst("Open Output"));
    EXPECT_EQ(pageOnDisk(), bytes);
}

TEST_F(HtmlFileTest, TextOfAFailedReadIsNeverWritten)
{
    writePage("<p>the user's page</p>");
    CHtmlFile file(reports_);
    // Opens fine, then fails at its first read.
    file.setPath("/proc/self/mem");
    file.ReadSource();
    if (file.errorCode() != HtmlFileRead)
        GTEST_SKIP() << "no file here fails part-way through reading";
    EXPECT_FALSE(file.readSucceeded());
    file.setPath(pagePath());
    file.WriteSource();
    EXPECT_FALSE(file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenOutput);
    ASSERT_EQ(reports_.fileErrors().size(), 2u);
    EXPECT_EQ(reports_.fileErrors()[1].rfind("Open Output, ", 0), 0u);
    EXPECT_EQ(pageOnDisk(), "<p>the user's page</p>");
}

TEST_F(HtmlFileTest, WriteIntoMissingFolderFailsAndIsReported)
{
    CHtmlFile file(reports_);
    file.setPath((folder_ / "no-such-folder" / "page.htm").string());
    file.setWholeText("x");
    file.WriteSource();
    EXPECT_FALSE(file.exists());
    EXPECT_FALSE(file.writeSucceeded());
    EXPECT_EQ(file.errorCode(), HtmlFileOpenOutput);
    EXPECT_TRUE(reportedFirst("Open Output"));
}

TEST_F(HtmlFileTest, SavedPageOnDiskHoldsOnlyTheInsertions)
{
    const std::string bytes = "<HTML>\r\n<Head>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<body>\r\n</body>\r\n</HTML>\r\n";
    writePage(bytes);
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    file.ScanInsertionPoints();
    file.PutMetaTags("<meta A>");
    file.PutCommentBlock("<!-- HTML Torvane V4.0\r\n  HTML Torvane -->");
    file.WriteSource();
    EXPECT_TRUE(file.writeSucceeded());
    EXPECT_EQ(pageOnDisk(), "<HTML>\r\n<Head>\r\n<TITLE>t</TITLE>\r\n  <meta A>\r\n  <!-- HTML Torvane V4.0\r\n"
                            "  HTML Torvane -->\r\n</HEAD>\r\n<body>\r\n</body>\r\n</HTML>\r\n");
}

TEST_F(HtmlFileTest, BinaryFileKeepsEveryByteBesideTheNewHead)
{
    std::string bytes;
    for (int round = 0; round < 100; ++round)
        for (int byte = 1; byte < 256; ++byte)
            bytes.push_back(static_cast<char>(byte));
    writePage(bytes);
    CHtmlFile file(reports_);
    file.setPath(pagePath());
    file.ReadSource();
    file.ScanPage();
    file.ScanInsertionPoints();
    file.PutMetaTags("<meta M>");
    file.PutCommentBlock("<!-- HTML Torvane -->");
    file.WriteSource();
    EXPECT_TRUE(file.writeSucceeded());
    EXPECT_EQ(pageOnDisk(), "<head>\r\n  <meta M>\r\n  <!-- HTML Torvane -->\r\n</head>\r\n" + bytes);
}

// Pages where every start tag lacks its end: each search from each tag
// would run to the end of the page if positions were not remembered.
void expectLinearScanOfRepeatedUnit(const std::string& unit, std::size_t segments)
{
    std::string page = "<title>Big</title>";
    while (page.size() < 20u * 1024 * 1024)
        page += unit;
    FileReports reports;
    CHtmlFile file(reports);
    const auto start = std::chrono::steady_clock::now();
    file.setWholeText(page);
    file.ScanPage();
    file.ScanInsertionPoints();
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_EQ(file.titleText(), "Big");
    EXPECT_TRUE(file.anchors().empty());
    EXPECT_EQ(file.segmentCount(), segments);
    EXPECT_EQ(file.wholeText(), page);
    // Quadratic work on these pages would take hours.
    EXPECT_LT(seconds, 20.0);
}

TEST(LargePage, TwentyMegabytesOfUnclosedTagsScanInLinearTime)
{
    expectLinearScanOfRepeatedUnit("<a name=\"n\">x <a\tid=\"i\"> <h1 <html <meta x <!doctypex ", 1);
}

TEST(LargePage, TwentyMegabytesOfUnclosedCommentsScanInLinearTime)
{
    expectLinearScanOfRepeatedUnit("<!-- <!-- --> <!-- HTML Torvane ", 2);
}

TEST(LargePage, TwentyMegabytesOfAnchorsAreAllFound)
{
    std::string page = "<html><head><title>T</title></head><body>\r\n";
    std::size_t count = 0;
    while (page.size() < 20u * 1024 * 1024) {
        page += "<p><A NAME=\"a" + std::to_string(count) + "\">Anchor\r\n" + std::to_string(count) +
                "</a>"
                "<!-- note <a name=\"hidden\">h</a> --></p>\r\n";
        ++count;
    }
    FileReports reports;
    CHtmlFile file(reports);
    file.setWholeText(page);
    file.ScanPage();
    ASSERT_EQ(file.anchors().size(), count);
    EXPECT_EQ(file.anchors().back(),
              (Anchor {"a" + std::to_string(count - 1), "Anchor  " + std::to_string(count - 1)}));
    EXPECT_EQ(file.segmentCount(), 2 * count + 1);
}

} // namespace
} // namespace torvane
