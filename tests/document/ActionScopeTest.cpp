#include "support/DocumentTestApp.h"
#include "support/TempDir.h"

#include "document/ActionScope.h"
#include "document/ProjectAction.h"
#include "model/CrossReference.h"
#include "model/ExternalUrl.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

// Records the order in which the document tells its views.
struct NoticeLog final : DocumentView {
    void documentChanging(CProjectDoc&) override { notices.push_back("changing"); }
    void documentChanged(CProjectDoc&, int, DocumentView*) override { notices.push_back("changed"); }
    std::vector<std::string> notices;
};

TEST(ActionScope, AStepThatKeptNothingIsWithdrawnUnlessCommitted)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://one/");
    doc.undo();
    ASSERT_TRUE(doc.history().canRedo());
    {
        ActionScope action(doc, ActionAddIndexEntry);
        EXPECT_EQ(doc.undoCode(), ActionAddIndexEntry) << "the step is open while the action runs";
    }
    EXPECT_EQ(doc.undoCode(), std::nullopt);
    EXPECT_TRUE(doc.history().canRedo()) << "a withdrawn step leaves the redo queue alone";

    {
        ActionScope action(doc, ActionAddIndexEntry);
        action.commit();
    }
    EXPECT_EQ(doc.undoCode(), ActionAddIndexEntry) << "a committed step stays even when it changed nothing";
    EXPECT_FALSE(doc.history().canRedo());
}

TEST(ActionScope, AChangeLeftByAnExceptionStaysUndoable)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    try {
        ActionScope action(doc, ActionAddExternalUrls);
        ExternalUrl& added = doc.root().findOrCreateUrl("http://half/");
        action.keepAbsence(added);
        throw std::runtime_error("the action failed half-way");
    } catch (const std::runtime_error&) {
    }
    ASSERT_EQ(doc.undoCode(), ActionAddExternalUrls);
    ASSERT_NE(doc.root().externalUrls().findUrl("http://half/"), nullptr);
    doc.undo();
    EXPECT_EQ(doc.root().externalUrls().findUrl("http://half/"), nullptr);
}

TEST(ActionScope, APlaceIsKeptOnceAndUndoBringsBackItsFirstState)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    doc.addExternalUrl("http://kept/");
    ExternalUrl& url = *doc.root().externalUrls().findUrl("http://kept/");
    url.setSelected(true);
    {
        ActionScope action(doc, ActionExcludeTargets);
        action.keepPriorState(url);
        url.setExcluded(true);
        // A second keep after the change must not replace the prior state.
        action.keepPriorState(url);
        action.commit();
    }
    doc.undo();
    const ExternalUrl* restored = doc.root().externalUrls().findUrl("http://kept/");
    ASSERT_NE(restored, nullptr);
    EXPECT_FALSE(restored->isExcluded());
}

TEST(ActionScope, ViewsAreWarnedBeforeEveryChangeThatMayFreeRecords)
{
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    NoticeLog log;
    doc.addView(log);
    doc.addExternalUrl("http://one/");
    EXPECT_EQ(log.notices, (std::vector<std::string> {"changed"})) << "adding frees nothing";
    doc.root().externalUrls().findUrl("http://one/")->setSelected(true);
    doc.excludeSelected();
    doc.undo();
    doc.redo();
    EXPECT_EQ(log.notices, (std::vector<std::string> {"changed", "changing", "changed", "changing", "changed",
                                                      "changing", "changed"}));

    log.notices.clear();
    doc.undo();
    doc.undo();
    doc.undo();
    EXPECT_EQ(log.notices, (std::vector<std::string> {"changing", "changed", "changing", "changed"}))
        << "nothing left to undo: no notice";

    log.notices.clear();
    const bool edited =
        doc.editCrossReference(*doc.root().addCrossReference(std::make_unique<CrossReference>()),
                               [&log](const CrossReferenceValues&) -> std::optional<CrossReferenceValues> {
                                   EXPECT_TRUE(log.notices.empty()) << "the dialog runs before the action begins";
                                   return std::nullopt;
                               });
    EXPECT_FALSE(edited);
    EXPECT_TRUE(log.notices.empty());
    EXPECT_EQ(doc.undoCode(), std::nullopt) << "a cancelled edit records nothing";
    doc.removeView(log);
}

} // namespace
} // namespace torvane::test
