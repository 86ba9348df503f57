#include "shell/cli/CliProject.h"
#include "platform/AppOptions.h"
#include "shell/cli/CliOptions.h"
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

std::string fullPathOf(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

} // namespace

ProjectLock::Outcome CliProject::lock(const std::string& path, std::string_view program, std::chrono::milliseconds wait)
{
    document_->setProjectPath(fullPathOf(path));
    return document_->lockProject(program, wait);
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
