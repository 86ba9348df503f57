#pragma once
#include "generate/TextDrain.h"
#include <string>
#include <string_view>

namespace torvane {

// Text of an index file: every "\n" appended is stored as CR LF, the way a
// file opened in text mode on the index's home platform receives it; the
// writer's own markup, written with CR LF already, goes in as it is. The
// text is held in one small buffer that goes to the drain whenever it has
// grown past a threshold at the end of a line, so a hand-over never splits
// a line (nor, lines being ended by ASCII, a multi-byte character).
class CrLfText {
public:
    explicit CrLfText(TextDrain& drain)
        : drain_(drain)
    {
        bytes_.reserve(kThreshold + 1024);
    }

    CrLfText& operator<<(std::string_view text)
    {
        for (std::size_t newline; (newline = text.find('\n')) != std::string_view::npos;
             text.remove_prefix(newline + 1)) {
            bytes_.append(text.data(), newline);
            bytes_ += "\r\n";
        }
        bytes_ += text;
        drainWholeLines();
        return *this;
    }
    // Markup whose lines end CR LF already (and hold no other line feed).
    CrLfText& markup(std::string_view text)
    {
        bytes_ += text;
        drainWholeLines();
        return *this;
    }
    CrLfText& operator<<(char c)
    {
        if (c == '\n')
            bytes_ += "\r\n";
        else
            bytes_ += c;
        drainWholeLines();
        return *this;
    }
    CrLfText& spaces(std::size_t count)
    {
        bytes_.append(count, ' ');
        return *this;
    }
    // Hands over what is left; call once at the end of the text.
    void flush()
    {
        if (!bytes_.empty())
            drain_.take(bytes_);
        bytes_.clear();
    }

private:
    static constexpr std::size_t kThreshold = 64 * 1024;

    void drainWholeLines()
    {
        if (bytes_.size() >= kThreshold && bytes_.back() == '\n')
            flush();
    }

    TextDrain& drain_;
    std::string bytes_;
};

} // namespace torvane
