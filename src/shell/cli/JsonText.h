#pragma once
#include <string>
#include <string_view>

namespace torvane {

// A JSON string holding `bytes`: UTF-8 as it is, other text one character
// per byte as windows-1252 has it (its five unassigned bytes as the code
// points of the same number), so that every byte can be told back.
std::string jsonString(std::string_view bytes);

// A CSV field: quoted when it holds a comma, a quote or a line break, with
// its quotes doubled; bytes as `jsonString` shows them.
std::string csvField(std::string_view bytes);

} // namespace torvane
