#include "document/IndexFindings.h"
#include "shell/cli/FindingOutput.h"
#include "shell/cli/JsonText.h"
#include <ostream>

namespace torvane {

namespace {

// Workflow command data: "%", CR and LF spelled out; in a property also ":" and ",".
std::string workflowEscaped(std::string_view text, bool property)
{
    std::string escaped;
    for (char c : text) {
        if (c == '%')
            escaped += "%25";
        else if (c == '\r')
            escaped += "%0D";
        else if (c == '\n')
            escaped += "%0A";
        else if (property && c == ':')
            escaped += "%3A";
        else if (property && c == ',')
            escaped += "%2C";
        else
            escaped += c;
    }
    return escaped;
}

// A relative URI reference: the path with the bytes a URI may not hold escaped.
std::string uriOf(std::string_view path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') ||
                           std::string_view("-._~/!$&'()*+,;=@").find(c) != std::string_view::npos;
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

const char* sarifLevel(FindingSeverity severity)
{
    return severity == FindingSeverity::Error ? "error" : severity == FindingSeverity::Warning ? "warning" : "none";
}

std::size_t ruleIndex(std::string_view kind)
{
    const std::vector<FindingKind>& kinds = findingKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kind == kinds[i].id)
            return i;
    }
    return 0;
}

void writeSarifRules(std::ostream& out)
{
    const char* separator = "\n        ";
    for (const FindingKind& kind : findingKinds()) {
        out << separator << "{\"id\": " << jsonString(kind.id)
            << ", \"shortDescription\": {\"text\": " << jsonString(kind.meaning)
            << "}, \"help\": {\"text\": " << jsonString(kind.meaning) << "}, \"defaultConfiguration\": {\"level\": \""
            << sarifLevel(kind.severity) << "\"}}";
        separator = ",\n        ";
    }
}

} // namespace

void writeFindingsGithub(const FindingOutput& output, std::ostream& out)
{
    const IndexCheckReport& report = output.report;
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        const IndexFinding& finding = report.findings[i];
        out << "::" << severityName(output.shownSeverity(finding))
            << " file=" << workflowEscaped(output.fileOf(finding), true);
        if (output.lines[i] > 0)
            out << ",line=" << output.lines[i];
        out << ",title=" << workflowEscaped(finding.kind, true)
            << "::" << workflowEscaped(findingPlace(finding, output.projectName) + ": " + finding.message, false)
            << "\n";
    }
    out << "coverage: " << coverageText(report) << "\n" << countsText(report, output.strict) << "\n";
}

void writeFindingsSarif(const FindingOutput& output, std::ostream& out)
{
    out << "{\"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
           " \"version\": \"2.1.0\",\n"
           " \"runs\": [{\n"
           "  \"tool\": {\"driver\": {\"name\": \"torvane\", \"rules\": [";
    writeSarifRules(out);
    out << "]}},\n  \"results\": [";
    const IndexCheckReport& report = output.report;
    const char* separator = "\n    ";
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        const IndexFinding& finding = report.findings[i];
        out << separator << "{\"ruleId\": " << jsonString(finding.kind)
            << ", \"ruleIndex\": " << ruleIndex(finding.kind) << ", \"level\": \""
            << sarifLevel(output.shownSeverity(finding)) << "\", \"message\": {\"text\": "
            << jsonString(findingPlace(finding, output.projectName) + ": " + finding.message)
            << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": {\"uri\": "
            << jsonString(uriOf(output.fileOf(finding))) << "}";
        if (output.lines[i] > 0)
            out << ", \"region\": {\"startLine\": " << output.lines[i] << "}";
        out << "}}]}";
        separator = ",\n    ";
    }
    out << "]\n }]\n}\n";
}

} // namespace torvane
