#include "support/DocumentTestApp.h"
#include "support/FixtureProject.h"
#include "support/ProjectWindowFixture.h"

#include "document/EntryFieldRules.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/EntryHolder.h"
#include "ui/commands/CommandIds.h"
#include "ui/project/CProjectWnd.h"

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

// The desktop program with a project open while another program changes it.
class OtherWriterWindow : public ProjectWindowFixture {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(openSampleProject()); }

    EntryHolder& holder(const std::string& target)
    {
        EntryHolder* found = TargetLookup(root()).findTarget(target);
        EXPECT_NE(found, nullptr) << target;
        return *found;
    }

    std::vector<std::string> entryTexts(const std::string& target)
    {
        std::vector<std::string> texts;
        for (const IndexEntry* entry : holder(target).entries())
            texts.emplace_back(entry->indexAs());
        return texts;
    }

    void addEntryInWindow(const std::string& target, const std::string& text)
    {
        selectOnly(root(), {&holder(target)});
        IndexEntryValues values;
        values.indexAs = values.sortAs = values.helpAs = text;
        finishEntryTexts(values);
        document().addIndexEntry(values);
        window->flushRefresh();
    }

    // An editor that knows nothing of locks writes an entry into a.htm.
    void editorAddsEntryToPageA()
    {
        dir.write("a.htm", "<html><head><title>Alpha</title>\r\n"
                           "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n    Target=\"one\"\r\n" +
                               storedEntry("Theirs", "Theirs") +
                               "  HTML Torvane -->\r\n</head><body><h1>Apples</h1>"
                               "<a name=\"one\">One</a> <a name=\"two\">2 Two</a></body></html>");
    }
};

TEST_F(OtherWriterWindow, AnUnchangedProjectIsReloadedWhenTheUserSaysSo)
{
    window->noticeOtherWriters();
    EXPECT_TRUE(app.messages.asked.empty());

    editorAddsEntryToPageA();
    app.messages.answer = false;
    window->noticeOtherWriters();
    ASSERT_EQ(app.messages.asked.size(), 1u);
    EXPECT_NE(app.messages.asked[0].find("Another program changed the project"), std::string::npos);
    EXPECT_EQ(entryTexts("a.htm#one"), (std::vector<std::string> {"One"}));
    // Asked once, not at every return to the window.
    window->noticeOtherWriters();
    EXPECT_EQ(app.messages.asked.size(), 1u);

    // Saving (nothing changed here) starts asking again; this time the user reloads.
    window->runCommand(CmdFileSave);
    editorAddsEntryToPageA();
    app.messages.answer = true;
    window->noticeOtherWriters();
    window->flushRefresh();
    EXPECT_EQ(app.messages.asked.size(), 2u);
    EXPECT_EQ(entryTexts("a.htm#one"), (std::vector<std::string> {"Theirs"}));
    EXPECT_FALSE(document().isModified());
}

TEST_F(OtherWriterWindow, UnsavedChangesHoldTheLockAndTheSaveKeepsBothSides)
{
    addEntryInWindow("a.htm#two", "Ours");
    window->showTitle();
    EXPECT_TRUE(document().holdsLock());
    // A command-line edit meanwhile waits, and is told who holds the lock.
    DocumentTestApp otherApp;
    CProjectDoc other(otherApp.services);
    ASSERT_TRUE(other.openProject(dir.path() + "Sample.ipj"));
    other.setSaveLockWait(std::chrono::milliseconds(30));
    other.addExternalUrl("http://other.example/");
    EXPECT_FALSE(other.save());
    ASSERT_EQ(otherApp.messages.messages.size(), 1u);
    EXPECT_NE(otherApp.messages.messages[0].find("torvane-desktop"), std::string::npos);

    editorAddsEntryToPageA();
    window->noticeOtherWriters();
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_NE(app.messages.shown[0].find("combined"), std::string::npos);
    EXPECT_TRUE(app.messages.asked.empty());

    window->runCommand(CmdFileSave);
    window->flushRefresh();
    EXPECT_FALSE(document().isModified());
    EXPECT_FALSE(document().holdsLock());
    const std::string page = dir.read("a.htm");
    EXPECT_NE(page.find("IndexAs=\"Ours\""), std::string::npos) << page;
    EXPECT_NE(page.find("IndexAs=\"Theirs\""), std::string::npos) << page;
    EXPECT_EQ(entryTexts("a.htm#one"), (std::vector<std::string> {"Theirs"}));
    EXPECT_EQ(entryTexts("a.htm#two"), (std::vector<std::string> {"Ours"}));
}

} // namespace
} // namespace torvane::test
