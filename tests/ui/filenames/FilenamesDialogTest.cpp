#include "support/UiTestSupport.h"
#include "ui/common/ShownTitle.h"
#include "ui/filenames/FilenamesHook.h"
#include "document/ProjectFileWriter.h"
#include "ui/commands/CommandIds.h"
#include "ui/filenames/FilenamesDialog.h"
#include "ui/filenames/FilenamesDialogRules.h"
#include "model/ProjectRootNode.h"
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <deque>

namespace torvane {
namespace {

const std::string kQuestionEnd = "  Yes\tOverwrite files\n  No\tSpecify new file names\n";

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FilenamesRules, CompletesTrimmedNamesWithTheirFieldsExtension)
{
    EXPECT_EQ(completeFileName("  Index \t", ".htm"), "Index.htm");
    EXPECT_EQ(completeFileName("Index.HTML", ".htm"), "Index.HTML");
    EXPECT_EQ(completeFileName("my.index", ".htm"), "my.index");
    EXPECT_EQ(completeFileName("Index.", ".htm"), "Index.");
    EXPECT_EQ(completeFileName("", ".ipj"), ".ipj");
    EXPECT_EQ(completeFileName("sub\\Index.htm", ".htm"), std::nullopt);
    EXPECT_EQ(completeFileName("C:Index.htm", ".htm"), std::nullopt);
    EXPECT_EQ(completeFileName("  C:Index", ".htm"), std::nullopt);
    EXPECT_EQ(completeFileName("sub/Index", ".htm"), std::nullopt);
    EXPECT_EQ(completeFileName("/Index.htm", ".htm"), std::nullopt);

    ProjectFileNames names {"Proj", "Out", "Help", "Java", "Map"};
    EXPECT_EQ(completeFileNames(names), std::nullopt);
    EXPECT_EQ(names, (ProjectFileNames {"Proj.ipj", "Out.htm", "Help.hhk", "Java.xml", "Map.jhm"}));

    // One bad field refuses all, once, and changes nothing.
    ProjectFileNames bad {"Proj", "sub\\Out.htm", "Help", "C:Java", "Map"};
    EXPECT_EQ(completeFileNames(bad), std::string(kPathComponentsError));
    EXPECT_EQ(kPathComponentsError,
              "Please correct the following errors:\n\n  File names may not contain any path components.\n");
    EXPECT_EQ(bad.project, "Proj");
    EXPECT_EQ(bad.outputs.javaMap, "Map");
}

TEST(FilenamesRules, ListsExistingFilesInReportOrderAndOnlyChangedOnes)
{
    test::TempDir dir;
    for (const char* name : {"Torvane.jhm", "Torvane.htm", "Torvane.ipj", "Other.xml"})
        dir.write(name, "x");
    const ProjectFileNames defaults;
    EXPECT_EQ(existingFileNames(dir.path(), defaults),
              (std::vector<std::string> {"Torvane.ipj", "Torvane.htm", "Torvane.jhm"}));

    // Against the names the project had: unchanged and case-only changes
    // are never listed, changed ones only when their file exists.
    ProjectFileNames renamed = defaults;
    renamed.project = "TORVANE.IPJ";
    renamed.outputs.index = "Missing.htm";
    renamed.outputs.javaHelp = "Other.xml";
    EXPECT_EQ(existingFileNames(dir.path(), renamed, &defaults), (std::vector<std::string> {"Other.xml"}));
    EXPECT_TRUE(existingFileNames(dir.path(), defaults, &defaults).empty());
}

TEST(FilenamesRules, QuestionNamesEachFileAndCountsThem)
{
    EXPECT_EQ(overwriteQuestion({"Torvane.jhm"}, kCancelProjectCreation),
              "Torvane.jhm already exists in the main directory.\n\nWould you like to overwrite this file?\n" +
                  kQuestionEnd + "  Cancel\tCancel project creation\n");
    EXPECT_EQ(overwriteQuestion({"New.htm", "New.jhm"}, kCancelNameUpdates),
              "New.htm already exists in the main directory.\nNew.jhm already exists in the main directory.\n"
              "\nWould you like to overwrite these files?\n" +
                  kQuestionEnd + "  Cancel\tCancel file name updates\n");
}

// A scripted user for settleOverwrites: answers and dialog results in turn.
struct ScriptedUser {
    ScriptedUser(std::vector<std::string> takenNames, std::deque<OverwriteAnswer> answerList = {},
                 std::deque<std::optional<ProjectFileNames>> typedNames = {})
        : answers(std::move(answerList))
        , typed(std::move(typedNames))
        , taken(std::move(takenNames))
    {
    }

    std::deque<OverwriteAnswer> answers;
    std::deque<std::optional<ProjectFileNames>> typed;
    std::vector<std::string> taken; // file names that exist
    std::vector<std::string> questions;
    std::vector<ProjectFileNames> dialogFills;

    OverwriteGuard guard()
    {
        return {[this](const ProjectFileNames& names) {
                    std::vector<std::string> existing;
                    for (const std::string* name : {&names.project, &names.outputs.index, &names.outputs.javaMap})
                        if (std::find(taken.begin(), taken.end(), *name) != taken.end())
                            existing.push_back(*name);
                    return existing;
                },
                [this](const std::string& question) {
                    questions.push_back(question);
                    OverwriteAnswer answer = answers.front();
                    answers.pop_front();
                    return answer;
                },
                [this](const ProjectFileNames& fill) {
                    dialogFills.push_back(fill);
                    auto result = typed.front();
                    typed.pop_front();
                    return result;
                },
                kCancelNameUpdates};
    }
};

TEST(FilenamesRules, SettlingAsksUntilTheNamesAreFreeOrAccepted)
{
    const ProjectFileNames start;
    ProjectFileNames first = start;
    first.outputs.index = "A.htm";
    ProjectFileNames second = start;
    second.outputs.index = "B.htm";
    ProjectFileNames third = start;
    third.outputs.index = "C.htm";

    { // Free names: no question.
        ScriptedUser user({"Other.ipj"});
        EXPECT_EQ(settleOverwrites(first, user.guard(), std::nullopt), first);
        EXPECT_TRUE(user.questions.empty());
    }
    { // No twice with taken names, then free ones; the dialog refilled
        // with the given names each time.
        ScriptedUser user({"A.htm", "B.htm"}, {OverwriteAnswer::No, OverwriteAnswer::No}, {second, third});
        EXPECT_EQ(settleOverwrites(first, user.guard(), start), third);
        EXPECT_EQ(user.questions.size(), 2u);
        EXPECT_EQ(user.dialogFills, (std::vector<ProjectFileNames> {start, start}));
    }
    { // Without refill names the dialog shows those just asked about.
        ScriptedUser user({"A.htm"}, {OverwriteAnswer::No}, {third});
        EXPECT_EQ(settleOverwrites(first, user.guard(), std::nullopt), third);
        EXPECT_EQ(user.dialogFills, (std::vector<ProjectFileNames> {first}));
    }
    { // Yes keeps the taken names.
        ScriptedUser user({"A.htm"}, {OverwriteAnswer::Yes});
        EXPECT_EQ(settleOverwrites(first, user.guard(), start), first);
    }
    { // Cancel, or a cancelled dialog after No, gives nothing.
        ScriptedUser cancel({"A.htm"}, {OverwriteAnswer::Cancel});
        EXPECT_EQ(settleOverwrites(first, cancel.guard(), start), std::nullopt);
        ScriptedUser dialogCancel({"A.htm"}, {OverwriteAnswer::No}, {std::nullopt});
        EXPECT_EQ(settleOverwrites(first, dialogCancel.guard(), start), std::nullopt);
    }
}

TEST(FilenamesDialog, AcceptsCompletedNamesAndRefusesPaths)
{
    test::RecordingMessages messages;
    FilenamesDialog dialog(ProjectFileNames {}, messages);
    EXPECT_EQ(dialog.projectEdit()->text(), "Torvane.ipj");
    EXPECT_EQ(dialog.javaMapEdit()->text(), "Torvane.jhm");
    dialog.show();

    dialog.indexEdit()->setText("sub\\Index.htm");
    dialog.htmlHelpEdit()->setFocus();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.shown, std::vector<std::string> {std::string(kPathComponentsError)});
    EXPECT_EQ(dialog.focusWidget(), dialog.projectEdit());

    dialog.indexEdit()->setText(" Index ");
    dialog.javaHelpEdit()->setText("Java");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.names(),
              (ProjectFileNames {"Torvane.ipj", "Index.htm", "Torvane.hhk", "Java.xml", "Torvane.jhm"}));
}

TEST(FilenamesRules, NamesThatWouldOverwriteAPageOrTheProjectFileAreErrors)
{
    ProjectRootNode project;
    project.setProjectDirectory("/p/");
    project.findOrCreateFile("/p/guide-A.htm");
    project.findOrCreateFile("/p/in.htm");
    EXPECT_EQ(projectNameErrors({"P.ipj", "x.htm", "x.hhk", "x.xml", "x.jhm"}, project), std::nullopt);
    EXPECT_EQ(projectNameErrors({"P.ipj", "guide.htm", "x.hhk", "P.ipj", "x.jhm"}, project),
              "Please correct the following errors:\n"
              "\n  The HTML index would overwrite guide-A.htm, a page of the project.\n"
              "\n  The JavaHelp index would overwrite P.ipj, the project file.\n");
    EXPECT_EQ(projectNameErrors({"in.htm", "x.htm", "x.hhk", "x\nq.xml", "x.jhm"}, project),
              "Please correct the following errors:\n" + std::string(kLineBreakError) +
                  "\n  The project file would overwrite in.htm, a page of the project.\n");
}

TEST(FilenamesDialog, RefusesNamesOfTheProjectsPagesAndKeepsTheDialogOpen)
{
    test::RecordingMessages messages;
    ProjectRootNode project;
    project.setProjectDirectory("/p/");
    project.findOrCreateFile("/p/in.htm");
    FilenamesDialog dialog(ProjectFileNames {}, messages, nullptr, &project);
    dialog.show();
    dialog.indexEdit()->setText("IN");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.shown, std::vector<std::string> {"Please correct the following errors:\n\n  The HTML index "
                                                        "would overwrite IN.htm, a page of the project.\n"});
    EXPECT_EQ(dialog.focusWidget(), dialog.projectEdit());
    dialog.indexEdit()->setText("Index");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// The Filenames command on a project window, answered through its dialogs.
class SetFilenames : public ::testing::Test {
protected:
    void SetUp() override
    {
        projectPath = test::writeSampleProject(dir);
        CProjectWnd::Hooks hooks;
        installFilenamesHook(hooks, app.services);
        auto document = std::make_unique<CProjectDoc>(app.services);
        ASSERT_TRUE(document->openProject(projectPath));
        window = std::make_unique<CProjectWnd>(std::move(document), app.services, hooks);
        window->show();
        ASSERT_TRUE(window->isEnabled(CmdFilenames));
    }

    CProjectDoc& document() { return window->document(); }

    // Queues the answers to the dialogs the command opens, in order: a names
    // dialog filled with `index` and `javaMap` (empty: leave as it is) and
    // accepted, nullopt cancelled, or a question answer.
    struct Step {
        std::optional<std::pair<QString, QString>> names;
        QMessageBox::StandardButton answer = QMessageBox::NoButton;
    };
    void play(std::vector<Step> steps)
    {
        script = std::move(steps);
        next = 0;
        answerNext();
        window->runCommand(CmdFilenames);
        EXPECT_EQ(next, script.size());
    }

    void answerNext()
    {
        if (next >= script.size())
            return;
        Step& step = script[next];
        if (step.answer != QMessageBox::NoButton) {
            test::whenModalOpens<QMessageBox>([this, &step](QMessageBox& box) {
                questions.push_back(box.text().toStdString());
                ++next;
                answerNext();
                box.button(step.answer)->click();
            });
            return;
        }
        test::whenModalOpens<FilenamesDialog>([this, &step](FilenamesDialog& dialog) {
            fills.push_back(dialog.indexEdit()->text().toStdString());
            ++next;
            if (!step.names) {
                dialog.reject();
                return;
            }
            if (!step.names->first.isEmpty())
                dialog.indexEdit()->setText(step.names->first);
            if (!step.names->second.isEmpty())
                dialog.javaMapEdit()->setText(step.names->second);
            answerNext();
            dialog.accept();
        });
    }

    static Step names(QString index, QString javaMap = {}) { return {std::make_pair(index, javaMap)}; }
    static Step cancelNames() { return {}; }
    static Step answer(QMessageBox::StandardButton button) { return {std::nullopt, button}; }

    test::TempDir dir;
    test::UiTestApp app;
    std::string projectPath;
    std::unique_ptr<CProjectWnd> window;
    std::vector<Step> script;
    std::size_t next = 0;
    std::vector<std::string> questions;
    std::vector<std::string> fills;
};

TEST_F(SetFilenames, CaseOnlyChangeAsksNothingAndStoresTheNewCase)
{
    dir.write("Torvane.htm", "old index");
    play({names("TORVANE.HTM")});
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(document().indexName(), "TORVANE.HTM");
    EXPECT_EQ(document().pathName(), projectPath);
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(readFile(dir.path() + "Torvane.htm"), "old index");
}

TEST_F(SetFilenames, ExistingFilesAreListedAndYesTakesTheNames)
{
    dir.write("Old.htm", "x");
    dir.write("Old.jhm", "x");
    play({names("Old", "Old"), answer(QMessageBox::Yes)});
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Old.htm already exists in the main directory.\nOld.jhm already exists in the main "
                            "directory.\n\nWould you like to overwrite these files?\n" +
                                kQuestionEnd + "  Cancel\tCancel file name updates\n");
    EXPECT_EQ(document().indexName(), "Old.htm");
    EXPECT_EQ(document().javaMapName(), "Old.jhm");
}

TEST_F(SetFilenames, NoRefillsTheOriginalNamesAndCancelChangesNothing)
{
    dir.write("Old.jhm", "x");
    dir.write("Typed.htm", "x");
    play({names("", "Old"), answer(QMessageBox::No), names("Typed"), answer(QMessageBox::No), cancelNames()});
    EXPECT_EQ(fills, (std::vector<std::string> {"Torvane.htm", "Torvane.htm", "Torvane.htm"}));
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(document().indexName(), "Torvane.htm");
    EXPECT_EQ(document().javaMapName(), "Torvane.jhm");
    EXPECT_FALSE(document().isModified());

    questions.clear();
    play({names("", "Old"), answer(QMessageBox::Cancel)});
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(document().javaMapName(), "Torvane.jhm");
    EXPECT_FALSE(document().isModified());
}

TEST_F(SetFilenames, RenamedProjectGetsItsFileAtOnce)
{
    test::whenModalOpens<FilenamesDialog>([](FilenamesDialog& dialog) {
        dialog.projectEdit()->setText("Renamed");
        dialog.indexEdit()->setText("Book");
        dialog.accept();
    });
    window->runCommand(CmdFilenames);
    EXPECT_EQ(document().pathName(), dir.path() + "Renamed.ipj");
    EXPECT_EQ(document().title(), "Renamed.ipj");
    EXPECT_EQ(shownTitle(*window), "Renamed.ipj*");
    EXPECT_EQ(readFile(dir.path() + "Renamed.ipj"),
              renamedProjectStub({"Book.htm", "Torvane.hhk", "Torvane.xml", "Torvane.jhm"}));
    // The old project file stays until the project is saved.
    EXPECT_NE(readFile(projectPath).find("File=a.htm"), std::string::npos);
}

TEST_F(SetFilenames, UnwritableNewProjectFileKeepsTheOldNames)
{
    dir.write("Locked.ipj", "kept");
    std::filesystem::permissions(dir.path() + "Locked.ipj", std::filesystem::perms::owner_read);
    test::whenModalOpens<FilenamesDialog>([](FilenamesDialog& dialog) {
        dialog.projectEdit()->setText("Locked.ipj");
        test::whenModalOpens<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        dialog.accept();
    });
    window->runCommand(CmdFilenames);
    EXPECT_EQ(readFile(dir.path() + "Locked.ipj"), "kept");
    EXPECT_EQ(app.presenter.titles, std::vector<std::string> {"Report File Errors"});
    EXPECT_EQ(document().pathName(), projectPath);
}

} // namespace
} // namespace torvane
