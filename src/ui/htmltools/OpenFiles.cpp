#include "ui/htmltools/OpenFiles.h"
#include "platform/PosixShellLauncher.h"
#include "platform/Profile.h"
#include "platform/TextUtil.h"

namespace torvane {

namespace {

constexpr std::string_view kToolsSection = "Html Tools";
constexpr int kSeparateFramePlacement = 2;

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

} // namespace

HtmlTools readHtmlToolsForLaunching(const Profile& profile)
{
    HtmlTools tools;
    tools.editor = std::string(trimRight(profile.readString(kToolsSection, "Editor", "Notepad")));
    tools.browser = std::string(trimRight(profile.readString(kToolsSection, "Browser", "Notepad")));
    return tools;
}

std::string effectiveProgramText(std::string_view setting)
{
    if (meansDesktopOpener(setting))
        return "Used: the desktop's own application for HTML files (xdg-open)";
    const std::string program(trim(setting));
    if (canStartProgram(program))
        return "Used: " + program;
    return "Not found, cannot be started: " + program;
}

std::string cannotStartMessage(const std::string& program)
{
    return "The program \"" + program + "\" cannot be started.\n\nChoose another one, or none for the "
           "desktop's own application, under Preferences > HTML Tools.";
}

LaunchPlan planSourceFileLaunch(bool edit, const std::string& path, const HtmlTools& tools)
{
    return launch(edit ? tools.editor : tools.browser, path);
}

LaunchPlan planOutputFileLaunch(bool edit, const std::string& path, bool exists, const HtmlTools& tools)
{
    std::string text;
    if (!exists)
        text += "The output file does not exist.\n";
    if (!edit && tools.browser.empty() && !exists)
        text += "You must select a browser.\n";
    if (!text.empty())
        return message(text);
    return launch(edit ? tools.editor : tools.browser, path);
}

std::string outputFilePath(const std::string& projectDirectory, const std::string& indexName, bool separateFiles,
                           int placement, const std::function<bool(const std::string&)>& exists)
{
    const std::string plain = projectDirectory + indexName;
    if (!separateFiles || placement == kSeparateFramePlacement)
        return plain;
    const auto dot = indexName.rfind('.');
    const std::string base = projectDirectory + (dot == std::string::npos ? indexName : indexName.substr(0, dot));
    const std::string extension = dot == std::string::npos ? "" : indexName.substr(dot);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string candidate = base + "-" + letter + extension;
        if (exists(candidate))
            return candidate;
    }
    for (const char* group : {"-Numbers", "-Symbols"}) {
        const std::string candidate = base + group + extension;
        if (exists(candidate))
            return candidate;
    }
    return plain;
}

} // namespace torvane
