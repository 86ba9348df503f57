#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvane {

// A JSON value as read from a file: strings as UTF-8 bytes, numbers as text.
struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    // A string's bytes, or a number as written.
    std::string text;
    std::vector<JsonValue> items;
    // In the order written; a repeated name keeps its first value for `member`.
    std::vector<std::pair<std::string, JsonValue>> members;
    // Where the value begins in the text it was read from.
    std::size_t offset = 0;

    const JsonValue* member(std::string_view name) const;
    bool isString() const { return kind == Kind::String; }
};

// The one value `text` holds (blanks around it allowed), or nothing with
// `problem` saying what is wrong and where.
std::optional<JsonValue> parseJson(std::string_view text, std::string& problem);

} // namespace torvane
