#include "platform/FileReports.h"
#include <gtest/gtest.h>
#include <sstream>

namespace torvane {
namespace {

struct Shown {
    std::string title, heading, body;
};

class RecordingPresenter final : public ReportPresenter {
public:
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override
    {
        shown.push_back({title, heading, body});
    }
    std::vector<Shown> shown;
};

TEST(FileReports, CauseTextsAndUnknownCodes)
{
    const char* const expected[15] = {
        "*** None *** ",
        "*** Generic *** ",
        "*** File Not Found *** ",
        "*** Bad Path *** ",
        "*** Too Many Open Files *** ",
        "*** Access Denied *** ",
        "*** Invalid File *** ",
        "*** Remove Current Dir *** ",
        "*** Directory Full *** ",
        "*** Bad Seek *** ",
        "*** Hard I/O *** ",
        "*** Sharing Violation *** ",
        "*** Lock Violation *** ",
        "*** Disk Full *** ",
        "*** End Of File *** ",
    };
    for (int cause = 0; cause < 15; ++cause)
        EXPECT_EQ(FileReports::causeText(cause), expected[cause]) << cause;
    EXPECT_EQ(FileReports::causeText(15), "*** Unknown Cause, Logic Error *** ");
    EXPECT_EQ(FileReports::causeText(-1), "*** Unknown Cause, Logic Error *** ");
}

TEST(FileReports, LineWording)
{
    EXPECT_EQ(FileReports::fileErrorLine({FileOperation::OpenInput, "/p/a.htm", CauseFileNotFound, 2}),
              "Open Input, /p/a.htm, *** File Not Found *** ,Cause=2, OS Error=2");
    EXPECT_EQ(FileReports::fileErrorLine({FileOperation::Write, "b.htm", static_cast<FileCause>(15), 28}),
              "Write, b.htm, *** Unknown Cause, Logic Error *** ,Cause=15, OS Error=28");
    EXPECT_EQ(FileReports::fileErrorLine({FileOperation::Read, "c", static_cast<FileCause>(-1), -5}),
              "Read, c, *** Unknown Cause, Logic Error *** ,Cause=-1, OS Error=-5");
    // Every step is named as the reports have always named it.
    const std::pair<FileOperation, const char*> names[] = {
        {FileOperation::OpenInput, "Open Input"},
        {FileOperation::Read, "Read"},
        {FileOperation::CloseInput, "Close Input"},
        {FileOperation::OpenOutput, "Open Output"},
        {FileOperation::Write, "Write"},
        {FileOperation::CloseOutput, "Close Output"},
        {FileOperation::Delete, "Delete"},
    };
    for (const auto& [operation, name] : names)
        EXPECT_EQ(FileReports::fileErrorLine({operation, "p", CauseNone, 0}),
                  std::string(name) + ", p, *** None *** ,Cause=0, OS Error=0");
}

TEST(FileReports, EachReportShowsItsListOnceThenEmpties)
{
    FileReports reports;
    RecordingPresenter presenter;
    reports.reportFileErrors(presenter);
    reports.reportReadOnlyFiles(presenter);
    EXPECT_TRUE(presenter.shown.empty());

    const FileFailure failure {FileOperation::OpenOutput, "x.htm", CauseAccessDenied, 13};
    reports.logFileError(failure);
    reports.logFileError({FileOperation::CloseOutput, "x.htm", CauseAccessDenied, 13});
    reports.logReadOnlyFile("/p/locked.htm");

    reports.reportFileErrors(presenter);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].title, "Report File Errors");
    EXPECT_EQ(presenter.shown[0].heading,
              "HTML Torvane was unable to process the following files.\r\n\r\n"
              "The list includes diagnostic information to help you resolve the problems cited.");
    EXPECT_EQ(presenter.shown[0].body, "Open Output, x.htm, *** Access Denied *** ,Cause=5, OS Error=13\r\n"
                                       "Close Output, x.htm, *** Access Denied *** ,Cause=5, OS Error=13\r\n");
    EXPECT_TRUE(reports.fileErrors().empty());
    EXPECT_EQ(reports.readOnlyFiles().size(), 1u);

    reports.reportFileErrors(presenter);
    EXPECT_EQ(presenter.shown.size(), 1u);

    reports.reportReadOnlyFiles(presenter);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].title, "Report Read-Only Files");
    EXPECT_EQ(presenter.shown[1].heading,
              "WARNING:  You do not have permission to modify the files listed below.\r\n\r\n"
              "Contact the administrator of the system where these files reside to correct this condition, "
              "or you won't be able to save any index entries you create for these files.");
    EXPECT_EQ(presenter.shown[1].body, "/p/locked.htm\r\n");
    EXPECT_TRUE(reports.readOnlyFiles().empty());
}

} // namespace
} // namespace torvane
