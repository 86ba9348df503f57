#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;

namespace torvane {

class GuideViewer;
class Profile;

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

// Opens the user guide's tutorial and then stops the start-up prompt for
// good. Empty without a guide, so nothing offers what cannot be opened.
std::function<void()> tutorialOpener(const GuideViewer& guide, Profile& profile);

// The start-up offer: shown while the profile asks for it and there is a
// tutorial to open. A ticked box stops it for good; "Run Tutorial" opens it.
void offerTutorialAtStartUp(Profile& profile, const std::function<void()>& openTutorial, QWidget* parent);

} // namespace torvane
