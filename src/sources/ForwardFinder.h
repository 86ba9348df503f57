#pragma once
#include <cstddef>
#include <string_view>

namespace torvane {

// Finds one pattern in a text's search copy repeatedly with ever-growing start
// positions. It keeps the last answer, so scanning a whole text costs one pass
// per pattern even when the pattern is missing from some point on.
class ForwardFinder {
public:
    ForwardFinder(std::string_view text, std::string_view pattern)
        : text_(text)
        , pattern_(pattern)
    {
    }

    // First occurrence at or after `from`; npos when none. `from` must not
    // decrease between calls.
    std::size_t find(std::size_t from);

private:
    std::string_view text_;
    std::string_view pattern_;
    std::size_t lastFrom_ = std::string_view::npos;
    std::size_t lastFound_ = std::string_view::npos;
};

} // namespace torvane
