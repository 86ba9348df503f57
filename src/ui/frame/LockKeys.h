#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Whether a keyboard lock (LED names end in "capslock", "numlock" or
// "scrolllock") is on, read from the kernel's LED folder: on when any
// keyboard's LED of that name is lit. Off when the folder cannot be read.
bool isLockOn(const std::string& ledFolder, std::string_view lockName);

inline constexpr const char* kLedFolder = "/sys/class/leds";

} // namespace torvane
