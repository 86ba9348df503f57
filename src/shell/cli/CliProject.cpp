#include "shell/cli/CliProject.h"
#include "platform/AppOptions.h"
#include "shell/cli/CliOptions.h"
#include "shell/cli/EditRun.h"
#include <charconv>
#include <filesystem>
#include <ostream>

namespace torvane {

CliProject::CliProject(std::ostream& err, bool showProgress, bool quietReports, std::string_view command)
    : err_(err)
    , command_(command)
    , profile_(defaultProfilePath())
    , presenter_(err, quietReports, command)
    , messages_(err, command)
    , progress_(err, showProgress)
    , services_ {profile_,
                 reports_,
                 presenter_,
                 messages_,
                 progress_,
                 shell_,
                 parseValidExtensions(
                     profile_.readString(kOptionsSection, kValidExtensionsKey, kDefaultValidExtensions))}
    , document_(std::make_unique<CProjectDoc>(services_))
{
}

namespace {

std::optional<int> waitSeconds(const CliArguments& arguments)
{
    const std::optional<std::string> given = arguments.value(kWaitOption.name);
    if (!given)
        return kDefaultWaitSeconds;
    int seconds = 0;
    const char* end = given->data() + given->size();
    const auto [stop, problem] = std::from_chars(given->data(), end, seconds);
    if (problem != std::errc() || stop != end || seconds < 0)
        return std::nullopt;
    return seconds;
}

std::string fullPathOf(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

} // namespace

std::optional<int> CliProject::lockForEdit(const SubcommandCall& call, const std::string& path)
{
    const std::optional<int> wait = waitSeconds(call.arguments);
    if (!wait) {
        tell(kWaitOption.name, "takes a whole number of seconds");
        return ExitUnusable;
    }
    document_->setProjectPath(fullPathOf(path));
    if (document_->lockProject("torvane " + std::string(call.name), std::chrono::seconds(*wait)) !=
        ProjectLock::Outcome::Busy)
        return std::nullopt;
    tell(path, "being edited by " + lockHolderText(document_->lockHolder()) + "; gave up after " +
                   std::to_string(*wait) + " seconds, nothing was changed");
    return ExitFailed;
}

bool CliProject::open(const std::string& path)
{
    return document_->openProject(fullPathOf(path));
}

bool CliProject::save()
{
    presenter_.forgetShown();
    const bool written = document_->save();
    return written && !presenter_.fileErrorsShown();
}

int CliProject::refuseOpen(const std::string& path) const
{
    return refuseProject(err_, path, command_);
}

int refuseProject(std::ostream& err, const std::string& path, std::string_view command)
{
    tellProblem(err, command, path, "cannot open the project");
    return ExitUnusable;
}

} // namespace torvane
