// Pages read and scanned on a second thread while the model is built: the
// same tree, reports, messages and progress as a load on one thread.
#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "TreeDump.h"

#include "document/PagesAhead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace torvane::test {
namespace {

const std::string kBlockStart = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
const std::string kBlockEnd = "  HTML Torvane -->";

std::string storedEntry(const std::string& target, const std::string& indexAs)
{
    return "    Target=\"" + target + "\"\r\n        IndexAs=\"" + indexAs + "\",SortAs=\"" + indexAs + "\",HelpAs=\"" +
           indexAs + "\",HelpTitle=\"Untitled\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n";
}

// Forty-odd listed pages of every kind a load meets, in subfolders, so that
// the pages prepared ahead wrap round their ring several times.
struct MixedProject {
    TempDir dir;
    std::string projectFile;

    MixedProject()
    {
        std::string list = "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=Out.htm\r\n";
        for (int i = 0; i < 40; ++i) {
            const std::string n = std::to_string(i);
            const std::string name = (i % 3 == 0 ? "a\\" : i % 3 == 1 ? "b\\deep\\" : "") + ("p" + n + ".htm");
            std::string page = "<html><head><title>Title " + n + "</title></head><body><h1>Head " + n + "</h1>";
            for (int a = 0; a < i % 5; ++a)
                page += "<a name=\"t" + std::to_string(a) + "\">Anchor " + std::to_string(a) + "</a>";
            if (i % 4 == 0)
                page += kBlockStart + storedEntry("t0", "Kept " + n) + storedEntry("gone" + n, "Lost " + n) + kBlockEnd;
            if (i % 7 == 3)
                page += kBlockStart + storedEntry("#", "Cut " + n); // no end marker
            if (i % 9 == 5)
                page = std::string("\xFF\xFE<\0h\0", 6);
            std::string onDisk = "proj/" + name;
            std::replace(onDisk.begin(), onDisk.end(), '\\', '/');
            if (i % 11 == 6)
                std::filesystem::create_directories(dir.file(onDisk)); // a folder: unreadable
            else if (i % 13 != 8) // else missing
                dir.write(onDisk, page + "</body></html>");
            list += "File=" + name + "\r\n";
            if (i == 17)
                list += "File=A\\P0.HTM\r\n"; // the first page again, in other letter case
        }
        // The first page under a second name, a page outside the project
        // folder and a read-only one.
        std::filesystem::create_hard_link(dir.file("proj/a/p0.htm"), dir.file("proj/twin.htm"));
        dir.write("outside.htm", "<h1>Outside</h1>");
        dir.write("proj/ro.htm", "<h1>Read only</h1>");
        dir.makeReadOnly("proj/ro.htm");
        list += "File=twin.htm\r\nFile=..\\outside.htm\r\nFile=ro.htm\r\n";
        projectFile = dir.write("proj/P.ipj", list + "\r\n");
    }
};

struct LoadSeen {
    std::string tree;
    std::vector<std::string> reports;
    std::vector<std::string> messages;
    std::vector<std::string> progress;
    bool operator==(const LoadSeen&) const = default;
};

LoadSeen load(const MixedProject& project, bool readAhead, int cancelAfter = -1)
{
    DocumentTestApp app;
    app.progress.cancelAfter = cancelAfter;
    CProjectDoc doc(app.services);
    doc.setReadAhead(readAhead);
    EXPECT_TRUE(doc.openProject(project.projectFile));
    LoadSeen seen {TreeDump::of(doc.root(), true), {}, app.messages.messages, app.progress.texts};
    for (const ShownReport& report : app.presenter.shown)
        seen.reports.push_back(report.title + "\n" + report.body);
    return seen;
}

TEST(ReadAheadLoad, GivesTheTreeAndMessagesOfALoadOnOneThread)
{
    MixedProject project;
    const LoadSeen alone = load(project, false);
    // The project holds what the comparison is about.
    EXPECT_NE(alone.tree.find(" unreadable"), std::string::npos);
    EXPECT_NE(alone.tree.find(" missing"), std::string::npos);
    EXPECT_NE(alone.tree.find("Kept 36"), std::string::npos);
    ASSERT_EQ(alone.reports.size(), 3u);
    EXPECT_NE(alone.reports[0].find("File Errors"), std::string::npos);
    EXPECT_NE(alone.reports[1].find("ro.htm"), std::string::npos);
    EXPECT_NE(alone.reports[2].find("Lost 36"), std::string::npos);
    EXPECT_NE(alone.reports[2].find(std::string(kUtf16Problem)), std::string::npos);
    ASSERT_EQ(alone.messages.size(), 2u);
    EXPECT_NE(alone.messages[0].find("twin.htm"), std::string::npos);
    EXPECT_NE(alone.messages[1].find("outside.htm"), std::string::npos);
    EXPECT_EQ(alone.progress.size(), 44u);
    // Timing differs from run to run; the outcome may not.
    for (int run = 0; run < 5; ++run)
        EXPECT_EQ(load(project, true), alone) << "run " << run;
}

TEST(ReadAheadLoad, CancelInTheMiddleKeepsWhatALoadOnOneThreadKeeps)
{
    MixedProject project;
    for (const int cancelAfter : {1, 13, 30}) {
        const LoadSeen alone = load(project, false, cancelAfter);
        EXPECT_EQ(alone.progress.size(), static_cast<std::size_t>(cancelAfter + 1));
        EXPECT_EQ(alone.tree.find("Kept 36"), std::string::npos) << "no page after the cancel is read";
        EXPECT_EQ(load(project, true, cancelAfter), alone) << cancelAfter;
    }
}

// Pages prepared on either thread come out in list order, each as prepared
// for its own index.
TEST(PagesAhead, HandsOutEveryPageInOrderFromBothThreads)
{
    for (const bool second : {false, true}) {
        std::atomic<int> onOtherThread = 0;
        const std::thread::id caller = std::this_thread::get_id();
        PagesAhead pages(
            100,
            [&](std::size_t index, PageAhead& page, PageReader&) {
                const bool other = std::this_thread::get_id() != caller;
                // A slow page on the second thread: the caller must wait for
                // it, not take the slot as it is.
                if (other && index % 7 == 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                page.located.path = std::to_string(index);
                onOtherThread += other;
            },
            second);
        for (std::size_t index = 0; index < 100; ++index) {
            ASSERT_EQ(pages.next().located.path, std::to_string(index));
            // Leaves the second thread time to prepare the pages after the first.
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (second && index == 0 && onOtherThread == 0 && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_EQ(onOtherThread > 0, second);
    }
}

TEST(PagesAhead, StopsEarlyAndPassesOnAFailureAtItsPage)
{
    std::atomic<std::size_t> prepared = 0;
    {
        PagesAhead pages(
            1000, [&](std::size_t, PageAhead&, PageReader&) { ++prepared; }, true);
        for (int i = 0; i < 3; ++i)
            pages.next();
    }
    EXPECT_LE(prepared.load(), 3u + 8u) << "no page beyond the ring after the last taken";

    for (const bool second : {false, true}) {
        PagesAhead pages(
            20,
            [&](std::size_t index, PageAhead& page, PageReader&) {
                if (index == 12)
                    throw std::runtime_error("page 12");
                page.located.path = std::to_string(index);
            },
            second);
        for (std::size_t index = 0; index < 12; ++index)
            EXPECT_EQ(pages.next().located.path, std::to_string(index));
        EXPECT_THROW(pages.next(), std::runtime_error);
    }
}

} // namespace
} // namespace torvane::test
