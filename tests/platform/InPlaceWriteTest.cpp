// Files that a new file cannot replace (folder without write permission,
// hard links) are written in place, with a restore copy while they change.
#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "platform/DeferredReplacements.h"
#include "platform/FileAccess.h"
#include "platform/ReplaceAccess.h"
#include "support/Unprivileged.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {
namespace {

using test::TempFolder;
using testing::runUnprivileged;
using testing::unprivilegedId;

struct stat statusOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

// A folder with a page that anyone may write, in a folder that takes no new
// files from anyone but root; restore copies go to a cache anyone may use.
class LockedFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::chmod(root_.path().c_str(), 0755);
        std::filesystem::create_directory(root_.file("cache"));
        ::chmod(root_.file("cache").c_str(), 0777);
        std::filesystem::create_directory(root_.file("pages"));
        page_ = root_.write("pages/page.htm", "the old page");
        ::chmod(page_.c_str(), 0664);
        // Root gives the page away, so the unprivileged writer owns it as a writer would.
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(page_.c_str(), unprivilegedId, unprivilegedId), 0);
        }
        ::chmod(root_.file("pages").c_str(), 0555);
    }
    void TearDown() override { ::chmod(root_.file("pages").c_str(), 0755); }

    // Saves the page as an unprivileged writer with `cache` as its cache
    // folder; gives the failure's cause (0 for none) and operation.
    int saveAs(const std::string& text, const std::string& cache, const std::string& temporary,
               std::string* operation = nullptr)
    {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return -1;
        const int cause = runUnprivileged([&] {
            ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
            ::setenv("TMPDIR", temporary.c_str(), 1);
            const FileResult result = writeFileAtomically(page_, text);
            const std::string done = result.failed() ? std::string(operationName(result.failure().operation)) : "";
            if (::write(pipeEnds[1], done.data(), done.size()) < 0)
                return 254;
            return result.failed() ? static_cast<int>(result.failure().cause) : 0;
        });
        ::close(pipeEnds[1]);
        char buffer[64] = {};
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        ::close(pipeEnds[0]);
        if (operation)
            *operation = std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
        return cause;
    }

    std::size_t restoreCopies() const
    {
        const std::string folder = root_.file("cache/torvane/restore");
        if (!std::filesystem::exists(folder))
            return 0;
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
    }

    TempFolder root_;
    std::string page_;
};

TEST_F(LockedFolder, PageIsWrittenInPlaceKeepingItsOwnerAndMode)
{
    const uid_t owner = statusOf(page_).st_uid;
    const ino_t inode = statusOf(page_).st_ino;
    ASSERT_EQ(saveAs("the new page, longer than the old", root_.file("cache"), root_.file("cache")), 0);
    EXPECT_EQ(TempFolder::contents(page_), "the new page, longer than the old");
    EXPECT_EQ(statusOf(page_).st_ino, inode);
    EXPECT_EQ(statusOf(page_).st_uid, owner);
    EXPECT_EQ(statusOf(page_).st_mode & 07777, 0664u);
    EXPECT_EQ(restoreCopies(), 0u);
    // Shorter text leaves nothing of the old behind it.
    ASSERT_EQ(saveAs("short", root_.file("cache"), root_.file("cache")), 0);
    EXPECT_EQ(TempFolder::contents(page_), "short");
}

TEST_F(LockedFolder, APageOfAnotherOwnerIsWrittenInPlaceRatherThanHandedOver)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give the page to an owner the writer is not";
    ::chmod(root_.file("pages").c_str(), 0777);
    ASSERT_EQ(::chown(page_.c_str(), 0, 0), 0);
    ::chmod(page_.c_str(), 0666);
    const ino_t inode = statusOf(page_).st_ino;
    ASSERT_EQ(saveAs("written by another user", root_.file("cache"), root_.file("cache")), 0);
    EXPECT_EQ(TempFolder::contents(page_), "written by another user");
    EXPECT_EQ(statusOf(page_).st_ino, inode);
    EXPECT_EQ(statusOf(page_).st_uid, 0u);
    EXPECT_EQ(statusOf(page_).st_gid, 0u);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(root_.file("pages")), std::filesystem::directory_iterator()),
        1);
}

TEST_F(LockedFolder, PageWithoutAPlaceForItsRestoreCopyIsRefused)
{
    std::string operation;
    EXPECT_EQ(saveAs("lost", root_.file("pages"), root_.file("pages"), &operation), CauseAccessDenied);
    EXPECT_EQ(operation, "Open Output");
    EXPECT_EQ(TempFolder::contents(page_), "the old page");
}

TEST_F(LockedFolder, AccessIsAskedOfTheFileAndTheRestorePlace)
{
    const auto access = [&](const std::string& cache) {
        return runUnprivileged([&] {
            ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
            ::setenv("TMPDIR", cache.c_str(), 1);
            ReplaceAccess pages;
            return (hasReadWriteAccess(page_) ? 1 : 0) | (pages.mayReadAndReplace(page_) ? 2 : 0);
        });
    };
    EXPECT_EQ(access(root_.file("cache")), 3);
    EXPECT_EQ(access(root_.file("pages")), 0);
}

TEST_F(LockedFolder, UnreadableFileStateComesFromItsPath)
{
    ::chmod(page_.c_str(), 0220);
    const int state = runUnprivileged([&] {
        std::string text;
        FileState found;
        const bool failed = readWholeFile(page_, text, found).failed();
        return (failed ? 1 : 0) | (found.exists ? 2 : 0) | (found.readOnly ? 4 : 0);
    });
    EXPECT_EQ(state, 3);
}

// Hard links bind root as well: these run in the test process itself.
class HardLinkedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* previous = std::getenv("XDG_CACHE_HOME");
        previousCache_ = previous ? std::optional<std::string>(previous) : std::nullopt;
        ::setenv("XDG_CACHE_HOME", folder_.file("cache").c_str(), 1);
        page_ = folder_.write("page.htm", "the old page");
        other_ = folder_.file("other.htm");
        ::chmod(page_.c_str(), 0604);
        ASSERT_EQ(::link(page_.c_str(), other_.c_str()), 0);
    }
    void TearDown() override
    {
        if (previousCache_)
            ::setenv("XDG_CACHE_HOME", previousCache_->c_str(), 1);
        else
            ::unsetenv("XDG_CACHE_HOME");
    }

    std::size_t restoreCopies() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.file("cache/torvane/restore")),
                          std::filesystem::directory_iterator()));
    }

    TempFolder folder_;
    std::string page_;
    std::string other_;
    std::optional<std::string> previousCache_;
};

TEST_F(HardLinkedPage, EveryNameSeesTheNewText)
{
    EXPECT_FALSE(writeFileAtomically(page_, "new").failed());
    EXPECT_EQ(TempFolder::contents(other_), "new");
    EXPECT_EQ(statusOf(page_).st_nlink, 2u);
    EXPECT_EQ(statusOf(page_).st_mode & 07777, 0604u);
    EXPECT_EQ(restoreCopies(), 0u);

    // A save of many pages writes it only when it finishes.
    DeferredReplacements pages;
    EXPECT_FALSE(pages.write(other_, "newer").failed());
    EXPECT_EQ(TempFolder::contents(page_), "new");
    EXPECT_TRUE(pages.finish().empty());
    EXPECT_EQ(TempFolder::contents(page_), "newer");
    EXPECT_EQ(statusOf(page_).st_nlink, 2u);
    EXPECT_EQ(folder_.entryCount(), 3u); // the two names and the cache: no temporary file
}

TEST_F(HardLinkedPage, FailedWriteGivesBackTheOldBytes)
{
    // A limit between the restore copy's size (its header naming the page, and
    // the old bytes) and the new page's fails the write part-way.
    FileResult failure;
    {
        const test::FileSizeLimit limit(2048);
        ASSERT_TRUE(limit.applied());
        failure = writeFileAtomically(page_, std::string(8192, 'n'));
    }

    ASSERT_TRUE(failure.failed());
    EXPECT_EQ(failure.failure().operation, FileOperation::Write);
    EXPECT_EQ(failure.failure().osError, EFBIG);
    EXPECT_EQ(TempFolder::contents(page_), "the old page");
    EXPECT_EQ(statusOf(other_).st_nlink, 2u);
    EXPECT_EQ(restoreCopies(), 0u);
}

} // namespace
} // namespace torvane
