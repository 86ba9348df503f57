#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {
namespace {

using test::TempFolder;

mode_t permissionsOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

std::string reportLine(const FileResult& result)
{
    return result.failed() ? FileReports::fileErrorLine(result.failure()) : "no failure";
}

TEST(FileRead, KeepsEveryByte)
{
    TempFolder folder;
    const std::string bytes("line\r\nnext\nnul\0inside\r", 23);
    const std::string path = folder.write("page.htm", bytes);
    std::string text = "stale";
    EXPECT_FALSE(readWholeFile(path, text).failed());
    EXPECT_EQ(text, bytes);

    const std::string empty = folder.write("empty.htm", "");
    EXPECT_FALSE(readWholeFile(empty, text).failed());
    EXPECT_EQ(text, "");
}

TEST(FileRead, ReadsPastTheChunkSize)
{
    TempFolder folder;
    std::string big(200 * 1024 + 17, 'x');
    big[150000] = 'y';
    const std::string path = folder.write("big.htm", big);
    std::string text;
    EXPECT_FALSE(readWholeFile(path, text).failed());
    EXPECT_EQ(text, big);
}

TEST(FileRead, IntoOneStorageFileAfterFile)
{
    TempFolder folder;
    const std::string big = folder.write("big.htm", std::string(70000, 'b') + "end");
    const std::string small = folder.write("small.htm", std::string("a\0z", 3));
    const std::string empty = folder.write("empty.htm", "");
    std::unique_ptr<char[]> storage;
    std::size_t length = 99;
    FileState state;
    ASSERT_FALSE(readWholeFileInto(big, storage, length, state).failed());
    EXPECT_EQ(std::string_view(storage.get(), length), TempFolder::contents(big));
    EXPECT_TRUE(state.exists);
    ASSERT_FALSE(readWholeFileInto(small, storage, length, state).failed());
    EXPECT_EQ(std::string_view(storage.get(), length), std::string_view("a\0z", 3));
    ASSERT_FALSE(readWholeFileInto(empty, storage, length, state).failed());
    EXPECT_EQ(length, 0U);

    const std::string missing = folder.file("missing.htm");
    const FileResult failed = readWholeFileInto(missing, storage, length, state);
    EXPECT_EQ(reportLine(failed), "Open Input, " + missing + ", *** File Not Found *** ,Cause=2, OS Error=2");
    EXPECT_EQ(length, 0U);
    EXPECT_FALSE(state.exists);
    EXPECT_EQ(reportLine(readWholeFileInto(folder.path(), storage, length, state)),
              "Open Input, " + folder.path() + ", *** Access Denied *** ,Cause=5, OS Error=" + std::to_string(EISDIR));
}

TEST(FileRead, FailuresAreWordedWithOperationAndCause)
{
    TempFolder folder;
    std::string text;
    const std::string missing = folder.file("missing.htm");
    EXPECT_EQ(reportLine(readWholeFile(missing, text)),
              "Open Input, " + missing + ", *** File Not Found *** ,Cause=2, OS Error=2");

    const std::string inMissingFolder = folder.file("nowhere/page.htm");
    EXPECT_EQ(reportLine(readWholeFile(inMissingFolder, text)),
              "Open Input, " + inMissingFolder + ", *** Bad Path *** ,Cause=3, OS Error=2");

    const std::string underFile = folder.write("plain.txt", "x") + "/page.htm";
    EXPECT_EQ(reportLine(readWholeFile(underFile, text)),
              "Open Input, " + underFile + ", *** Bad Path *** ,Cause=3, OS Error=" + std::to_string(ENOTDIR));

    EXPECT_EQ(reportLine(readWholeFile(folder.path(), text)),
              "Open Input, " + folder.path() + ", *** Access Denied *** ,Cause=5, OS Error=" + std::to_string(EISDIR));
}

TEST(FileAttributes, ReadOnlyMeansNoWriteBitAtAll)
{
    TempFolder folder;
    const std::string path = folder.write("page.htm", "x");
    ::chmod(path.c_str(), 0644);
    EXPECT_FALSE(isReadOnly(path));
    EXPECT_TRUE(hasReadWriteAccess(path));
    ::chmod(path.c_str(), 0464); // only the group may write: not read-only
    EXPECT_FALSE(isReadOnly(path));
    ::chmod(path.c_str(), 0444);
    EXPECT_TRUE(isReadOnly(path));
    EXPECT_FALSE(hasReadWriteAccess(path));

    EXPECT_TRUE(fileExists(path));
    EXPECT_FALSE(fileExists(folder.file("missing")));
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(isReadOnly(folder.file("missing")));
    EXPECT_FALSE(hasReadWriteAccess(folder.file("missing")));
}

TEST(FileAttributes, ReadingTellsExistenceAndReadOnlyAsTheSeparateQueries)
{
    TempFolder folder;
    const std::string path = folder.write("page.htm", "x");
    const std::string missing = folder.file("missing.htm");
    for (const mode_t mode : {0644, 0464, 0444}) {
        ::chmod(path.c_str(), mode);
        for (const std::string& each : {path, missing, folder.path(), std::string()}) {
            std::string text;
            FileState state;
            readWholeFile(each, text, state);
            EXPECT_EQ(state.exists, fileExists(each)) << each;
            EXPECT_EQ(state.readOnly, isReadOnly(each)) << each << " " << mode;
        }
    }
}

TEST(AtomicWrite, ReplacesContentAndKeepsPermissions)
{
    TempFolder folder;
    const std::string path = folder.write("page.htm", "old text that is longer");
    ::chmod(path.c_str(), 0640);
    EXPECT_FALSE(writeFileAtomically(path, "new\r\n").failed());
    EXPECT_EQ(TempFolder::contents(path), "new\r\n");
    EXPECT_EQ(permissionsOf(path), 0640u);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicWrite, RootKeepsTheOwnerOfTheFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root writes files of other owners";
    TempFolder folder;
    const std::string path = folder.write("page.htm", "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(writeFileAtomically(path, "new").failed());
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST(AtomicWrite, NewFileGetsUmaskPermissions)
{
    TempFolder folder;
    const mode_t previous = ::umask(027);
    const auto failure = writeFileAtomically(folder.file("new.htm"), "made");
    ::umask(previous);
    EXPECT_FALSE(failure.failed());
    EXPECT_EQ(TempFolder::contents(folder.file("new.htm")), "made");
    EXPECT_EQ(permissionsOf(folder.file("new.htm")), 0640u);
}

TEST(AtomicWrite, WritesThroughSymbolicLinkToItsTarget)
{
    TempFolder folder;
    const std::string target = folder.write("real.htm", "old");
    const std::string link = folder.file("link.htm");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    EXPECT_FALSE(writeFileAtomically(link, "new").failed());
    EXPECT_EQ(TempFolder::contents(target), "new");
    struct stat info {};
    ::lstat(link.c_str(), &info);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(AtomicWrite, ReadOnlyFileIsRefusedWhoeverRuns)
{
    TempFolder folder;
    const std::string path = folder.write("page.htm", "keep me");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(reportLine(writeFileAtomically(path, "lost")),
              "Open Output, " + path + ", *** Access Denied *** ,Cause=5, OS Error=" + std::to_string(EACCES));
    EXPECT_EQ(TempFolder::contents(path), "keep me");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(AtomicWrite, BadTargetsFailAtOpenOutput)
{
    TempFolder folder;
    const std::string inMissingFolder = folder.file("nowhere/page.htm");
    EXPECT_EQ(reportLine(writeFileAtomically(inMissingFolder, "x")),
              "Open Output, " + inMissingFolder + ", *** Bad Path *** ,Cause=3, OS Error=2");

    const std::string sub = folder.file("sub");
    ::mkdir(sub.c_str(), 0755);
    EXPECT_EQ(reportLine(writeFileAtomically(sub, "x")),
              "Open Output, " + sub + ", *** Access Denied *** ,Cause=5, OS Error=" + std::to_string(EISDIR));
    EXPECT_TRUE(isDirectory(sub));

    const std::string underFile = folder.write("plain.txt", "x") + "/page.htm";
    EXPECT_EQ(writeFileAtomically(underFile, "x").failure().cause, CauseBadPath);
    EXPECT_EQ(folder.entryCount(), 2u);
}

TEST(AtomicWrite, FailedWriteLeavesOldFileAndNoTemporary)
{
    TempFolder folder;
    const std::string path = folder.write("page.htm", "the old page");
    FileResult failure;
    {
        const test::FileSizeLimit limit(4);
        ASSERT_TRUE(limit.applied());
        failure = writeFileAtomically(path, "a new page far longer than four bytes");
    }

    ASSERT_TRUE(failure.failed());
    EXPECT_EQ(failure.failure().operation, FileOperation::Write);
    EXPECT_EQ(failure.failure().cause, CauseDiskFull);
    EXPECT_EQ(failure.failure().osError, EFBIG);
    EXPECT_EQ(TempFolder::contents(path), "the old page");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(Folders, ListMakeAndDelete)
{
    TempFolder folder;
    ASSERT_FALSE(makeDirectories(folder.file("a/b/c")).failed());
    EXPECT_TRUE(isDirectory(folder.file("a/b/c")));
    EXPECT_FALSE(makeDirectories(folder.file("a/b")).failed());
    folder.write("a/one.htm", "1");
    folder.write("a/two.txt", "2");
    ASSERT_EQ(::symlink(folder.file("a").c_str(), folder.file("a/loop").c_str()), 0);
    ASSERT_EQ(::symlink(folder.file("a/one.htm").c_str(), folder.file("a/alias.htm").c_str()), 0);

    DirectoryEntries entries;
    EXPECT_FALSE(listDirectory(folder.file("a"), entries).failed());
    std::sort(entries.files.begin(), entries.files.end());
    EXPECT_EQ(entries.files, (std::vector<std::string> {"alias.htm", "one.htm", "two.txt"}));
    EXPECT_EQ(entries.folders, (std::vector<std::string> {"b"}));

    EXPECT_FALSE(deleteFile(folder.file("a/two.txt")).failed());
    EXPECT_FALSE(fileExists(folder.file("a/two.txt")));
    EXPECT_EQ(deleteFile(folder.file("a/two.txt")).failure().cause, CauseFileNotFound);
    EXPECT_EQ(listDirectory(folder.file("none"), entries).failure().cause, CauseFileNotFound);

    const std::string blocked = folder.write("file", "x") + "/sub";
    EXPECT_EQ(makeDirectories(blocked).failure().cause, CauseBadPath);
}

TEST(Folders, ParentFolder)
{
    EXPECT_EQ(parentFolder("/a/b.htm"), "/a");
    EXPECT_EQ(parentFolder("/a//b.htm"), "/a");
    EXPECT_EQ(parentFolder("/a/sub/"), "/a");
    EXPECT_EQ(parentFolder("/x"), "/");
    EXPECT_EQ(parentFolder("b.htm"), ".");
    EXPECT_EQ(parentFolder("/"), "/");
}

TEST(FileCauses, ErrnoMapsToTheFixedCauses)
{
    EXPECT_EQ(causeFromErrno(0), CauseNone);
    EXPECT_EQ(causeFromErrno(ENOENT), CauseFileNotFound);
    EXPECT_EQ(causeFromErrno(ENAMETOOLONG), CauseBadPath);
    EXPECT_EQ(causeFromErrno(EMFILE), CauseTooManyOpenFiles);
    EXPECT_EQ(causeFromErrno(EROFS), CauseAccessDenied);
    EXPECT_EQ(causeFromErrno(EBADF), CauseInvalidFile);
    EXPECT_EQ(causeFromErrno(ESPIPE), CauseBadSeek);
    EXPECT_EQ(causeFromErrno(EIO), CauseHardIO);
    EXPECT_EQ(causeFromErrno(ENOSPC), CauseDiskFull);
    EXPECT_EQ(causeFromErrno(ENOLCK), CauseLockViolation);
    EXPECT_EQ(causeFromErrno(ECONNRESET), CauseGeneric);
}

} // namespace
} // namespace torvane
