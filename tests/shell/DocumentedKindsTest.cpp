#include "document/IndexFindings.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace torvane {
namespace {

std::string documentText(const std::string& relative)
{
    std::ifstream in(std::string(TORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "KIND severity" for each row of a table of kinds: the text between
// `open` and `close` at the start of a row, then the next cell's severity.
std::vector<std::string> documentedKinds(const std::string& text, const std::string& rowStart, const std::string& close,
                                         const std::string& cellBreak)
{
    std::vector<std::string> kinds;
    for (std::size_t at = text.find(rowStart); at != std::string::npos; at = text.find(rowStart, at + 1)) {
        const std::size_t start = at + rowStart.size();
        const std::size_t end = text.find(close, start);
        const std::size_t severity = text.find(cellBreak, end) + cellBreak.size();
        const std::size_t severityEnd = text.find_first_of(" <|", severity);
        const std::string kind = text.substr(start, end - start);
        if (kind.find_first_of(" -") != std::string::npos && kind.find(' ') == std::string::npos)
            kinds.push_back(kind + " " + text.substr(severity, severityEnd - severity));
    }
    return kinds;
}

std::vector<std::string> programKinds()
{
    std::vector<std::string> kinds;
    for (const FindingKind& kind : findingKinds())
        kinds.push_back(std::string(kind.id) + " " + severityName(kind.severity));
    return kinds;
}

// The kinds listed in the command-line reference and in the user guide are
// the program's, each with its own severity, in the program's order.
TEST(DocumentedKinds, TheReferenceAndTheGuideListTheProgramsKinds)
{
    const std::string reference = documentText("docs/command-line.md");
    const std::size_t findings = reference.find("## Findings of `check`");
    ASSERT_NE(findings, std::string::npos);
    EXPECT_EQ(documentedKinds(reference.substr(findings, reference.find("\n## ", findings + 1) - findings), "\n| `",
                              "`", "| "),
              programKinds());
    EXPECT_EQ(documentedKinds(documentText("docs/guide/command-line.htm"), "<tr><td><code>", "</code>", "<td>"),
              programKinds());
}

} // namespace
} // namespace torvane
