#pragma once
#include <string>
#include <vector>

namespace torvane {

class Profile;

// The four most recently used project files, newest first, kept in the
// profile section "Recent File List" as "File1" to "File4".
class RecentFiles {
public:
    static constexpr int kCapacity = 4;

    explicit RecentFiles(Profile& profile);

    const std::vector<std::string>& paths() const { return paths_; }
    // Moves the path to the front (adding it when new) and writes the list.
    void add(const std::string& path);
    // Drops a path that could not be opened.
    void remove(const std::string& path);

private:
    void write();

    Profile& profile_;
    std::vector<std::string> paths_;
};

} // namespace torvane
