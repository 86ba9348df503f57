#pragma once
#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// Cause codes of a failed file operation; the report wording lives in FileReports.
enum FileCause : int {
    CauseNone = 0,
    CauseGeneric = 1,
    CauseFileNotFound = 2,
    CauseBadPath = 3,
    CauseTooManyOpenFiles = 4,
    CauseAccessDenied = 5,
    CauseInvalidFile = 6,
    CauseRemoveCurrentDir = 7,
    CauseDirectoryFull = 8,
    CauseBadSeek = 9,
    CauseHardIO = 10,
    CauseSharingViolation = 11,
    CauseLockViolation = 12,
    CauseDiskFull = 13,
    CauseEndOfFile = 14,
};

// The system error given with CauseAccessDenied when the file at a path is
// no longer the one read there (ESTALE: the file known is gone from it).
inline constexpr long kReplacedFileError = ESTALE;

// The step of a file operation that failed.
enum class FileOperation { OpenInput, Read, CloseInput, OpenOutput, Write, CloseOutput, Delete };

// The name a report gives the step: "Open Input", "Read", "Close Input",
// "Open Output", "Write", "Close Output" or "Delete".
std::string_view operationName(FileOperation operation);

// One failed file operation.
struct FileFailure {
    FileOperation operation = FileOperation::OpenInput;
    std::string fileName;
    FileCause cause = CauseNone;
    long osError = 0;
};

// What a file operation gives back: success, or the failure that stopped it.
class FileResult {
public:
    FileResult() = default;
    FileResult(FileFailure failure)
        : failure_(std::move(failure))
    {
    }

    bool failed() const { return failure_.has_value(); }
    // Only for a failed result.
    const FileFailure& failure() const { return *failure_; }

private:
    std::optional<FileFailure> failure_;
};

} // namespace torvane
