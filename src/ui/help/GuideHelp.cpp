#include "ui/help/GuideHelp.h"
#include "platform/HtmlToolsSettings.h"
#include "platform/ShellLauncher.h"
#include "platform/UserGuide.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/TutorialPromptDialog.h"
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTabWidget>

namespace torvane {

GuideViewer::GuideViewer(std::string guideFolder, ShellLauncher& shell, const Profile& profile)
    : folder_(std::move(guideFolder)), shell_(shell), profile_(profile)
{
}

void GuideViewer::open(std::string_view topic) const
{
    if (!available())
        return;
    const std::string url = guideUrl(folder_, topic);
    // Read at every request, as the HTML Tools dialog may have changed it.
    const std::string browser = readHtmlToolsSettings(profile_).browser;
    if (browser.empty())
        shell_.openDocument(url);
    else
        shell_.openWithProgram(browser, url);
}

void GuideViewer::openHelpFor(const QWidget& window) const
{
    const QByteArray title = window.windowTitle().toUtf8();
    const int context = helpContextOfWindow(std::string_view(title.constData(), static_cast<std::size_t>(title.size())));
    if (context == HelpStyleSheet) {
        if (const auto* tabs = window.findChild<QTabWidget*>()) {
            open(styleSheetTopic(tabs->currentIndex()));
            return;
        }
    }
    open(guideTopic(context));
}

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

DialogHelpKey::DialogHelpKey(const GuideViewer& viewer, QObject* parent) : QObject(parent), viewer_(viewer) {}

bool DialogHelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* dialog = widget ? qobject_cast<const QDialog*>(widget->window()) : nullptr;
    if (!dialog)
        return false;
    viewer_.openHelpFor(*dialog);
    return true;
}

} // namespace torvane
