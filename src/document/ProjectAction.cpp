#include "document/ProjectAction.h"

#include <array>
#include <string_view>

namespace torvane {

namespace {

constexpr std::array<std::string_view, 10> kActionNames = {
    "Add Files",
    "Add External URLs",
    "Add Index Entry",
    "Remove Files, URLs, and Locators",
    "Exclude Targets",
    "Edit Index Entries",
    "Delete Index Entries and Cross-References",
    "Create Cross-Reference",
    "Edit Cross-Reference",
    "Accept Default Index Entries",
};

} // namespace

std::string actionName(int code)
{
    // Taken as unsigned so that a negative code falls outside the table too.
    const auto index = static_cast<unsigned>(code);
    if (index >= kActionNames.size())
        return "Invalid Action Code";
    return std::string(kActionNames[index]);
}

} // namespace torvane
