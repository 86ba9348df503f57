#include "ui/frame/WindowPlacement.h"
#include "platform/Profile.h"
#include <algorithm>
#include <charconv>
#include <cstdio>

namespace torvane {

namespace {

constexpr std::string_view kSection = "Torvane Window Size";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::string formatPlacementRect(int left, int top, int right, int bottom)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d %04d %04d %04d", left, top, right, bottom);
    return buffer;
}

std::optional<WindowPlacement> parsePlacementRect(std::string_view text)
{
    int values[4];
    size_t pos = 0;
    for (int& value : values) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        const char* begin = text.data() + pos;
        const char* end = text.data() + text.size();
        const auto [next, error] = std::from_chars(begin, end, value);
        if (error != std::errc())
            return std::nullopt;
        pos += static_cast<size_t>(next - begin);
    }
    WindowPlacement placement;
    placement.left = values[0];
    placement.top = values[1];
    placement.right = values[2];
    placement.bottom = values[3];
    return placement;
}

void placeOnFirstStart(WindowPlacement& placement, int areaLeft, int areaTop, int areaWidth, int areaHeight)
{
    const int width = std::max(placement.right - placement.left, areaWidth * 7 / 10);
    const int height = std::max(placement.bottom - placement.top, areaHeight * 7 / 10);
    placement.left = areaLeft + std::max(0, (areaWidth - width) / 2);
    placement.top = areaTop + std::max(0, (areaHeight - height) / 2);
    placement.right = placement.left + width;
    placement.bottom = placement.top + height;
}

WindowPlacement readWindowPlacement(const Profile& profile)
{
    WindowPlacement placement;
    const std::string rect = profile.readString(kSection, "Rect", "");
    if (!rect.empty()) {
        if (const auto stored = parsePlacementRect(rect)) {
            placement = *stored;
            placement.stored = true;
        }
    }
    placement.minimized = profile.readInt(kSection, "Icon", 0) != 0;
    placement.maximized = profile.readInt(kSection, "Max", 0) != 0;
    placement.toolbarVisible = profile.readInt(kSection, "Tool", 1) != 0;
    placement.statusBarVisible = profile.readInt(kSection, "Status", 1) != 0;
    return placement;
}

void writeWindowPlacement(Profile& profile, const WindowPlacement& p)
{
    profile.writeString(kSection, "Rect", formatPlacementRect(p.left, p.top, p.right, p.bottom));
    profile.writeInt(kSection, "Icon", p.minimized ? 1 : 0);
    profile.writeInt(kSection, "Max", p.maximized ? 1 : 0);
    profile.writeInt(kSection, "Tool", p.toolbarVisible ? 1 : 0);
    profile.writeInt(kSection, "Status", p.statusBarVisible ? 1 : 0);
}

} // namespace torvane
