// A save killed while it writes a page in place: the next load puts the old
// bytes back from the restore copy and says so; a finished save leaves no copy.
#include "support/DocumentTestApp.h"
#include "support/TempDir.h"

#include "document/CutShortSaves.h"
#include "model/SourceFile.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace torvane::test {
namespace {

// A page with a second name, so that saves write it in place.
class CutShortSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        old_ = "<html><head><title>Big</title></head><body><h1>Big</h1>\r\n";
        while (old_.size() < 200000)
            old_ += "<p><a name=\"n" + std::to_string(old_.size()) + "\">Text</a> of the page.</p>\r\n";
        old_ += "</body></html>\r\n";
        page_ = dir.write("a.htm", old_);
        std::filesystem::create_hard_link(page_, dir.file("second-name.htm"));
        project_ = dir.write("P.ipj", "[Local Files]\r\nFile=a.htm\r\n");
        previousCache_ = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
        ::setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (previousCache_.empty())
            ::unsetenv("XDG_CACHE_HOME");
        else
            ::setenv("XDG_CACHE_HOME", previousCache_.c_str(), 1);
    }

    // Saves the page with a long entry in a child process that the system
    // kills once the page's file grows past its old size (the restore copy,
    // a little larger, is made first); gives the signal that ended it.
    int saveKilledMidWrite()
    {
        const pid_t child = ::fork();
        if (child == 0) {
            DocumentTestApp app;
            CProjectDoc doc(app.services);
            if (!doc.openProject(project_))
                ::_exit(2);
            SourceFile& page = doc.root().findOrCreateFile(page_);
            page.addEntry(std::make_unique<IndexEntry>());
            const std::string long_text(5000, 'x');
            page.entries().back()->setTexts(long_text, long_text, "Untitled", long_text);
            page.setModified(true);
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit {static_cast<rlim_t>(old_.size() + 4096), static_cast<rlim_t>(old_.size() + 4096)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            doc.save();
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }

    std::vector<std::string> restoreCopies() const
    {
        std::vector<std::string> names;
        const std::filesystem::path folder = std::filesystem::path(cache.path()) / "torvane" / "restore";
        if (std::filesystem::exists(folder))
            for (const auto& item : std::filesystem::directory_iterator(folder))
                names.push_back(item.path().filename().string());
        return names;
    }

    TempDir dir;
    TempDir cache;
    std::string old_;
    std::string page_;
    std::string project_;
    std::string previousCache_;
};

TEST_F(CutShortSave, KilledInPlaceWriteIsPutBackAtTheNextLoadAndTold)
{
    ASSERT_EQ(saveKilledMidWrite(), SIGXFSZ);
    const std::string half = dir.read("a.htm");
    ASSERT_NE(half, old_) << "the write began";
    ASSERT_EQ(half.size(), old_.size() + 4096) << "and was cut short";
    ASSERT_EQ(restoreCopies().size(), 1u);

    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(project_));
    EXPECT_EQ(dir.read("a.htm"), old_);
    EXPECT_EQ(dir.read("second-name.htm"), old_) << "written in place: both names see it";
    std::string shown;
    for (const ShownReport& report : app.presenter.shown)
        shown += report.body;
    EXPECT_NE(shown.find(page_ + ": " + std::string(kCutShortSaveRepaired)), std::string::npos) << shown;
    EXPECT_TRUE(restoreCopies().empty());

    // A save that finishes leaves no copy, and the next load finds nothing to do.
    SourceFile& page = doc.root().findOrCreateFile(page_);
    page.addEntry(std::make_unique<IndexEntry>());
    page.entries().back()->setTexts("Whole", "Whole", "Untitled", "whole");
    page.setModified(true);
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(restoreCopies().empty());
    const std::string saved = dir.read("a.htm");
    EXPECT_NE(saved.find("IndexAs=\"Whole\""), std::string::npos);
    DocumentTestApp again;
    CProjectDoc reopened(again.services);
    ASSERT_TRUE(reopened.openProject(project_));
    EXPECT_EQ(dir.read("a.htm"), saved);
}

} // namespace
} // namespace torvane::test
