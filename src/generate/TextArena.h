#pragma once
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace torvane {

// Texts copied side by side into large blocks: a copy never moves until the
// arena is cleared, and copies made one after another lie next to each other.
class TextArena {
public:
    std::string_view copy(std::string_view text);
    void clear();

private:
    static constexpr std::size_t kBlockSize = std::size_t {1} << 20;

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0; // bytes taken in the last block
    std::size_t capacity_ = 0; // size of the last block
};

} // namespace torvane
