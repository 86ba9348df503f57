#include "sources/PageReader.h"

#include "platform/FileReports.h"

namespace torvane {

PageReadResult judgePageRead(const FileResult& read, const FileState& state)
{
    PageReadResult result{state.exists, state.readOnly, true, false};
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
    std::string().swap(buffer_);
    const FileResult read = readWholeFileInto(path, buffer_, length_, state);
    result_ = judgePageRead(read, state);
    if (read.failed())
        reports_.logFileError(read.failure());
}

} // namespace torvane
