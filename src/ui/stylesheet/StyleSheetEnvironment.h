#pragma once
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace torvane {

class MessageSink;

// The platform's choosers as the style sheet uses them; each returns the
// chosen native path, or nothing when the user cancels.
struct StyleSheetChoosers {
    std::function<std::optional<std::string>(QWidget* parent, const std::string& title, const std::string& startFolder)>
        folder;
    std::function<std::optional<std::string>(QWidget* parent, const std::string& title, const std::string& startFolder)>
        styleSheetFile;
};

// The file dialogs of the desktop.
StyleSheetChoosers platformStyleSheetChoosers();

// What the sheet needs besides the record it edits.
struct StyleSheetEnvironment {
    // Project mode edits a project's settings; otherwise the user's defaults.
    bool projectMode;
    // Relative locations start here (the project folder, or the program's
    // folder for the defaults); native, ending in "/".
    std::string baseFolder;
    MessageSink& messages;
    StyleSheetChoosers choosers = platformStyleSheetChoosers();
};

} // namespace torvane
