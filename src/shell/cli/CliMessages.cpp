#include "shell/cli/CliMessages.h"
#include "platform/FileReports.h"
#include "platform/TextUtil.h"
#include <ostream>

namespace torvane {

namespace {

// The non-empty lines of a dialog's text; an indented line belongs to the
// one before it ("Error creating new index:" and the path below it).
std::vector<std::string> nonEmptyLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view raw = text.substr(start, end - start);
        const std::string_view line = trim(raw);
        if (!line.empty() && !lines.empty() && line.size() < raw.size() && raw.front() == ' ')
            lines.back() += " " + std::string(line);
        else if (!line.empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

// "Open Input, PATH, *** File Not Found *** ,Cause=2, OS Error=2" as
// "PATH: cannot open input: file not found". The path may hold ", ", so the
// cause is looked for from the end.
std::string fileErrorProblem(const std::string& line)
{
    const std::size_t pathStart = line.find(", ");
    const std::size_t causeStart = line.rfind(", *** ");
    if (pathStart == std::string::npos || causeStart == std::string::npos || causeStart < pathStart)
        return line;
    const std::string operation = asciiLower(line.substr(0, pathStart));
    const std::string path = line.substr(pathStart + 2, causeStart - pathStart - 2);
    std::string cause(line.substr(causeStart + 6));
    cause = cause.substr(0, cause.find(" ***"));
    if (cause.starts_with("Unknown Cause"))
        cause = "unknown cause";
    const std::size_t osError = line.rfind("OS Error=");
    const std::string number = osError == std::string::npos ? "0" : line.substr(osError + 9);
    return path + ": cannot " + operation + ": " + asciiLower(cause) +
           (number == "0" ? "" : " (system error " + number + ")");
}

} // namespace

std::string messagePrefix(std::string_view command)
{
    return command.empty() ? "torvane: " : "torvane " + std::string(command) + ": ";
}

void tellProblem(std::ostream& err, std::string_view command, std::string_view subject, std::string_view message)
{
    err << messagePrefix(command) << subject << ": " << message << "\n";
}

std::vector<std::string> reportProblems(std::string_view title, std::string_view body)
{
    std::vector<std::string> problems = nonEmptyLines(body);
    for (std::string& problem : problems) {
        if (title == kFileErrorsTitle)
            problem = fileErrorProblem(problem);
        else if (title == kReadOnlyFilesTitle)
            problem += ": read-only: entries cannot be saved into it";
    }
    return problems;
}

void CliMessageSink::showMessage(std::string_view text)
{
    tellLines(nonEmptyLines(text));
}

bool CliMessageSink::askYesNo(std::string_view text, bool unattendedAnswer)
{
    std::vector<std::string> lines = nonEmptyLines(text);
    if (lines.empty())
        lines.emplace_back();
    lines.back() += unattendedAnswer ? " (Yes)" : " (No)";
    tellLines(lines);
    return unattendedAnswer;
}

void CliMessageSink::tellLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        err_ << prefix_ << line << '\n';
    err_ << std::flush;
}

} // namespace torvane
