// The index check on projects of 25,000 to 400,000 entries built in memory
// (two entries on each of 25 anchors per page, a cross-reference for every
// 50 entries, a URL per 100), against std::sort of the same entries' sort
// keys in the same run. The "ratio" counter is the check's time over the
// sort's: it stays flat when the check grows as n log n.
#include "common/DefaultsProfile.h"
#include "document/CProjectDoc.h"
#include "document/IndexCheck.h"
#include "model/CrossReference.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/AppServices.h"
#include "platform/QuietProgress.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

namespace {

using namespace torvane;

class Quiet final : public ReportPresenter, public MessageSink, public ShellLauncher {
public:
    void showReport(const std::string&, const std::string&, const std::string&) override {}
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view, bool answer) override { return answer; }
    void openDocument(const std::string&) override {}
    void openWithProgram(const std::string&, const std::string&) override {}
};

struct CheckedProject {
    bench::DefaultsProfile profile;
    FileReports reports;
    Quiet quiet;
    QuietProgress progress;
    AppServices services {profile, reports, quiet, quiet, progress, quiet, {".htm"}};
    CProjectDoc document {services};
    std::vector<std::string> sortKeys;

    explicit CheckedProject(std::size_t entries)
    {
        document.setProjectPath("/nonexistent/Bench.ipj");
        ProjectRootNode& root = document.root();
        std::mt19937 random(7);
        std::uniform_int_distribution<int> letter('a', 'z');
        const auto word = [&] {
            std::string text(6, ' ');
            for (char& c : text)
                c = char(letter(random));
            return text;
        };
        for (std::size_t made = 0, file = 0; made < entries; ++file) {
            SourceFile& page = root.findOrCreateFile("/nonexistent/part" + std::to_string(file / 100) + "/p" +
                                                     std::to_string(file) + ".htm");
            for (int anchor = 0; anchor < 25 && made < entries; ++anchor) {
                Target& target = page.findOrCreateTarget("a" + std::to_string(anchor));
                for (int e = 0; e < 2 && made < entries; ++e, ++made) {
                    const std::string text = word() + ", " + word();
                    auto entry = std::make_unique<IndexEntry>();
                    entry->setTexts(text, text, "Untitled", text);
                    target.addEntry(std::move(entry));
                    sortKeys.push_back(text);
                    if (made % 50 == 0) {
                        const std::string heading = word();
                        auto xref = std::make_unique<CrossReference>();
                        xref->set(heading, heading, ".", "See", text.substr(0, 6), text.substr(0, 6), true);
                        root.addCrossReference(std::move(xref));
                    }
                    if (made % 100 == 0)
                        root.findOrCreateUrl("https://example.org/" + word());
                }
            }
        }
    }
};

void BM_CheckIndex(benchmark::State& state)
{
    CheckedProject project(static_cast<std::size_t>(state.range(0)));
    double checkSeconds = 0;
    double sortSeconds = 0;
    std::size_t findings = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        const IndexCheckReport report = checkIndex(project.document);
        auto middle = std::chrono::steady_clock::now();
        std::vector<std::string> keys = project.sortKeys;
        std::sort(keys.begin(), keys.end());
        auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(keys.data());
        findings = report.findings.size();
        checkSeconds += std::chrono::duration<double>(middle - start).count();
        sortSeconds += std::chrono::duration<double>(end - middle).count();
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    state.counters["ratio"] = checkSeconds / sortSeconds;
    state.counters["findings"] = double(findings);
}

BENCHMARK(BM_CheckIndex)->Arg(25'000)->Arg(100'000)->Arg(400'000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
