#pragma once
#include <array>
#include <streambuf>
#include <string_view>

namespace torvane {

// Standard output written by the command line: buffered, and remembering the
// first failure (a full disk, a pipe closed by its reader) with its cause,
// so that a cut result is told as a failure instead of passing for whole.
class OutputBuffer final : public std::streambuf {
public:
    explicit OutputBuffer(int fileDescriptor);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // The system's error number of the first failed write, 0 while none failed.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool writeOut(std::string_view bytes);

    int fileDescriptor_;
    int error_ = 0;
    std::array<char, 65536> buffer_ {};
};

// Flushes `out`; when anything written to it was lost, tells why on `err`
// ("torvane NAME: standard output: cannot be written: CAUSE") and turns a
// success into exit status 1.
int checkedOutput(int status, std::ostream& out, std::ostream& err, std::string_view command);

} // namespace torvane
