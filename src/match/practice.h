#pragma once
// Free practice and the tutorial: the order of one practice step, the
// hand-over into ingamedata, the stage set-up and the tutorial checks, and
// the recall (R) and corner (C) keys.

#include <string_view>

#include "vec2.h"

namespace kf {

constexpr int kFirstTutorialStage = 1;
constexpr int kLastTutorialStage = 7;

// Target area of the tutorial step for stageTarget 1..4; (0, 0) otherwise.
TVec2 tutorialTarget(int stageTarget);

// No horizontal and no vertical speed.
bool ballAtRest();

// Prepares the world for a stage; a stage outside 0..7 is ignored.
void setStage(int stage);

// One frame of the local match.
void practiceStep();

// R recalls the ball, C calls a corner; only while a practice runs.
void practiceKey(int key);

// The state part of entering free practice (stage 0) or the tutorial (stage
// 1): ingamedata reset for a one-player local match with the user's name in
// team 1, slot 1; free practice also puts the keepers on their goal lines.
void beginPractice(int stage, std::string_view username);

// Fills the simulation's start-up tables (tuning, ball physics, kick tables).
void initSimulation();

}  // namespace kf
