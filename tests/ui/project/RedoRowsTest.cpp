#include "support/ProjectWindowFixture.h"
#include "document/EntryValues.h"
#include "document/ProjectAction.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "ui/commands/CommandIds.h"
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace torvane {
namespace {

// Every item of a tree, depth first, as "indent text [picture]", with the
// tree expanded throughout so that every item is laid out.
std::vector<std::string> itemDump(CProjectWnd& window)
{
    window.runCommand(CmdExpandAll);
    window.flushRefresh();
    std::vector<std::string> lines;
    for (QTreeWidgetItemIterator it(window.treeView()); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        lines.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + (*it)->text(0).toStdString() +
                        ((*it)->icon(0).isNull() ? " [no picture]" : " [picture]"));
    }
    return lines;
}

class RedoRows : public test::ProjectWindowFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(openSampleProject()); }

    SourceFile& page(const std::string& relative) { return root().findOrCreateFile(dir.path() + relative); }

    void select(ProjectNode& node)
    {
        root().applyTreeSelection(node, false, false);
        document().updateAllViews(HintTreeClick, window->treeView());
        window->flushRefresh();
    }

    void run(int command)
    {
        ASSERT_TRUE(window->isEnabled(command)) << command;
        window->runCommand(command);
        window->flushRefresh();
    }

    // Undoes and redoes the last step, then compares the tree with one
    // freshly opened on the project saved as it stands.
    void expectRedoShowsWhatOpeningShows(int action)
    {
        ASSERT_EQ(document().undoCode(), std::optional<int>(action));
        run(CmdUndo);
        run(CmdRedo);
        ASSERT_EQ(document().undoCode(), std::optional<int>(action));
        const std::vector<std::string> shown = itemDump(*window);
        ASSERT_TRUE(document().save());
        test::UiTestApp other;
        std::unique_ptr<CProjectWnd> fresh = test::showProjectWindow(other.services, document().pathName());
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(shown, itemDump(*fresh)) << "after Redo of action " << action;
    }
};

TEST_F(RedoRows, RedoOfEveryActionShowsTheRowsAFreshOpenShows)
{
    select(*page("a.htm").findTarget("one"));
    run(CmdExclude);
    expectRedoShowsWhatOpeningShows(ActionExcludeTargets);

    IndexEntryValues entry;
    entry.indexAs = entry.sortAs = entry.helpAs = "Cherries";
    entry.helpTitle = "Cherries";
    select(page("c.htm"));
    document().addIndexEntry(entry, window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionAddIndexEntry);

    document().createCrossReference({"Stone fruit", "stone fruit", ". ", "See also", "Cherries", "cherries", true},
                                    window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionCreateCrossReference);

    dir.write("d.htm", "<html><head><title>Dates</title></head><body><a name=\"d1\">D</a></body></html>");
    document().addFiles({dir.path() + "d.htm"}, window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionAddFiles);

    document().addExternalUrl("http://example.org/more", window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionAddExternalUrls);

    select(page("c.htm"));
    document().deleteRecords({page("c.htm").entries().front()}, window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionDeleteEntriesAndCrossReferences);

    select(page("sub/b.htm"));
    document().acceptDefaultEntries({page("sub/b.htm").findTarget("three")->entries().front()}, window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionAcceptDefaultEntries);

    select(page("d.htm"));
    document().removeSelected(window->treeView());
    window->flushRefresh();
    expectRedoShowsWhatOpeningShows(ActionRemoveFilesUrlsLocators);
}

} // namespace
} // namespace torvane
