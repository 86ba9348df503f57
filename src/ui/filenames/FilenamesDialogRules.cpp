#include "ui/filenames/FilenamesDialogRules.h"
#include "document/CProjectDoc.h"
#include "generate/OutputCollisions.h"
#include "platform/AppServices.h"
#include "platform/FileAccess.h"
#include "platform/TextUtil.h"
#include <array>

namespace torvane {

namespace {

// The names in the order they are reported and asked about.
std::array<const std::string*, 5> inReportOrder(const ProjectFileNames& names)
{
    return {&names.project, &names.outputs.index, &names.outputs.htmlHelp, &names.outputs.javaHelp,
            &names.outputs.javaMap};
}

bool hasPathComponents(std::string_view name)
{
    const bool drive = name.size() >= 2 && name[1] == ':';
    return drive || name.find_first_of("/\\") != std::string_view::npos;
}

} // namespace

ProjectFileNames fileNamesOf(const CProjectDoc& document)
{
    return {document.projectFileName(), document.outputNames()};
}

std::optional<std::string> completeFileName(std::string_view typed, std::string_view defaultExtension)
{
    const std::string_view name = trim(typed);
    if (hasPathComponents(name))
        return std::nullopt;
    std::string completed(name);
    if (name.find('.') == std::string_view::npos)
        completed += defaultExtension;
    return completed;
}

std::optional<std::string> completeFileNames(ProjectFileNames& names)
{
    // Checked from the bottom field up, as the dialog has always done.
    const std::array<std::pair<std::string*, std::string_view>, 5> fields = {{
        {&names.outputs.javaMap, ".jhm"},
        {&names.outputs.javaHelp, ".xml"},
        {&names.outputs.htmlHelp, ".hhk"},
        {&names.outputs.index, ".htm"},
        {&names.project, ".ipj"},
    }};
    std::array<std::string, 5> completed;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::optional<std::string> name = completeFileName(*fields[i].first, fields[i].second);
        if (!name)
            return std::string(kPathComponentsError);
        completed[i] = std::move(*name);
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i].first = std::move(completed[i]);
    return std::nullopt;
}

std::optional<std::string> projectNameErrors(const ProjectFileNames& names, const ProjectRootNode& project)
{
    std::string problems;
    for (const std::string* name : inReportOrder(names))
        if (name->find_first_of("\r\n") != std::string::npos) {
            problems += kLineBreakError;
            break;
        }
    for (const FileNameCollision& collision : fileNameCollisions(names.outputs, names.project, project))
        problems += "\n  " + collision.message + "\n";
    if (problems.empty())
        return std::nullopt;
    return "Please correct the following errors:\n" + problems;
}

std::vector<std::string> existingFileNames(const std::string& directory, const ProjectFileNames& names,
                                           const ProjectFileNames* before)
{
    const auto now = inReportOrder(names);
    std::vector<std::string> existing;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (before && asciiLower(*now[i]) == asciiLower(*inReportOrder(*before)[i]))
            continue;
        if (fileExists(directory + *now[i]))
            existing.push_back(*now[i]);
    }
    return existing;
}

std::string overwriteQuestion(const std::vector<std::string>& existing, std::string_view cancelLine)
{
    std::string text;
    for (const std::string& name : existing)
        text += name + " already exists in the main directory.\n";
    text += "\n";
    text += existing.size() == 1 ? "Would you like to overwrite this file?\n"
                                 : "Would you like to overwrite these files?\n";
    text += "  Yes\tOverwrite files\n";
    text += "  No\tSpecify new file names\n";
    text += cancelLine;
    return text;
}

std::optional<ProjectFileNames> settleOverwrites(ProjectFileNames names, const OverwriteGuard& guard,
                                                 const std::optional<ProjectFileNames>& refill)
{
    for (;;) {
        const std::vector<std::string> existing = guard.existing(names);
        if (existing.empty())
            return names;
        switch (guard.ask(overwriteQuestion(existing, guard.cancelLine))) {
        case OverwriteAnswer::Yes:
            return names;
        case OverwriteAnswer::Cancel:
            return std::nullopt;
        case OverwriteAnswer::No:
            break;
        }
        std::optional<ProjectFileNames> typed = guard.editNames(refill ? *refill : names);
        if (!typed)
            return std::nullopt;
        names = std::move(*typed);
    }
}

bool writeProjectFileStub(const std::string& path, const std::string& text, AppServices& services)
{
    const FileResult written = writeFileAtomically(path, text);
    if (!written.failed())
        return true;
    services.reports.logFileError(written.failure());
    services.reports.reportFileErrors(services.presenter);
    return false;
}

} // namespace torvane
