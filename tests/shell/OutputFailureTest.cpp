#include "shell/cli/OutputBuffer.h"
#include <gtest/gtest.h>
#include <csignal>
#include <fcntl.h>
#include <sstream>
#include <unistd.h>

namespace torvane {
namespace {

// Writes more than the buffer and the pipe hold, as a large export does.
void writeMuch(std::ostream& out)
{
    const std::string line(1000, 'x');
    for (int i = 0; i < 1000; ++i)
        out << line << '\n';
}

TEST(OutputFailure, ALostWriteIsToldWithItsCauseAndFailsTheRun)
{
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    {
        OutputBuffer buffer(full);
        std::ostream out(&buffer);
        out << "a short result\n";
        std::ostringstream err;
        EXPECT_EQ(checkedOutput(0, out, err, "check"), 1);
        EXPECT_EQ(err.str(), "torvane check: standard output: cannot be written: No space left on device\n");
        EXPECT_EQ(buffer.error(), ENOSPC);
        // A command line that could not be run keeps its own status.
        EXPECT_EQ(checkedOutput(2, out, err, "check"), 2);
    }
    ::close(full);

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    {
        OutputBuffer buffer(ends[1]);
        std::ostream out(&buffer);
        writeMuch(out);
        std::ostringstream err;
        EXPECT_EQ(checkedOutput(0, out, err, "export"), 1);
        EXPECT_EQ(err.str(), "torvane export: standard output: cannot be written: Broken pipe\n");
    }
    std::signal(SIGPIPE, previous);
    ::close(ends[1]);
}

TEST(OutputFailure, AWholeResultPassesUnchanged)
{
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    {
        OutputBuffer buffer(ends[1]);
        std::ostream out(&buffer);
        out << "one line\n";
        std::ostringstream err;
        EXPECT_EQ(checkedOutput(0, out, err, "export"), 0);
        EXPECT_EQ(err.str(), "");
        EXPECT_EQ(buffer.error(), 0);
    }
    char read[32] = {};
    EXPECT_EQ(::read(ends[0], read, sizeof read), 9);
    EXPECT_EQ(std::string(read), "one line\n");
    ::close(ends[0]);
    ::close(ends[1]);
}

} // namespace
} // namespace torvane
