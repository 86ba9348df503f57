#include "support/FieldMessages.h"
#include "support/ProjectWindowFixture.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "ui/entries/EntryDialogHooks.h"
#include "styles/StyleSettings.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"
#include "ui/entries/EntryDialog.h"
#include "ui/entries/IndexEntryFields.h"
#include "ui/entries/EntryTargetsDialog.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::kBackslash;
using test::kHeading;
using test::kMarker;
using test::kQuote;
using test::kRequired;
using test::typedEntry;

TEST(IndexEntryFields, AutoCopyFollowsTheOutputsMade)
{
    const OutputFlags all {true, true, true};
    const OutputFlags htmlOnly {true, false, false};
    const OutputFlags helpOnly {false, true, false};
    const OutputFlags javaOnly {false, false, true};

    AutoCopy copy = autoCopyFromIndexAs(true, all);
    EXPECT_TRUE(copy.toHelpAs && copy.toSortAs && !copy.toIndexAs);
    copy = autoCopyFromIndexAs(false, all);
    EXPECT_FALSE(copy.toHelpAs || copy.toSortAs);
    copy = autoCopyFromIndexAs(false, htmlOnly);
    EXPECT_TRUE(copy.toHelpAs);
    EXPECT_FALSE(copy.toSortAs);
    copy = autoCopyFromIndexAs(true, helpOnly);
    EXPECT_FALSE(copy.toHelpAs || copy.toSortAs);

    copy = autoCopyFromHelpAs(true, helpOnly);
    EXPECT_TRUE(copy.toSortAs && copy.toIndexAs && !copy.toHelpAs);
    copy = autoCopyFromHelpAs(false, javaOnly);
    EXPECT_TRUE(copy.toIndexAs);
    EXPECT_FALSE(copy.toSortAs);
    copy = autoCopyFromHelpAs(true, all);
    EXPECT_TRUE(copy.toSortAs);
    EXPECT_FALSE(copy.toIndexAs);
    copy = autoCopyFromHelpAs(true, htmlOnly);
    EXPECT_FALSE(copy.toSortAs || copy.toIndexAs);
}

TEST(IndexEntryFields, OutputsComeFromTheStyleSettings)
{
    StyleSettings styles;
    styles.htmlIndex = 0;
    styles.htmlHelp = 1;
    styles.javaHelp = 0;
    const OutputFlags flags = OutputFlags::of(styles);
    EXPECT_FALSE(flags.html);
    EXPECT_TRUE(flags.htmlHelp);
    EXPECT_FALSE(flags.javaHelp);
    EXPECT_TRUE(flags.anyHelp());

    IndexEntryValues values;
    EXPECT_STREQ(targetsButtonText(values), "Add Targets...");
    values.helpFrame = "f";
    EXPECT_STREQ(targetsButtonText(values), "Edit Targets...");
}

class EntryDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<EntryDialog> open(EntryDialogMode mode, OutputFlags outputs,
                                      const IndexEntryValues& initial = blankEntryValues())
    {
        auto dialog = std::make_unique<EntryDialog>(mode, outputs, initial, app.messages);
        dialog->show();
        return dialog;
    }

    test::UiTestApp app;
};

TEST_F(EntryDialogTest, AddModeStartsEmptyWithUntitledAndAutoCopy)
{
    auto dialog = open(EntryDialogMode::Add, {true, false, true});
    EXPECT_EQ(dialog->windowTitle(), "Add Index Entry to Selected Targets");
    EXPECT_EQ(dialog->addButton()->text(), "Add");
    EXPECT_TRUE(dialog->addButton()->isDefault());
    EXPECT_EQ(dialog->closeButton()->text(), "Close");
    EXPECT_TRUE(dialog->autoCopyBox()->isChecked());
    EXPECT_TRUE(dialog->clearOnAddBox()->isVisible());
    EXPECT_FALSE(dialog->clearOnAddBox()->isChecked());
    EXPECT_EQ(dialog->helpTitleEdit()->text(), "Untitled");
    EXPECT_EQ(dialog->indexAsEdit()->text(), "");
    EXPECT_EQ(dialog->targetsButton()->text(), "Add Targets...");
    EXPECT_EQ(dialog->firstField(), dialog->indexAsEdit());
    // JavaHelp alone is enough for the help fields; the targets need HTML or HTML Help.
    EXPECT_TRUE(dialog->helpAsEdit()->isEnabled());
    EXPECT_TRUE(dialog->targetsButton()->isEnabled());

    dialog = open(EntryDialogMode::Add, {true, false, false});
    EXPECT_FALSE(dialog->helpAsEdit()->isEnabled());
    EXPECT_FALSE(dialog->helpTitleEdit()->isEnabled());
    EXPECT_TRUE(dialog->indexAsEdit()->isEnabled());
    EXPECT_TRUE(dialog->sortAsEdit()->isEnabled());

    dialog = open(EntryDialogMode::Add, {false, false, true});
    EXPECT_FALSE(dialog->targetsButton()->isEnabled());
    EXPECT_FALSE(dialog->indexAsEdit()->isEnabled());
    EXPECT_EQ(dialog->firstField(), dialog->helpAsEdit());
}

TEST_F(EntryDialogTest, EditModeKeepsTheStoredTextsAndSelectsTheFirstField)
{
    IndexEntryValues initial = typedEntry("Apples", "apple help", "", "apples sort");
    initial.helpWindow = "main";
    auto dialog = open(EntryDialogMode::Edit, {true, true, false}, initial);
    EXPECT_EQ(dialog->windowTitle(), "Edit Selected Index Entries");
    EXPECT_EQ(dialog->addButton()->text(), "OK");
    EXPECT_EQ(dialog->closeButton()->text(), "Cancel");
    EXPECT_FALSE(dialog->clearOnAddBox()->isVisible());
    EXPECT_EQ(dialog->indexAsEdit()->text(), "Apples");
    EXPECT_EQ(dialog->helpAsEdit()->text(), "apple help");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "apples sort");
    EXPECT_EQ(dialog->helpTitleEdit()->text(), "Untitled");
    EXPECT_EQ(dialog->indexAsEdit()->selectedText(), "Apples");
    EXPECT_EQ(dialog->targetsButton()->text(), "Edit Targets...");

    initial.helpTitle = "Kept";
    dialog = open(EntryDialogMode::Edit, {true, true, false}, initial);
    EXPECT_EQ(dialog->helpTitleEdit()->text(), "Kept");
}

TEST_F(EntryDialogTest, TypingCopiesDownTheFieldsTheOutputsNeed)
{
    auto dialog = open(EntryDialogMode::Add, {false, true, false});
    QTest::keyClicks(dialog->helpAsEdit(), "pears");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "pears");
    EXPECT_EQ(dialog->indexAsEdit()->text(), "pears");

    dialog = open(EntryDialogMode::Add, {true, false, false});
    dialog->autoCopyBox()->setChecked(false);
    QTest::keyClicks(dialog->indexAsEdit(), "plums");
    EXPECT_EQ(dialog->helpAsEdit()->text(), "plums");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "");

    dialog = open(EntryDialogMode::Add, {true, true, true});
    QTest::keyClicks(dialog->indexAsEdit(), "<b>figs</b>");
    QTest::keyClicks(dialog->sortAsEdit(), "!");
    EXPECT_EQ(dialog->helpAsEdit()->text(), "<b>figs</b>");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "<b>figs</b>!");
}

TEST_F(EntryDialogTest, RefusedAddKeepsTheTrimmedFieldsAndAddsNothing)
{
    auto dialog = open(EntryDialogMode::Add, {true, true, false});
    int added = 0;
    dialog->setAddHandler([&added](const IndexEntryValues&) { ++added; });
    dialog->indexAsEdit()->setText("  a\"b ");
    dialog->helpAsEdit()->setText("");
    dialog->sortAsEdit()->setText(" \\x");
    dialog->sortAsEdit()->setFocus();
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    EXPECT_EQ(added, 0);
    EXPECT_EQ(dialog->focusWidget(), dialog->indexAsEdit());
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown.front(), kHeading + kRequired + kQuote + kBackslash);
    EXPECT_EQ(dialog->indexAsEdit()->text(), "a\"b");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "\\x");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isClosing());
}

TEST_F(EntryDialogTest, EachAddHandsOverTheFinishedValuesAndMayClear)
{
    auto dialog = open(EntryDialogMode::Add, {true, true, false});
    std::vector<IndexEntryValues> added;
    dialog->setAddHandler([&added](const IndexEntryValues& values) { added.push_back(values); });
    QTest::keyClicks(dialog->indexAsEdit(), "fruit ,apples");
    dialog->helpTitleEdit()->clear();
    QTest::keyClick(dialog->indexAsEdit(), Qt::Key_Return);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0], typedEntry("fruit, apples", "fruit, apples", "Untitled", "fruit, apples"));
    // The dialog stays open and shows what was stored.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->indexAsEdit()->text(), "fruit, apples");
    EXPECT_EQ(dialog->helpTitleEdit()->text(), "Untitled");

    dialog->clearOnAddBox()->setChecked(true);
    dialog->helpTitleEdit()->setText("Say \\\"Hi\\\"");
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[1].helpTitle, "Say &quot;Hi&quot;");
    EXPECT_EQ(dialog->indexAsEdit()->text(), "");
    EXPECT_EQ(dialog->sortAsEdit()->text(), "");
    EXPECT_EQ(dialog->helpTitleEdit()->text(), "Untitled");
    EXPECT_TRUE(dialog->clearOnAddBox()->isChecked());
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST_F(EntryDialogTest, CloseAndEscapeEndTheAddDialog)
{
    auto* dialog = new EntryDialog(EntryDialogMode::Add, {true, true, true}, blankEntryValues(), app.messages);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    QPointer<EntryDialog> watched = dialog;
    QTest::keyClick(dialog->indexAsEdit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isClosing());
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());

    auto edit = open(EntryDialogMode::Edit, {true, true, true}, typedEntry("a", "a", "t", "a"));
    QTest::mouseClick(edit->closeButton(), Qt::LeftButton);
    EXPECT_EQ(edit->result(), QDialog::Rejected);
    EXPECT_FALSE(edit->isClosing());
}

TEST_F(EntryDialogTest, TargetsAreSetThroughTheirOwnCheckedDialog)
{
    auto dialog = open(EntryDialogMode::Add, {false, true, true});
    bool inspected = false;
    test::whenModalOpens<EntryTargetsDialog>([&inspected, this](EntryTargetsDialog& targets) {
        inspected = true;
        EXPECT_EQ(targets.windowTitle(), "Set Targets for Index Entry");
        EXPECT_FALSE(targets.targetNameEdit()->isEnabled());
        EXPECT_TRUE(targets.windowNameEdit()->isEnabled());
        targets.windowNameEdit()->setText(" \"main\" ");
        targets.frameNameEdit()->setText("\\");
        targets.accept();
        EXPECT_EQ(app.messages.shown.back(), kHeading + kQuote + kBackslash);
        EXPECT_EQ(targets.windowNameEdit()->text(), "\"main\"");
        EXPECT_TRUE(targets.isVisible());
        targets.windowNameEdit()->setText("\\\"main\\\"");
        targets.frameNameEdit()->setText(" right ");
        targets.accept();
        EXPECT_FALSE(targets.isVisible());
    });
    QTest::mouseClick(dialog->targetsButton(), Qt::LeftButton);
    ASSERT_TRUE(inspected);
    EXPECT_EQ(dialog->targetsButton()->text(), "Edit Targets...");
    EXPECT_EQ(dialog->values().helpWindow, "\\\"main\\\"");
    EXPECT_EQ(dialog->values().helpFrame, "right");

    // Cancel changes nothing.
    test::whenModalOpens<EntryTargetsDialog>([](EntryTargetsDialog& targets) {
        targets.frameNameEdit()->clear();
        targets.windowNameEdit()->clear();
        targets.reject();
    });
    QTest::mouseClick(dialog->targetsButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->values().helpFrame, "right");
    EXPECT_EQ(dialog->targetsButton()->text(), "Edit Targets...");
}

// The dialogs as the project window runs them.
class EntryDialogHooksTest : public test::ProjectWindowFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(openSampleProject(installEntryDialogHooks));
        window->runCommand(CmdExpandAll);
        window->flushRefresh();
    }

    Target& target(const std::string& relative, const std::string& name)
    {
        return root().findOrCreateFile(dir.path() + relative).findOrCreateTarget(name);
    }
};

TEST_F(EntryDialogHooksTest, AddPutsOneEntryOnEverySelectedTargetPerAdd)
{
    Target& one = target("a.htm", "one");
    Target& three = target("sub/b.htm", "three");
    clickNode(one);
    clickNode(three, Qt::ControlModifier);
    ASSERT_TRUE(window->isEnabled(CmdAddIndexEntry));
    window->runCommand(CmdAddIndexEntry);
    QPointer<EntryDialog> dialog = qobject_cast<EntryDialog*>(window->treeView()->modelessDialog(CmdAddIndexEntry));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(window->isEnabled(CmdAddIndexEntry));

    QTest::keyClicks(dialog->indexAsEdit(), "Numbers");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window->flushRefresh();
    // The refresh hands the focus back to the dialog; whenever the dialog is
    // activated the first field gets the focus with its text selected.
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == dialog; }));
    dialog->sortAsEdit()->setFocus();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == dialog; }));
    EXPECT_EQ(dialog->focusWidget(), dialog->indexAsEdit());
    EXPECT_EQ(dialog->indexAsEdit()->selectedText(), "Numbers");
    for (Target* holder : {&one, &three}) {
        ASSERT_EQ(holder->entryCount(), 1u) << holder->label();
        EXPECT_EQ(holder->entries().front()->indexAs(), "Numbers");
        EXPECT_EQ(holder->entries().front()->helpTitle(), "Untitled");
    }
    EXPECT_EQ(*window->undoActionName(), "Add Index Entry");
    EXPECT_TRUE(window->document().isModified());

    // The next Add uses the selection of that moment.
    clickNode(one);
    dialog->indexAsEdit()->setText("Ones");
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window->flushRefresh();
    EXPECT_EQ(one.entryCount(), 2u);
    EXPECT_EQ(three.entryCount(), 1u);

    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    window->flushRefresh();
    EXPECT_TRUE(window->isEnabled(CmdAddIndexEntry));
}

TEST_F(EntryDialogHooksTest, DoubleClickEditsEqualEntriesOfTwoTargets)
{
    Target& one = target("a.htm", "one");
    Target& three = target("sub/b.htm", "three");
    clickNode(one);
    clickNode(three, Qt::ControlModifier);
    window->document().addIndexEntry(typedEntry("Shared", "Shared", "Untitled", "shared"), window->treeView());
    window->flushRefresh();
    CProjectList& list = *window->listView();
    ASSERT_EQ(list.rows().size(), 2u);

    // A double-click on a row (its first click selects it) opens the dialog;
    // Cancel withdraws the action.
    clickRow(0);
    bool cancelled = false;
    test::whenModalOpens<EntryDialog>([&cancelled](EntryDialog& dialog) {
        cancelled = true;
        EXPECT_EQ(dialog.windowTitle(), "Edit Selected Index Entries");
        EXPECT_EQ(dialog.sortAsEdit()->text(), "shared");
        dialog.indexAsEdit()->setText("Changed");
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(0).center());
    window->flushRefresh();
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(*window->undoActionName(), "Add Index Entry");
    EXPECT_EQ(one.entries().front()->indexAs(), "Shared");

    clickRow(0);
    clickRow(1, Qt::ShiftModifier);
    ASSERT_TRUE(window->isEnabled(CmdEditIndexEntries));
    bool edited = false;
    test::whenModalOpens<EntryDialog>([&edited](EntryDialog& dialog) {
        edited = true;
        dialog.indexAsEdit()->setText("Common ,ground");
        dialog.sortAsEdit()->setText("common");
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    });
    window->runCommand(CmdEditIndexEntries);
    window->flushRefresh();
    ASSERT_TRUE(edited);
    for (Target* holder : {&one, &three}) {
        ASSERT_EQ(holder->entryCount(), 1u) << holder->label();
        const IndexEntry& entry = *holder->entries().front();
        EXPECT_EQ(entry.indexAs(), "Common, ground");
        EXPECT_EQ(entry.sortAs(), "common");
        EXPECT_EQ(entry.helpAs(), "Shared");
        EXPECT_TRUE(entry.isListSelected());
    }
    EXPECT_EQ(*window->undoActionName(), "Edit Index Entries");
    EXPECT_EQ(list.rows().size(), 2u);
}

} // namespace
} // namespace torvane
