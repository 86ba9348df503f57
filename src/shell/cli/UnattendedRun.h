#pragma once
#include <iosfwd>
#include <string>

namespace torvane {

// Opens the project, makes its index without opening the result, and ends:
// nothing is saved. Reports and messages go to `err`. Returns 0 when every
// enabled output was written, 1 otherwise or when the project cannot be opened.
int runUnattendedMakeIndex(const std::string& projectPath, std::ostream& err);

} // namespace torvane
