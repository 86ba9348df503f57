// Loading and saving a project of 2,000 generated pages (TORVANE_BENCH_PAGES
// and TORVANE_BENCH_PAGE_SCALE choose others, TORVANE_BENCH_ITERATIONS the
// runs per repetition; TORVANE_BENCH_PROJECT names an existing project to
// use instead, for the reading and loading benchmarks only, since the others
// write its pages), against plain
// reading (and writing) of the same files in the same run. Each benchmark
// after the baselines reports its ratio to them as counters, once by wall
// time and once by CPU time of the timed part ("_cpu"):
//   x_read        load (and reading the pages through CHtmlFile, with and
//                 without the scan) against plain reading;
//   x_read_write  save against plain reading plus writing through the same
//                 atomic, synced file write that every page save uses;
//   x_read_ofstream  save against plain reading plus unsynced ofstream writes;
//   x_one_sync    save against plain reading plus ofstream writes and one
//                 sync of the file system at the end;
//   x_load        excluding every page, named by its path as on the command
//                 line, against the load (us_per_page shows its growth).
#include "common/DefaultsProfile.h"
#include "common/ProjectGenerator.h"

#include "document/CProjectDoc.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/SourceFile.h"
#include "platform/AppServices.h"
#include "platform/FileAccess.h"
#include "platform/QuietProgress.h"
#include "sources/CHtmlFile.h"
#include "sources/PageReader.h"
#include "sources/PageScan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <stdexcept>
#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace torvane;

double fromEnvironment(const char* name, double fallback)
{
    const char* text = std::getenv(name);
    return text ? std::atof(text) : fallback;
}

const std::size_t kPageCount = static_cast<std::size_t>(fromEnvironment("TORVANE_BENCH_PAGES", 2000));
// Pages of 16 KB on average at 0.2.
const double kPageScale = fromEnvironment("TORVANE_BENCH_PAGE_SCALE", 0.2);
const auto kIterations = static_cast<benchmark::IterationCount>(fromEnvironment("TORVANE_BENCH_ITERATIONS", 3));

class CountingPresenter final : public ReportPresenter {
public:
    void showReport(const std::string&, const std::string&, const std::string&) override { ++reports; }
    int reports = 0;
};

class NoMessages final : public MessageSink {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view, bool answer) override { return answer; }
};

class NoShell final : public ShellLauncher {
public:
    void openDocument(const std::string&) override {}
    void openWithProgram(const std::string&, const std::string&) override {}
};

struct Services {
    bench::DefaultsProfile profile;
    FileReports reports;
    CountingPresenter presenter;
    NoMessages messages;
    QuietProgress progress;
    NoShell shell;
    AppServices app {profile, reports, presenter, messages, progress, shell, {".htm", ".html"}};
};

// The pages an existing project lists.
bench::GeneratedProject listedProject(const std::string& projectFile)
{
    Services services;
    CProjectDoc doc(services.app);
    if (!doc.openProject(projectFile))
        throw std::runtime_error("cannot open " + projectFile);
    bench::GeneratedProject project {std::filesystem::path(projectFile).parent_path(), projectFile, {}};
    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    for (ProjectNode* file : files)
        project.pages.push_back({file->relativeUrl(), static_cast<SourceFile*>(file)->fullPath()});
    return project;
}

// The generated project, written once per run and removed at exit.
struct Fixture {
    std::filesystem::path folder;
    bench::GeneratedProject project;
    std::vector<std::string> paths;

    Fixture()
    {
        if (const char* existing = std::getenv("TORVANE_BENCH_PROJECT")) {
            project = listedProject(existing);
        } else {
            std::string pattern = (std::filesystem::temp_directory_path() / "torvane-project-bench-XXXXXX").string();
            if (!::mkdtemp(pattern.data()))
                throw std::runtime_error("cannot create a temporary folder");
            folder = pattern;
            project = bench::writeProject(folder, kPageCount, 11, kPageScale);
        }
        for (const bench::GeneratedPage& page : project.pages)
            paths.push_back(page.fullPath.string());
        paths.push_back(project.projectFile.string());
    }
    ~Fixture()
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

double cpuSeconds()
{
    timespec now {};
    // The whole process: the load reads pages on a second thread.
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Wall and CPU time of the timed parts of a benchmark's iterations; the wall
// time is also the benchmark's own (manual) time.
class Stopwatch {
public:
    explicit Stopwatch(benchmark::State& state)
        : state_(state)
    {
    }

    template <typename Work>
    void time(Work&& work)
    {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = cpuSeconds();
        work();
        cpu_ += cpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        wall_ += wall;
        state_.SetIterationTime(wall);
    }

    // Files the means under `name` and reports the ratios to `baselines`.
    void finish(const std::string& name, std::size_t bytes,
                std::initializer_list<std::pair<const char*, const char*>> baselines = {});

private:
    struct Means {
        double wall;
        double cpu;
    };
    static std::map<std::string, Means>& measured()
    {
        static std::map<std::string, Means> means;
        return means;
    }

    benchmark::State& state_;
    double wall_ = 0;
    double cpu_ = 0;
};

void Stopwatch::finish(const std::string& name, std::size_t bytes,
                       std::initializer_list<std::pair<const char*, const char*>> baselines)
{
    const auto iterations = static_cast<double>(state_.iterations());
    const Means means {wall_ / iterations, cpu_ / iterations};
    measured()[name] = means;
    state_.counters["pages"] = static_cast<double>(fixture().project.pages.size());
    state_.counters["cpu_ms"] = means.cpu * 1e3;
    if (bytes > 0)
        state_.counters["MB"] = static_cast<double>(bytes) / 1e6;
    for (const auto& [counter, baseline] : baselines) {
        const auto found = measured().find(baseline);
        if (found == measured().end() || found->second.wall <= 0 || found->second.cpu <= 0)
            continue;
        state_.counters[counter] = means.wall / found->second.wall;
        state_.counters[std::string(counter) + "_cpu"] = means.cpu / found->second.cpu;
    }
}

// Plain reading (and writing back) of every file, one reused buffer at a time.
template <typename AfterRead>
std::size_t readEach(const std::vector<std::string>& paths, AfterRead afterRead)
{
    std::size_t bytes = 0;
    std::string text;
    for (const std::string& path : paths) {
        if (readWholeFile(path, text).failed())
            throw std::runtime_error("cannot read " + path);
        bytes += text.size();
        afterRead(path, text);
        benchmark::DoNotOptimize(text.data());
    }
    return bytes;
}

void BM_PlainRead(benchmark::State& state)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    std::size_t bytes = 0;
    for (auto _ : state)
        watch.time([&] { bytes = readEach(f.paths, [](const std::string&, const std::string&) {}); });
    watch.finish("read", bytes);
}

// The share of the load that reading and scanning the pages takes, without
// building the project tree: the page reader and the scan the load uses,
// and for scale the page object a save reads each page into.
void BM_PagesReadThroughCHtmlFile(benchmark::State& state)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    for (auto _ : state) {
        FileReports reports;
        watch.time([&] {
            for (const bench::GeneratedPage& page : f.project.pages) {
                CHtmlFile html(reports);
                html.setPath(page.fullPath.string());
                html.ReadSource();
                benchmark::DoNotOptimize(html.wholeText().data());
            }
        });
    }
    watch.finish("html-read", 0, {{"x_read", "read"}});
}

void BM_PagesReadAndScanned(benchmark::State& state)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    for (auto _ : state) {
        watch.time([&] {
            PageReader reader;
            for (const bench::GeneratedPage& page : f.project.pages) {
                reader.read(page.fullPath.string());
                const ScannedPage scanned = scanPage(reader.text());
                benchmark::DoNotOptimize(scanned.anchors.data());
            }
        });
    }
    watch.finish("html-scan", 0, {{"x_read", "read"}});
}

// The load as the program runs it (pages read and scanned on a second
// thread), or with every page read on the loading thread.
void projectLoad(benchmark::State& state, bool readAhead, const char* name)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    for (auto _ : state) {
        Services services;
        CProjectDoc doc(services.app);
        doc.setReadAhead(readAhead);
        watch.time([&] {
            if (!doc.openProject(f.project.projectFile.string()))
                state.SkipWithError("the project did not open");
        });
        if (doc.root().count(NodeKindMask::File) != f.project.pages.size())
            state.SkipWithError("not every page was loaded");
    }
    watch.finish(name, 0, {{"x_read", "read"}});
}

void BM_ProjectLoad(benchmark::State& state)
{
    projectLoad(state, true, "load");
}
void BM_ProjectLoadOneThread(benchmark::State& state)
{
    projectLoad(state, false, "load-one-thread");
}

void BM_PlainReadWrite(benchmark::State& state)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    std::size_t bytes = 0;
    for (auto _ : state) {
        watch.time([&] {
            bytes = readEach(f.paths, [&](const std::string& path, const std::string& text) {
                if (writeFileAtomically(path, text).failed())
                    state.SkipWithError("cannot write a page");
            });
        });
    }
    watch.finish("read-write", bytes);
}

// Unsynced ofstream writes, with or without one sync of the file system at the end.
void plainReadOfstreamWrite(benchmark::State& state, const char* name, bool syncAtEnd)
{
    const Fixture& f = fixture();
    Stopwatch watch(state);
    std::size_t bytes = 0;
    for (auto _ : state) {
        watch.time([&] {
            bytes = readEach(f.paths, [](const std::string& path, const std::string& text) {
                std::ofstream(path, std::ios::binary) << text;
            });
            if (!syncAtEnd)
                return;
            const int folder = ::open(f.folder.c_str(), O_RDONLY | O_DIRECTORY);
            if (folder < 0 || ::syncfs(folder) != 0)
                state.SkipWithError("cannot sync the file system");
            ::close(folder);
        });
    }
    watch.finish(name, bytes);
}

void BM_PlainReadOfstreamWrite(benchmark::State& state)
{
    plainReadOfstreamWrite(state, "read-ofstream", false);
}

void BM_PlainReadWriteOneSync(benchmark::State& state)
{
    plainReadOfstreamWrite(state, "read-write-one-sync", true);
}

// Every page marked modified, so that each save rewrites all of them.
void BM_ProjectSave(benchmark::State& state)
{
    const Fixture& f = fixture();
    Services services;
    CProjectDoc doc(services.app);
    if (!doc.openProject(f.project.projectFile.string()))
        state.SkipWithError("the project did not open");
    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    Stopwatch watch(state);
    for (auto _ : state) {
        for (ProjectNode* file : files)
            file->setModified(true);
        watch.time([&] {
            if (!doc.save())
                state.SkipWithError("the save failed");
        });
    }
    if (services.presenter.reports != 0)
        state.SkipWithError("the save reported file errors");
    watch.finish(
        "save", 0,
        {{"x_read_write", "read-write"}, {"x_read_ofstream", "read-ofstream"}, {"x_one_sync", "read-write-one-sync"}});
}

// What `torvane exclude` does between its load and its save, every page named.
void BM_ExcludeEveryPage(benchmark::State& state)
{
    const Fixture& f = fixture();
    std::vector<std::string> names;
    for (const bench::GeneratedPage& page : f.project.pages)
        names.push_back(std::filesystem::relative(page.fullPath, f.folder).string());
    Stopwatch watch(state);
    for (auto _ : state) {
        Services services;
        CProjectDoc doc(services.app);
        if (!doc.openProject(f.project.projectFile.string()))
            state.SkipWithError("the project did not open");
        watch.time([&] {
            const TargetLookup lookup(doc.root());
            std::vector<ProjectNode*> targets;
            for (const std::string& name : names)
                targets.push_back(lookup.findTarget(name));
            selectOnly(doc.root(), targets);
            doc.excludeSelected();
        });
        std::vector<ProjectNode*> files;
        doc.root().collect(files, NodeKindMask::File);
        if (!std::all_of(files.begin(), files.end(),
                         [](ProjectNode* file) { return static_cast<SourceFile*>(file)->isExcluded(); }))
            state.SkipWithError("not every page was excluded");
    }
    watch.finish("exclude", 0, {{"x_load", "load"}});
    state.counters["us_per_page"] = state.counters["cpu_ms"].value * 1e3 / static_cast<double>(f.project.pages.size());
}

#define PROJECT_BENCHMARK(name) BENCHMARK(name)->Unit(benchmark::kMillisecond)->Iterations(kIterations)->UseManualTime()

PROJECT_BENCHMARK(BM_PlainRead);
PROJECT_BENCHMARK(BM_PagesReadThroughCHtmlFile);
PROJECT_BENCHMARK(BM_PagesReadAndScanned);
PROJECT_BENCHMARK(BM_ProjectLoad);
PROJECT_BENCHMARK(BM_ProjectLoadOneThread);
PROJECT_BENCHMARK(BM_PlainReadWrite);
PROJECT_BENCHMARK(BM_PlainReadOfstreamWrite);
PROJECT_BENCHMARK(BM_PlainReadWriteOneSync);
PROJECT_BENCHMARK(BM_ProjectSave);
PROJECT_BENCHMARK(BM_ExcludeEveryPage);

} // namespace
