#include "TempFolder.h"
#include "platform/DeferredReplacements.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace torvane {
namespace {

using test::TempFolder;

TEST(DeferredReplacements, PagesInSeveralFoldersChangeOnlyWhenFinished)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.file("sub"));
    const std::string first = folder.write("a.htm", "old a");
    const std::string second = folder.write("sub/b.htm", "old b");
    const std::string made = folder.file("sub/c.htm");
    DeferredReplacements pages;
    EXPECT_FALSE(pages.write(first, "new a").failed());
    EXPECT_FALSE(pages.write(second, "new b").failed());
    EXPECT_FALSE(pages.write(made, "new c").failed());
    EXPECT_EQ(pages.size(), 3u);
    EXPECT_EQ(TempFolder::contents(first), "old a");
    EXPECT_EQ(TempFolder::contents(second), "old b");
    EXPECT_FALSE(std::filesystem::exists(made));

    EXPECT_TRUE(pages.finish().empty());
    EXPECT_EQ(TempFolder::contents(first), "new a");
    EXPECT_EQ(TempFolder::contents(second), "new b");
    EXPECT_EQ(TempFolder::contents(made), "new c");
    EXPECT_EQ(folder.entryCount(), 2u); // a.htm and sub: no temporary file is left
    EXPECT_EQ(pages.size(), 0u);
}

TEST(DeferredReplacements, FailuresNameTheirWriteAndLeaveThePageAsItWas)
{
    TempFolder folder;
    const std::string readOnly = folder.write("locked.htm", "keep");
    ::chmod(readOnly.c_str(), 0444);
    const std::string first = folder.write("a.htm", "old a");
    const std::string turned = folder.write("b.htm", "old b");
    const std::string last = folder.write("c.htm", "old c");
    DeferredReplacements pages;
    const FileResult refused = pages.write(readOnly, "lost");
    ASSERT_TRUE(refused.failed());
    EXPECT_EQ(refused.failure().operation, FileOperation::OpenOutput);
    EXPECT_FALSE(pages.write(first, "new a").failed());
    EXPECT_FALSE(pages.write(turned, "new b").failed());
    EXPECT_FALSE(pages.write(last, "new c").failed());
    // The page becomes a folder before the save puts it in place: its rename fails.
    std::filesystem::remove(turned);
    std::filesystem::create_directories(folder.file("b.htm/inside"));

    const std::vector<DeferredReplacements::Failed> failed = pages.finish();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].index, 1u);
    EXPECT_EQ(failed[0].failure.operation, FileOperation::CloseOutput);
    EXPECT_EQ(failed[0].failure.fileName, turned);
    EXPECT_EQ(TempFolder::contents(readOnly), "keep");
    EXPECT_EQ(TempFolder::contents(first), "new a");
    EXPECT_EQ(TempFolder::contents(last), "new c");
    EXPECT_TRUE(std::filesystem::is_directory(turned));
    EXPECT_EQ(folder.entryCount(), 4u); // no temporary file is left
}

// Enough pages for the renames to be spread over several threads: the
// failures still come in the order of the writes, the rest all replaced.
TEST(DeferredReplacements, ManyPagesReportFailuresInTheirOrder)
{
    TempFolder folder;
    DeferredReplacements pages;
    std::vector<std::string> paths;
    for (int i = 0; i < 300; ++i) {
        paths.push_back(folder.write("p" + std::to_string(i) + ".htm", "old"));
        ASSERT_FALSE(pages.write(paths.back(), "new " + std::to_string(i)).failed());
    }
    for (int turned : {250, 5}) {
        std::filesystem::remove(paths[turned]);
        std::filesystem::create_directories(paths[turned] + "/inside");
    }
    const std::vector<DeferredReplacements::Failed> failed = pages.finish();
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].index, 5u);
    EXPECT_EQ(failed[0].failure.fileName, paths[5]);
    EXPECT_EQ(failed[1].index, 250u);
    for (int i = 0; i < 300; ++i) {
        if (i == 5 || i == 250)
            continue;
        EXPECT_EQ(TempFolder::contents(paths[i]), "new " + std::to_string(i));
    }
    EXPECT_EQ(folder.entryCount(), 300u);
}

} // namespace
} // namespace torvane
