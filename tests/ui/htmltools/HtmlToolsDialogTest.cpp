#include "support/UiTestSupport.h"
#include "ui/htmltools/HtmlToolsDialog.h"
#include "ui/htmltools/OpenFiles.h"
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>
#include <optional>
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

// The desktop's MIME database in a folder of the test's own, so that the
// machine's default applications play no part.
class IsolatedDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("XDG_CONFIG_HOME", (dir.path() + "config").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (dir.path() + "etc").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir.path() + "data").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (dir.path() + "share").c_str(), 1);
    }

    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name, value->c_str(), 1);
            else
                ::unsetenv(name);
        }
    }

    // Makes `program` the default text editor, shown as `name`.
    void setTextEditor(const std::string& name, const std::string& program)
    {
        dir.write("config/mimeapps.list", "[Added Associations]\ntext/plain=other.desktop;\n"
                                          "[Default Applications]\ntext/html=browser.desktop\n"
                                          "text/plain=missing.desktop;editor.desktop;\n");
        dir.write("share/applications/editor.desktop",
                  "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + program + " %U\n");
    }

    test::TempDir dir;

private:
    static constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                                                 "XDG_DATA_DIRS"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(IsolatedDesktop, EditGoesToTheDesktopsTextEditorNamedInHtmlTools)
{
    HtmlToolsSettings tools;
    EXPECT_EQ(planSourceFileLaunch(true, "/p/a.htm", tools).kind, LaunchPlan::Kind::Document)
        << "no text editor known: the desktop's opener";

    setTextEditor("Plain Editor", "sh");
    const LaunchPlan edit = planSourceFileLaunch(true, "/p/a.htm", tools);
    EXPECT_EQ(edit.kind, LaunchPlan::Kind::Program);
    EXPECT_EQ(edit.program, "sh");
    EXPECT_EQ(edit.path, "/p/a.htm");
    EXPECT_EQ(planSourceFileLaunch(false, "/p/a.htm", tools).kind, LaunchPlan::Kind::Document)
        << "viewing still goes to the browser";
    EXPECT_EQ(planOutputFileLaunch(true, "/p/index.htm", true, tools).program, "sh");
    tools.editor = "vi";
    EXPECT_EQ(planSourceFileLaunch(true, "/p/a.htm", tools).program, "vi") << "a chosen editor comes first";

    test::MapProfile profile;
    test::RecordingMessages messages;
    HtmlToolsDialog dialog(profile, messages);
    EXPECT_EQ(dialog.editorUsedLabel()->text(), "Used: Plain Editor (sh), the desktop's text editor");

    setTextEditor("Gone", "/nonexistent/editor");
    EXPECT_EQ(planSourceFileLaunch(true, "/p/a.htm", HtmlToolsSettings {}).kind, LaunchPlan::Kind::Document)
        << "an editor that cannot start is passed over";
}

TEST_F(IsolatedDesktop, ShowsWhatEachSettingStarts)
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
