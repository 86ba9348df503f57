#pragma once
#include "support/MapProfile.h"
#include "support/NoShell.h"
#include "support/RecordingPresenter.h"
#include "support/RecordingProgress.h"
#include "support/SilentMessages.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include <map>
#include <string>
#include <vector>

namespace torvane::test {

// Everything a document borrows from the application, observable by tests.
struct DocumentTestApp {
    MapProfile profile;
    FileReports reports;
    RecordingPresenter presenter;
    SilentMessages messages;
    RecordingProgress progress;
    NoShell shell;
    AppServices services {profile, reports, presenter, messages, progress, shell, {".htm", ".html"}};

    std::vector<std::string> reportTitles() const
    {
        std::vector<std::string> titles;
        for (const ShownReport& report : presenter.shown)
            titles.push_back(report.title);
        return titles;
    }
};

} // namespace torvane::test
