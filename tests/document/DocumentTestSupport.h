#pragma once
#include <functional>
#include "support/MapProfile.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::test {

struct ShownReport {
    std::string title;
    std::string body;
};

class RecordingPresenter final : public ReportPresenter {
public:
    void showReport(const std::string& title, const std::string&, const std::string& body) override
    {
        shown.push_back({title, body});
    }
    std::vector<ShownReport> shown;
};

class SilentMessages final : public MessageSink {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view, bool unattendedAnswer) override { return unattendedAnswer; }
    std::vector<std::string> messages;
};

// Records what a long operation showed, and presses Cancel after
// `cancelAfter` steps when set.
class RecordingProgress final : public Progress {
public:
    void begin(std::string_view title, int total, bool cancellable) override
    {
        titles.emplace_back(title);
        totals.push_back(total);
        cancellables.push_back(cancellable);
    }
    bool step(int, std::string_view text) override
    {
        texts.emplace_back(text);
        if (duringStep)
            duringStep();
        return cancelAfter < 0 || static_cast<int>(texts.size()) <= cancelAfter;
    }
    void end() override { ++ended; }

    int cancelAfter = -1;
    // What the user does while the progress window lets input through.
    std::function<void()> duringStep;
    std::vector<std::string> titles;
    std::vector<int> totals;
    std::vector<bool> cancellables;
    std::vector<std::string> texts;
    int ended = 0;
};

class NoShell final : public ShellLauncher {
public:
    void openDocument(const std::string&) override {}
    void openWithProgram(const std::string&, const std::string&) override {}
};

// Everything a document borrows from the application, observable by tests.
struct TestApp {
    MapProfile profile;
    FileReports reports;
    RecordingPresenter presenter;
    SilentMessages messages;
    RecordingProgress progress;
    NoShell shell;
    AppServices services{profile, reports, presenter, messages, progress, shell, {".htm", ".html"}};

    std::vector<std::string> reportTitles() const
    {
        std::vector<std::string> titles;
        for (const ShownReport& report : presenter.shown)
            titles.push_back(report.title);
        return titles;
    }
};

// A fresh folder that is removed with its contents at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvane-doc-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern + "/";
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
             it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Ends in "/".
    const std::string& path() const { return path_; }
    std::string file(std::string_view relative) const { return path_ + std::string(relative); }

    // Writes a file below the folder, creating its folders ("/" separated).
    std::string write(std::string_view relative, std::string_view content) const
    {
        const std::filesystem::path target = file(relative);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << content;
        return target.string();
    }

    std::string read(std::string_view relative) const { return contents(file(relative)); }

    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void makeReadOnly(std::string_view relative) const
    {
        namespace fs = std::filesystem;
        fs::permissions(file(relative), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

private:
    std::string path_;
};

} // namespace torvane::test
