#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One typed text of an edit, with the words that name it in a refusal.
struct TypedField {
    std::string_view name; // "the sort key"
    const std::string* text;
    bool required = true;
};

// What is wrong with each field, naming it ("the sort key is empty"); the
// dialogs' checks, told per field rather than once for all.
std::vector<std::string> fieldRefusals(const std::vector<TypedField>& fields);

} // namespace torvane
