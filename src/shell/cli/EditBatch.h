#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace torvane {

class EditContext;

// One problem of a line of a batch that cannot be carried out.
struct BatchRefusal {
    std::size_t line = 0;
    std::string reason;
};

// Carries out a batch of edits written as JSON Lines, one subcommand's edit a
// line ({"op": "add-entry", "target": ..., "indexAs": ...}, fields named as
// `export` names them), on the open project. Blank lines are passed over.
// Every line is tried, so that each refused one is listed; the caller saves
// nothing when any was refused.
std::vector<BatchRefusal> runEditLines(EditContext& context, const std::string& projectPath, std::istream& lines);

} // namespace torvane
