#pragma once
#include <string>
#include <string_view>

class QWidget;

namespace torvane {

class Profile;
class ShellLauncher;

// The program's help: pages of the user guide opened in the browser of the
// HTML Tools settings, or by the desktop's opener when none is named.
class GuideViewer {
public:
    // `guideFolder` native, ending in "/"; empty when no guide was found.
    GuideViewer(std::string guideFolder, ShellLauncher& shell, const Profile& profile);

    bool available() const { return !folder_.empty(); }
    // A page of the guide, with its section's anchor ("tutorial.htm").
    void open(std::string_view topic) const;
    // The guide's section for a window: a dialog's own, the style sheet's
    // tab in front, or the contents for any other window.
    void openHelpFor(const QWidget& window) const;

private:
    std::string folder_;
    ShellLauncher& shell_;
    const Profile& profile_;
};

} // namespace torvane
