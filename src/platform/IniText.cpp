#include "platform/IniText.h"
#include "platform/TextUtil.h"

namespace torvane {

namespace {

bool isComment(std::string_view trimmed)
{
    return trimmed.starts_with(';') || trimmed.starts_with('#');
}

std::optional<std::string_view> sectionName(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    if (!trimmed.starts_with('['))
        return std::nullopt;
    const size_t close = trimmed.find(']');
    return trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> splitKeyLine(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || isComment(trimmed) || trimmed.starts_with('['))
        return std::nullopt;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine {trim(line.substr(0, equals)), line.substr(equals + 1)};
}

// Values are stored trimmed; one pair of enclosing double quotes protects
// blanks at either end (and a value that itself starts and ends with quotes).
std::string decodeValue(std::string_view stored)
{
    std::string_view value = trim(stored);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string encodeValue(std::string_view value)
{
    std::string line(value);
    // A line break would end the line and turn the rest into a line of its own.
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    const bool needsQuotes = !line.empty() && (isBlank(line.front()) || isBlank(line.back()) ||
                                               (line.size() >= 2 && line.front() == '"' && line.back() == '"'));
    return needsQuotes ? '"' + line + '"' : line;
}

} // namespace

IniText::IniText(std::string_view text)
{
    // The first line's end is the one every line gets back.
    if (text.substr(0, text.find('\n')).ends_with('\r'))
        newline_ = "\r\n";
    for (std::string_view line : splitLines(text))
        lines_.emplace_back(line);
}

std::optional<IniText::Range> IniText::sectionRange(std::string_view section) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !equalsNoCase(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end]))
            ++end;
        return Range {i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniText::keyLine(const Range& range, std::string_view key) const
{
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = splitKeyLine(lines_[i]);
        if (line && equalsNoCase(line->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniText::find(std::string_view section, std::string_view key) const
{
    const auto range = sectionRange(section);
    if (!range)
        return std::nullopt;
    const auto line = keyLine(*range, key);
    if (!line)
        return std::nullopt;
    return decodeValue(splitKeyLine(lines_[*line])->value);
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value)
{
    const auto range = sectionRange(section);
    if (!range) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + encodeValue(value));
        return;
    }
    if (const auto line = keyLine(*range, key)) {
        // The stored spelling of the key is kept; only the value changes.
        const size_t equals = lines_[*line].find('=');
        lines_[*line] = lines_[*line].substr(0, equals + 1) + encodeValue(value);
        return;
    }
    // A new key goes after the section's last non-blank line, before any gap.
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + "=" + encodeValue(value));
}

void IniText::remove(std::string_view section, std::string_view key)
{
    auto range = sectionRange(section);
    if (!range)
        return;
    while (const auto line = keyLine(*range, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
        --range->end;
    }
}

std::string IniText::text() const
{
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += newline_;
    }
    return text;
}

} // namespace torvane
