#pragma once
#include <string>

namespace torvane {

struct FrameHooks;
class GuideViewer;
class Profile;

// The user guide installed with the program, or the one the build made
// beside it; empty when there is none.
std::string programGuideFolder();

// Help Topics opens the guide's contents, Tutorial its tutorial; both stay
// unavailable without a guide.
void installGuideHooks(FrameHooks& hooks, const GuideViewer& guide, Profile& profile);

} // namespace torvane
