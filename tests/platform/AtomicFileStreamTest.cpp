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
    ASSERT_FALSE(file.open(path));
    EXPECT_FALSE(file.write("first line\r\n"));
    EXPECT_FALSE(file.write(""));
    EXPECT_FALSE(file.write("second line\r\n"));
    EXPECT_EQ(TempFolder::contents(path), "old");
    EXPECT_EQ(folder.entryCount(), 2u);  // the old file and the temporary one
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(TempFolder::contents(path), "first line\r\nsecond line\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicFileStream, AbandonedStreamLeavesTheOldFileAndNoTemporary)
{
    TempFolder folder;
    const std::string path = folder.write("index.xml", "old");
    {
        AtomicFileStream file;
        ASSERT_FALSE(file.open(path));
        EXPECT_FALSE(file.write("half a fi"));
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
    ASSERT_FALSE(a.open(first));
    ASSERT_FALSE(b.open(second));
    a.write("new a");
    b.write("new b");
    // Moving a stream hands its temporary file over, as a list of them does when it grows.
    AtomicFileStream moved(std::move(b));
    EXPECT_FALSE(a.sync());
    EXPECT_FALSE(moved.sync());
    EXPECT_EQ(TempFolder::contents(first), "old a");
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_FALSE(a.replace());
    EXPECT_FALSE(moved.replace());
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
    const std::optional<FileFailure> failure = file.open(path);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->operation, "Open Output");
    EXPECT_EQ(failure->cause, CauseAccessDenied);
    const std::optional<FileFailure> later = file.write("lost");
    ASSERT_TRUE(later);
    EXPECT_EQ(later->operation, "Open Output");
    const std::optional<FileFailure> atCommit = file.commit();
    ASSERT_TRUE(atCommit);
    EXPECT_EQ(atCommit->operation, "Open Output");
    EXPECT_EQ(TempFolder::contents(path), "keep me");
    EXPECT_EQ(folder.entryCount(), 1u);
}

} // namespace
} // namespace torvane
