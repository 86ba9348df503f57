#include "generate/EntryLevels.h"

namespace torvane {

namespace {

std::string_view trimSpaces(std::string_view text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void appendLevelPieces(std::string_view display, std::vector<std::string_view>& pieces)
{
    std::size_t start = 0;
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < display.size(); ++i) {
        char c = display[i];
        if (c == ',' && backslashes % 2 == 0) {
            pieces.push_back(trimSpaces(display.substr(start, i - start)));
            start = i + 1;
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
    }
    if (start < display.size())
        pieces.push_back(trimSpaces(display.substr(start)));
}

} // namespace torvane
