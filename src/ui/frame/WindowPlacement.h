#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

class Profile;

// Where the main window was and which bars it showed, as kept in the profile
// between runs. The rectangle is the restored (normal) one in screen pixels,
// right and bottom exclusive.
struct WindowPlacement {
    int left = 30;
    int top = 30;
    int right = 610;
    int bottom = 450;
    bool minimized = false;
    // When minimised: restore to maximised.
    bool maximized = false;
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    // The rectangle came from the profile, not from the defaults above.
    bool stored = false;
};

// The rectangle of a first start on a screen whose free area is the given
// one: seven tenths of it each way, centred, never smaller than the default.
void placeOnFirstStart(WindowPlacement& placement, int areaLeft, int areaTop, int areaWidth, int areaHeight);

// "%04d %04d %04d %04d": the sign of a negative number counts among the four
// characters, so -4 is written "-004".
std::string formatPlacementRect(int left, int top, int right, int bottom);
// Reads four whitespace-separated decimal numbers; on the fixed-width form the
// number starts fall at 0, 5, 10 and 15, and wider numbers still read back.
std::optional<WindowPlacement> parsePlacementRect(std::string_view text);

WindowPlacement readWindowPlacement(const Profile& profile);
void writeWindowPlacement(Profile& profile, const WindowPlacement& placement);

} // namespace torvane
