#include "TempFolder.h"
#include "platform/FileAccess.h"
#include "platform/PosixShellLauncher.h"
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace torvane {
namespace {

using test::TempFolder;

bool appearsWithin(const std::string& path, std::chrono::seconds limit)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (fileExists(path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST(ShellLauncher, PassesThePathAsOneUninterpretedArgument)
{
    TempFolder folder;
    // Shell syntax in the name must reach the program untouched.
    const std::string path = folder.file("a b; touch injected $(x) 'q'.htm");
    PosixShellLauncher launcher;
    launcher.openWithProgram("touch", path);
    EXPECT_TRUE(appearsWithin(path, std::chrono::seconds(10)));
    EXPECT_FALSE(fileExists(folder.file("injected")));
    EXPECT_FALSE(fileExists("injected"));
}

TEST(ShellLauncher, ReportsWhetherTheProgramStarted)
{
    EXPECT_TRUE(spawnDetached({"true"}));
    EXPECT_FALSE(spawnDetached({"torvane-no-such-program-here"}));
    EXPECT_FALSE(spawnDetached({}));
    EXPECT_FALSE(spawnDetached({""}));
}

} // namespace
} // namespace torvane
