#include "../platform/TempFolder.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/PageReader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace torvane {
namespace {

using test::TempFolder;

// One reader over pages of every kind in turn, beside a fresh CHtmlFile for
// each: the same bytes, the same findings and the same reports.
TEST(PageReader, ReadsEveryKindOfPageAsCHtmlFileDoes)
{
    TempFolder folder;
    const std::string big = folder.write("big.htm", "<title>Big</title>" + std::string(100000, 'x'));
    const std::string small = folder.write("small.htm", "<h1>Small</h1>");
    const std::string locked = folder.write("locked.htm", "<a name=\"n\">locked</a>");
    ::chmod(locked.c_str(), 0444);
    const std::string empty = folder.write("empty.htm", "");
    const std::string pages[] = {big, small, folder.file("missing.htm"), locked, folder.path(), empty, "", small};

    FileReports readerReports;
    PageReader reader;
    FileReports fileReports;
    for (const std::string& path : pages) {
        reader.read(path);
        logFailure(reader.outcome(), readerReports);
        CHtmlFile file(fileReports);
        file.setPath(path);
        file.ReadSource();
        const PageReadResult& result = reader.result();
        EXPECT_EQ(result.exists, file.exists()) << path;
        EXPECT_EQ(result.readSucceeded, file.readSucceeded()) << path;
        EXPECT_EQ(result.readOnly, file.isReadOnly()) << path;
        EXPECT_EQ(reader.text(), file.wholeText()) << path;
    }
    EXPECT_EQ(readerReports.fileErrors(), fileReports.fileErrors());
    EXPECT_EQ(readerReports.fileErrors().size(), 3U); // missing, folder, empty path
}

TEST(PageReader, OnlyAFailureBeforeTheWholeTextMakesThePageUnread)
{
    const FileState exists {true, false, {}};
    const auto judged = [&](FileOperation operation) {
        return judgePageRead(FileResult(FileFailure {operation, "p", CauseGeneric, 5}), exists);
    };
    EXPECT_FALSE(judged(FileOperation::OpenInput).readSucceeded);
    EXPECT_FALSE(judged(FileOperation::Read).readSucceeded);
    EXPECT_TRUE(judged(FileOperation::Read).partial);
    EXPECT_TRUE(judged(FileOperation::CloseInput).readSucceeded);
    EXPECT_FALSE(judged(FileOperation::CloseInput).partial);
    const PageReadResult fine = judgePageRead(FileResult(), FileState {true, true, {}});
    EXPECT_TRUE(fine.exists && fine.readOnly && fine.readSucceeded && !fine.partial);
}

} // namespace
} // namespace torvane
