#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace torvane {

// Tells whether a file's bytes are still those read before: its size and a
// hash of its content in one number (0 for no file read).
inline std::uint64_t contentStamp(std::string_view bytes)
{
    return (std::hash<std::string_view> {}(bytes) ^ (static_cast<std::uint64_t>(bytes.size()) << 40)) | 1;
}

} // namespace torvane
