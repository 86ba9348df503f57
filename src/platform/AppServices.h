#pragma once
#include "platform/FileReports.h"
#include "platform/MessageSink.h"
#include "platform/Profile.h"
#include "platform/Progress.h"
#include "platform/ShellLauncher.h"
#include <string>
#include <vector>

namespace torvane {

// What the application object lends to every open project: the profile, the
// report lists, and the ways to talk to the user. The desktop program fills it
// with Qt implementations, the unattended run and the tests with quiet ones.
struct AppServices {
    Profile& profile;
    FileReports& reports;
    ReportPresenter& presenter;
    MessageSink& messages;
    Progress& progress;
    ShellLauncher& shell;
    // Extensions with their leading dot (".htm"), read once at start-up.
    std::vector<std::string> validExtensions;
};

} // namespace torvane
