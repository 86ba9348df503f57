// Scripted edits on a real manual: the Python 3.11 documentation as Debian's
// python3.11-doc installs it (TORVANE_BENCH_MANUAL names another folder of
// HTML pages), copied to a temporary folder and made a project of every page.
//   BM_ApplyAddEntries   one apply run of 20,000 add-entry lines (spread over
//                        the pages and their anchors), the folder put back
//                        before each iteration outside the timing;
//   BM_AddEntryEachRun   one add-entry run: what a script paid per entry
//                        before apply, and the cost of a single edit.
// Both run the subcommands in this process, as the executable would, and
// report wall time; `x_runs_per_entry` is the 20,000 single runs over one apply.
#include "shell/cli/CommandLine.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace torvane {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 20000;

std::string manualFolder()
{
    const char* chosen = std::getenv("TORVANE_BENCH_MANUAL");
    return chosen ? chosen : "/usr/share/doc/python3.11/html";
}

int runQuietly(std::vector<std::string> arguments)
{
    std::ostringstream out, err;
    arguments.push_back("--quiet");
    return runCommandLine(parseCommandLine(arguments), "bench", out, err);
}

// The manual's pages, kept pristine, and a working copy the edits change.
class ManualProject {
public:
    ManualProject()
    {
        fs::create_directories(root_);
        ::setenv("TORVANE_PROFILE", (root_ / "profile.ini").c_str(), 1);
        fs::copy(manualFolder(), pristine_, fs::copy_options::recursive);
        std::ofstream(pristine_ / "Manual.ipj").flush();
        ready_ = runQuietly({"add-files", (pristine_ / "Manual.ipj").string(), pristine_.string()}) == 0;
        writeLines();
        restore();
    }
    ~ManualProject()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    bool ready() const { return ready_; }
    std::string project() const { return (work_ / "Manual.ipj").string(); }
    std::string lines() const { return (root_ / "edits.jsonl").string(); }
    const std::vector<std::string>& targets() const { return targets_; }
    void restore()
    {
        fs::remove_all(work_);
        fs::copy(pristine_, work_, fs::copy_options::recursive);
    }

private:
    // Pages and their anchors, as export lists them, then entries spread over them.
    void writeLines()
    {
        std::ostringstream out, err;
        runCommandLine(parseCommandLine({"export", (pristine_ / "Manual.ipj").string(), "--format", "csv"}), "bench",
                       out, err);
        std::istringstream rows(out.str());
        std::string row;
        std::getline(rows, row);
        while (std::getline(rows, row)) {
            const std::size_t comma = row.find(',');
            const std::string target = row.substr(comma + 1, row.find(',', comma + 1) - comma - 1);
            const std::string page = row.substr(0, comma);
            const std::string named = target == "#" ? page : page + "#" + target;
            if (targets_.empty() || targets_.back() != named)
                targets_.push_back(named);
        }
        std::mt19937 random(7);
        std::ofstream file(lines());
        for (int i = 0; i < kEntries && !targets_.empty(); ++i)
            file << "{\"op\":\"add-entry\",\"target\":\"" << targets_[random() % targets_.size()]
                 << "\",\"indexAs\":\"Term " << i << ", use " << i % 7 << "\"}\n";
    }

    fs::path root_ = fs::temp_directory_path() / ("torvane-edit-bench-" + std::to_string(::getpid()));
    fs::path pristine_ = root_ / "pristine";
    fs::path work_ = root_ / "work";
    std::vector<std::string> targets_;
    bool ready_ = false;
};

ManualProject& manual()
{
    static ManualProject project;
    return project;
}

using Clock = std::chrono::steady_clock;

// The mean wall time of one add-entry run, for the ratio the apply run reports.
double gOneRunSeconds = 0;

void BM_AddEntryEachRun(benchmark::State& state)
{
    if (!fs::is_directory(manualFolder()) || !manual().ready()) {
        state.SkipWithError("no manual to edit (install python3.11-doc or set TORVANE_BENCH_MANUAL)");
        return;
    }
    manual().restore();
    int count = 0;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        const std::string& target = manual().targets()[count % manual().targets().size()];
        if (runQuietly({"add-entry", manual().project(), target, "Single " + std::to_string(count++)}) != 0)
            state.SkipWithError("add-entry failed");
    }
    gOneRunSeconds = std::chrono::duration<double>(Clock::now() - start).count() / count;
}
BENCHMARK(BM_AddEntryEachRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_ApplyAddEntries(benchmark::State& state)
{
    if (!fs::is_directory(manualFolder()) || !manual().ready()) {
        state.SkipWithError("no manual to edit (install python3.11-doc or set TORVANE_BENCH_MANUAL)");
        return;
    }
    Clock::duration applying {};
    for (auto _ : state) {
        state.PauseTiming();
        manual().restore();
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        if (runQuietly({"apply", manual().project(), manual().lines()}) != 0)
            state.SkipWithError("apply failed");
        applying += Clock::now() - start;
    }
    const double applySeconds = std::chrono::duration<double>(applying).count() / state.iterations();
    if (gOneRunSeconds > 0)
        state.counters["x_runs_per_entry"] = gOneRunSeconds * kEntries / applySeconds;
}
BENCHMARK(BM_ApplyAddEntries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace torvane
