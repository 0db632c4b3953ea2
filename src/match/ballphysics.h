#pragma once
// One frame of ball motion in the practice world: flight under gravity,
// bounces, rolling friction, air drag, and - in the fine zones near the goal
// mouths and the boards - ten sub-steps with the contact checks of boards,
// crossbars, posts and nets and the goal test.

#include "vec2.h"

namespace kf {

struct TBallPhysics {
    // Index 0: a frame of one step; index 1: each of ten sub-steps.
    double rollFriction[2] = {};
    double gravity[2] = {};
    double airDrag[2] = {};
    double bounceKeep = 0;
    double bounceSpeedKeep = 0;
    double bounceStop = 0;
    double hardBounce = 0;
};

extern TBallPhysics ballPhysics;

void initBallPhysics();

// The ball's free state, as the practice world holds it and as the shot
// forecast copies it.
struct TBallState {
    TVec2 pos;
    double dir = 0;
    double speed = 0;
    double height = 0;
    double climb = 0;
};

// A copy of the practice world's ball.
TBallState practiceBall();

// 1, or 10 in the zones near the goal mouths and the boards.
int ballStepCount(const TBallState& b);

// One step of flight, bounce and rolling (no contacts); n is the frame's
// step count and selects the constant set. The direction's cosine and sine
// are passed in: the direction changes only at contacts, so callers work
// them out once rather than every sub-step.
void ballSubStep(TBallState& b, int n, double cosDir, double sinDir);

// The ball step of the practice world (nothing while the ball is not live).
void ballStep();

// Contact checks of one fine sub-step, applied to the practice ball.
void ballContacts(TBallState& b);

}  // namespace kf
