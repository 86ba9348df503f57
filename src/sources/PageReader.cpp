#include "sources/PageReader.h"

#include "platform/FileReports.h"

namespace torvane {

PageReadResult judgePageRead(const FileResult& read, const FileState& state)
{
    PageReadResult result {state.exists, state.readOnly, true, false, state.identity, state.modified};
    if (read.failed()) {
        const FileOperation operation = read.failure().operation;
        result.readSucceeded = operation != FileOperation::OpenInput && operation != FileOperation::Read;
        result.partial = operation == FileOperation::Read;
    }
    return result;
}

void PageReader::read(const std::string& path)
{
    FileState state;
    outcome_ = readWholeFileInto(path, buffer_, length_, state);
    result_ = judgePageRead(outcome_, state);
}

void logFailure(const FileResult& outcome, FileReports& reports)
{
    if (outcome.failed())
        reports.logFileError(outcome.failure());
}

} // namespace torvane
