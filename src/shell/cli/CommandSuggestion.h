#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Why `word` cannot be run where a subcommand or project file belongs:
// "unknown command 'chek' (did you mean 'check'?)", the suggestion being the
// subcommand closest to it, if one is close enough to be a slip of the finger.
std::string unknownCommandProblem(std::string_view word);

} // namespace torvane
