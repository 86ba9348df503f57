#pragma once
#include "platform/FileAccess.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Shows one report (a warning dialog on the desktop, standard error when unattended).
class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    virtual void showReport(const std::string& title, const std::string& heading, const std::string& body) = 0;
};

// The application's file-error and read-only lists, collected during a long
// operation and shown once when it ends.
class FileReports {
public:
    static std::string causeText(int cause);
    static std::string fileErrorLine(std::string_view operation, const FileFailure& failure);

    void logFileError(std::string_view operation, const FileFailure& failure);
    void logFileError(const FileFailure& failure) { logFileError(failure.operation, failure); }
    void logReadOnlyFile(std::string_view path);

    // Each shows its list when not empty, then empties it.
    void reportFileErrors(ReportPresenter& presenter);
    void reportReadOnlyFiles(ReportPresenter& presenter);

    const std::vector<std::string>& fileErrors() const { return fileErrors_; }
    const std::vector<std::string>& readOnlyFiles() const { return readOnlyFiles_; }
    void clear();

private:
    std::vector<std::string> fileErrors_;
    std::vector<std::string> readOnlyFiles_;
};

} // namespace torvane
