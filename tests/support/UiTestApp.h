#pragma once
#include "support/MapProfile.h"
#include "support/QuietPresenter.h"
#include "support/RecordingMessages.h"
#include "support/RecordingShell.h"
#include "platform/AppServices.h"
#include "platform/QuietProgress.h"

namespace torvane::test {

// Everything a window borrows from the application, observable by tests.
struct UiTestApp {
    MapProfile profile;
    FileReports reports;
    QuietPresenter presenter;
    RecordingMessages messages;
    QuietProgress progress;
    RecordingShell shell;
    AppServices services {profile, reports, presenter, messages, progress, shell, {".htm", ".html"}};
};

} // namespace torvane::test
