#pragma once
#include "platform/FileAccess.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

class FileReports;

// What reading a page tells besides its bytes. A page that could not be
// opened, or whose read failed part-way, is not read; one that failed only
// at closing is.
struct PageReadResult {
    bool exists = false;
    bool readOnly = false;
    bool readSucceeded = false;
    bool partial = false; // the read failed part-way: the text is cut short
    std::optional<FileIdentity> identity; // of the file read
    std::int64_t modified = 0; // as FileState
};
PageReadResult judgePageRead(const FileResult& read, const FileState& state);

// Reads the pages of a load one after another. Each page gets a buffer of
// its own, the last one's freed first and the new one not cleared: reading
// every page into one buffer
// kept at the largest page's size took three times the kernel time here
// (20 reads of the 530 pages of the Python manual: 0.77 s of system time
// against 0.23 s), more than clearing fresh buffers costs. A read logs
// nothing, so that pages may be read on any thread; logFailure logs its
// failure as CHtmlFile::ReadSource would.
class PageReader {
public:
    void read(const std::string& path);

    const PageReadResult& result() const { return result_; }
    const FileResult& outcome() const { return outcome_; }
    // The page's bytes, until the next read.
    std::string_view text() const { return {buffer_.get(), length_}; }

private:
    std::unique_ptr<char[]> buffer_;
    std::size_t length_ = 0;
    PageReadResult result_;
    FileResult outcome_;
};

// Logs `outcome`'s failure, if any.
void logFailure(const FileResult& outcome, FileReports& reports);

} // namespace torvane
