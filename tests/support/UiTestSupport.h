#pragma once
#include "support/TempDir.h"
#include "support/UiTestApp.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "ui/frame/FrameHooks.h"
#include "ui/project/CProjectWnd.h"
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace torvane::test {

// Runs `answer` on the modal dialog that the next call opens; `answer` must
// close it.
template <typename Dialog, typename Answer>
void whenModalOpens(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

// A small project on disk: a.htm with two anchors, sub/b.htm with one,
// c.htm with only a title, one external URL and one cross-reference.
inline std::string writeSampleProject(const TempDir& dir)
{
    dir.write("a.htm", "<html><head><title>Alpha</title></head><body><h1>Apples</h1>"
                       "<a name=\"one\">One</a> <a name=\"two\">2 Two</a></body></html>");
    dir.write("sub/b.htm", "<html><head><title>Beta</title></head><body><h1>Bananas</h1>"
                           "<a name=\"three\">Three</a></body></html>");
    dir.write("c.htm", "<html><head><title>Cherries</title></head><body><p>text</p></body></html>");
    dir.write("Sample.ipj", "HTML Torvane, Version 4.0\r\n\r\n"
                            "[Local Files]\r\nIndex=Torvane.htm\r\nHtml Help=Torvane.hhk\r\n"
                            "Java Help=Torvane.xml\r\nJava Map=Torvane.jhm\r\n"
                            "File=a.htm\r\nFile=sub\\b.htm\r\nFile=c.htm\r\n\r\n"
                            "[External URLs]\r\nURL=http://example.com/\r\n"
                            "IndexAs=\"Example\",SortAs=\"Example\",HelpAs=\"Example\",HelpTitle=\"Untitled\","
                            "IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n\r\n"
                            "[Xrefs]\r\nHeading=\"Fruit\",Locator=\"Apples\"\r\n\r\n");
    return dir.path() + "Sample.ipj";
}

// A project window on `projectFile` with `hooks`, shown and refreshed; null
// (with a test failure) when the project does not open.
inline std::unique_ptr<CProjectWnd> showProjectWindow(AppServices& services, const std::string& projectFile,
                                                      CProjectWnd::Hooks hooks = {})
{
    auto document = std::make_unique<CProjectDoc>(services);
    if (!document->openProject(projectFile)) {
        ADD_FAILURE() << "cannot open " << projectFile;
        return nullptr;
    }
    auto window = std::make_unique<CProjectWnd>(std::move(document), services, std::move(hooks));
    window->resize(800, 500);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->flushRefresh();
    return window;
}

// Main-frame hooks that open a project in a plain project window.
inline FrameHooks projectOpeningHooks(AppServices& services)
{
    FrameHooks hooks;
    hooks.openProject = [&services](const std::string& path) -> QWidget* {
        auto document = std::make_unique<CProjectDoc>(services);
        if (!document->openProject(path))
            return nullptr;
        return new CProjectWnd(std::move(document), services, {});
    };
    return hooks;
}

} // namespace torvane::test
