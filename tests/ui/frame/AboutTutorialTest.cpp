#include "support/UiTestSupport.h"
#include "platform/AppOptions.h"
#include "ui/frame/FileDialogHooks.h"
#include "ui/frame/AboutDialog.h"
#include "ui/frame/VersionDetailsDialog.h"
#include "ui/frame/TutorialPromptDialog.h"
#include "ui/help/GuideHelp.h"
#include "ui/help/GuideViewer.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(AboutDialog, ProgramVersionShowsThreeOfFourNumbers)
{
    EXPECT_EQ(programVersionText("4.0.1.7"), "4.0.1");
    EXPECT_EQ(programVersionText("4.0.0.0"), "4.0.0");
    EXPECT_EQ(programVersionText("0.1.0"), "0.1.0");
    EXPECT_EQ(programVersionText("5"), "5.0.0");
    EXPECT_EQ(programVersionText("65535.1.2.3"), "65535.1.2");
    for (const char* bad : {"", "4.", "4..1", "v4.0", "4.0.1.7.9", "4.0 beta", "65536.0.0", "-1.0.0"})
        EXPECT_EQ(programVersionText(bad), "?.?.?") << bad;
}

TEST(AboutDialog, VersionButtonShowsTheDetails)
{
    AboutDialog about("4.0.1.7");
    about.show();
    QPushButton* version = nullptr;
    for (QPushButton* button : about.findChildren<QPushButton*>())
        if (button->text() == "Version...")
            version = button;
    ASSERT_NE(version, nullptr);
    std::string shown;
    std::string title;
    test::whenModalOpens<VersionDetailsDialog>([&](VersionDetailsDialog& details) {
        title = details.windowTitle().toStdString();
        shown = details.programVersionLabel()->text().toStdString();
        EXPECT_EQ(details.toolkitVersionLabel()->text(), qVersion());
        EXPECT_EQ(details.programNameLabel()->text(), "test_ui") << "the executable that runs";
        details.accept();
    });
    QTest::mouseClick(version, Qt::LeftButton);
    EXPECT_EQ(title, "Version Details");
    EXPECT_EQ(shown, "4.0.1");
    EXPECT_EQ(VersionDetailsDialog("").programVersionLabel()->text(), "?.?.?");
}

// The start-up offer with a tutorial that records being opened.
class TutorialOffer : public ::testing::Test {
protected:
    void offer(bool tick, bool run)
    {
        test::whenModalOpens<TutorialPromptDialog>([tick, run](TutorialPromptDialog& prompt) {
            prompt.doNotShowAgainBox()->setChecked(tick);
            const QString wanted = run ? "Run Tutorial" : "Skip Tutorial";
            for (QPushButton* button : prompt.findChildren<QPushButton*>())
                if (button->text() == wanted)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        offerTutorialAtStartUp(app.profile, opener, nullptr);
    }

    // Whether the offer opens its dialog (closed again at once).
    bool offerShowsPrompt(const std::function<void()>& open)
    {
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (auto* prompt = qobject_cast<TutorialPromptDialog*>(QApplication::activeModalWidget())) {
                shown = true;
                prompt->reject();
            }
        });
        offerTutorialAtStartUp(app.profile, open, nullptr);
        QCoreApplication::processEvents();
        return shown;
    }

    test::TempDir dir;
    test::UiTestApp app;
    const GuideViewer guide {dir.path(), app.shell, app.profile};
    std::function<void()> opener;
};

TEST_F(TutorialOffer, TickedSkipStopsTheOfferAndOpensNothing)
{
    opener = tutorialOpener(guide, app.profile);
    ASSERT_TRUE(opener);
    offer(false, false);
    EXPECT_TRUE(shouldPromptTutorial(app.profile));
    offer(true, false);
    EXPECT_FALSE(shouldPromptTutorial(app.profile));
    EXPECT_TRUE(app.shell.launches.empty());
    EXPECT_FALSE(offerShowsPrompt(opener));
    app.profile.values.clear();
    EXPECT_TRUE(offerShowsPrompt(opener));
}

TEST_F(TutorialOffer, RunningTheTutorialOpensItAndStopsTheOffer)
{
    opener = tutorialOpener(guide, app.profile);
    offer(false, true);
    EXPECT_EQ(app.shell.launches, std::vector<std::string> {"document file://" + dir.path() + "tutorial.htm"});
    EXPECT_FALSE(shouldPromptTutorial(app.profile));
}

TEST_F(TutorialOffer, NoGuideMeansNoOfferAndNoHelp)
{
    const GuideViewer none("", app.shell, app.profile);
    EXPECT_FALSE(tutorialOpener(none, app.profile));
    EXPECT_FALSE(offerShowsPrompt(tutorialOpener(none, app.profile)));
    EXPECT_TRUE(shouldPromptTutorial(app.profile));

    FrameHooks hooks;
    installFileDialogFrameHooks(hooks, app.services);
    EXPECT_TRUE(hooks.about);
    EXPECT_TRUE(hooks.newProject);
    installGuideHooks(hooks, none, app.profile);
    EXPECT_FALSE(hooks.tutorial);
    EXPECT_FALSE(hooks.helpTopics);
    none.open("index.htm");
    EXPECT_TRUE(app.shell.launches.empty());
}

TEST(TutorialPromptDialog, EscapeSkipsButKeepsTheTick)
{
    TutorialPromptDialog prompt;
    EXPECT_EQ(prompt.windowTitle(), "Have you run the tutorial?");
    prompt.show();
    prompt.doNotShowAgainBox()->setChecked(true);
    QTest::keyClick(&prompt, Qt::Key_Escape);
    EXPECT_EQ(prompt.result(), QDialog::Rejected);
    EXPECT_TRUE(prompt.doNotShowAgain());
}

} // namespace
} // namespace torvane
