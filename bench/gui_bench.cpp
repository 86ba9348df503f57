// The desktop project window on a generated project of 20,000 pages
// (bench/common, seed 11, scale 0.2: pages of 16 KB with about 46 anchors,
// 60 % of them with an index block): opening it behind the progress window,
// cancelling an open, and the two actions a user repeats most, Exclude on
// one selected target and Delete on one selected list row, each timed up to
// the end of the refresh of both views. An untimed Undo brings the project
// back between iterations. The selection cases click the tree as a user
// does: the collapsed project folder (every page selected), then a URL,
// then Collapse All, then Undo of a step recorded with one target selected.
//
// TORVANE_GUI_BENCH_PAGES changes the page count (for profiling runs);
// TORVANE_BENCH_DIR names the folder for the generated pages (default: the
// temporary folder).
#include "common/DefaultsProfile.h"
#include "common/ProjectGenerator.h"

#include "document/CProjectDoc.h"
#include "document/ProjectAction.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/AppServices.h"
#include "shell/desktop/FreedMemory.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include "ui/common/QtProgress.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

using namespace torvane;
using Clock = std::chrono::steady_clock;

constexpr double kPageScale = 0.2;
constexpr std::uint64_t kSeed = 11;
std::size_t pageCount()
{
    if (const char* chosen = std::getenv("TORVANE_GUI_BENCH_PAGES"))
        return static_cast<std::size_t>(std::strtoul(chosen, nullptr, 10));
    return 20000;
}

// Pages loaded before the Cancel button is clicked in the cancelled open.
int cancelAfter()
{
    return static_cast<int>(std::min<std::size_t>(1000, pageCount() / 2));
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuMilliseconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

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

// The desktop's progress window, watched: counts the steps, measures the
// longest time between two of them (while the window cannot answer), and
// can click Cancel once a given number of pages has been announced.
class WatchedProgress final : public Progress {
public:
    void begin(std::string_view title, int total, bool cancellable) override
    {
        steps = 0;
        longestGapMs = 0;
        last_ = Clock::now();
        window.begin(title, total, cancellable);
    }

    bool step(int done, std::string_view text) override
    {
        ++steps;
        longestGapMs = std::max(longestGapMs, millisecondsSince(last_));
        if (cancelAfter > 0 && steps > cancelAfter && window.dialog()) {
            if (auto* cancel = window.dialog()->findChild<QPushButton*>())
                cancel->click();
        }
        const bool goOn = window.step(done, text);
        last_ = Clock::now();
        return goOn;
    }

    void end() override
    {
        longestGapMs = std::max(longestGapMs, millisecondsSince(last_));
        window.end();
    }

    QtProgress window;
    int cancelAfter = 0;
    int steps = 0;
    double longestGapMs = 0;

private:
    Clock::time_point last_;
};

struct Services {
    bench::DefaultsProfile profile;
    FileReports reports;
    CountingPresenter presenter;
    NoMessages messages;
    WatchedProgress progress;
    NoShell shell;
    AppServices app {profile, reports, presenter, messages, progress, shell, {".htm", ".html"}};
};

// The generated project, written once per run and removed at exit.
struct GeneratedFolder {
    std::filesystem::path folder;
    bench::GeneratedProject project;

    GeneratedFolder()
    {
        const char* chosen = std::getenv("TORVANE_BENCH_DIR");
        const std::filesystem::path base = chosen ? chosen : std::filesystem::temp_directory_path();
        std::string pattern = (base / "torvane-gui-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder under " + base.string());
        folder = pattern;
        const auto start = Clock::now();
        project = bench::writeProject(folder, pageCount(), kSeed, kPageScale);
        std::uintmax_t bytes = 0;
        for (const bench::GeneratedPage& page : project.pages)
            bytes += std::filesystem::file_size(page.fullPath);
        std::cerr << "generated " << project.pages.size() << " pages, " << bytes / 1'000'000 << " MB in "
                  << millisecondsSince(start) / 1e3 << " s under " << folder << "\n";
    }
    ~GeneratedFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

GeneratedFolder& generated()
{
    static GeneratedFolder instance;
    return instance;
}

// Runs the posted refresh of the views.
void runPostedRefresh(CProjectWnd& window)
{
    while (window.hasPendingRefresh())
        QCoreApplication::processEvents();
}

// The posted refresh and the layout and repaint that follow it.
void settle(CProjectWnd& window)
{
    runPostedRefresh(window);
    QCoreApplication::processEvents();
}

// A project opened into a shown window, as the desktop program does it.
struct OpenWindow {
    Services services;
    std::unique_ptr<CProjectWnd> window;
    double loadMs = 0;
    double windowMs = 0;

    explicit OpenWindow(int cancelAfter = 0)
    {
        services.progress.cancelAfter = cancelAfter;
        auto document = std::make_unique<CProjectDoc>(services.app);
        const auto start = Clock::now();
        if (!document->openProject(generated().project.projectFile.string()))
            throw std::runtime_error("the project did not open");
        loadMs = millisecondsSince(start);
        const auto shown = Clock::now();
        window = std::make_unique<CProjectWnd>(std::move(document), services.app, CProjectWnd::Hooks {});
        window->resize(1000, 700);
        window->show();
        settle(*window);
        windowMs = millisecondsSince(shown);
    }

    CProjectDoc& document() { return window->document(); }
    ProjectRootNode& root() { return document().root(); }
};

// The window the Exclude and Delete benchmarks share; main closes it while
// the application object still exists.
std::unique_ptr<OpenWindow> sharedWindow;

// Set by a case that checks its figures against a limit and misses it: the
// run then ends with a failing exit status.
bool limitMissed = false;

OpenWindow& shared()
{
    if (!sharedWindow)
        sharedWindow = std::make_unique<OpenWindow>();
    return *sharedWindow;
}

// A file from the middle of the project that holds a regular entry on one
// of its targets (a page with an index block).
SourceFile* fileWithRegularEntry(ProjectRootNode& root)
{
    std::vector<ProjectNode*> files;
    root.collect(files, NodeKindMask::File);
    for (std::size_t i = files.size() / 2; i < files.size(); ++i) {
        auto* file = static_cast<SourceFile*>(files[i]);
        for (Target* target : file->targets())
            if (!target->usesDefault() && target->entryCount() > 0)
                return file;
    }
    return nullptr;
}

// Opens the folders above `node` the way a user reaches it, then clicks it;
// the node itself stays collapsed, so that it stands for everything below it.
void clickInTree(OpenWindow& open, ProjectNode& node)
{
    std::vector<ProjectNode*> above;
    for (ProjectNode* up = node.parent(); up; up = up->parent())
        above.push_back(up);
    for (auto up = above.rbegin(); up != above.rend(); ++up)
        (*up)->setExpanded(true);
    node.setExpanded(false);
    open.root().applyTreeSelection(node, false, false);
    open.document().updateAllViews(HintTreeClick, open.window->treeView());
    settle(*open.window);
}

// Times `command` with the refresh after it, then undoes it untimed.
void timeCommandWithUndo(benchmark::State& state, OpenWindow& open, int command, int expectedAction)
{
    CProjectWnd& window = *open.window;
    if (!window.isEnabled(command)) {
        state.SkipWithError("the command is not enabled");
        return;
    }
    double cpuMs = 0;
    double commandMs = 0;
    double refreshMs = 0;
    double repaintMs = 0;
    double undoMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpuStart = cpuMilliseconds();
        window.runCommand(command);
        const auto commandEnd = Clock::now();
        commandMs += std::chrono::duration<double, std::milli>(commandEnd - start).count();
        runPostedRefresh(window);
        const auto refreshEnd = Clock::now();
        refreshMs += std::chrono::duration<double, std::milli>(refreshEnd - commandEnd).count();
        QCoreApplication::processEvents();
        repaintMs += millisecondsSince(refreshEnd);
        cpuMs += cpuMilliseconds() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());

        if (open.document().undoCode() != expectedAction || open.document().history().undoDepth() != 1) {
            state.SkipWithError("the command did not make its undo step");
            break;
        }
        const auto undoStart = Clock::now();
        window.runCommand(CmdUndo);
        settle(window);
        undoMs += millisecondsSince(undoStart);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = cpuMs / iterations;
    // The command alone (keeping the prior state, change, trimming history), the
    // refresh of the views after it, and the control's layout and repaint.
    state.counters["command_ms"] = commandMs / iterations;
    state.counters["refresh_ms"] = refreshMs / iterations;
    state.counters["repaint_ms"] = repaintMs / iterations;
    state.counters["undo_ms"] = undoMs / iterations;
    state.counters["pages"] = static_cast<double>(pageCount());
}

// A left click on the label of `node`'s item, scrolled into view first.
void clickLabel(OpenWindow& open, ProjectNode& node)
{
    CProjectTree& tree = *open.window->treeView();
    auto* item = NodeTreeWidget::itemOf(node.treeItem());
    tree.scrollToItem(item);
    const QRect rect = tree.visualItemRect(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() + tree.iconSize().width() / 2, rect.center().y()));
}

// Times what `step` does up to the end of the refresh and repaint after it.
// On a loaded machine the wall time is mostly waiting: the CPU time of the
// process is kept beside it.
struct StepTimes {
    std::vector<double> wall;
    std::vector<double> cpu;
};

// The middle of a step's times across rounds; 0 when no round finished.
double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Step>
double timedStep(OpenWindow& open, StepTimes& times, Step step)
{
    const auto start = Clock::now();
    const double cpuStart = cpuMilliseconds();
    step();
    settle(*open.window);
    times.cpu.push_back(cpuMilliseconds() - cpuStart);
    times.wall.push_back(millisecondsSince(start));
    return times.wall.back();
}

// What is wrong after Undo of the Exclude of the target `name` of the page
// at `path` ("" when nothing): the step undone, the target (in the page put
// back) no longer excluded, alone selected, current and shown marked, its
// entries listed, and no list mark left anywhere.
std::string undoProblem(OpenWindow& open, const std::string& path, const std::string& name)
{
    CProjectDoc& document = open.document();
    ProjectRootNode& root = open.root();
    if (document.history().undoDepth() != 0 || document.history().redoDepth() != 1)
        return "the Exclude was not undone";
    Target* target = root.findOrCreateFile(path).findTarget(name);
    if (!target || target->isExcluded())
        return "Undo did not put the target back";
    std::vector<ProjectNode*> selected;
    root.collect(selected, NodeKindMask::SelectedOnly | NodeKindMask::AllNodes);
    if (selected != std::vector<ProjectNode*> {target} || root.currentNode() != target)
        return "Undo did not show the selection recorded with the step";
    const QTreeWidgetItem* item = NodeTreeWidget::itemOf(target->treeItem());
    if (!item || !NodeTreeWidget::isMarked(item) || open.window->treeView()->currentItem() != item)
        return "the target's item is not shown selected and current";
    if (open.window->listView()->rows().size() != target->entryCount())
        return "the list does not show the target's entries";
    std::size_t marks = 0;
    root.forEachListMarked([&marks](EntryRecord&) { ++marks; });
    return marks == 0 ? std::string() : "list marks were left after Undo";
}

// The four selection changes of a user on a large project, each timed with
// its refresh: the collapsed project folder clicked (everything below it
// selected, the list shows every entry), a URL clicked (all that deselected),
// Collapse All, and Undo of an Exclude recorded with one target selected.
void BM_SelectionChanges(benchmark::State& state)
{
    OpenWindow& open = shared();
    ProjectRootNode& root = open.root();
    if (root.externalUrls().urls().empty()) {
        state.SkipWithError("no URL");
        return;
    }
    ExternalUrl& url = *root.externalUrls().urls().front();
    CProjectWnd& window = *open.window;
    StepTimes folder, urlClick, collapse, undo;
    std::size_t listRows = 0;
    for (auto _ : state) {
        // Untimed: the step to undo, then the project folder collapsed
        // with the URLs shown, as a user leaves them. Undo replaced the page
        // of the previous round.
        SourceFile* file = fileWithRegularEntry(root);
        if (!file || file->targetCount() < 2) {
            state.SkipWithError("no page with targets");
            break;
        }
        const std::string page = file->fullPath();
        const std::string target = file->targets()[1]->label();
        clickInTree(open, *file->targets()[1]);
        window.runCommand(CmdExclude);
        settle(window);
        if (open.document().undoCode() != ActionExcludeTargets || open.document().history().undoDepth() != 1 ||
            !file->findTarget(target)->isExcluded()) {
            state.SkipWithError("the Exclude made no undo step");
            break;
        }
        LocalFilesNode& projectFolder = root.localFiles();
        projectFolder.setExpanded(false);
        root.externalUrls().setExpanded(true);
        open.document().updateAllViews(HintTreeExpandCollapse, open.window->treeView());
        settle(window);

        double roundMs = timedStep(open, folder, [&] { clickLabel(open, projectFolder); });
        listRows = window.listView()->rows().size();
        roundMs += timedStep(open, urlClick, [&] { clickLabel(open, url); });
        roundMs += timedStep(open, collapse, [&] { window.runCommand(CmdCollapseAll); });
        roundMs += timedStep(open, undo, [&] { window.runCommand(CmdUndo); });
        if (const std::string problem = undoProblem(open, page, target); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            break;
        }
        state.SetIterationTime(roundMs / 1e3);
    }
    state.counters["folder_ms"] = median(folder.wall);
    // The longest round shows whether any click, the first one after opening
    // among them, still pays for work the others are spared.
    state.counters["folder_max_ms"] =
        folder.wall.empty() ? 0.0 : *std::max_element(folder.wall.begin(), folder.wall.end());
    state.counters["url_ms"] = median(urlClick.wall);
    state.counters["collapse_all_ms"] = median(collapse.wall);
    state.counters["undo_ms"] = median(undo.wall);
    state.counters["folder_cpu_ms"] = median(folder.cpu);
    state.counters["url_cpu_ms"] = median(urlClick.cpu);
    state.counters["collapse_all_cpu_ms"] = median(collapse.cpu);
    state.counters["undo_cpu_ms"] = median(undo.cpu);
    state.counters["list_rows_folder"] = static_cast<double>(listRows);
    state.counters["pages"] = static_cast<double>(pageCount());
}

// An action with the whole project listed: the project folder clicked
// (collapsed, so the list shows every entry), one regular entry in the
// middle of the list marked and made current, and Delete with its refresh
// timed; Undo, untimed, puts the entry back for the next round.
void BM_ActionOnWholeProject(benchmark::State& state)
{
    OpenWindow& open = shared();
    ProjectRootNode& root = open.root();
    CProjectWnd& window = *open.window;
    CProjectList& list = *window.listView();
    StepTimes times;
    std::size_t listRows = 0;
    for (auto _ : state) {
        LocalFilesNode& projectFolder = root.localFiles();
        projectFolder.setExpanded(false);
        clickLabel(open, projectFolder);
        settle(window);
        listRows = list.rows().size();
        EntryRecord* marked = nullptr;
        // A regular entry in the middle of the list; its holder has no
        // other, so its default entry takes its row.
        std::size_t markedRow = listRows / 2;
        for (; markedRow < listRows && !marked; ++markedRow) {
            const ListRow shown = list.rows()[markedRow];
            if (shown.isEntry && shown.record && !shown.record->isDefault() && shown.record->owner())
                marked = shown.record;
        }
        if (!marked) {
            state.SkipWithError("the list shows no regular entry");
            break;
        }
        --markedRow;
        const ProjectNode* holder = marked->owner();
        marked->setListSelected(true);
        root.setCurrentListRow(static_cast<int>(markedRow));
        open.document().updateAllViews(HintListClick, &list);
        settle(window);
        timedStep(open, times, [&] { window.runCommand(CmdDeleteEntries); });
        if (open.document().undoCode() != ActionDeleteEntriesAndCrossReferences ||
            open.document().history().undoDepth() != 1) {
            state.SkipWithError("the Delete made no undo step");
            break;
        }
        const ListRow after = list.rows()[markedRow];
        if (list.rows().size() != listRows || !after.record || after.record->owner() != holder ||
            !after.record->isDefault()) {
            state.SkipWithError("the holder's default entry does not stand in the deleted entry's row");
            break;
        }
        state.SetIterationTime(times.wall.back() / 1e3);
        window.runCommand(CmdUndo);
        settle(window);
        if (open.document().history().undoDepth() != 0) {
            state.SkipWithError("the Delete was not undone");
            break;
        }
    }
    state.counters["action_ms"] = median(times.wall);
    state.counters["action_cpu_ms"] = median(times.cpu);
    state.counters["list_rows"] = static_cast<double>(listRows);
    state.counters["pages"] = static_cast<double>(pageCount());
}

// What a step of the expanded-tree case may take, by CPU time of the process
// (wall time on a shared machine is mostly waiting): a step touching a few
// hundred records, and one over the whole project.
constexpr double kSmallStepMs = 50;
constexpr double kWholeProjectStepMs = 1000;

struct TargetedStep {
    const char* name;
    double limitMs;
    StepTimes times;
};

// Changes with the whole tree expanded, where every open item once made each
// insertion and deletion of an item cost the size of the tree: Expand All,
// Exclude of four pages with its Undo and Redo, Collapse All, Delete of every
// list row with its Undo, then Redo and Undo of it with the tree expanded
// again. Fails when the median of a step misses its limit.
void BM_ExpandedTreeChanges(benchmark::State& state)
{
    OpenWindow& open = shared();
    ProjectRootNode& root = open.root();
    CProjectWnd& window = *open.window;
    TargetedStep expand {"expand_all", kWholeProjectStepMs, {}};
    TargetedStep exclude {"exclude_4_pages", kSmallStepMs, {}};
    TargetedStep undoSmall {"undo_exclude", kSmallStepMs, {}};
    TargetedStep redoSmall {"redo_exclude", kSmallStepMs, {}};
    TargetedStep collapse {"collapse_all", kWholeProjectStepMs, {}};
    TargetedStep deleteAll {"delete_all_rows", kWholeProjectStepMs, {}};
    TargetedStep undoAll {"undo_delete_all", kWholeProjectStepMs, {}};
    TargetedStep redoAllExpanded {"redo_delete_all_expanded", kWholeProjectStepMs, {}};
    TargetedStep undoAllExpanded {"undo_delete_all_expanded", kWholeProjectStepMs, {}};
    const auto run = [&](TargetedStep& step, int command) {
        return timedStep(open, step.times, [&] { window.runCommand(command); });
    };
    for (auto _ : state) {
        double roundMs = run(expand, CmdExpandAll);
        std::vector<ProjectNode*> files;
        root.collect(files, NodeKindMask::File);
        for (std::size_t i = 0; i < 4; ++i)
            root.applyTreeSelection(*files[files.size() / 2 + i], false, i > 0);
        open.document().updateAllViews(HintTreeClick, window.treeView());
        settle(window);
        roundMs += run(exclude, CmdExclude);
        roundMs += run(undoSmall, CmdUndo);
        roundMs += run(redoSmall, CmdRedo);
        window.runCommand(CmdUndo);
        settle(window);

        roundMs += run(collapse, CmdCollapseAll);
        clickLabel(open, root.localFiles());
        settle(window);
        for (const ListRow& row : window.listView()->rows())
            row.record->setListSelected(true);
        open.document().updateAllViews(HintListClick, window.listView());
        settle(window);
        roundMs += run(deleteAll, CmdDeleteEntries);
        roundMs += run(undoAll, CmdUndo);
        window.runCommand(CmdExpandAll);
        settle(window);
        roundMs += run(redoAllExpanded, CmdRedo);
        roundMs += run(undoAllExpanded, CmdUndo);
        if (open.document().history().undoDepth() != 0 || open.document().history().redoDepth() != 1) {
            state.SkipWithError("the steps did not undo as they were made");
            break;
        }
        window.runCommand(CmdCollapseAll);
        settle(window);
        state.SetIterationTime(roundMs / 1e3);
    }
    std::string missed;
    for (TargetedStep* step : {&expand, &exclude, &undoSmall, &redoSmall, &collapse, &deleteAll, &undoAll,
                               &redoAllExpanded, &undoAllExpanded}) {
        const double cpu = median(step->times.cpu);
        state.counters[std::string(step->name) + "_ms"] = median(step->times.wall);
        state.counters[std::string(step->name) + "_cpu_ms"] = cpu;
        // A case over its limit reports no counters: the figures go to the log as well.
        std::cerr << step->name << ": " << median(step->times.wall) << " ms wall, " << cpu << " ms CPU (limit "
                  << step->limitMs << " ms)\n";
        if (cpu > step->limitMs)
            missed += std::string(missed.empty() ? "" : ", ") + step->name;
    }
    state.counters["pages"] = static_cast<double>(pageCount());
    if (!missed.empty()) {
        limitMissed = true;
        state.SkipWithError(("over the limit: " + missed).c_str());
    }
}

void BM_OpenProject(benchmark::State& state)
{
    double loadMs = 0;
    double windowMs = 0;
    double gapMs = 0;
    double stepsPerPage = 0;
    for (auto _ : state) {
        OpenWindow open;
        loadMs += open.loadMs;
        windowMs += open.windowMs;
        gapMs = std::max(gapMs, open.services.progress.longestGapMs);
        const std::size_t files = open.root().count(NodeKindMask::File);
        if (files != pageCount())
            state.SkipWithError("not every page was loaded");
        stepsPerPage = static_cast<double>(open.services.progress.steps) / static_cast<double>(files);
        state.SetIterationTime((open.loadMs + open.windowMs) / 1e3);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["load_ms"] = loadMs / iterations;
    state.counters["window_ms"] = windowMs / iterations;
    state.counters["longest_step_gap_ms"] = gapMs;
    state.counters["steps_per_page"] = stepsPerPage;
    state.counters["pages"] = static_cast<double>(pageCount());
}

void BM_OpenCancelled(benchmark::State& state)
{
    double pagesLoaded = 0;
    for (auto _ : state) {
        OpenWindow open(cancelAfter());
        pagesLoaded = static_cast<double>(open.root().count(NodeKindMask::File));
        if (pagesLoaded != cancelAfter())
            state.SkipWithError("Cancel did not stop the load after the pages announced");
        state.SetIterationTime((open.loadMs + open.windowMs) / 1e3);
    }
    state.counters["pages_loaded"] = pagesLoaded;
    state.counters["pages"] = static_cast<double>(pageCount());
}

// Both views brought up to date when nothing changed: the walks every
// refresh makes, whatever the change.
void BM_RefreshUnchanged(benchmark::State& state)
{
    OpenWindow& open = shared();
    CProjectWnd& window = *open.window;
    for (auto _ : state) {
        const auto start = Clock::now();
        window.treeView()->updateView(HintTreeClick);
        window.listView()->updateView(HintTreeClick);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

void BM_ExcludeRefresh(benchmark::State& state)
{
    OpenWindow& open = shared();
    SourceFile* file = fileWithRegularEntry(open.root());
    if (!file || file->targetCount() < 2) {
        state.SkipWithError("no page with targets");
        return;
    }
    clickInTree(open, *file->targets()[1]);
    timeCommandWithUndo(state, open, CmdExclude, ActionExcludeTargets);
}

void BM_DeleteRefresh(benchmark::State& state)
{
    OpenWindow& open = shared();
    SourceFile* file = fileWithRegularEntry(open.root());
    if (!file) {
        state.SkipWithError("no page with an index block");
        return;
    }
    // The page collapsed and selected: the list shows its entries and its
    // targets'; one regular entry is marked there.
    clickInTree(open, *file);
    CProjectList& list = *open.window->listView();
    EntryRecord* marked = nullptr;
    for (const ListRow& row : list.rows()) {
        if (row.isEntry && !row.record->isDefault()) {
            marked = row.record;
            break;
        }
    }
    if (!marked) {
        state.SkipWithError("the list shows no regular entry");
        return;
    }
    marked->setListSelected(true);
    open.document().updateAllViews(HintListClick, &list);
    settle(*open.window);
    state.counters["list_rows"] = static_cast<double>(list.rows().size());
    timeCommandWithUndo(state, open, CmdDeleteEntries, ActionDeleteEntriesAndCrossReferences);
}

BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_OpenCancelled)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_ExcludeRefresh)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_DeleteRefresh)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_SelectionChanges)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_ActionOnWholeProject)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_ExpandedTreeChanges)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    // As the desktop program starts.
    coalesceFreedBlocksAtOnce();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow.reset();
    return limitMissed ? 1 : 0;
}
