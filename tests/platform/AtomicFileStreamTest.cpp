#include "TempFolder.h"
#include "platform/AtomicFileStream.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

namespace torvane {
namespace {

using test::TempFolder;

TEST(AtomicFileStream, PiecesReplaceTheOldFileOnlyWhenCommitted)
{
    TempFolder folder;
    const std::string path = folder.write("index.hhk", "old");
    AtomicFileStream file;
    ASSERT_FALSE(file.open(path).failed());
    EXPECT_FALSE(file.write("first line\r\n").failed());
    EXPECT_FALSE(file.write("").failed());
    EXPECT_FALSE(file.write("second line\r\n").failed());
    EXPECT_EQ(TempFolder::contents(path), "old");
    EXPECT_EQ(folder.entryCount(), 2u); // the old file and the temporary one
    EXPECT_FALSE(file.commit().failed());
    EXPECT_EQ(TempFolder::contents(path), "first line\r\nsecond line\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFileStream, AbandonedStreamLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    const std::string path = folder.write("index.xml", "old");
    {
        AtomicFileStream file;
        ASSERT_FALSE(file.open(path).failed());
        EXPECT_FALSE(file.write("half a fi").failed());
    }
    EXPECT_EQ(TempFolder::contents(path), "old");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFileStream, ManyFilesSyncedBeforeAnyReplacesItsTarget)
{
    TempFolder folder;
    const std::string first = folder.write("a.htm", "old a");
    const std::string second = folder.file("b.htm");
    AtomicFileStream a, b;
    ASSERT_FALSE(a.open(first).failed());
    ASSERT_FALSE(b.open(second).failed());
    a.write("new a");
    b.write("new b");
    // Moving a stream hands its temporary file over, as a list of them does when it grows.
    AtomicFileStream moved(std::move(b));
    EXPECT_FALSE(a.sync().failed());
    EXPECT_FALSE(moved.sync().failed());
    EXPECT_EQ(TempFolder::contents(first), "old a");
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_FALSE(a.replace().failed());
    EXPECT_FALSE(moved.replace().failed());
    EXPECT_EQ(TempFolder::contents(first), "new a");
    EXPECT_EQ(TempFolder::contents(second), "new b");
    EXPECT_EQ(folder.entryCount(), 2u);
}

TEST(AtomicFileStream, FailedOpenIsEveryLaterStepsAnswer)
{
    TempFolder folder;
    const std::string path = folder.write("index.jhm", "keep me");
    ::chmod(path.c_str(), 0444);
    AtomicFileStream file;
    const FileResult failure = file.open(path);
    ASSERT_TRUE(failure.failed());
    EXPECT_EQ(failure.failure().operation, FileOperation::OpenOutput);
    EXPECT_EQ(failure.failure().cause, CauseAccessDenied);
    const FileResult later = file.write("lost");
    ASSERT_TRUE(later.failed());
    EXPECT_EQ(later.failure().operation, FileOperation::OpenOutput);
    const FileResult atCommit = file.commit();
    ASSERT_TRUE(atCommit.failed());
    EXPECT_EQ(atCommit.failure().operation, FileOperation::OpenOutput);
    EXPECT_EQ(TempFolder::contents(path), "keep me");
    EXPECT_EQ(folder.entryCount(), 1u);
}

} // namespace
} // namespace torvane
