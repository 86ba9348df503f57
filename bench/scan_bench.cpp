// Page scan cost against plain passes over the same bytes, at 1x, 4x and 16x
// the size of a generated page. Linear scanning shows as a constant ratio to
// the baselines and constant bytes per second across the sizes.
#include "common/PageGenerator.h"

#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/PageReader.h"
#include "sources/PageScan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace {

using torvane::bench::PageOptions;

const std::string& pageOfScale(int scale)
{
    static std::map<int, std::string> pages;
    auto found = pages.find(scale);
    if (found == pages.end()) {
        PageOptions options;
        options.seed = 7;
        options.scale = scale;
        found = pages.emplace(scale, torvane::bench::generatePage(options)).first;
    }
    return found->second;
}

// The same page size built from start tags that never close: the worst case
// for searches that restart at every tag.
const std::string& unclosedPageOfScale(int scale)
{
    static std::map<int, std::string> pages;
    auto found = pages.find(scale);
    if (found == pages.end()) {
        std::string page;
        while (page.size() < pageOfScale(scale).size())
            page += "<a name=\"n\">text <h1 <!-- <!-- --> <meta x ";
        found = pages.emplace(scale, std::move(page)).first;
    }
    return found->second;
}

void reportSize(benchmark::State& state, const std::string& page)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
    state.counters["page_bytes"] = static_cast<double>(page.size());
}

// The scan a load makes of each page.
void scanWhole(benchmark::State& state, const std::string& page)
{
    std::size_t anchors = 0;
    for (auto _ : state) {
        anchors = torvane::scanPage(page).anchors.size();
        benchmark::DoNotOptimize(anchors);
    }
    reportSize(state, page);
    state.counters["anchors"] = static_cast<double>(anchors);
}

void BM_ScanPage(benchmark::State& state)
{
    scanWhole(state, pageOfScale(static_cast<int>(state.range(0))));
}

void BM_ScanUnclosedMarkup(benchmark::State& state)
{
    scanWhole(state, unclosedPageOfScale(static_cast<int>(state.range(0))));
}

// Baseline: copying the page and counting its line feeds with memchr.
void BM_BaselineCopyAndCount(benchmark::State& state)
{
    const std::string& page = pageOfScale(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string copy = page;
        std::size_t lines = 0;
        for (const char* p = copy.data();
             (p = static_cast<const char*>(std::memchr(p, '\n', copy.data() + copy.size() - p))); ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    reportSize(state, page);
}

// Baseline: reading the page from a file, as loading a project does.
void BM_BaselineReadFile(benchmark::State& state)
{
    const std::string& page = pageOfScale(static_cast<int>(state.range(0)));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("torvane-scan-bench-" + std::to_string(::getpid()) + ".htm");
    std::ofstream(path, std::ios::binary) << page;
    for (auto _ : state) {
        std::string text;
        benchmark::DoNotOptimize(torvane::readWholeFile(path.string(), text));
        benchmark::DoNotOptimize(text.size());
    }
    std::filesystem::remove(path);
    reportSize(state, page);
}

// Reading, scanning for insertion points, putting meta tags and block, as a save does.
void BM_RewritePage(benchmark::State& state)
{
    const std::string& page = pageOfScale(static_cast<int>(state.range(0)));
    torvane::FileReports reports;
    for (auto _ : state) {
        torvane::CHtmlFile file(reports);
        file.setWholeText(page);
        file.ScanInsertionPoints();
        file.PutMetaTags(
            "<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"><Meta Name=\"Keywords\" Content=\"k\">");
        file.PutCommentBlock("<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n  HTML Torvane -->");
        benchmark::DoNotOptimize(file.wholeText().size());
    }
    reportSize(state, page);
}

// Loading a folder tree of 200 generated pages from disk: read and full scan,
// as a load does.
void BM_LoadPageTree(benchmark::State& state)
{
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("torvane-scan-tree-" + std::to_string(::getpid()));
    const auto pages = torvane::bench::writePageTree(root, 200, 3, 1.0);
    torvane::FileReports reports;
    std::size_t anchors = 0;
    for (auto _ : state) {
        anchors = 0;
        torvane::PageReader reader;
        for (const auto& page : pages) {
            reader.read(page.fullPath.string());
            torvane::logFailure(reader.outcome(), reports);
            anchors += torvane::scanPage(reader.text()).anchors.size();
        }
    }
    std::filesystem::remove_all(root);
    if (!reports.fileErrors().empty())
        state.SkipWithError(reports.fileErrors().front().c_str());
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["anchors"] = static_cast<double>(anchors);
}

BENCHMARK(BM_LoadPageTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPage)->Arg(1)->Arg(4)->Arg(16);
BENCHMARK(BM_ScanUnclosedMarkup)->Arg(1)->Arg(4)->Arg(16);
BENCHMARK(BM_BaselineCopyAndCount)->Arg(1)->Arg(4)->Arg(16);
BENCHMARK(BM_BaselineReadFile)->Arg(1)->Arg(4)->Arg(16);
BENCHMARK(BM_RewritePage)->Arg(1)->Arg(4)->Arg(16);

} // namespace
