#include "shell/cli/UnattendedRun.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/ProjectIndex.h"

namespace torvane {

int runUnattendedMakeIndex(const std::string& projectPath, std::ostream& err)
{
    CliProject project(err, false);
    if (!project.open(projectPath))
        return 1;
    return makeProjectIndex(project.document(), project.services(), false) ? 0 : 1;
}

} // namespace torvane
