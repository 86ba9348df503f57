#pragma once
#include "platform/HtmlToolsSettings.h"
#include <functional>
#include <string>
#include <string_view>

namespace torvane {

// What an Edit or View command does: show a message, start a program with
// the file, or open the file with its associated application.
struct LaunchPlan {
    enum class Kind { Nothing, Message, Program, Document };
    Kind kind = Kind::Nothing;
    std::string message;
    std::string program;
    std::string path;
};

// An empty editor or browser, or the default "Notepad", opens the file with
// the desktop's own application for its type (for editing, its text editor):
// this system has no Notepad.
LaunchPlan planSourceFileLaunch(bool edit, const std::string& path, const HtmlToolsSettings& tools);
LaunchPlan planOutputFileLaunch(bool edit, const std::string& path, bool exists, const HtmlToolsSettings& tools);

// What an editor or browser setting starts here, as the HTML Tools dialog
// shows it below the field.
std::string effectiveProgramText(std::string_view setting);
// The same for the editor, which without a program of its own is the
// desktop's text editor, named.
std::string effectiveEditorText(std::string_view setting);

// What the user is told when the chosen program does not start.
std::string cannotStartMessage(const std::string& program);

// The file the output commands open: the HTML index in the project folder,
// or with one file per letter group the first group file that exists
// (A to Z, then Numbers, then Symbols), else the plain index file.
// `projectDirectory` ends with "/".
std::string outputFilePath(const std::string& projectDirectory, const std::string& indexName, bool separateFiles,
                           int placement, const std::function<bool(const std::string&)>& exists);

} // namespace torvane
