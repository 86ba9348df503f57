#include "document/CutShortSaves.h"

#include "platform/FileReports.h"
#include "platform/RestoreCopies.h"

namespace torvane {

void putBackCutShortSaves(const std::vector<std::string>& paths, FileReports& reports)
{
    for (const RestoredPage& page : restoreUnfinishedWrites(paths)) {
        if (page.result.failed())
            reports.logFileError(page.result.failure());
        else
            reports.logPageProblem(page.path + ": " + std::string(kCutShortSaveRepaired));
    }
}

} // namespace torvane
