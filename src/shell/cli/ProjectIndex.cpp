#include "shell/cli/ProjectIndex.h"
#include "document/CProjectDoc.h"
#include "generate/MakeIndex.h"

namespace torvane {

bool makeProjectIndex(CProjectDoc& document, AppServices& services, bool mayOpenResult)
{
    const OutputNames& names = document.outputNames();
    MakeIndexInput input{document.root(), document.styles(),
                         {names.index, names.htmlHelp, names.javaHelp, names.javaMap},
                         document.projectDirectory(), document.projectFileName()};
    return makeIndex(input, services, mayOpenResult);
}

} // namespace torvane
