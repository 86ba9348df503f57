#include "support/UiTestSupport.h"
#include "ui/common/QtMessageSink.h"
#include "ui/crossrefs/XrefDialog.h"
#include "ui/entries/EntryDialog.h"
#include "ui/entries/IndexEntryFields.h"
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace torvane {
namespace {

// The message boxes of a modeless dialog, as the desktop shows them: the
// program's sink is parented to the main window.
class ModelessRefusal : public ::testing::Test {
protected:
    // Clicks `button` and answers the refusal that follows; returns the
    // parent of the message box shown, null when none was shown.
    QWidget* refusalParentAfterClicking(QPushButton& button)
    {
        QWidget* parent = nullptr;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = true;
                parent = box->parentWidget();
                box->accept();
            }
        });
        button.click();
        EXPECT_TRUE(shown);
        return parent;
    }

    QWidget mainWindow;
    QtMessageSink messages {&mainWindow};
};

TEST_F(ModelessRefusal, AddIndexEntryShowsItsBoxOverItselfAndKeepsTheFocusOnIndexAs)
{
    mainWindow.show();
    EntryDialog dialog(EntryDialogMode::Add, {true, true, true}, blankEntryValues(), messages, &mainWindow);
    dialog.setWindowFlag(Qt::Dialog);
    dialog.show();
    dialog.helpAsEdit()->setFocus();
    EXPECT_EQ(refusalParentAfterClicking(*dialog.addButton()), &dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.indexAsEdit());
    EXPECT_EQ(messages.parent(), &mainWindow) << "other boxes still belong to the main window";
}

TEST_F(ModelessRefusal, CreateCrossReferenceShowsItsBoxOverItself)
{
    mainWindow.show();
    int added = 0;
    XrefDialog dialog(
        messages, [&added](const CrossReferenceValues&) { ++added; }, &mainWindow);
    dialog.setWindowFlag(Qt::Dialog);
    dialog.show();
    EXPECT_EQ(refusalParentAfterClicking(*dialog.addButton()), &dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.field(FieldHeading)) << "the empty heading";
    EXPECT_EQ(added, 0);
    EXPECT_EQ(messages.parent(), &mainWindow);
}

} // namespace
} // namespace torvane
