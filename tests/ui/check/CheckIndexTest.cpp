#include "support/UiTestSupport.h"
#include "document/EntryFieldRules.h"
#include "document/ProjectLookup.h"
#include "model/SourceFile.h"
#include "ui/check/CheckIndexDialog.h"
#include "ui/check/CheckIndexHook.h"
#include "ui/commands/CommandIds.h"
#include "ui/commands/CommandTable.h"
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace torvane {
namespace {

std::vector<std::string> rowsOf(const CheckIndexDialog& dialog)
{
    std::vector<std::string> rows;
    QTreeWidget* list = dialog.findingsList();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows.push_back((list->topLevelItem(row)->text(0) + " " + list->topLevelItem(row)->text(1)).toStdString());
    return rows;
}

TEST(CheckIndex, IsAnActionsCommandThatNeedsItsHook)
{
    bool listed = false;
    for (const MenuPopupDef& popup : projectMenuDef()) {
        for (const MenuItemDef& item : popup.items)
            listed = listed || (item.id == CmdCheckIndex && std::string(popup.title) == "&Actions");
    }
    EXPECT_TRUE(listed);

    test::UiTestApp app;
    test::TempDir dir;
    const std::string project = test::writeSampleProject(dir);
    auto bare = test::showProjectWindow(app.services, project);
    ASSERT_TRUE(bare);
    EXPECT_FALSE(bare->isEnabled(CmdCheckIndex));
    CProjectWnd::Hooks hooks;
    installCheckIndexHook(hooks);
    auto window = test::showProjectWindow(app.services, project, hooks);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isEnabled(CmdCheckIndex));
}

TEST(CheckIndex, ListsTheFindingsAndShowsTheirPlaceInTheTree)
{
    test::UiTestApp app;
    test::TempDir dir;
    CProjectWnd::Hooks hooks;
    installCheckIndexHook(hooks);
    auto window = test::showProjectWindow(app.services, test::writeSampleProject(dir), hooks);
    ASSERT_TRUE(window);

    window->runCommand(CmdCheckIndex);
    auto* dialog = window->findChild<CheckIndexDialog*>();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(rowsOf(*dialog), (std::vector<std::string> {"sub/b.htm page-without-entries",
                                                          "a.htm page-without-entries", "c.htm page-without-entries"}));
    EXPECT_EQ(dialog->summaryText().toStdString(), "Coverage: 0 of 3 pages have entries (0%). 0 errors, 3 warnings.");

    // Activating a row (double-click or Enter) selects its page, opening its folder.
    QTreeWidget* list = dialog->findingsList();
    emit list->itemActivated(list->topLevelItem(0), 0);
    ProjectRootNode& root = window->document().root();
    SourceFile* page = findPage(root, "sub/b.htm");
    ASSERT_TRUE(page);
    EXPECT_EQ(root.currentNode(), page);
    EXPECT_TRUE(page->isSelected());
    EXPECT_TRUE(page->parent()->isExpanded());
    EXPECT_FALSE(findPage(root, "a.htm")->isSelected());

    // The command again checks anew in the same window.
    IndexEntryValues values = blankEntryValues();
    values.indexAs = values.helpAs = values.sortAs = "Cherries";
    selectOnly(root, {findPage(root, "c.htm")});
    window->document().addIndexEntry(values);
    window->runCommand(CmdCheckIndex);
    EXPECT_EQ(window->findChildren<CheckIndexDialog*>().size(), 1);
    EXPECT_EQ(rowsOf(*dialog),
              (std::vector<std::string> {"sub/b.htm page-without-entries", "a.htm page-without-entries"}));
}

// A finding let stand leaves the list at once, is counted, and stays away
// after a save and a new opening: the project keeps it, with its reason.
TEST(CheckIndex, IgnoreThisFindingKeepsTheReasonInTheProject)
{
    test::UiTestApp app;
    test::TempDir dir;
    CProjectWnd::Hooks hooks;
    installCheckIndexHook(hooks);
    const std::string project = test::writeSampleProject(dir);
    auto window = test::showProjectWindow(app.services, project, hooks);
    ASSERT_TRUE(window);
    window->runCommand(CmdCheckIndex);
    auto* dialog = window->findChild<CheckIndexDialog*>();
    ASSERT_TRUE(dialog);
    dialog->ignoreRow(0, "a cover page, nothing to look up");
    EXPECT_EQ(rowsOf(*dialog), (std::vector<std::string> {"a.htm page-without-entries", "c.htm page-without-entries"}));
    EXPECT_EQ(dialog->summaryText().toStdString(),
              "Coverage: 0 of 3 pages have entries (0%). 0 errors, 2 warnings, 1 suppressed.");
    EXPECT_TRUE(window->document().isModified());
    ASSERT_TRUE(window->document().save());
    EXPECT_NE(
        test::TempDir::contents(project).find("Check Ignore=page-without-entries|sub/b.htm|#||a cover page, nothing to "
                                              "look up\r\n"),
        std::string::npos);
    window.reset();
    auto reopened = test::showProjectWindow(app.services, project, hooks);
    ASSERT_TRUE(reopened);
    reopened->runCommand(CmdCheckIndex);
    EXPECT_EQ(rowsOf(*reopened->findChild<CheckIndexDialog*>()),
              (std::vector<std::string> {"a.htm page-without-entries", "c.htm page-without-entries"}));
}

} // namespace
} // namespace torvane
