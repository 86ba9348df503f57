#include "document/PagesBelow.h"
#include "platform/TextUtil.h"
#include <filesystem>
#include <set>
#include <system_error>

namespace torvane {

namespace fs = std::filesystem;

namespace {

class PageScan {
public:
    explicit PageScan(const std::vector<std::string>& validExtensions)
        : validExtensions_(validExtensions)
    {
    }

    void scan(const std::string& folder)
    {
        std::error_code error;
        const fs::path real = fs::canonical(folder, error);
        if (error || !visited_.insert(real).second)
            return;
        fs::directory_iterator entries(folder, error);
        for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
            const std::string name = entries->path().filename().string();
            std::error_code statusError;
            if (entries->is_directory(statusError))
                scan(folder + name + "/");
            else if (entries->is_regular_file(statusError) && hasValidExtension(name, validExtensions_))
                pages_.push_back(folder + name);
        }
    }

    std::vector<std::string> takePages() { return std::move(pages_); }

private:
    const std::vector<std::string>& validExtensions_;
    std::set<fs::path> visited_;
    std::vector<std::string> pages_;
};

} // namespace

bool hasValidExtension(std::string_view fileName, const std::vector<std::string>& validExtensions)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view extension = fileName.substr(dot);
    for (const std::string& valid : validExtensions) {
        if (equalsNoCase(extension, valid))
            return true;
    }
    return false;
}

std::vector<std::string> findPagesBelow(const std::string& startFolder, const std::vector<std::string>& validExtensions)
{
    if (startFolder.empty())
        return {};
    PageScan scan(validExtensions);
    scan.scan(startFolder.back() == '/' ? startFolder : startFolder + "/");
    return scan.takePages();
}

std::string normalPagePath(const std::string& typed, const std::string& projectFolder)
{
    const fs::path given(typed);
    std::string full = (given.is_absolute() ? given : fs::path(projectFolder) / given).lexically_normal().string();
    std::error_code failed;
    if (fs::is_directory(full, failed) && !full.ends_with('/'))
        full += '/';
    return full;
}

bool isBelowProjectFolder(const std::string& normalPath, const std::string& projectFolder)
{
    return normalPath.starts_with(projectFolder);
}

std::string notBelowProjectFolder(const std::string& projectFolder)
{
    return "not below the project folder " + projectFolder;
}

} // namespace torvane
