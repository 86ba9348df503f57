#include "document/FindingFilter.h"
#include <algorithm>
#include <set>
#include <tuple>

namespace torvane {

namespace {

using FindingKey = std::tuple<std::string_view, std::string_view, std::string_view, std::string_view>;

FindingKey keyOf(const IndexFinding& finding)
{
    return {finding.kind, finding.page, finding.target, finding.entry};
}

FindingKey keyOf(const CheckSuppression& suppression)
{
    return {suppression.kind, suppression.page, suppression.target, suppression.entry};
}

} // namespace

void applyCheckSettings(IndexCheckReport& report, const CheckSettings& settings)
{
    std::set<FindingKey> letStand;
    for (const CheckSuppression& suppression : settings.suppressions)
        letStand.insert(keyOf(suppression));
    for (IndexFinding& finding : report.findings) {
        if (const auto level = settings.severities.find(finding.kind); level != settings.severities.end())
            finding.severity = severityNamed(level->second).value_or(finding.severity);
    }
    std::size_t suppressed = 0;
    std::erase_if(report.findings, [&](const IndexFinding& finding) {
        if (finding.severity == FindingSeverity::Off)
            return true;
        if (!letStand.contains(keyOf(finding)))
            return false;
        ++suppressed;
        return true;
    });
    report.suppressed += suppressed;
}

std::vector<std::string> checkSettingProblems(const CheckSettings& settings)
{
    std::vector<std::string> problems;
    for (const auto& [kind, level] : settings.severities) {
        if (!findingKind(kind))
            problems.push_back("\"Check Severity " + kind + "\" names no kind of finding");
        if (!severityNamed(level))
            problems.push_back("\"Check Severity " + kind + "=" + level + "\" is not error, warning or off");
    }
    for (const CheckSuppression& suppression : settings.suppressions) {
        if (!findingKind(suppression.kind))
            problems.push_back("\"Check Ignore\" names no kind of finding: \"" + suppression.kind + "\"");
    }
    return problems;
}

CheckSuppression suppressionOf(const IndexFinding& finding, std::string reason)
{
    return {finding.kind, finding.page, finding.target, finding.entry, std::move(reason)};
}

} // namespace torvane
