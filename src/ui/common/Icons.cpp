#include "ui/common/Icons.h"
#include "ui/commands/CommandIds.h"
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// A static library's resources are linked in only when named somewhere.
static void initIconResources()
{
    Q_INIT_RESOURCE(Icons);
}

namespace torvane {

namespace {

// A picture of the program's resource at its size in device-independent
// pixels, drawn for the screen's pixel ratio so that it stays crisp.
QPixmap picture(const char* name, int width, int height)
{
    static const bool resourcesReady = (initIconResources(), true);
    (void)resourcesReady;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(width, height) * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

const char* toolbarPictureName(int commandId)
{
    switch (commandId) {
    case CmdFileNew:
        return "file-new";
    case CmdFileOpen:
        return "file-open";
    case CmdFileSave:
        return "file-save";
    case CmdAddFiles:
        return "add-files";
    case CmdAddExternalUrls:
        return "add-external-urls";
    case CmdCreateCrossReference:
        return "create-cross-reference";
    case CmdRemove:
        return "remove";
    case CmdExclude:
        return "exclude";
    case CmdAddIndexEntry:
        return "add-index-entry";
    case CmdProjectStyleSettings:
        return "project-style-settings";
    case CmdMakeIndex:
        return "make-index";
    case CmdHelpTopics:
        return "help-topics";
    default:
        return nullptr;
    }
}

} // namespace

QIcon toolbarIcon(int commandId)
{
    const char* name = toolbarPictureName(commandId);
    return name ? QIcon(picture(name, 16, 15)) : QIcon();
}

const std::vector<QPixmap>& nodeImages()
{
    static const std::vector<QPixmap> images = [] {
        std::vector<QPixmap> made;
        for (const char* name : {"node-folder", "node-page", "node-page-missing", "node-page-unreadable", "node-anchor",
                                 "node-url", "node-locator", "node-page-outside", "node-id-target"})
            made.push_back(picture(name, 20, 15));
        return made;
    }();
    return images;
}

const std::vector<QPixmap>& entryImages()
{
    static const std::vector<QPixmap> images = [] {
        std::vector<QPixmap> made;
        for (const char* name : {"entry-target-untitled", "entry-page-untitled", "entry-url-default",
                                 "entry-target-anchor", "entry-page-heading", "entry-page-title", "entry-target",
                                 "entry-page", "entry-url", "entry-cross-reference"})
            made.push_back(picture(name, 20, 14));
        return made;
    }();
    return images;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(picture("application", size, size));
    return icon;
}

} // namespace torvane
