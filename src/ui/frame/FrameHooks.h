#pragma once
#include <functional>
#include <string>

class QWidget;

namespace torvane {

// Commands whose dialogs or viewers live elsewhere; an unset one leaves its
// command disabled.
struct FrameHooks {
    std::function<void(QWidget* parent)> newProject;
    std::function<void(QWidget* parent)> defaultStyleSettings;
    std::function<void(QWidget* parent)> htmlTools;
    std::function<void(QWidget* parent)> helpTopics;
    std::function<void(QWidget* parent)> tutorial;
    std::function<void(QWidget* parent)> about;
    // Opens a project file and returns its window, or null when it could not
    // be opened (the failure has been reported). The window must implement
    // ProjectCommands.
    std::function<QWidget*(const std::string& path)> openProject;
};

} // namespace torvane
