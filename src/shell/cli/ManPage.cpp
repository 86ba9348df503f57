#include "shell/cli/ManPage.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/UsageArguments.h"
#include <ostream>
#include <sstream>

namespace torvane {

namespace {

// Text as roff prints it: backslashes and minus signs escaped, and a line
// that would start with a control character kept as text.
std::string roff(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\e";
        else if (c == '-')
            escaped += "\\-";
        else
            escaped += c;
    }
    return escaped;
}

std::string roffLine(std::string_view line)
{
    return (line.starts_with('.') || line.starts_with('\'') ? "\\&" : "") + roff(line);
}

// The synopsis on one line, its hand-made wrapping undone.
std::string oneLine(std::string_view synopsis)
{
    std::istringstream words {std::string(synopsis)};
    std::string line, word;
    while (words >> word)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

// Help text is wrapped for a terminal: a paragraph whose lines are laid out
// by hand (indented ones) keeps its lines, any other is filled by the reader.
void writeProse(std::ostream& out, std::string_view text)
{
    std::vector<std::string> paragraph;
    const auto flush = [&] {
        if (paragraph.empty())
            return;
        bool laidOut = false;
        for (const std::string& line : paragraph)
            laidOut = laidOut || line.starts_with(' ');
        out << ".PP\n" << (laidOut ? ".nf\n" : "");
        for (const std::string& line : paragraph)
            out << roffLine(line) << "\n";
        out << (laidOut ? ".fi\n" : "");
        paragraph.clear();
    };
    std::istringstream lines {std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty())
            flush();
        else
            paragraph.push_back(line);
    }
    flush();
}

void writeOptions(std::ostream& out, const std::vector<OptionSpec>& options)
{
    for (const OptionSpec& option : options) {
        out << ".TP\n\\fB" << roff(option.name) << "\\fR";
        if (option.takesValue)
            out << " \\fI" << roff(option.valueName) << "\\fR";
        out << "\n" << roffLine(option.summary) << "\n";
    }
}

void writeSubcommand(std::ostream& out, const Subcommand& command)
{
    out << ".SS " << roff(command.name) << "\n"
        << ".nf\n\\fBtorvane " << roff(command.name) << "\\fR"
        << roff(oneLine(command.synopsis).substr(command.name.size())) << "\n.fi\n";
    writeProse(out, command.help);
    out << ".PP\nOptions:\n.RS\n";
    writeOptions(out, allOptions(command));
    out << ".RE\n";
}

} // namespace

void writeManPage(std::ostream& out, std::string_view version, std::string_view docFolder)
{
    out << ".TH TORVANE 1 \"\" \"Torvane " << roff(version) << "\" \"User Commands\"\n"
        << ".ad l\n"
        << ".SH NAME\n"
        << "torvane \\- build back\\-of\\-book indexes of HTML documentation\n"
        << ".SH SYNOPSIS\n.nf\n";
    for (const ProgramForm& form : programForms())
        out << "\\fBtorvane\\fR " << roff(form.synopsis) << "\n";
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            out << "\\fBtorvane " << roff(command.name) << "\\fR"
                << roff(oneLine(command.synopsis).substr(command.name.size())) << "\n";
    }
    out << ".fi\n.SH DESCRIPTION\n"
        << "Torvane builds back\\-of\\-book indexes for collections of HTML pages. A project (\\fI.ipj\\fR) lists "
           "the pages of a documentation folder, external URLs, cross\\-references and the style of the index; "
           "the index entries are stored in the pages themselves. \\fBtorvane\\-desktop\\fR is the desktop program "
           "that \\fBtorvane\\fR starts.\n";
    for (const ProgramForm& form : programForms()) {
        if (!form.meaning.empty())
            out << ".TP\n\\fBtorvane " << roff(form.synopsis) << "\\fR\n" << roff(form.meaning) << ".\n";
    }
    writeProse(out, programNotes());
    out << ".SH SUBCOMMANDS\n";
    writeProse(out, subcommandNotes());
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            writeSubcommand(out, command);
    }
    out << ".SH ENVIRONMENT\n"
        << ".TP\n.B TORVANE_PROFILE\nThe settings file to use instead of the user's.\n"
        << ".TP\n.B XDG_CONFIG_HOME\nWhere the user's settings live (default \\fI~/.config\\fR).\n"
        << ".SH FILES\n"
        << ".TP\n.I ~/.config/torvane/Torvane.ini\nThe user's settings.\n"
        << ".TP\n.I " << roff(docFolder) << "/guide/index.htm\n"
        << "The user guide, with its own index, below the installation prefix (\\fI/usr\\fR for the package).\n"
        << ".TP\n.I " << roff(docFolder) << "/examples/manual\nThe example project of the guide's tutorial.\n";
}

} // namespace torvane
