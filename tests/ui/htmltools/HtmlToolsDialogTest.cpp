#include "support/UiTestSupport.h"
#include "ui/htmltools/HtmlToolsDialog.h"
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(HtmlToolsDialog, ShowsTheDialogDefaultsAndWritesTrimmedNames)
{
    test::MapProfile profile;
    test::RecordingMessages messages;
    HtmlToolsDialog dialog(profile, messages);
    EXPECT_EQ(dialog.windowTitle(), "HTML Tools");
    EXPECT_EQ(dialog.browserEdit()->text(), "");
    EXPECT_EQ(dialog.editorEdit()->text(), "Notepad");

    dialog.browserEdit()->setText("  firefox ");
    dialog.editorEdit()->setText(" vim");
    dialog.setAutoOpen(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(profile.values["Html Tools|Browser"], "firefox");
    EXPECT_EQ(profile.values["Html Tools|Editor"], "vim");
    EXPECT_EQ(profile.values["Html Tools|Auto-open"], "1");

    const HtmlToolsSettings read = readHtmlToolsSettings(profile);
    EXPECT_EQ(read.autoOpen, 1);
    EXPECT_EQ(read.editor, "vim");
}

TEST(HtmlToolsDialog, EditorForAutoOpenCannotBeEmpty)
{
    test::MapProfile profile;
    test::RecordingMessages messages;
    HtmlToolsDialog dialog(profile, messages);
    dialog.editorEdit()->setText("   ");
    dialog.setAutoOpen(1);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.front(), "Please correct the following errors:\n\nEditor not selected for Auto-open\n");
    EXPECT_TRUE(profile.values.empty());

    // Neither needs no editor.
    dialog.setAutoOpen(2);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(profile.values["Html Tools|Editor"], "");
    EXPECT_EQ(profile.values["Html Tools|Auto-open"], "2");
}

TEST(HtmlToolsDialog, ShowsWhatEachSettingStarts)
{
    test::MapProfile profile;
    test::RecordingMessages messages;
    HtmlToolsDialog dialog(profile, messages);
    const QString opener = "Used: the desktop's own application for HTML files (xdg-open)";
    EXPECT_EQ(dialog.browserUsedLabel()->text(), opener) << "an empty browser";
    EXPECT_EQ(dialog.editorUsedLabel()->text(), opener) << "the default Notepad";
    dialog.editorEdit()->setText("sh");
    EXPECT_EQ(dialog.editorUsedLabel()->text(), "Used: sh");
    dialog.browserEdit()->setText("/nonexistent/browser");
    EXPECT_EQ(dialog.browserUsedLabel()->text(), "Not found, cannot be started: /nonexistent/browser");
}

} // namespace
} // namespace torvane
