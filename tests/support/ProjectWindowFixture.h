#pragma once
#include "support/UiTestSupport.h"
#include "model/ProjectRootNode.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include <QTest>
#include <functional>

namespace torvane::test {

// The sample project open in a project window that has the hooks a test
// installs, and clicks on its tree and list made as the user makes them.
class ProjectWindowFixture : public ::testing::Test {
protected:
    using InstallHooks = std::function<void(CProjectWnd::Hooks&, AppServices&)>;

    // Call from SetUp, inside ASSERT_NO_FATAL_FAILURE.
    void openSampleProject(const InstallHooks& install = {})
    {
        CProjectWnd::Hooks hooks;
        if (install)
            install(hooks, app.services);
        window = showProjectWindow(app.services, writeSampleProject(dir), hooks);
        ASSERT_NE(window, nullptr);
    }

    CProjectDoc& document() { return window->document(); }
    ProjectRootNode& root() { return window->document().root(); }

    // Clicks the middle of a node's label in the tree.
    void clickNode(ProjectNode& node, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTreeWidgetItem* item = CProjectTree::itemOf(node.treeItem());
        ASSERT_NE(item, nullptr) << node.label();
        CProjectTree& tree = *window->treeView();
        const QRect rect = tree.visualItemRect(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, modifiers, QPoint(rect.left() + 30, rect.center().y()));
        window->flushRefresh();
    }

    // The index entry cell of a list row.
    QRect rowRect(int row) const
    {
        CProjectList& list = *window->listView();
        return list.visualRect(list.model()->index(row, 1));
    }

    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(window->listView()->viewport(), Qt::LeftButton, modifiers, rowRect(row).center());
        window->flushRefresh();
    }

    TempDir dir;
    UiTestApp app;
    std::unique_ptr<CProjectWnd> window;
};

} // namespace torvane::test
