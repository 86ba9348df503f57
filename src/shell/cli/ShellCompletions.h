#pragma once
#include <iosfwd>

namespace torvane {

// Completion scripts for torvane, made from the table of subcommands and
// options that --help prints from: subcommands, options, the values of
// options that take a fixed few, .ipj files for the project, and the
// project's pages, anchors and URLs (through "torvane complete-targets").
void writeBashCompletion(std::ostream& out);
void writeZshCompletion(std::ostream& out);
void writeFishCompletion(std::ostream& out);

} // namespace torvane
