#include "support/FieldMessages.h"
#include "support/ProjectWindowFixture.h"
#include "model/CrossReference.h"
#include "model/LocatorsNode.h"
#include "ui/crossrefs/CrossReferenceHooks.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"
#include "ui/crossrefs/XrefDialog.h"
#include <QCheckBox>
#include <QComboBox>
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

std::string text(const XrefDialog& dialog, int which)
{
    return dialog.field(which)->text().toStdString();
}

void type(XrefDialog& dialog, int which, const char* typed)
{
    dialog.field(which)->clear();
    QTest::keyClicks(dialog.field(which), typed);
}

TEST(CrossReferenceDialog, ReferenceTextIsChosenByNameAndStoredAsMarkup)
{
    test::RecordingMessages messages;
    std::vector<CrossReferenceValues> added;
    XrefDialog dialog(messages, [&added](const CrossReferenceValues& values) { added.push_back(values); });
    QComboBox& choice = *dialog.referenceChoice();
    EXPECT_EQ(choice.currentText(), "See") << "the default text is named";
    choice.setCurrentIndex(choice.findText("See also"));
    emit choice.activated(choice.currentIndex());
    EXPECT_EQ(text(dialog, FieldReference), "<i>See also</i>");
    type(dialog, FieldHeading, "Fruit");
    type(dialog, FieldLocator, "Apples");
    dialog.addButton()->click();
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].reference, "<i>See also</i>");

    type(dialog, FieldReference, "compare");
    EXPECT_EQ(choice.currentText(), "Other (as typed)");
    type(dialog, FieldReference, "<i>See</i>");
    EXPECT_EQ(choice.currentText(), "See");

    // Every field is reached by its label's access key.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->text().contains('&')) << label->text().toStdString();
        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
    }
}

TEST(CrossReferenceDialog, AddModeStartsWithDefaultsAndAutoCopies)
{
    test::RecordingMessages messages;
    XrefDialog dialog(messages, [](const CrossReferenceValues&) {});
    EXPECT_EQ(dialog.windowTitle(), "Create Cross-Reference");
    EXPECT_EQ(dialog.addButton()->text(), "Add");
    EXPECT_EQ(dialog.closeButton()->text(), "Close");
    EXPECT_TRUE(dialog.addButton()->isDefault());
    EXPECT_FALSE(dialog.clearOnAddBox()->isHidden());
    EXPECT_FALSE(dialog.clearOnAddBox()->isChecked());
    EXPECT_TRUE(dialog.autoCopyBox()->isChecked());
    EXPECT_TRUE(dialog.linkBox()->isChecked());
    EXPECT_EQ(text(dialog, FieldSeparator), ".");
    EXPECT_EQ(text(dialog, FieldReference), "<i>See</i>");
    EXPECT_EQ(text(dialog, FieldHeading), "");
    EXPECT_TRUE(dialog.field(FieldLocatorSort)->isEnabled());

    type(dialog, FieldHeading, "Fruit");
    EXPECT_EQ(text(dialog, FieldHeadingSort), "Fruit");
    // Unlinked, the locator's sort text is disabled but still follows the locator.
    dialog.linkBox()->click();
    EXPECT_FALSE(dialog.field(FieldLocatorSort)->isEnabled());
    type(dialog, FieldLocator, "Apples");
    EXPECT_EQ(text(dialog, FieldLocatorSort), "Apples");
    dialog.linkBox()->click();
    EXPECT_TRUE(dialog.field(FieldLocatorSort)->isEnabled());

    dialog.autoCopyBox()->click();
    type(dialog, FieldHeading, "Vegetables");
    type(dialog, FieldLocator, "Beans");
    EXPECT_EQ(text(dialog, FieldHeadingSort), "Fruit");
    EXPECT_EQ(text(dialog, FieldLocatorSort), "Apples");
}

TEST(CrossReferenceDialog, AddHandsOnTidiedValuesAndKeepsOrClearsTheFields)
{
    test::RecordingMessages messages;
    std::vector<CrossReferenceValues> added;
    XrefDialog dialog(messages, [&added](const CrossReferenceValues& values) { added.push_back(values); });
    dialog.show();
    type(dialog, FieldHeading, " Fruit ,red ");
    dialog.field(FieldHeadingSort)->setText("fruit");
    dialog.field(FieldSeparator)->clear();
    type(dialog, FieldLocator, "Apples");
    dialog.linkBox()->click();
    QTest::keyClick(dialog.field(FieldLocator), Qt::Key_Return);

    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0], (CrossReferenceValues {"Fruit, red", "fruit", "", "<i>See</i>", "Apples", "Apples", false}));
    EXPECT_TRUE(messages.shown.empty());
    // Not cleared: the fields show what was added, the dialog stays.
    EXPECT_EQ(text(dialog, FieldHeading), "Fruit, red");
    EXPECT_EQ(text(dialog, FieldHeadingSort), "fruit");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FieldHeading));

    dialog.clearOnAddBox()->click();
    dialog.addButton()->click();
    ASSERT_EQ(added.size(), 2u);
    for (int which : {FieldHeading, FieldHeadingSort, FieldLocator, FieldLocatorSort})
        EXPECT_EQ(text(dialog, which), "") << which;
    EXPECT_EQ(text(dialog, FieldSeparator), ".");
    EXPECT_EQ(text(dialog, FieldReference), "<i>See</i>");
    EXPECT_FALSE(dialog.linkBox()->isChecked());
    EXPECT_FALSE(dialog.field(FieldLocatorSort)->isEnabled());
}

TEST(CrossReferenceDialog, RefusedAddShowsOneMessageAndOnlyTrimsTheFields)
{
    test::RecordingMessages messages;
    int adds = 0;
    XrefDialog dialog(messages, [&adds](const CrossReferenceValues&) { ++adds; });
    dialog.show();
    type(dialog, FieldHeading, "  Say \"hi ");
    dialog.field(FieldHeadingSort)->setText(" say hi ");
    dialog.field(FieldReference)->setText("see ,also");
    dialog.field(FieldLocator)->setFocus();
    dialog.addButton()->click();

    EXPECT_EQ(adds, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kHeading + kRequired + kQuote);
    // Trimming the heading must not overwrite its own sort text; commas wait for a good read.
    EXPECT_EQ(text(dialog, FieldHeading), "Say \"hi");
    EXPECT_EQ(text(dialog, FieldHeadingSort), "say hi");
    EXPECT_EQ(text(dialog, FieldReference), "see ,also");
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FieldHeading));

    type(dialog, FieldHeading, "Say \\\"hi");
    type(dialog, FieldLocator, "Greetings");
    dialog.field(FieldLocatorSort)->clear();
    dialog.addButton()->click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1], kHeading + kRequired);
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FieldLocatorSort));
    EXPECT_EQ(adds, 0);
}

TEST(CrossReferenceDialog, EditModeShowsTheRecordAndReturnsOnlyOnOk)
{
    test::RecordingMessages messages;
    const CrossReferenceValues record = {"Fruit", "fruit, sorted", ";", "<i>See also</i>", "Apples", "apples", false};
    XrefDialog dialog(messages, record);
    EXPECT_EQ(dialog.windowTitle(), "Edit Selected Cross-Reference");
    EXPECT_EQ(dialog.addButton()->text(), "OK");
    EXPECT_EQ(dialog.closeButton()->text(), "Cancel");
    EXPECT_TRUE(dialog.clearOnAddBox()->isHidden());
    // Filling the edits does not auto-copy over the record's sort texts.
    EXPECT_EQ(text(dialog, FieldHeadingSort), "fruit, sorted");
    EXPECT_EQ(text(dialog, FieldLocatorSort), "apples");
    EXPECT_FALSE(dialog.field(FieldLocatorSort)->isEnabled());

    test::whenModalOpens<XrefDialog>([](XrefDialog& shown) {
        shown.field(FieldReference)->setText("see ,also");
        shown.addButton()->click();
    });
    const auto edited = editCrossReferenceValues(record, messages, nullptr);
    ASSERT_TRUE(edited.has_value());
    CrossReferenceValues expected = record;
    expected.reference = "see, also";
    EXPECT_EQ(*edited, expected);

    test::whenModalOpens<XrefDialog>([](XrefDialog& shown) {
        shown.field(FieldHeading)->clear();
        shown.addButton()->click();
        EXPECT_TRUE(shown.isVisible());
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    EXPECT_FALSE(editCrossReferenceValues(record, messages, nullptr).has_value());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kHeading + kRequired);
}

class CrossReferenceHooks : public test::ProjectWindowFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(openSampleProject(installCrossReferenceHooks)); }

    LocatorsNode& locators() { return document().root().locators(); }

    XrefDialog* openCreateDialog()
    {
        window->runCommand(CmdCreateCrossReference);
        window->flushRefresh();
        return qobject_cast<XrefDialog*>(window->treeView()->modelessDialog(CmdCreateCrossReference));
    }

    void add(XrefDialog& dialog, const char* heading, const char* locator)
    {
        dialog.field(FieldHeading)->setText(heading);
        dialog.field(FieldLocator)->setText(locator);
        dialog.addButton()->click();
        window->flushRefresh();
    }

    // Lists every record, then clicks the list's only cross-reference row.
    void selectCrossReferenceRow()
    {
        window->runCommand(CmdCollapseAll);
        window->flushRefresh();
        ASSERT_NO_FATAL_FAILURE(clickNode(root()));
        const ShownRowList& rows = window->listView()->rows();
        const auto found = std::find_if(rows.begin(), rows.end(), [](const ListRow& row) { return !row.isEntry; });
        ASSERT_NE(found, rows.end());
        clickRow(static_cast<int>(found - rows.begin()));
    }
};

TEST_F(CrossReferenceHooks, CreateAddsUndoableRecordsUnderOneLocatorUntilClosed)
{
    ASSERT_TRUE(window->isEnabled(CmdCreateCrossReference));
    QPointer<XrefDialog> dialog = openCreateDialog();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(window->isEnabled(CmdCreateCrossReference));
    const std::size_t locatorsBefore = locators().locatorNodes().size();

    add(*dialog, "Red fruit", "Cherries");
    add(*dialog, "Stone fruit", "cherries");
    LocatorNode* cherries = locators().findLocator("Cherries");
    ASSERT_NE(cherries, nullptr);
    EXPECT_EQ(cherries->crossReferenceCount(), 2u);
    EXPECT_EQ(locators().locatorNodes().size(), locatorsBefore + 1);
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(window->undoActionName(), "Create Cross-Reference");

    // Coming back to the dialog, typing starts in the heading again.
    dialog->field(FieldLocatorSort)->setFocus();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == dialog; }));
    EXPECT_EQ(dialog->focusWidget(), dialog->field(FieldHeading));

    // The same seven values again leave the locator as it was.
    add(*dialog, "Stone fruit", "cherries");
    EXPECT_EQ(cherries->crossReferenceCount(), 2u);
    const CrossReference* kept = cherries->crossReferences().back();
    EXPECT_EQ(CrossReferenceValues::of(*kept),
              (CrossReferenceValues {"Stone fruit", "Stone fruit", ".", "<i>See</i>", "cherries", "cherries", true}));

    document().undo();
    window->flushRefresh();
    document().undo();
    window->flushRefresh();
    ASSERT_NE(locators().findLocator("Cherries"), nullptr);
    EXPECT_EQ(locators().findLocator("Cherries")->crossReferenceCount(), 1u);

    dialog->closeButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    window->flushRefresh();
    EXPECT_TRUE(window->isEnabled(CmdCreateCrossReference));

    // A new dialog starts over with the defaults.
    dialog = openCreateDialog();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(dialog->field(FieldHeading)->text(), "");
    EXPECT_EQ(dialog->field(FieldSeparator)->text(), ".");
    QTest::keyClick(dialog.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(CrossReferenceHooks, EditReplacesTheSelectedRecordAndCancelRecordsNothing)
{
    EXPECT_FALSE(window->isEnabled(CmdEditCrossReference));
    selectCrossReferenceRow();
    ASSERT_TRUE(window->isEnabled(CmdEditCrossReference));
    const auto undoBefore = document().undoCode();

    CrossReferenceValues shown;
    test::whenModalOpens<XrefDialog>([&shown](XrefDialog& dialog) {
        shown = dialog.values();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window->runListDoubleClick(false);
    window->flushRefresh();
    EXPECT_EQ(shown.heading, "Fruit");
    EXPECT_EQ(shown.locator, "Apples");
    EXPECT_EQ(document().undoCode(), undoBefore);
    EXPECT_FALSE(document().isModified());

    test::whenModalOpens<XrefDialog>([](XrefDialog& dialog) {
        dialog.field(FieldHeading)->setText("Fruit ,fresh");
        dialog.field(FieldLocator)->setText("Pears");
        dialog.addButton()->click();
    });
    window->runCommand(CmdEditCrossReference);
    window->flushRefresh();
    EXPECT_EQ(locators().findLocator("Apples"), nullptr);
    LocatorNode* pears = locators().findLocator("Pears");
    ASSERT_NE(pears, nullptr);
    ASSERT_EQ(pears->crossReferenceCount(), 1u);
    const CrossReference& edited = *pears->crossReferences().front();
    EXPECT_EQ(edited.heading(), "Fruit, fresh");
    EXPECT_EQ(edited.headingSort(), "Fruit, fresh");
    EXPECT_TRUE(edited.isListSelected());
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(window->undoActionName(), "Edit Cross-Reference");
}

TEST_F(CrossReferenceHooks, AnEditedLocatorStaysSelectedAndUndoSelectsTheOldOneAgain)
{
    window->runCommand(CmdExpandAll);
    window->flushRefresh();
    clickNode(*locators().findLocator("Apples"));
    CProjectList& list = *window->listView();
    ASSERT_EQ(list.rows().size(), 1u);
    clickRow(0);

    test::whenModalOpens<XrefDialog>([](XrefDialog& dialog) {
        dialog.field(FieldLocator)->setText("Pears");
        dialog.addButton()->click();
    });
    window->runCommand(CmdEditCrossReference);
    window->flushRefresh();
    LocatorNode* pears = locators().findLocator("Pears");
    ASSERT_NE(pears, nullptr);
    EXPECT_TRUE(pears->isSelected());
    EXPECT_TRUE(CProjectTree::isMarked(CProjectTree::itemOf(pears->treeItem())));
    EXPECT_EQ(document().root().currentNode(), pears);
    ASSERT_EQ(list.rows().size(), 1u) << "the edited record stays in view";
    EXPECT_EQ(list.counts().selectedCrossRefCount, 1);

    window->runCommand(CmdUndo);
    window->flushRefresh();
    LocatorNode* apples = locators().findLocator("Apples");
    ASSERT_NE(apples, nullptr);
    EXPECT_EQ(locators().findLocator("Pears"), nullptr);
    EXPECT_TRUE(apples->isSelected());
    EXPECT_EQ(document().root().currentNode(), apples);
    EXPECT_FALSE(document().root().isSelected());
    EXPECT_FALSE(CProjectTree::isMarked(CProjectTree::itemOf(document().root().treeItem())));
    EXPECT_EQ(list.rows().size(), 1u);
}

} // namespace
} // namespace torvane
