#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;

namespace torvane {

class Profile;
class ShellLauncher;

// Offers the tutorial at start-up: "Run Tutorial" accepts, "Skip Tutorial"
// and Escape reject; either way the check box tells whether to ask again.
class TutorialPromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit TutorialPromptDialog(QWidget* parent = nullptr);

    bool doNotShowAgain() const;
    QCheckBox* doNotShowAgainBox() const { return doNotShowAgain_; }

private:
    QCheckBox* doNotShowAgain_;
};

inline constexpr const char* kTutorialFileName = "Tutorial.hlp";

// Where the program's help files are looked for: the program's own folder,
// ending in "/".
std::string programHelpFolder();

// Opens the tutorial found in `helpFolder` (ending in "/") and then stops the
// start-up prompt for good. Empty when that folder holds no tutorial, so
// nothing offers what cannot be opened.
std::function<void()> tutorialOpener(const std::string& helpFolder, ShellLauncher& shell, Profile& profile);

// The start-up offer: shown while the profile asks for it and there is a
// tutorial to open. A ticked box stops it for good; "Run Tutorial" opens it.
void offerTutorialAtStartUp(Profile& profile, const std::function<void()>& openTutorial, QWidget* parent);

} // namespace torvane
