#pragma once
#include <string>

namespace torvane {

// Opens files the way the desktop shell does.
class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // Opens a document with the application associated with its type.
    virtual void openDocument(const std::string& path) = 0;
    // Starts a named program with the path as its argument.
    virtual void openWithProgram(const std::string& program, const std::string& path) = 0;
};

} // namespace torvane
