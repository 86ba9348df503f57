#pragma once
#include <ostream>
#include <string_view>

namespace torvane {

// Replaces this process with the desktop program `program`, found in this
// executable's folder, given the same arguments. Returns only when it could
// not be started, after telling why on `err`: the exit status then.
int startDesktop(char** argv, std::string_view program, std::ostream& err);

} // namespace torvane
