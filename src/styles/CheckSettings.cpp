#include "styles/CheckSettings.h"
#include "platform/TextUtil.h"
#include "styles/ProjectSections.h"

namespace torvane {

namespace {

constexpr std::string_view kSeverityKey = "Check Severity ";
constexpr std::string_view kIgnoreKey = "Check Ignore";
constexpr std::string_view kMaxLocatorsKey = "Check Max Locators";
// The fields of a suppression are joined by bars; a bar or a backslash in a
// field is written after a backslash.
constexpr char kFieldSeparator = '|';

std::string joinFields(const CheckSuppression& suppression)
{
    std::string joined;
    for (const std::string* field :
         {&suppression.kind, &suppression.page, &suppression.target, &suppression.entry, &suppression.reason}) {
        if (field != &suppression.kind)
            joined += kFieldSeparator;
        for (char c : *field) {
            if (c == kFieldSeparator || c == '\\')
                joined += '\\';
            joined += c;
        }
    }
    return joined;
}

std::vector<std::string> splitFields(std::string_view joined)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < joined.size(); ++i) {
        if (joined[i] == '\\' && i + 1 < joined.size())
            fields.back() += joined[++i];
        else if (joined[i] == kFieldSeparator)
            fields.emplace_back();
        else
            fields.back() += joined[i];
    }
    return fields;
}

} // namespace

bool readCheckSetting(std::string_view line, CheckSettings& settings)
{
    std::string_view value;
    if (line.starts_with(kSeverityKey)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return true;
        const std::string kind(trim(line.substr(kSeverityKey.size(), equals - kSeverityKey.size())));
        settings.severities[kind] = asciiLower(trim(line.substr(equals + 1)));
        return true;
    }
    if (takeKeyValue(line, kIgnoreKey, value)) {
        std::vector<std::string> fields = splitFields(value);
        fields.resize(5);
        settings.suppressions.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
        return true;
    }
    if (takeKeyValue(line, kMaxLocatorsKey, value)) {
        settings.maxLocators = parseLeadingInt(value);
        return true;
    }
    return false;
}

void writeCheckSettings(std::string& out, const CheckSettings& settings)
{
    for (const auto& [kind, level] : settings.severities)
        out += std::string(kSeverityKey) + kind + "=" + level + "\r\n";
    if (settings.maxLocators != kDefaultMaxLocators)
        out += std::string(kMaxLocatorsKey) + "=" + std::to_string(settings.maxLocators) + "\r\n";
    for (const CheckSuppression& suppression : settings.suppressions)
        out += std::string(kIgnoreKey) + "=" + joinFields(suppression) + "\r\n";
}

} // namespace torvane
