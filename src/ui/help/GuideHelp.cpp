#include "ui/help/GuideHelp.h"
#include "platform/UserGuide.h"
#include "ui/frame/FrameHooks.h"
#include "ui/frame/TutorialPromptDialog.h"
#include "ui/help/GuideViewer.h"
#include <QCoreApplication>

namespace torvane {

std::string programGuideFolder()
{
    const QByteArray folder = QCoreApplication::applicationDirPath().toUtf8();
    return findUserGuide(std::string(folder.constData(), static_cast<std::size_t>(folder.size())) + "/",
                         installedDocFolder());
}

void installGuideHooks(FrameHooks& hooks, const GuideViewer& guide, Profile& profile)
{
    if (!guide.available())
        return;
    hooks.helpTopics = [&guide](QWidget*) { guide.open(kGuideContentsPage); };
    hooks.tutorial = [open = tutorialOpener(guide, profile)](QWidget*) { open(); };
}

} // namespace torvane
