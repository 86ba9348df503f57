#pragma once
#include <string>
#include <vector>

class QMimeData;

namespace torvane {

// The local files and folders carried by a drag from a file manager, as
// native full paths; links to anything else are left out.
std::vector<std::string> droppedLocalPaths(const QMimeData& data);

// What a drop of files and folders adds: every page named or anywhere below
// a named folder, as Add Files would list it, the named files that are not
// pages, and the files and folders outside the project folder.
struct DroppedPages {
    std::vector<std::string> pages;
    std::vector<std::string> notPages;
    std::vector<std::string> outside;
};
DroppedPages droppedPages(const std::vector<std::string>& paths, const std::string& projectFolder,
                          const std::vector<std::string>& validExtensions);

// Tells which dropped files were left out because they are not pages.
std::string notPagesMessage(const std::vector<std::string>& paths, const std::vector<std::string>& validExtensions);
// Tells which dropped files and folders were left out for lying elsewhere.
std::string outsideMessage(const std::vector<std::string>& paths, const std::string& projectFolder);

} // namespace torvane
