#pragma once
#include "generate/IndexGenerator.h"
#include "platform/AppServices.h"
#include "styles/StyleSettings.h"
#include <string>

namespace torvane {

class ProjectRootNode;

// What Make Index reads from an open project.
struct MakeIndexInput {
    ProjectRootNode& root;
    const StyleSettings& style;
    OutputNames outputNames;
    std::string projectDirectory;
    // The project file's name: no output may take it.
    std::string projectFileName {};
};

// Turns the project's entries into every output its style switches on: the
// HTML index, then the HTML Help index, then the JavaHelp index and map. Each
// file that cannot be written is told at once and the run goes on. With
// `mayOpenResult` the new HTML index is opened as the "Html Tools" settings
// say; the unattended run never opens anything. An output whose files would
// replace a listed page, the project file, or a file HTML Torvane did not
// write as an index file is not written (and told). Returns true when every
// enabled output, include files too, was written.
bool makeIndex(const MakeIndexInput& input, AppServices& services, bool mayOpenResult);

// The page to show after Make Index: the index file, or the first letter's
// page when groups go to separate files without frames.
std::string pageToOpen(const IndexGenerator& generator);

} // namespace torvane
