// The user guide as the program's help: Help Topics, Tutorial and F1 ask the
// shell to open pages of the guide (the launch requests are checked; no
// browser runs), and a first start offers the tutorial.
#include "support/UiTestSupport.h"
#include "platform/AppOptions.h"
#include "ui/frame/CMainFrame.h"
#include "ui/commands/CommandIds.h"
#include "ui/crossrefs/XrefDialog.h"
#include "ui/help/DialogHelpKey.h"
#include "ui/help/GuideHelp.h"
#include "ui/help/GuideViewer.h"
#include "ui/entries/EntryDialog.h"
#include "ui/stylesheet/CIndexStyleDlg.h"
#include "ui/frame/TutorialPromptDialog.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

class GuideHelp : public ::testing::Test {
protected:
    std::string url(const std::string& topic) const { return "file://" + folder + topic; }

    // The one launch request made since the last call.
    std::string launched()
    {
        std::vector<std::string> launches;
        launches.swap(app.shell.launches);
        return launches.size() == 1 ? launches.front() : "(" + std::to_string(launches.size()) + " launches)";
    }

    const std::string folder = std::string(TORVANE_SOURCE_DIR) + "/docs/guide/";
    test::UiTestApp app;
    const GuideViewer guide {folder, app.shell, app.profile};
};

TEST_F(GuideHelp, HelpTopicsAndTutorialOpenTheGuideInTheChosenBrowser)
{
    FrameHooks hooks;
    installGuideHooks(hooks, guide, app.profile);
    CMainFrame frame(app.profile, hooks);
    ASSERT_TRUE(frame.isCommandEnabled(CmdHelpTopics));
    frame.runCommand(CmdHelpTopics);
    EXPECT_EQ(launched(), "document " + url("index.htm"));

    app.profile.writeString("Html Tools", "Browser", "firefox  ");
    frame.runCommand(CmdHelpTopics);
    EXPECT_EQ(launched(), "firefox " + url("index.htm"));

    ASSERT_TRUE(shouldPromptTutorial(app.profile));
    frame.runCommand(CmdTutorial);
    EXPECT_EQ(launched(), "firefox " + url("tutorial.htm"));
    EXPECT_FALSE(shouldPromptTutorial(app.profile)) << "running the tutorial ends the start-up offer";
}

TEST_F(GuideHelp, F1InADialogOpensItsSection)
{
    DialogHelpKey helpKey(guide);
    qApp->installEventFilter(&helpKey);

    EntryDialog entry(EntryDialogMode::Add, OutputFlags {}, IndexEntryValues {}, app.messages);
    entry.show();
    QTest::keyClick(entry.indexAsEdit(), Qt::Key_F1);
    EXPECT_EQ(launched(), "document " + url("entry-dialogs.htm#add-index-entry"));

    XrefDialog xref(app.messages, CrossReferenceValues {});
    xref.show();
    QTest::keyClick(xref.findChild<QLineEdit*>(), Qt::Key_F1);
    EXPECT_EQ(launched(), "document " + url("cross-reference-dialog.htm#edit-cross-reference"));

    CIndexStyleDlg styles(StyleSettings {}, StyleSheetEnvironment {true, folder, app.messages});
    styles.show();
    styles.tabs()->setCurrentIndex(2);
    QTest::keyClick(styles.tabs()->currentWidget(), Qt::Key_F1);
    EXPECT_EQ(launched(), "document " + url("style-settings.htm#layout"));
    // The project's last tab, beyond the classic six, has its own section too.
    styles.tabs()->setCurrentIndex(styles.tabs()->count() - 1);
    QTest::keyClick(styles.tabs()->currentWidget(), Qt::Key_F1);
    EXPECT_EQ(launched(), "document " + url("style-settings.htm#language-and-page"));

    // Outside dialogs F1 stays the windows' own Help Topics key.
    QWidget plain;
    plain.show();
    QTest::keyClick(&plain, Qt::Key_F1);
    EXPECT_TRUE(app.shell.launches.empty());
    qApp->removeEventFilter(&helpKey);
}

TEST_F(GuideHelp, FirstStartOffersTheTutorialAndRunsIt)
{
    bool shown = false;
    test::whenModalOpens<TutorialPromptDialog>([&shown](TutorialPromptDialog& prompt) {
        shown = true;
        for (QPushButton* button : prompt.findChildren<QPushButton*>())
            if (button->text() == "Run Tutorial")
                QTest::mouseClick(button, Qt::LeftButton);
    });
    offerTutorialAtStartUp(app.profile, tutorialOpener(guide, app.profile), nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(launched(), "document " + url("tutorial.htm"));
    EXPECT_FALSE(shouldPromptTutorial(app.profile));
}

} // namespace
} // namespace torvane
