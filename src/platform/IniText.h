#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The text of an INI file as lines, changed key by key. Lines that are not
// touched (comments, unknown keys, blank lines) are kept as they were.
// Sections and keys match without regard to ASCII case; the first section
// of a name holds its keys, as does the first line of a key.
class IniText {
public:
    explicit IniText(std::string_view text);

    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of the key in the section.
    void remove(std::string_view section, std::string_view key);
    std::string text() const;

private:
    // First and one-past-last line of the first section of that name; the first is its header.
    struct Range {
        size_t header;
        size_t end;
    };
    std::optional<Range> sectionRange(std::string_view section) const;
    std::optional<size_t> keyLine(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string newline_ = "\n";
};

} // namespace torvane
