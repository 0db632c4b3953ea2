#pragma once
// The two computer goalkeepers of the practice world: team 1's keeper guards
// the goal at goalLineNeg, team 2's the goal at goalLinePos.

#include "ballphysics.h"
#include "vec2.h"

namespace kf {

// keeperAction codes (also sent by the game server).
enum TKeeperAction : unsigned char {
    kaStanding = 0,
    kaRunning = 1,
    kaHolding = 2,
    kaSideStepA = 4,
    kaSideStepB = 5,
    kaStepForward = 6,
    kaStepBackward = 7,
    kaLowDiveRight = 8,
    kaLowDiveLeft = 9,
    kaHighAtKeeper = 10,
    kaBlockRight = 11,
    kaBlockLeft = 12,
    kaHighDiveRight = 13,
    kaHighDiveLeft = 14,
    kaDiveRightCaught = 15,
    kaDiveLeftCaught = 16,
    kaBlockRightCaught = 17,
    kaBlockLeftCaught = 18,
    kaHighCaught = 19,
};

// A copy of the ball run forward to judge a shot.
struct TShotForecast : TBallState {
    TVec2 keeperLine;         // first forecast point beyond the defending keeper's y, or (0, 0)
    bool nearKeeper = false;  // the path passes within 0.09 of that keeper
};

extern TShotForecast shotForecast;

void forecastShot();
void keeperStep();
// Either goalkeeper has the ball in his hands.
bool keeperHoldsBall();
// Called right after a lofted kick or a ground pass.
void keeperShotReaction();

}  // namespace kf
