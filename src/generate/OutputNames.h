#pragma once
#include <string>
#include <string_view>

namespace torvane {

inline constexpr std::string_view kDefaultProjectFileName = "Torvane.ipj";
inline constexpr std::string_view kDefaultIndexName = "Torvane.htm";
inline constexpr std::string_view kDefaultHtmlHelpName = "Torvane.hhk";
inline constexpr std::string_view kDefaultJavaHelpName = "Torvane.xml";
inline constexpr std::string_view kDefaultJavaMapName = "Torvane.jhm";

// File names (no folder) of the four index outputs, in the project directory.
struct OutputNames {
    std::string index {kDefaultIndexName};
    std::string htmlHelp {kDefaultHtmlHelpName};
    std::string javaHelp {kDefaultJavaHelpName};
    std::string javaMap {kDefaultJavaMapName};

    bool operator==(const OutputNames&) const = default;
};

} // namespace torvane
