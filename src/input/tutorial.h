#pragma once
// The tutorial's texts and target areas, and the state part of starting free
// practice and the tutorial. Drawing them is the presentation layer's job.

#include <string>
#include <string_view>
#include <vector>

namespace kf {

// Instruction lines of step 1 .. 7 (Windows-1252 bytes); empty outside.
const std::vector<std::string>& tutorialStepLines(int stage);
// The completion screen's lines after a step.
std::vector<std::string> tutorialDoneLines(int stage);
// Drawn half-size of the target circle: the test radius of the step.
double tutorialCircleHalfSize(int stage);

// The wall of the last step: five figures at (x, -4.5).
inline constexpr double kWallX[5] = {0, 0.1, 0.2, -0.1, -0.2};
inline constexpr double kWallY = -4.5;

inline constexpr std::string_view kStillLoading = "Still loading models. Please wait a while...";
inline constexpr std::string_view kHintRecall = "Press R to recall ball";
inline constexpr std::string_view kHintCorner = "Press C to call corner";

// The match state of a fresh free practice (stage 0) or tutorial (stage 1):
// the practice world and ingamedata set up for the user, the tutorial's team
// kit, plain kits on. Textures, the window and the chat are the caller's.
void beginLocalMatch(int stage, std::string_view username);

}  // namespace kf
