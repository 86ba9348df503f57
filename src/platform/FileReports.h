#pragma once
#include "platform/FileAccess.h"
#include "platform/ReportPresenter.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Titles and heading texts of the two reports, for whoever presents them.
inline constexpr std::string_view kFileErrorsTitle = "Report File Errors";
inline constexpr std::string_view kFileErrorsHeading =
    "HTML Torvane was unable to process the following files.\r\n\r\n"
    "The list includes diagnostic information to help you resolve the problems cited.";
inline constexpr std::string_view kReadOnlyFilesTitle = "Report Read-Only Files";
inline constexpr std::string_view kReadOnlyFilesHeading =
    "WARNING:  You do not have permission to modify the files listed below.\r\n\r\n"
    "Contact the administrator of the system where these files reside to correct this "
    "condition, or you won't be able to save any index entries you create for these files.";
inline constexpr std::string_view kPageProblemsTitle = "Report Page Problems";
inline constexpr std::string_view kPageProblemsHeading =
    "The pages below need your attention.\r\n\r\n"
    "Entries of a target that a page no longer has are kept in the page under the old target name "
    "until you remove them; a damaged index comment block is written again whole, with every entry read, "
    "at the next save.";
inline constexpr std::string_view kUnknownCauseText = "*** Unknown Cause, Logic Error *** ";

// The application's file-error and read-only lists, collected during a long
// operation and shown once when it ends.
class FileReports {
public:
    // The fixed wording of a cause code, or kUnknownCauseText outside 0 to 14.
    static std::string causeText(int cause);
    // "Open Input, name, *** File Not Found *** ,Cause=2, OS Error=2"
    static std::string fileErrorLine(const FileFailure& failure);

    void logFileError(const FileFailure& failure);
    void logReadOnlyFile(std::string_view path);
    void logPageProblem(std::string line) { pageProblems_.push_back(std::move(line)); }

    // Each shows its list when not empty, then empties it.
    void reportFileErrors(ReportPresenter& presenter);
    void reportReadOnlyFiles(ReportPresenter& presenter);
    void reportPageProblems(ReportPresenter& presenter);
    // A report's body: every entry followed by CR LF.
    static std::string reportBody(const std::vector<std::string>& entries);

    const std::vector<std::string>& fileErrors() const { return fileErrors_; }
    const std::vector<std::string>& readOnlyFiles() const { return readOnlyFiles_; }
    void clear();

private:
    std::vector<std::string> fileErrors_;
    std::vector<std::string> readOnlyFiles_;
    std::vector<std::string> pageProblems_;
};

} // namespace torvane
