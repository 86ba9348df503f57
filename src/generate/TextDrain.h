#pragma once
#include <string_view>

namespace torvane {

// Where a streamed index text goes, one buffer of whole lines at a time.
class TextDrain {
public:
    virtual ~TextDrain() = default;
    virtual void take(std::string_view lines) = 0;
};

} // namespace torvane
