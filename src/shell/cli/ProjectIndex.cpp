#include "shell/cli/ProjectIndex.h"
#include "document/CProjectDoc.h"
#include "generate/MakeIndex.h"

namespace torvane {

bool makeProjectIndex(CProjectDoc& document, AppServices& services, bool mayOpenResult)
{
    MakeIndexInput input {document.root(), document.styles(), document.outputNames(), document.projectDirectory(),
                          document.projectFileName()};
    return makeIndex(input, services, mayOpenResult);
}

} // namespace torvane
