#include "ui/addfiles/DroppedPages.h"
#include "document/PagesBelow.h"
#include <QMimeData>
#include <QUrl>
#include <filesystem>

namespace torvane {

std::vector<std::string> droppedLocalPaths(const QMimeData& data)
{
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

DroppedPages droppedPages(const std::vector<std::string>& paths, const std::string& projectFolder,
                          const std::vector<std::string>& validExtensions)
{
    DroppedPages dropped;
    for (const std::string& path : paths) {
        const std::string normal = normalPagePath(path, projectFolder);
        if (!isBelowProjectFolder(normal, projectFolder)) {
            dropped.outside.push_back(path);
        } else if (normal.ends_with('/')) {
            for (std::string& page : findPagesBelow(normal, validExtensions))
                dropped.pages.push_back(std::move(page));
        } else if (hasValidExtension(std::filesystem::path(normal).filename().string(), validExtensions)) {
            dropped.pages.push_back(normal);
        } else {
            dropped.notPages.push_back(path);
        }
    }
    return dropped;
}

std::string notPagesMessage(const std::vector<std::string>& paths, const std::vector<std::string>& validExtensions)
{
    std::string kinds;
    for (const std::string& extension : validExtensions)
        kinds += (kinds.empty() ? "" : ", ") + extension;
    std::string message = "These files were not added: only pages (" + kinds + ") belong in a project.\n\n";
    for (const std::string& path : paths)
        message += path + "\n";
    return message;
}

std::string outsideMessage(const std::vector<std::string>& paths, const std::string& projectFolder)
{
    std::string message = "These files were not added:\n\n";
    for (const std::string& path : paths)
        message += path + ": " + notBelowProjectFolder(projectFolder) + "\n";
    return message;
}

} // namespace torvane
