// Make Index on a project of 1,000,000 index entries built in memory, all
// four outputs written, in byte order and with a language's collation,
// against std::sort of the same sort keys in the same run. The counters give the ratio (wall clock and CPU time) and the memory
// per entry. Outputs go to $TORVANE_BENCH_DIR, else /dev/shm when it exists
// (so that the disk's flush speed is not measured), else the temporary folder.
// With TORVANE_BENCH_KEEP set, the outputs of each benchmark's last run are
// kept in a folder named after it, for comparing them by checksum.
#include "common/DefaultsProfile.h"
#include "generate/MakeIndex.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/AppServices.h"
#include "platform/FileReports.h"
#include "platform/QuietProgress.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace torvane;

constexpr std::size_t kEntries = 1'000'000;
constexpr int kTargetsPerFile = 25;
constexpr int kEntriesPerTarget = 2;
constexpr int kFilesPerFolder = 100;

const char* const kSyllables[] = {"al",  "ber", "can", "dor", "el",  "fin", "gor",  "han", "is",  "jor",
                                  "kel", "lin", "mor", "nar", "ol",  "per", "quin", "ros", "sel", "tor",
                                  "ul",  "ven", "wil", "xan", "yor", "zel", "ta",   "ri",  "mo",  "ne"};

std::string word(std::mt19937& random)
{
    std::uniform_int_distribution<int> syllable(0, std::size(kSyllables) - 1);
    std::uniform_int_distribution<int> length(2, 4);
    std::string w;
    for (int i = length(random); i > 0; --i)
        w += kSyllables[syllable(random)];
    return w;
}

class SilentReports : public ReportPresenter {
public:
    void showReport(const std::string&, const std::string& heading, const std::string&) override
    {
        std::cerr << heading << "\n";
    }
};

class PrintedMessages : public MessageSink {
public:
    void showMessage(std::string_view text) override { std::cerr << text << "\n"; }
    bool askYesNo(std::string_view, bool answer) override { return answer; }
};

class NoShell : public ShellLauncher {
public:
    void openDocument(const std::string&) override {}
    void openWithProgram(const std::string&, const std::string&) override {}
};

fs::path outputRoot()
{
    if (const char* chosen = std::getenv("TORVANE_BENCH_DIR"))
        return chosen;
    if (fs::is_directory("/dev/shm"))
        return "/dev/shm";
    return fs::temp_directory_path();
}

double residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(::sysconf(_SC_PAGESIZE));
}

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// An index of realistic shape: headings of two invented words shared by
// several entries, most with a subentry, spread over folders, files and anchors.
struct GeneratedProject {
    fs::path directory;
    ProjectRootNode root;
    std::vector<std::string> sortKeys;
    double residentAfterBuild = 0; // bytes: the project and the keys, before any run

    GeneratedProject()
    {
        directory = outputRoot() / ("torvane-makeindex-bench-" + std::to_string(::getpid()));
        fs::create_directories(directory);
        root.setProjectDirectory(directory.string() + "/");
        std::mt19937 random(2024);
        std::vector<std::string> headings(kEntries / 8);
        for (std::string& heading : headings) {
            heading = word(random) + " " + word(random);
            heading[0] = char(heading[0] - 'a' + 'A');
        }
        std::uniform_int_distribution<std::size_t> pickHeading(0, headings.size() - 1);
        std::uniform_int_distribution<int> percent(0, 99);
        sortKeys.reserve(kEntries);

        std::size_t made = 0;
        for (int file = 0; made < kEntries; ++file) {
            std::string path = directory.string() + "/part" + std::to_string(file / kFilesPerFolder) + "/page" +
                               std::to_string(file) + ".htm";
            SourceFile& page = root.findOrCreateFile(path);
            for (int t = 0; t < kTargetsPerFile && made < kEntries; ++t) {
                Target& target = page.findOrCreateTarget("s" + std::to_string(t));
                for (int e = 0; e < kEntriesPerTarget && made < kEntries; ++e, ++made) {
                    const std::string& heading = headings[pickHeading(random)];
                    std::string indexAs = heading;
                    if (percent(random) < 70)
                        indexAs += ", " + word(random);
                    std::string sortAs = indexAs;
                    sortAs.erase(std::remove(sortAs.begin(), sortAs.end(), ','), sortAs.end());
                    auto entry = std::make_unique<IndexEntry>();
                    entry->setTexts(indexAs, indexAs, "Topic " + std::to_string(made), sortAs);
                    target.addEntry(std::move(entry));
                    std::transform(sortAs.begin(), sortAs.end(), sortAs.begin(),
                                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
                    sortKeys.push_back(std::move(sortAs));
                }
            }
        }
        residentAfterBuild = residentBytes();
    }
    ~GeneratedProject()
    {
        if (!std::getenv("TORVANE_BENCH_KEEP"))
            fs::remove_all(directory);
    }
};

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void runMakeIndex(benchmark::State& state, std::string_view collation)
{
    static GeneratedProject project;
    bench::DefaultsProfile profile;
    FileReports reports;
    SilentReports presenter;
    PrintedMessages messages;
    QuietProgress progress;
    NoShell shell;
    AppServices services {profile, reports, presenter, messages, progress, shell, {}};
    StyleSettings style;
    style.htmlIndex = 1;
    style.htmlHelp = 1;
    style.javaHelp = 1;
    style.columns = 2;
    style.extensions.collation = std::string(collation);
    MakeIndexInput input {
        project.root, style, {"Index.htm", "Index.hhk", "Index.xml", "Index.jhm"}, project.directory.string() + "/"};

    double sortWall = 0, sortCpu = 0, makeWall = 0, makeCpu = 0;
    bool allWritten = true;
    for (auto _ : state) {
        std::vector<std::string> keys = project.sortKeys;
        auto start = std::chrono::steady_clock::now();
        double cpuStart = cpuSeconds();
        std::sort(keys.begin(), keys.end());
        sortCpu += cpuSeconds() - cpuStart;
        sortWall += seconds(std::chrono::steady_clock::now() - start);
        benchmark::DoNotOptimize(keys.data());
        keys = {};

        auto begin = std::chrono::steady_clock::now();
        cpuStart = cpuSeconds();
        allWritten &= makeIndex(input, services, false);
        makeCpu += cpuSeconds() - cpuStart;
        double wall = seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(wall);
        makeWall += wall;
    }
    if (!allWritten)
        state.SkipWithError("an output could not be written");

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    double peakBytes = double(usage.ru_maxrss) * 1024.0;
    double iterations = double(state.iterations());
    state.counters["entries"] = double(kEntries);
    state.counters["sort_s"] = sortWall / iterations;
    state.counters["make_s"] = makeWall / iterations;
    state.counters["make_cpu_s"] = makeCpu / iterations;
    state.counters["ratio_wall"] = makeWall / sortWall;
    state.counters["ratio_cpu"] = makeCpu / sortCpu;
    // Peak resident size of the whole process per entry, and the part of it
    // that Make Index adds on top of the project held in memory.
    state.counters["peak_B_per_entry"] = peakBytes / double(kEntries);
    state.counters["make_B_per_entry"] = (peakBytes - project.residentAfterBuild) / double(kEntries);
    std::uintmax_t outputBytes = 0;
    for (const char* name : {"Index.htm", "Index.hhk", "Index.xml", "Index.jhm"})
        outputBytes += fs::file_size(project.directory / name);
    state.counters["output_MB"] = double(outputBytes) / 1e6;
    if (std::getenv("TORVANE_BENCH_KEEP")) {
        const fs::path kept = project.directory / (collation.empty() ? "bytes" : std::string(collation));
        fs::create_directories(kept);
        for (const char* name : {"Index.htm", "Index.hhk", "Index.xml", "Index.jhm"})
            fs::rename(project.directory / name, kept / name);
    }
}

void BM_MakeIndexMillionEntries(benchmark::State& state)
{
    runMakeIndex(state, "");
}
// The same index sorted and grouped the way German reads: a collation key per item.
void BM_MakeIndexMillionEntriesGerman(benchmark::State& state)
{
    runMakeIndex(state, "de");
}

BENCHMARK(BM_MakeIndexMillionEntries)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MakeIndexMillionEntriesGerman)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
