#include "support/UiTestSupport.h"
#include "ui/commands/CommandIds.h"
#include "ui/commands/CommandRegistry.h"
#include "ui/commands/CommandTable.h"
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectTree.h"
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>
#include <set>

namespace torvane {
namespace {

QMenu* menuNamed(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

// The texts of a menu's items, "-" for a separator.
QStringList itemTexts(const QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << (action->isSeparator() ? "-" : action->text());
    return texts;
}

QAction* itemOf(const QMenu& menu, int id)
{
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->data().toInt() == id)
            return action;
    return nullptr;
}

class CommandRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hooks = test::projectOpeningHooks(app.services);
        hooks.helpTopics = [this](QWidget*) { ++helpShown; };
        frame = std::make_unique<CMainFrame>(app.profile, hooks);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(frame->openProjectFile(test::writeSampleProject(dir)));
        window = qobject_cast<CProjectWnd*>(frame->mdiArea()->currentSubWindow()->widget());
        ASSERT_NE(window, nullptr);
        window->flushRefresh();
    }

    void TearDown() override
    {
        if (window)
            window->document().setModified(false);
    }

    QAction* shared(int id) { return frame->commands().action(id); }

    std::unique_ptr<QMenu> popup(const std::vector<MenuItemDef>& items)
    {
        return std::unique_ptr<QMenu>(window->buildPopup(items));
    }

    // Everything selected: the collapsed root clicked.
    void selectRoot()
    {
        window->runCommand(CmdCollapseAll);
        window->flushRefresh();
        ProjectRootNode& root = window->document().root();
        root.applyTreeSelection(root, false, false);
        window->document().updateAllViews(HintTreeClick, window->treeView());
        window->flushRefresh();
    }

    test::TempDir dir;
    test::UiTestApp app;
    FrameHooks hooks;
    int helpShown = 0;
    std::unique_ptr<CMainFrame> frame;
    CProjectWnd* window = nullptr;
};

TEST_F(CommandRegistryTest, EveryCommandHasOneActionThatMenusToolbarAndPopupsShare)
{
    std::set<int> ids;
    for (const CommandDef& def : commandDefs())
        EXPECT_TRUE(ids.insert(def.id).second) << "listed twice: " << def.id;
    EXPECT_EQ(frame->commands().actions().size(), commandDefs().size());
    Command again;
    again.id = CmdUndo;
    EXPECT_THROW(frame->commands().add(again), std::logic_error);

    std::set<int> placed;
    auto expectShared = [&](QAction* action) {
        if (action->isSeparator() || !action->data().isValid())
            return;
        const int id = action->data().toInt();
        placed.insert(id);
        EXPECT_EQ(action, shared(id)) << id;
    };
    for (QAction* menu : frame->menuBar()->actions())
        for (QAction* action : menu->menu()->actions())
            expectShared(action);
    for (QAction* action : frame->toolBar()->actions())
        expectShared(action);
    for (const auto* items : {&treePopupDef(), &listPopupDef()}) {
        auto menu = popup(*items);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            expectShared(action);
    }
    // The project menu, toolbar and popups between them show every command.
    EXPECT_EQ(placed, ids);
}

TEST_F(CommandRegistryTest, EachPlaceKeepsItsWording)
{
    QMenu* actions = menuNamed(*frame, "&Actions");
    ASSERT_NE(actions, nullptr);
    emit actions->aboutToShow();
    EXPECT_EQ(itemTexts(*actions), (QStringList {"Add &Files...",
                                                 "Add External &URLs...",
                                                 "&Remove Selected Files, URLs, and Locators",
                                                 "-",
                                                 "E&xclude Selected Targets from Index",
                                                 "-",
                                                 "&Add Index Entry to Selected Targets...\tCtrl+E",
                                                 "&Edit Selected Index Entries...",
                                                 "Acce&pt Selected Default Entries",
                                                 "&Delete Selected Index Entries and Cross-References",
                                                 "-",
                                                 "&Select Associated Targets",
                                                 "-",
                                                 "&Create Cross-Reference...",
                                                 "Edit Selected Cross-Refere&nce...",
                                                 "-",
                                                 "Undo\tCtrl+Z",
                                                 "Redo\tCtrl+Y",
                                                 "-",
                                                 "&Make Index\tCtrl+M",
                                                 "Chec&k Index..."}));

    {
        auto tree = popup(treePopupDef());
        EXPECT_EQ(itemTexts(*tree),
                  (QStringList {"&Add Index Entry to Selected Targets...\tCtrl+E", "-", "&Edit Selected Source File",
                                "&View Selected Source File", "-", "E&xclude Selected Targets from Index", "-",
                                "Ex&pand All", "&Collapse All", "-", "Add &Files...", "Add External &URLs...",
                                "&Remove Selected Files, URLs, and Locators", "-", "Create Cr&oss-Reference...", "-",
                                "Undo\tCtrl+Z", "Redo\tCtrl+Y"}));
        auto list = popup(listPopupDef());
        EXPECT_EQ(itemOf(*list, CmdAcceptDefaultEntries)->text(), "&Accept Selected Default Entries");
    }
    // Closed popups give the menu bar its own wording back.
    EXPECT_EQ(shared(CmdEditSourceFile)->text(), "Selected &Source File");
    EXPECT_EQ(shared(CmdViewSourceFile)->text(), "Selected &Source File");
    EXPECT_EQ(shared(CmdExpandAll)->text(), "&Expand All");
    EXPECT_EQ(shared(CmdAcceptDefaultEntries)->text(), "Acce&pt Selected Default Entries");

    // Pictures are the toolbar's; the menu shows F1 beside help.
    EXPECT_FALSE(shared(CmdFileNew)->icon().isNull());
    EXPECT_FALSE(shared(CmdFileNew)->isIconVisibleInMenu());
    EXPECT_EQ(shared(CmdHelpTopics)->text(), "Help &Topics\tF1");
    EXPECT_EQ(shared(CmdFileSave)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(shared(CmdRemove)->toolTip(), "Remove Files/URLs/X-refs");
    EXPECT_EQ(shared(CmdRemove)->statusTip(), "Remove selected files, URLs, and cross-references from the project");
}

TEST_F(CommandRegistryTest, EnablingFollowsTheRuleInEveryPlace)
{
    auto tree = popup(treePopupDef());
    QAction* remove = shared(CmdRemove);
    EXPECT_FALSE(remove->isEnabled()) << "nothing is selected";
    EXPECT_EQ(itemOf(*tree, CmdRemove), remove);
    // An item left enabled by a stale state still asks the rule before it runs.
    shared(CmdExclude)->setEnabled(true);
    shared(CmdExclude)->trigger();
    window->flushRefresh();
    EXPECT_FALSE(window->document().undoCode().has_value()) << "nothing was selected: nothing to exclude";
    EXPECT_FALSE(frame->commands().run(CmdExclude));

    selectRoot();
    EXPECT_TRUE(remove->isEnabled()) << "the refresh brings the shared action up to date";
    EXPECT_TRUE(shared(CmdExclude)->isEnabled());
    EXPECT_FALSE(shared(CmdUndo)->isEnabled());

    // Run from the popup, the command reaches the window and the queue texts follow.
    itemOf(*tree, CmdExclude)->trigger();
    window->flushRefresh();
    EXPECT_EQ(window->undoActionName(), std::optional<std::string>("Exclude Targets"));
    tree = popup(treePopupDef());
    EXPECT_EQ(itemOf(*tree, CmdUndo)->text(), "Undo Exclude Targets\tCtrl+Z");
    EXPECT_TRUE(itemOf(*tree, CmdUndo)->isEnabled());
    EXPECT_FALSE(itemOf(*tree, CmdRedo)->isEnabled());

    itemOf(*tree, CmdUndo)->trigger();
    window->flushRefresh();
    auto list = popup(listPopupDef());
    EXPECT_EQ(itemOf(*list, CmdUndo)->text(), "Undo\tCtrl+Z");
    EXPECT_FALSE(itemOf(*list, CmdUndo)->isEnabled());
    EXPECT_EQ(itemOf(*list, CmdRedo)->text(), "Redo Exclude Targets\tCtrl+Y");
}

TEST_F(CommandRegistryTest, APopupActsOnTheWindowItBelongsTo)
{
    selectRoot();
    std::filesystem::copy_file(dir.path() + "Sample.ipj", dir.path() + "Other.ipj");
    ASSERT_TRUE(frame->openProjectFile(dir.path() + "Other.ipj"));
    auto* other = qobject_cast<CProjectWnd*>(frame->mdiArea()->currentSubWindow()->widget());
    ASSERT_NE(other, window);
    other->flushRefresh();
    EXPECT_FALSE(shared(CmdExclude)->isEnabled()) << "nothing is selected in the active window";
    EXPECT_EQ(frame->activeProject(), static_cast<ProjectCommands*>(other));

    auto tree = popup(treePopupDef());
    EXPECT_EQ(frame->activeProject(), static_cast<ProjectCommands*>(window));
    EXPECT_TRUE(itemOf(*tree, CmdExclude)->isEnabled()) << "the first window's selection counts";
    itemOf(*tree, CmdExclude)->trigger();
    window->flushRefresh();
    EXPECT_TRUE(window->document().undoCode().has_value());
    EXPECT_FALSE(other->document().undoCode().has_value());
    other->document().setModified(false);
}

TEST_F(CommandRegistryTest, KeysRunTheirCommandsOnlyWhenEnabled)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(window->treeView(), Qt::Key_F1);
    EXPECT_EQ(helpShown, 1);

    QTest::keyClick(window->treeView(), Qt::Key_Z, Qt::ControlModifier);
    window->flushRefresh();
    EXPECT_FALSE(window->document().redoCode().has_value()) << "an empty queue has nothing to undo";

    // The keys of the commands used most reach their actions.
    for (auto [id, keys] :
         {std::pair {CmdMakeIndex, QKeySequence("Ctrl+M")}, std::pair {CmdExit, QKeySequence("Ctrl+Q")},
          std::pair {CmdAddIndexEntry, QKeySequence("Ctrl+E")}}) {
        int triggered = 0;
        const auto connection = QObject::connect(shared(id), &QAction::triggered, [&triggered] { ++triggered; });
        // Exit must not close the frame under the test.
        shared(id)->setEnabled(id != CmdExit);
        QTest::keySequence(window->treeView(), keys);
        EXPECT_EQ(triggered, id == CmdExit ? 0 : 1) << keys.toString().toStdString();
        EXPECT_EQ(shared(id)->shortcut(), keys);
        QObject::disconnect(connection);
    }
}

// Alt and a letter must reach one item: two items of a menu with the same
// access key would need the letter pressed twice.
TEST_F(CommandRegistryTest, NoTwoItemsOfAMenuShareAnAccessKey)
{
    const auto accessKeys = [](const QStringList& texts) {
        std::multiset<QChar> keys;
        for (const QString& text : texts) {
            const qsizetype amp = text.indexOf('&');
            if (amp >= 0 && amp + 1 < text.size())
                keys.insert(text.at(amp + 1).toLower());
        }
        return keys;
    };
    const auto expectUnique = [&accessKeys](const QString& where, const QStringList& texts) {
        const std::multiset<QChar> keys = accessKeys(texts);
        for (QChar key : keys)
            EXPECT_EQ(keys.count(key), 1u) << where.toStdString() << ": &" << QString(key).toStdString();
    };
    QStringList bar;
    for (QAction* top : frame->menuBar()->actions()) {
        bar << top->text();
        emit top->menu()->aboutToShow();
        expectUnique(top->text(), itemTexts(*top->menu()));
    }
    expectUnique("menu bar", bar);
    expectUnique("tree popup", itemTexts(*popup(treePopupDef())));
    expectUnique("list popup", itemTexts(*popup(listPopupDef())));
}

} // namespace
} // namespace torvane
