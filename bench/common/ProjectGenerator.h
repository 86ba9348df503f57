#pragma once
#include "PageGenerator.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::bench {

struct GeneratedProject {
    std::filesystem::path folder;
    std::filesystem::path projectFile;
    std::vector<GeneratedPage> pages;
};

// Writes a page tree of `pageCount` generated pages under `folder` and a
// version 4.0 project file "Bench.ipj" that lists them, with a few external
// URLs carrying entries and some cross-references. Everything is derived
// from `seed`.
GeneratedProject writeProject(const std::filesystem::path& folder, std::size_t pageCount, std::uint64_t seed = 1,
                              double scale = 1.0);

} // namespace torvane::bench
