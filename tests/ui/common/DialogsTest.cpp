#include "support/UiTestSupport.h"
#include "ui/common/QtProgress.h"
#include "ui/common/QtMessageSink.h"
#include "ui/common/ReportDialog.h"
#include "ui/common/QtReportPresenter.h"
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(ReportDialog, ShowsEveryLineUnwrappedAndReadOnly)
{
    QtReportPresenter presenter;
    bool inspected = false;
    test::whenModalOpens<ReportDialog>([&inspected](ReportDialog& dialog) {
        inspected = true;
        dialog.accept();
        EXPECT_EQ(dialog.windowTitle(), "Report Read-Only Files");
        EXPECT_EQ(dialog.headingText(), "WARNING:  first\n\nsecond");
        EXPECT_EQ(dialog.bodyText(), "/p/a.htm\n/p/a very long name.htm\n");
        auto* body = dialog.findChild<QPlainTextEdit*>();
        ASSERT_NE(body, nullptr);
        EXPECT_TRUE(body->isReadOnly());
        EXPECT_EQ(body->lineWrapMode(), QPlainTextEdit::NoWrap);
    });
    presenter.showReport("Report Read-Only Files", "WARNING:  first\r\n\r\nsecond",
                         "/p/a.htm\r\n/p/a very long name.htm\r\n");
    EXPECT_TRUE(inspected);
}

TEST(MessageSink, TitlesItsBoxesHtmlTorvane)
{
    QtMessageSink sink;
    bool inspected = false;
    test::whenModalOpens<QMessageBox>([&inspected](QMessageBox& box) {
        inspected = true;
        box.accept();
        EXPECT_EQ(box.windowTitle(), "HTML Torvane");
        EXPECT_EQ(box.text(), "You must select an editor.");
    });
    sink.showMessage("You must select an editor.");
    EXPECT_TRUE(inspected);
}

TEST(Progress, LoadingCanBeCancelledButSavingCannot)
{
    QtProgress progress;
    progress.begin("Save Project Progress", 2, false);
    ASSERT_NE(progress.dialog(), nullptr);
    EXPECT_EQ(progress.dialog()->windowTitle(), "Save Project Progress");
    EXPECT_FALSE(progress.dialog()->cancelVisible());
    EXPECT_TRUE(progress.step(1, "/p/a.htm"));
    EXPECT_EQ(progress.dialog()->text(), "/p/a.htm");
    EXPECT_EQ(progress.dialog()->value(), 1);
    progress.end();
    EXPECT_EQ(progress.dialog(), nullptr);

    progress.begin("Add Files Progress", 5, true);
    ProgressDialog* dialog = progress.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->cancelVisible());
    EXPECT_TRUE(progress.step(1, "/p/a.htm"));
    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(progress.step(2, "/p/b.htm"));
    progress.end();
}

void clickCancel(ProgressDialog* dialog)
{
    ASSERT_NE(dialog, nullptr);
    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
}

TEST(Progress, AnOperationBegunDuringAnotherHasItsOwnWindowAndHandsTheOuterOneBack)
{
    QtProgress progress;
    progress.begin("Add Files Progress", 3, true);
    const QPointer<ProgressDialog> outer = progress.dialog();
    ASSERT_NE(outer, nullptr);
    EXPECT_TRUE(progress.step(1, "/p/a.htm"));

    progress.begin("Save Project Progress", 2, false);
    ProgressDialog* inner = progress.dialog();
    EXPECT_NE(inner, outer.data());
    ASSERT_NE(outer, nullptr) << "the outer window stays";
    EXPECT_TRUE(outer->isVisible());
    // Cancel on the outer window while the save runs: the save goes on, the
    // outer operation stops at its next step.
    clickCancel(outer);
    EXPECT_TRUE(progress.step(1, "/p/b.htm"));
    EXPECT_EQ(inner->text(), "/p/b.htm");
    EXPECT_EQ(outer->text(), "/p/a.htm");
    progress.end();

    EXPECT_EQ(progress.dialog(), outer.data());
    EXPECT_NE(QApplication::overrideCursor(), nullptr) << "still busy with the outer operation";
    EXPECT_FALSE(progress.step(2, "/p/c.htm"));
    progress.end();
    EXPECT_EQ(progress.dialog(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    progress.end();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "an extra end restores nothing";

    // A fresh outer operation is not cancelled by an inner one's Cancel.
    progress.begin("Add Files Progress", 2, true);
    progress.begin("Add Files Progress", 2, true);
    clickCancel(progress.dialog());
    EXPECT_FALSE(progress.step(1, "/p/a.htm"));
    progress.end();
    EXPECT_TRUE(progress.step(1, "/p/a.htm"));
    progress.end();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Progress, GoingAwayMidOperationRestoresTheCursor)
{
    {
        QtProgress progress;
        progress.begin("Add Files Progress", 2, true);
        progress.begin("Save Project Progress", 2, false);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The progress window of an open, whose Cancel button is clicked when the
// page numbered `clickAt` (from 1) is announced.
class ClickingProgress final : public Progress {
public:
    explicit ClickingProgress(int clickAt)
        : clickAt_(clickAt)
    {
    }
    void begin(std::string_view title, int total, bool cancellable) override
    {
        window.begin(title, total, cancellable);
    }
    bool step(int done, std::string_view text) override
    {
        if (++steps == clickAt_) {
            QPushButton* cancel = window.dialog()->findChild<QPushButton*>();
            EXPECT_NE(cancel, nullptr);
            if (cancel)
                QTest::mouseClick(cancel, Qt::LeftButton);
        }
        return window.step(done, text);
    }
    void end() override { window.end(); }

    QtProgress window;
    int steps = 0;

private:
    int clickAt_;
};

TEST(Progress, CancelInTheWindowStopsOpeningAProjectBetweenPages)
{
    test::TempDir dir;
    const std::string project = test::writeSampleProject(dir);
    test::UiTestApp app;
    ClickingProgress progress(2);
    AppServices services {app.profile, app.reports, app.presenter, app.messages, progress, app.shell, {".htm"}};
    CProjectDoc document(services);
    ASSERT_TRUE(document.openProject(project));
    EXPECT_EQ(progress.steps, 2) << "no page is announced after Cancel";
    EXPECT_EQ(document.root().count(NodeKindMask::File), 1u) << "only the page before Cancel was loaded";
    EXPECT_EQ(document.root().count(NodeKindMask::Url), 1u) << "the rest of the project file is still read";
    EXPECT_EQ(progress.window.dialog(), nullptr) << "the window goes when the load stops";
}

} // namespace
} // namespace torvane
