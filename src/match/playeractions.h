#pragma once
// The own practice player (team 1, slot 1): power charge, lofted kick, ground
// pass, sliding tackle, jump and header, running, dribble and motion state.
// Each function is one step of the practice step and acts on practiceWorld.

#include <array>
#include <cstdint>

namespace kf {

constexpr int kPowerBands = 5;
constexpr int kDistanceBands = 12;

struct TKickTables {
    std::array<std::array<double, kDistanceBands>, kPowerBands> kickClimb{};
    std::array<std::array<double, kDistanceBands>, kPowerBands> kickSpeedCut{};
};

extern TKickTables kickTables;

void initKickTables();

// Table column of a target distance: a band's upper bound belongs to it.
int kickDistanceBand(double d);
// Table row of a = power / 15 + 7.
int kickPowerBand(double a);

// The three effects that end every touch of the ball.
void touchBall();

void updateTargetBearing();
void chargePower();
void loftedKick();
// The lofted kick's effect at target distance d (also played by the practice corner).
void loftBall(double d);
void groundPass();
void slideTackle();
void jumpAndHeader();
void runPlayer();
void dribble();
// 0 standing, 1 running, 2 sliding, 4/5 jumping (target to either side).
std::uint8_t motionState();

// Stage gates of the tutorial steps.
bool slideAllowed(int stage);

}  // namespace kf
