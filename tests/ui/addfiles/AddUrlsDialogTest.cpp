#include "support/UiTestSupport.h"
#include "document/ProjectAction.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "ui/addfiles/AddDialogHooks.h"
#include "ui/addfiles/AddUrlsDialog.h"
#include "ui/project/CProjectTree.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(AddUrls, TakesTheTypedTextWithoutLeadingBlanksOrControlCharacters)
{
    EXPECT_EQ(urlToAdd("http://example.com/"), "http://example.com/");
    EXPECT_EQ(urlToAdd(" \t http://example.com/ "), "http://example.com/ ");
    EXPECT_EQ(urlToAdd("http://exa\r\nmple.com/\n"), "http://example.com/");
    EXPECT_EQ(urlToAdd("\x01 mailto:x@y"), "mailto:x@y");
    EXPECT_EQ(urlToAdd("http://b\xC3\xA4r.de/"), "http://b\xC3\xA4r.de/");
    EXPECT_EQ(urlToAdd(""), std::nullopt);
    EXPECT_EQ(urlToAdd("   \t "), std::nullopt);
    EXPECT_EQ(urlToAdd("\r\n"), std::nullopt);
}

TEST(AddUrls, DialogAddsOnEnterAndClearsOnlyWhenTicked)
{
    std::vector<std::string> added;
    AddUrlsDialog dialog([&added](const std::string& url) { added.push_back(url); });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Add External URLs to Project");
    EXPECT_EQ(dialog.clearOnAddBox()->text(), "Clear URL on Add");
    EXPECT_FALSE(dialog.clearOnAddBox()->isChecked());
    EXPECT_TRUE(dialog.addButton()->isDefault());

    QTest::keyClicks(dialog.urlEdit(), "  http://a.com/");
    QTest::keyClick(dialog.urlEdit(), Qt::Key_Return);
    EXPECT_EQ(added, std::vector<std::string> {"http://a.com/"});
    EXPECT_EQ(dialog.urlEdit()->text(), "  http://a.com/");

    dialog.clearOnAddBox()->setChecked(true);
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    EXPECT_EQ(added.size(), 2u);
    EXPECT_EQ(dialog.urlEdit()->text(), "");

    // Blanks are ignored without a word.
    dialog.urlEdit()->setText("    ");
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    EXPECT_EQ(added.size(), 2u);
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(dialog.urlEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AddUrls, EachAddIsOneStepAndUrlKeysKeepLetterCase)
{
    test::TempDir dir;
    test::UiTestApp app;
    CProjectWnd::Hooks hooks;
    installAddDialogHooks(hooks, app.services);
    auto document = std::make_unique<CProjectDoc>(app.services);
    ASSERT_TRUE(document->openProject(test::writeSampleProject(dir)));
    CProjectWnd window(std::move(document), app.services, hooks);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.flushRefresh();
    CProjectDoc& doc = window.document();
    ASSERT_EQ(doc.root().externalUrls().urls().size(), 1u);

    window.runCommand(CmdAddExternalUrls);
    QPointer<AddUrlsDialog> dialog =
        qobject_cast<AddUrlsDialog*>(window.treeView()->modelessDialog(CmdAddExternalUrls));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), window.treeView());
    EXPECT_FALSE(window.isEnabled(CmdAddExternalUrls));

    dialog->urlEdit()->setText("http://example.com/");
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window.flushRefresh();
    EXPECT_EQ(doc.root().externalUrls().urls().size(), 1u);

    dialog->urlEdit()->setText("HTTP://EXAMPLE.COM/");
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    dialog->urlEdit()->setText(" http://other.org/");
    QTest::mouseClick(dialog->addButton(), Qt::LeftButton);
    window.flushRefresh();
    EXPECT_EQ(doc.root().externalUrls().urls().size(), 3u);
    EXPECT_NE(doc.root().externalUrls().findUrl("http://other.org/"), nullptr);
    EXPECT_EQ(doc.undoCode(), std::optional<int>(ActionAddExternalUrls));

    // One Undo takes back only the last Add.
    doc.undo();
    window.flushRefresh();
    EXPECT_EQ(doc.root().externalUrls().urls().size(), 2u);
    EXPECT_EQ(doc.root().externalUrls().findUrl("http://other.org/"), nullptr);
    EXPECT_NE(doc.root().externalUrls().findUrl("HTTP://EXAMPLE.COM/"), nullptr);

    QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_TRUE(dialog.isNull());
    window.flushRefresh();
    EXPECT_TRUE(window.isEnabled(CmdAddExternalUrls));
}

} // namespace
} // namespace torvane
