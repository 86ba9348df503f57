#include "shell/cli/OutputBuffer.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliOptions.h"
#include <cerrno>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace torvane {

OutputBuffer::OutputBuffer(int fileDescriptor)
    : fileDescriptor_(fileDescriptor)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

OutputBuffer::~OutputBuffer()
{
    sync();
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c)
{
    if (sync() != 0)
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int OutputBuffer::sync()
{
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0 && writeOut(pending) ? 0 : -1;
}

bool OutputBuffer::writeOut(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fileDescriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int checkedOutput(int status, std::ostream& out, std::ostream& err, std::string_view command)
{
    out.flush();
    if (out.good())
        return status;
    const auto* buffer = dynamic_cast<const OutputBuffer*>(out.rdbuf());
    const int error = buffer ? buffer->error() : 0;
    tellProblem(err, command, "standard output",
                std::string("cannot be written: ") + (error != 0 ? std::strerror(error) : "the write failed"));
    return status == ExitOk ? ExitFailed : status;
}

} // namespace torvane
