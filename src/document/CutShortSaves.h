#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class FileReports;

// Why a page changed without the user saving it.
inline constexpr std::string_view kCutShortSaveRepaired =
    "A save of the page was cut short while it was written in place; the page is put back as it was before that "
    "save.";

// Puts back the pages of `paths` that a killed save left half written (from
// their restore copies), each told in `reports` as a page problem, or as a
// file error when it cannot be put back.
void putBackCutShortSaves(const std::vector<std::string>& paths, FileReports& reports);

} // namespace torvane
