#include "platform/FileReports.h"
#include <array>

namespace torvane {

namespace {

constexpr std::array<std::string_view, 15> kCauseTexts = {
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

void showAndEmpty(std::vector<std::string>& entries, ReportPresenter& presenter, std::string_view title,
                  std::string_view heading)
{
    if (entries.empty())
        return;
    const std::string body = FileReports::reportBody(entries);
    entries.clear();
    presenter.showReport(std::string(title), std::string(heading), body);
}

} // namespace

std::string FileReports::causeText(int cause)
{
    if (cause < 0 || cause >= static_cast<int>(kCauseTexts.size()))
        return std::string(kUnknownCauseText);
    return std::string(kCauseTexts[static_cast<size_t>(cause)]);
}

std::string FileReports::fileErrorLine(const FileFailure& failure)
{
    std::string line(operationName(failure.operation));
    line += ", ";
    line += failure.fileName;
    line += ", ";
    line += causeText(failure.cause);
    line += ",Cause=" + std::to_string(failure.cause);
    line += ", OS Error=" + std::to_string(failure.osError);
    return line;
}

void FileReports::logFileError(const FileFailure& failure)
{
    fileErrors_.push_back(fileErrorLine(failure));
}

void FileReports::logReadOnlyFile(std::string_view path)
{
    readOnlyFiles_.emplace_back(path);
}

std::string FileReports::reportBody(const std::vector<std::string>& entries)
{
    std::string body;
    for (const std::string& entry : entries) {
        body += entry;
        body += "\r\n";
    }
    return body;
}

void FileReports::reportFileErrors(ReportPresenter& presenter)
{
    showAndEmpty(fileErrors_, presenter, kFileErrorsTitle, kFileErrorsHeading);
}

void FileReports::reportPageProblems(ReportPresenter& presenter)
{
    showAndEmpty(pageProblems_, presenter, kPageProblemsTitle, kPageProblemsHeading);
}

void FileReports::reportReadOnlyFiles(ReportPresenter& presenter)
{
    showAndEmpty(readOnlyFiles_, presenter, kReadOnlyFilesTitle, kReadOnlyFilesHeading);
}

void FileReports::clear()
{
    fileErrors_.clear();
    readOnlyFiles_.clear();
    pageProblems_.clear();
}

} // namespace torvane
