// Loading one page with very many anchors: the scan of the page alone, and
// the scan with its targets taken into the project tree, at 100,000, 250,000
// and 1,000,000 anchors. Names count up as pages number them ("n9" comes
// after "n10" in key order), so most targets fall between earlier ones.
#include "document/SourcePages.h"
#include "model/SourceFile.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/PageScan.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

const std::string& pageWithAnchors(int count)
{
    static std::map<int, std::string> pages;
    auto found = pages.find(count);
    if (found == pages.end()) {
        std::string page = "<html><head><title>Anchors</title></head><body><h1>Anchors</h1>\r\n";
        for (int i = 0; i < count; ++i)
            page.append("<p><a name=\"n")
                .append(std::to_string(i))
                .append("\">Anchor ")
                .append(std::to_string(i))
                .append("</a> text</p>\r\n");
        page.append("</body></html>\r\n");
        found = pages.emplace(count, std::move(page)).first;
    }
    return found->second;
}

void BM_ScanAnchors(benchmark::State& state)
{
    const std::string& page = pageWithAnchors(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(torvane::scanPage(page).anchors.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_LoadAnchors(benchmark::State& state)
{
    const std::string& page = pageWithAnchors(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        torvane::FileReports reports;
        torvane::CHtmlFile read(reports);
        read.setWholeText(page);
        torvane::SourceFile file("page.htm");
        torvane::takePageInto(file, read);
        benchmark::DoNotOptimize(file.targetCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

} // namespace

BENCHMARK(BM_ScanAnchors)->Arg(100000)->Arg(250000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAnchors)->Arg(100000)->Arg(250000)->Arg(1000000)->Unit(benchmark::kMillisecond);
