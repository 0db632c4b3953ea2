#include <cmath>

#include "ballphysics.h"
#include "practice_fixture.h"

using namespace kf;

using BallPhysics = PracticeTest;

TEST_F(BallPhysics, RollingBallLosesFrictionUntilItStops) {
    placeBall({0, 0}, 0, 0.002);
    ballStep();
    EXPECT_NEAR(w().ballSpeed, 0.0016, 1e-12);
    EXPECT_NEAR(w().ballPos.x, 0.0016, 1e-12);
    for (int i = 0; i < 10; ++i) ballStep();
    EXPECT_EQ(w().ballSpeed, 0.0);
    const double x = w().ballPos.x;
    ballStep();
    EXPECT_EQ(w().ballPos.x, x);
    EXPECT_EQ(w().ballHeight, 0.0);
}

TEST_F(BallPhysics, DroppedBallStartsFallingNextFrame) {
    placeBall({0, 0}, 0, 0, 0.1, 0);
    ballStep();
    EXPECT_DOUBLE_EQ(w().ballClimb, -0.0007);
    EXPECT_DOUBLE_EQ(w().ballHeight, 0.1);  // the frame that starts the fall does not move it yet
    ballStep();
    EXPECT_DOUBLE_EQ(w().ballClimb, -0.0014);
    EXPECT_NEAR(w().ballHeight, 0.1 - 0.0014, 1e-12);
}

TEST_F(BallPhysics, HardBounceCostsSpeedAndWeakBounceStops) {
    // Climb -0.02 after this step's gravity: bounces up with 0.012 and keeps 70 %.
    placeBall({0, 0}, 0, 0.03, 0.001, -0.0193);
    ballStep();
    EXPECT_NEAR(w().ballClimb, 0.012, 1e-12);
    EXPECT_NEAR(w().ballSpeed, (0.03 - 0.00007) * 0.7, 1e-12);
    EXPECT_EQ(w().ballHeight, 0.0);

    // Climb -0.0005 after gravity: would bounce with 0.0003 < bounceStop, so it rolls.
    placeBall({0, 0}, 0, 0.03, 0.0001, 0.0002);
    ballStep();
    EXPECT_EQ(w().ballClimb, 0.0);
    EXPECT_NEAR(w().ballSpeed, 0.03 - 0.00007, 1e-12);  // soft bounce keeps its speed
    ballStep();
    EXPECT_NEAR(w().ballSpeed, 0.03 - 0.00007 - 0.0004, 1e-12);  // now rolling friction
}

TEST_F(BallPhysics, StepCountZones) {
    struct Row { const char* name; int size; TVec2 pos; double height; int want; } rows[] = {
        {"midfield", 3, {0, 0}, 0, 1},
        {"goal mouth +y", 3, {0.3, 6.52 - 0.1}, 0.1, 10},
        {"goal mouth -y behind line", 3, {-0.49, -6.52 - 0.27}, 0.2, 10},
        {"goal mouth too wide", 3, {0.5, 6.52}, 0, 1},
        {"goal mouth in front of zone", 3, {0, 6.52 - 0.13}, 0, 1},
        {"above 0.32 always single", 3, {0, 6.52}, 0.33, 1},
        {"board zone size 3", 3, {4.5, 6.52 + 0.5}, 0.1, 10},
        {"board zone too high", 3, {4.5, 6.52 + 0.5}, 0.13, 1},
        {"board zone size 1 narrower", 1, {2.4, -4.89 - 0.5}, 0, 1},
        {"board zone size 1", 1, {2.2, -4.89 - 0.5}, 0, 10},
        {"board zone size 2", 2, {3.5, 5.71 + 0.39}, 0, 10},
    };
    for (const Row& r : rows) {
        setPitchSize(r.size);
        TBallState b;
        b.pos = r.pos;
        b.height = r.height;
        EXPECT_EQ(ballStepCount(b), r.want) << r.name;
    }
}

TEST_F(BallPhysics, HighBallPassesOverGoalWithoutContacts) {
    // 0.4 high, moving through the crossbar's line: no contact test runs.
    placeBall({0, pitch.goalLinePos - 0.05}, 90, 0.05, 0.4, 0.0001);
    ballStep();
    ballStep();
    EXPECT_GT(w().ballPos.y, pitch.goalLinePos);
    EXPECT_NEAR(w().ballDir, 90, 1e-12);
    EXPECT_EQ(w().ballResetFrames, 0);
}

TEST_F(BallPhysics, OutOfPlayBallAtRestReturnsToPlayer) {
    w().playerPos = {1, 1};
    placeBall({pitch.sideLinePos + 0.01, 0}, 0, 0);
    ballStep();
    EXPECT_DOUBLE_EQ(w().ballPos.x, 1);
    EXPECT_DOUBLE_EQ(w().ballPos.y, 1);

    placeBall({pitch.sideLinePos - 0.01, 0}, 0, 0);
    ballStep();
    EXPECT_DOUBLE_EQ(w().ballPos.x, pitch.sideLinePos - 0.01);

    // While a goal countdown runs the ball stays where it is.
    placeBall({0, pitch.goalLinePos + 0.1}, 0, 0);
    w().ballResetFrames = 5;
    ballStep();
    EXPECT_DOUBLE_EQ(w().ballPos.y, pitch.goalLinePos + 0.1);
}

TEST_F(BallPhysics, DeadBallDoesNotMove) {
    w().ballLive = false;
    placeBall({0, 0}, 0, 0.05);
    ballStep();
    EXPECT_EQ(w().ballPos.x, 0.0);
    EXPECT_EQ(w().ballSpeed, 0.05);
}

TEST_F(BallPhysics, GoalStartsCountdownAndStopsInBackNet) {
    w().keeperRunning = 1;
    placeBall({0.1, pitch.goalLineNeg + 0.02}, 270, 0.05);
    for (int i = 0; i < 10; ++i) ballStep();
    EXPECT_EQ(w().ballResetFrames, 100);
    EXPECT_EQ(w().keeperRunning, 0);
    // The back net stops it just inside.
    EXPECT_NEAR(w().ballPos.y, pitch.netBackNeg + pitch.ballRadius + 0.001, 1e-9);
    EXPECT_EQ(w().ballSpeed, 0.0);
}

TEST_F(BallPhysics, PostRebound) {
    // Touching the +x post of the -y goal from the pitch side: straight back out.
    w().keeperRunning = 2;
    TBallState b{{pitch.postPos, pitch.goalLineNeg + 0.01}, 270, 0.04, 0, 0};
    ballContacts(b);
    EXPECT_NEAR(b.dir, 90, 1e-9);
    EXPECT_NEAR(b.pos.x, pitch.postPos, 1e-12);
    EXPECT_NEAR(b.pos.y, pitch.goalLineNeg + 0.026, 1e-12);
    EXPECT_DOUBLE_EQ(b.speed, 0.02);
    EXPECT_EQ(w().keeperRunning, 0);

    // The same through whole frames: the ball comes back into the pitch at half speed.
    placeBall({pitch.postPos, pitch.goalLineNeg + 0.06}, 270, 0.04);
    for (int i = 0; i < 3; ++i) ballStep();
    EXPECT_NEAR(w().ballDir, 90, 1e-9);
    EXPECT_GT(w().ballPos.y, pitch.goalLineNeg + 0.026);
    EXPECT_LT(w().ballSpeed, 0.021);
}

TEST_F(BallPhysics, CrossbarReflectsAndPutsBallInFront) {
    placeBall({0, pitch.goalLinePos - 0.03}, 80, 0.03, pitch.crossbarHeight, 0);
    TBallState b{w().ballPos, w().ballDir, w().ballSpeed, w().ballHeight, w().ballClimb};
    b.pos.y = pitch.goalLinePos - 0.01;
    ballContacts(b);
    EXPECT_DOUBLE_EQ(b.dir, 280);
    EXPECT_DOUBLE_EQ(b.speed, 0.015);
    EXPECT_DOUBLE_EQ(b.pos.y, pitch.goalLinePos - 0.025);
}

TEST_F(BallPhysics, BoardsReflectAndHalve) {
    placeBall({3.0, pitch.goalLinePos + 0.47}, 80, 0.04);
    ballStep();
    EXPECT_LT(w().ballPos.y, pitch.goalLinePos + 0.48 - pitch.ballRadius);
    EXPECT_DOUBLE_EQ(w().ballDir, 280);
    EXPECT_LT(w().ballSpeed, 0.02);
    EXPECT_GT(w().ballSpeed, 0.0195);  // halved once, then rolling friction of the sub-steps

    // Beyond the boards' half-width the ball runs on (size 1: 2.3).
    setPitchSize(1);
    TBallState wide{{2.4, pitch.goalLinePos + 0.47}, 80, 0.04, 0, 0};
    ballContacts(wide);
    EXPECT_DOUBLE_EQ(wide.dir, 80);
}

TEST_F(BallPhysics, NetRoofAndSideNet) {
    // Above the bar behind the line: put on the roof, halved, climb reversed.
    TBallState roof{{0, pitch.goalLinePos + 0.1}, 90, 0.02, pitch.crossbarHeight + 0.01, -0.003};
    ballContacts(roof);
    EXPECT_DOUBLE_EQ(roof.height, pitch.crossbarHeight + 0.022);
    EXPECT_DOUBLE_EQ(roof.climb, 0.003);
    EXPECT_DOUBLE_EQ(roof.speed, 0.01);

    // Inside the goal against the +x side net at the +y goal.
    TBallState side{{pitch.postPos - 0.01, pitch.goalLinePos + 0.1}, 10, 0.02, 0.05, 0};
    ballContacts(side);
    EXPECT_DOUBLE_EQ(side.pos.x, pitch.postPos - 0.026);
    EXPECT_DOUBLE_EQ(side.speed, 0.02 * 0.3);
    EXPECT_DOUBLE_EQ(side.dir, 170);

    // Outside the -x side net at the -y goal: pushed outwards, 540 - dir left unnormalised.
    TBallState out{{pitch.postNeg - 0.01, pitch.goalLineNeg - 0.1}, 20, 0.02, 0.05, 0};
    ballContacts(out);
    EXPECT_DOUBLE_EQ(out.pos.x, pitch.postNeg - 0.026);
    EXPECT_DOUBLE_EQ(out.dir, 520);
}
