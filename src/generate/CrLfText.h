#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Text of an index file: every "\n" appended is stored as CR LF, the way a
// file opened in text mode on the index's home platform receives it.
class CrLfText {
public:
    CrLfText& operator<<(std::string_view text)
    {
        for (std::size_t newline; (newline = text.find('\n')) != std::string_view::npos;
             text.remove_prefix(newline + 1)) {
            bytes_.append(text.data(), newline);
            bytes_ += "\r\n";
        }
        bytes_ += text;
        return *this;
    }
    CrLfText& operator<<(char c)
    {
        if (c == '\n')
            bytes_ += "\r\n";
        else
            bytes_ += c;
        return *this;
    }
    CrLfText& spaces(std::size_t count)
    {
        bytes_.append(count, ' ');
        return *this;
    }
    void reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

} // namespace torvane
