#pragma once
#include "document/IndexFindings.h"
#include "styles/CheckSettings.h"
#include <string>
#include <vector>

namespace torvane {

// Gives each finding the severity the project sets for its kind, drops the
// kinds that are off and the findings the project lets stand (counting them).
void applyCheckSettings(IndexCheckReport& report, const CheckSettings& settings);

// What in the settings names no kind or no severity, one text each.
std::vector<std::string> checkSettingProblems(const CheckSettings& settings);

// The suppression that lets `finding` stand, with `reason`.
CheckSuppression suppressionOf(const IndexFinding& finding, std::string reason);

} // namespace torvane
