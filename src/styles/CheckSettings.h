#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One finding the user has looked at and let stand, with why.
struct CheckSuppression {
    std::string kind;
    std::string page;
    std::string target;
    std::string entry;
    std::string reason;

    bool operator==(const CheckSuppression&) const = default;
};

inline constexpr int kDefaultMaxLocators = 10;

// How a project wants its index checked: a severity per finding kind
// ("error", "warning" or "off") where it differs from the kind's own, the
// findings let stand, and the most locators a heading should have.
struct CheckSettings {
    std::map<std::string, std::string, std::less<>> severities;
    std::vector<CheckSuppression> suppressions;
    int maxLocators = kDefaultMaxLocators;

    bool atDefaults() const { return severities.empty() && suppressions.empty() && maxLocators == kDefaultMaxLocators; }
    bool operator==(const CheckSettings&) const = default;
};

// Takes one line of the project's extension section when it is a check
// setting ("Check Severity KIND=LEVEL", "Check Ignore=...", "Check Max
// Locators=N"); false for any other line.
bool readCheckSetting(std::string_view line, CheckSettings& settings);
// Appends the lines of the settings that differ from the defaults (CR LF each).
void writeCheckSettings(std::string& out, const CheckSettings& settings);

} // namespace torvane
