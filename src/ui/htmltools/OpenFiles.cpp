#include "ui/htmltools/OpenFiles.h"
#include "generate/IndexNode.h"
#include "generate/IndexPageNames.h"
#include "platform/DesktopApplications.h"
#include "platform/PosixShellLauncher.h"
#include "platform/TextUtil.h"
#include "styles/StyleOptionValues.h"

namespace torvane {

namespace {

LaunchPlan message(std::string text)
{
    LaunchPlan plan;
    plan.kind = LaunchPlan::Kind::Message;
    plan.message = std::move(text);
    return plan;
}

LaunchPlan launch(const std::string& program, const std::string& path)
{
    LaunchPlan plan;
    plan.path = path;
    if (meansDesktopOpener(program)) {
        plan.kind = LaunchPlan::Kind::Document;
    } else {
        plan.kind = LaunchPlan::Kind::Program;
        plan.program = program;
    }
    return plan;
}

// Edit goes to the desktop's text editor where the setting names none: the
// desktop's opener would show the page in the browser.
LaunchPlan editLaunch(const std::string& editor, const std::string& path)
{
    if (meansDesktopOpener(editor)) {
        if (const std::optional<DesktopApplication> desktopEditor = desktopTextEditor())
            return launch(desktopEditor->program, path);
    }
    return launch(editor, path);
}

} // namespace

std::string effectiveProgramText(std::string_view setting)
{
    if (meansDesktopOpener(setting))
        return "Used: the desktop's own application for HTML files (xdg-open)";
    const std::string program(trim(setting));
    if (canStartProgram(program))
        return "Used: " + program;
    return "Not found, cannot be started: " + program;
}

std::string effectiveEditorText(std::string_view setting)
{
    if (meansDesktopOpener(setting)) {
        if (const std::optional<DesktopApplication> editor = desktopTextEditor())
            return "Used: " + editor->name + " (" + editor->program + "), the desktop's text editor";
    }
    return effectiveProgramText(setting);
}

std::string cannotStartMessage(const std::string& program)
{
    return "The program \"" + program +
           "\" cannot be started.\n\nChoose another one, or none for the "
           "desktop's own application, under Preferences > HTML Tools.";
}

LaunchPlan planSourceFileLaunch(bool edit, const std::string& path, const HtmlToolsSettings& tools)
{
    return edit ? editLaunch(tools.editor, path) : launch(tools.browser, path);
}

LaunchPlan planOutputFileLaunch(bool edit, const std::string& path, bool exists, const HtmlToolsSettings& tools)
{
    std::string text;
    if (!exists)
        text += "The output file does not exist.\n";
    if (!edit && tools.browser.empty() && !exists)
        text += "You must select a browser.\n";
    if (!text.empty())
        return message(text);
    return edit ? editLaunch(tools.editor, path) : launch(tools.browser, path);
}

std::string outputFilePath(const std::string& projectDirectory, const std::string& indexName, bool separateFiles,
                           int placement, const std::function<bool(const std::string&)>& exists)
{
    const std::string plain = projectDirectory + indexName;
    if (!separateFiles || placement == LinksPlacement::SeparateFrame)
        return plain;
    const IndexNameParts parts = splitIndexName(indexName);
    for (char group : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ") + kNumbersGroup + kSymbolsGroup) {
        const std::string candidate = projectDirectory + groupPageName(parts.base, parts.extension, group);
        if (exists(candidate))
            return candidate;
    }
    return plain;
}

} // namespace torvane
