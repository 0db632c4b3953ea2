#pragma once
// The local world of free practice and the tutorial: one field player
// (team 1, slot 1), the ball and both goalkeepers. Never cleared as a whole:
// what a practice leaves carries over into the next one.

#include <cstdint>

#include "indexed.h"
#include "vec2.h"

namespace kf {

struct TPracticeWorld {
    std::uint8_t stage = 0;        // 0 free practice, 1..7 tutorial step
    std::uint8_t stageTarget = 0;  // 1..4 current target area, 5 all reached
    bool stageDone = false;
    bool ballLive = true;
    TVec2 target;
    bool holdLeft = false, holdRight = false, holdTackle = false, holdJump = false;
    std::int16_t power = 0;
    std::uint8_t ballResetFrames = 0;
    bool cornerSide = false;
    TVec2 playerPos;
    double playerSpeed = 0;
    double targetBearing = 0;
    std::int8_t playerTurn = 0;
    double playerDir = 0;
    std::uint8_t slideFrames = 0;
    std::uint8_t jumpFrames = 0;
    std::int16_t touchCooldown = 0;
    TVec2 ballPos;
    double ballDir = 0;
    double ballSpeed = 0;
    double ballHeight = 0;
    double ballClimb = 0;
    PerTeam<TVec2> keeperPos;
    PerTeam<double> keeperSpeed;
    PerTeam<double> keeperDir;
    PerTeam<std::uint8_t> keeperAction;
    PerTeam<std::int32_t> keeperDiveFrames;
    PerTeam<std::int16_t> keeperCooldown;
    PerTeam<std::uint8_t> keeperPickup;
    PerTeam<std::uint8_t> keeperCatch;
    std::uint8_t keeperRunning = 0;
    TVec2 keeperRunTo;
    std::uint8_t keeperWaitFrames = 0;
    std::uint8_t keeperReactFrames = 0;
};

extern TPracticeWorld practiceWorld;

}  // namespace kf
