#pragma once
#include <iosfwd>
#include <string_view>

namespace torvane {

// The manual page torvane(1) in roff, made from the table of subcommands and
// options that --help prints from. `docFolder` is where the documentation is
// installed, relative to the installation prefix.
void writeManPage(std::ostream& out, std::string_view version, std::string_view docFolder);

} // namespace torvane
