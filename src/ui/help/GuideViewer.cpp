#include "ui/help/GuideViewer.h"
#include "platform/HtmlToolsSettings.h"
#include "platform/OpenInBrowser.h"
#include "platform/ShellLauncher.h"
#include "platform/UserGuide.h"
#include <QTabWidget>
#include <QWidget>

namespace torvane {

GuideViewer::GuideViewer(std::string guideFolder, ShellLauncher& shell, const Profile& profile)
    : folder_(std::move(guideFolder))
    , shell_(shell)
    , profile_(profile)
{
}

void GuideViewer::open(std::string_view topic) const
{
    if (!available())
        return;
    // Read at every request, as the HTML Tools dialog may have changed it.
    openInBrowser(readHtmlToolsSettings(profile_).browser, guideUrl(folder_, topic), shell_);
}

void GuideViewer::openHelpFor(const QWidget& window) const
{
    const QByteArray title = window.windowTitle().toUtf8();
    const int context =
        helpContextOfWindow(std::string_view(title.constData(), static_cast<std::size_t>(title.size())));
    if (context == HelpStyleSheet) {
        if (const auto* tabs = window.findChild<QTabWidget*>()) {
            open(styleSheetTopic(tabs->currentIndex()));
            return;
        }
    }
    open(guideTopic(context));
}

} // namespace torvane
