#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace torvane::test {

// A fresh folder that is removed with its contents at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "torvane-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern + "/";
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
             it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Ends in "/".
    const std::string& path() const { return path_; }
    std::string file(std::string_view relative) const { return path_ + std::string(relative); }

    // Writes a file below the folder, creating its folders ("/" separated).
    std::string write(std::string_view relative, std::string_view content) const
    {
        const std::filesystem::path target = file(relative);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << content;
        return target.string();
    }

    std::string read(std::string_view relative) const { return contents(file(relative)); }

    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void makeReadOnly(std::string_view relative) const
    {
        namespace fs = std::filesystem;
        fs::permissions(file(relative), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

private:
    std::string path_;
};

} // namespace torvane::test
