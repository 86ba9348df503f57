#include "TempFolder.h"
#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {
namespace {

using test::TempFolder;
using namespace std::chrono_literals;

// Reads `path` on another thread; a read still running after two seconds
// is a hang. The pipe's writer end is held open meanwhile (so that a read
// would wait for data) and closed afterwards, which ends any such read.
struct TimedRead {
    bool finishedPromptly = false;
    FileResult failure;
    std::string text;
};

TimedRead readWithWriterHeld(const std::string& path, int writer)
{
    TimedRead result;
    auto reading = std::async(std::launch::async, [&] { return readWholeFile(path, result.text); });
    result.finishedPromptly = reading.wait_for(2s) == std::future_status::ready;
    if (writer >= 0)
        ::close(writer);
    result.failure = reading.get();
    return result;
}

TEST(NonRegularFiles, PipeIsRefusedAtOpenInputWithoutWaiting)
{
    TempFolder folder;
    const std::string pipe = folder.file("pipe.htm");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "<p>", 3), 3);

    const TimedRead read = readWithWriterHeld(pipe, writer);
    EXPECT_TRUE(read.finishedPromptly);
    ASSERT_TRUE(read.failure.failed());
    EXPECT_EQ(FileReports::fileErrorLine(read.failure.failure()),
              "Open Input, " + pipe + ", *** Invalid File *** ,Cause=6, OS Error=0");
    EXPECT_EQ(read.text, "");
}

TEST(NonRegularFiles, DeviceAndFolderAreRefusedAndStateStillSaysTheyExist)
{
    TempFolder folder;
    std::string text;
    FileState state;
    const auto device = readWholeFile("/dev/null", text, state);
    ASSERT_TRUE(device.failed());
    EXPECT_EQ(device.failure().operation, FileOperation::OpenInput);
    EXPECT_EQ(device.failure().cause, CauseInvalidFile);
    EXPECT_TRUE(state.exists);
    EXPECT_EQ(text, "");

    const auto directory = readWholeFile(folder.path(), text, state);
    ASSERT_TRUE(directory.failed());
    EXPECT_EQ(directory.failure().operation, FileOperation::OpenInput);
    EXPECT_TRUE(state.exists);
}

TEST(NonRegularFiles, WritingOverAPipeIsRefusedAndThePipeStays)
{
    TempFolder folder;
    const std::string pipe = folder.file("pipe.htm");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const auto failure = writeFileAtomically(pipe, "<p>replaced</p>");
    ASSERT_TRUE(failure.failed());
    EXPECT_EQ(failure.failure().operation, FileOperation::OpenOutput);
    EXPECT_EQ(failure.failure().cause, CauseInvalidFile);
    struct stat info {};
    ASSERT_EQ(::lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(FileStart, ReadsAtMostTheLimit)
{
    TempFolder folder;
    const std::string path = folder.write("index.htm", "0123456789");
    std::string text;
    EXPECT_FALSE(readFileStart(path, 4, text).failed());
    EXPECT_EQ(text, "0123");
    EXPECT_FALSE(readFileStart(path, 100, text).failed());
    EXPECT_EQ(text, "0123456789");
    EXPECT_TRUE(readFileStart(folder.file("none.htm"), 4, text).failed());
}

} // namespace
} // namespace torvane
