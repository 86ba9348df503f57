#include "ui/frame/TutorialPromptDialog.h"
#include "platform/AppOptions.h"
#include "platform/UserGuide.h"
#include "ui/help/GuideViewer.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

TutorialPromptDialog::TutorialPromptDialog(QWidget* parent)
    : QDialog(parent)
    , doNotShowAgain_(new QCheckBox("Do not show me this message again."))
{
    setWindowTitle("Have you run the tutorial?");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Welcome!"));
    auto* offer = new QLabel(QString::fromUtf8(
        "We've included a short tutorial to show you how to get the most out of HTML Torvane\u2122.  It introduces "
        "a few important concepts, demonstrates program features, and answers many common questions."));
    offer->setWordWrap(true);
    layout->addWidget(offer);
    layout->addWidget(new QLabel("It will save you more time than it takes--try it!"));
    auto* run = new QPushButton("Run Tutorial");
    auto* skip = new QPushButton("Skip Tutorial");
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    connect(skip, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run);
    buttons->addWidget(skip);
    layout->addLayout(buttons);
    layout->addWidget(doNotShowAgain_);
}

bool TutorialPromptDialog::doNotShowAgain() const
{
    return doNotShowAgain_->isChecked();
}

std::function<void()> tutorialOpener(const GuideViewer& guide, Profile& profile)
{
    if (!guide.available())
        return {};
    return [&guide, &profile] {
        guide.open(kGuideTutorialPage);
        clearPromptTutorial(profile);
    };
}

void offerTutorialAtStartUp(Profile& profile, const std::function<void()>& openTutorial, QWidget* parent)
{
    if (!openTutorial || !shouldPromptTutorial(profile))
        return;
    TutorialPromptDialog dialog(parent);
    const bool run = dialog.exec() == QDialog::Accepted;
    if (dialog.doNotShowAgain())
        clearPromptTutorial(profile);
    if (run)
        openTutorial();
}

} // namespace torvane
