#include <cmath>

#include "playeractions.h"
#include "practice_fixture.h"
#include "tuning.h"

using namespace kf;

using PlayerActions = PracticeTest;

TEST(KickBands, DistanceAndPowerBandEdges) {
    struct Row { double d; int want; } cols[] = {
        {0, 0}, {0.23, 0}, {0.2300001, 1}, {0.46, 1}, {1.0, 4}, {1.15, 4}, {2.3, 9}, {2.53, 10}, {2.5300001, 11}, {9, 11},
    };
    for (const Row& r : cols) EXPECT_EQ(kickDistanceBand(r.d), r.want) << "d=" << r.d;
    struct PRow { double a; int want; } bands[] = {
        {17, 0}, {16, 0}, {15.99, 1}, {14, 1}, {13.99, 2}, {12, 2}, {11.99, 3}, {10, 3}, {9.99, 4}, {7, 4},
    };
    for (const PRow& r : bands) EXPECT_EQ(kickPowerBand(r.a), r.want) << "a=" << r.a;
}

TEST(KickBands, TablesHoldTheirCorners) {
    initKickTables();
    EXPECT_DOUBLE_EQ(kickTables.kickClimb[0][0], 0.036);
    EXPECT_DOUBLE_EQ(kickTables.kickClimb[3][8], 0.010);
    EXPECT_DOUBLE_EQ(kickTables.kickClimb[3][9], 0.0);
    EXPECT_DOUBLE_EQ(kickTables.kickClimb[2][11], 0.010);
    EXPECT_DOUBLE_EQ(kickTables.kickSpeedCut[0][6], 0.026);
    EXPECT_DOUBLE_EQ(kickTables.kickSpeedCut[0][7], 0.027);
    EXPECT_DOUBLE_EQ(kickTables.kickSpeedCut[3][11], 0.021);
    EXPECT_DOUBLE_EQ(kickTables.kickSpeedCut[4][5], 0.015);
}

TEST_F(PlayerActions, PowerChargesByFourUpTo150) {
    w().holdLeft = true;
    chargePower();
    EXPECT_EQ(w().power, 4);
    for (int i = 0; i < 40; ++i) chargePower();
    EXPECT_EQ(w().power, 150);
}

TEST_F(PlayerActions, LoftedKickStrengthByPowerAndDistance) {
    struct Row { int power; double targetY; double speed, climb; } rows[] = {
        {150, 1.0, 0.085 - 0.028, 0.028},             // a = 17, band 0, column 4
        {40, 1.0, (40 / 15.0 + 7) / 200 - 0.015, 0},  // a = 9.67, band 4: a ground ball
        {60, 0.2, (60 / 15.0 + 7) / 200 - 0.022, 0.026},  // a = 11, band 3, column 0
    };
    for (const Row& r : rows) {
        SetUp();
        w().playerPos = {0, 0};
        placeBall({0, 0.05}, 0, 0);
        w().target = {0, r.targetY};
        updateTargetBearing();
        w().power = static_cast<std::int16_t>(r.power);
        loftedKick();
        EXPECT_NEAR(w().ballSpeed, r.speed, 1e-12) << r.power;
        EXPECT_DOUBLE_EQ(w().ballClimb, r.climb) << r.power;
        EXPECT_DOUBLE_EQ(w().ballDir, 90) << r.power;
        EXPECT_EQ(w().touchCooldown, 25) << "kicked from 0.05, within 0.06";
        EXPECT_EQ(w().keeperReactFrames, 30);
    }
}

TEST_F(PlayerActions, LoftedKickRefusals) {
    struct Row { const char* name; void (*setup)(); } rows[] = {
        {"ball out of reach", [] { practiceWorld.ballPos = {0, 0.2}; }},
        {"button still held", [] { practiceWorld.holdLeft = true; }},
        {"stage 3", [] { practiceWorld.stage = 3; }},
        {"stage 5", [] { practiceWorld.stage = 5; }},
        {"keeper holds ball", [] { practiceWorld.keeperPickup[2] = 5; }},
        {"cooldown", [] { practiceWorld.touchCooldown = 1; }},
        {"sliding", [] { practiceWorld.slideFrames = 3; }},
        {"jumping", [] { practiceWorld.jumpFrames = 3; }},
        {"ball too high", [] { practiceWorld.ballHeight = 0.25; }},
        {"ball dead", [] { practiceWorld.ballLive = false; }},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall({0, 0.1}, 0, 0);
        w().target = {0, 2};
        w().power = 100;
        r.setup();
        loftedKick();
        EXPECT_EQ(w().ballSpeed, 0.0) << r.name;
        EXPECT_EQ(w().ballClimb, 0.0) << r.name;
    }
}

TEST_F(PlayerActions, ReleaseOutOfReachWastesTheCharge) {
    placeBall({1, 1}, 0, 0);
    setInput({0, 2}, true);
    for (int i = 0; i < 10; ++i) practiceStep();
    EXPECT_EQ(w().power, 40);
    setInput({0, 2}, false);
    practiceStep();
    EXPECT_EQ(w().power, 0);
    EXPECT_EQ(w().ballClimb, 0.0);
}

TEST_F(PlayerActions, GroundPassSpeedByDistance) {
    struct Row { double d; double height; double want; } rows[] = {
        {0.5, 0, 0.03}, {0.51, 0, 0.035}, {1.0, 0, 0.035}, {1.2, 0, 0.04}, {1.6, 0, 0.045},
        {2.1, 0, 0.05}, {2.6, 0, 0.055}, {0.3, 0.05, 0.03 * 0.75},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall({0.1, 0}, 0, 0, r.height);
        w().holdRight = true;
        w().target = {r.d, 0};
        updateTargetBearing();
        groundPass();
        EXPECT_NEAR(w().ballSpeed, r.want, 1e-12) << "d=" << r.d << " h=" << r.height;
        EXPECT_EQ(w().ballClimb, 0.0);
    }
    SetUp();
    placeBall({0.1, 0}, 0, 0);
    w().holdRight = true;
    w().stage = 4;
    groundPass();
    EXPECT_EQ(w().ballSpeed, 0.0) << "no ground pass in stage 4";
}

TEST_F(PlayerActions, BothKicksInOneFrameGroundPassDecides) {
    w().playerPos = {0, 0};
    placeBall({0.07, 0}, 0, 0);  // in reach, but not within 0.06: no cooldown
    w().target = {2, 0};
    updateTargetBearing();
    w().power = 80;
    w().holdRight = true;
    loftedKick();
    EXPECT_GT(w().ballClimb, 0.0);
    EXPECT_EQ(w().touchCooldown, 0);
    groundPass();
    EXPECT_EQ(w().ballClimb, 0.0);
    EXPECT_DOUBLE_EQ(w().ballSpeed, 0.045);
}

TEST_F(PlayerActions, TouchWithinSixHundredthsBlocksTheNextTouch) {
    w().playerPos = {0, 0};
    placeBall({0.03, 0}, 0, 0);
    setInput({2, 0}, false, true);
    practiceStep();
    EXPECT_EQ(w().touchCooldown, 24);  // set to 25 by the pass, lowered in the same step
    const double speed = w().ballSpeed;
    EXPECT_GT(speed, 0.04);
    // The player runs after it; no dribble catches the ball during the cooldown.
    setInput({2, 0});
    for (int i = 0; i < 5; ++i) practiceStep();
    EXPECT_GT(w().ballPos.x, 0.2);
}

TEST_F(PlayerActions, RunningAcceleratesTurnsAndCapsSpeed) {
    w().playerPos = {0, 0};
    w().playerDir = 90;
    w().target = {3, 0};  // 90 degrees to the right
    updateTargetBearing();
    runPlayer();
    EXPECT_DOUBLE_EQ(w().playerSpeed, 0.001);
    EXPECT_DOUBLE_EQ(w().playerDir, 90 - 6.3);
    EXPECT_EQ(w().playerTurn, -6);
    for (int i = 0; i < 100; ++i) {
        updateTargetBearing();
        runPlayer();
    }
    EXPECT_DOUBLE_EQ(w().playerSpeed, tuning.runSpeed[1]);
    EXPECT_NEAR(w().playerDir, w().targetBearing, 1e-9);
    EXPECT_EQ(w().playerTurn, 0);
}

TEST_F(PlayerActions, TargetBehindBrakesWithoutTurning) {
    w().playerPos = {0, 0};
    w().playerDir = 0;
    w().playerSpeed = 0.0105;
    w().target = {-3, 0};
    double last = w().playerSpeed;
    int frames = 0;
    while (w().playerSpeed > 0 && frames < 100) {
        updateTargetBearing();
        runPlayer();
        ++frames;
        if (w().playerSpeed > 0) {
            EXPECT_DOUBLE_EQ(w().playerDir, 0);
            EXPECT_NEAR(last - w().playerSpeed, 0.002, 1e-12);  // +0.001 acceleration, -0.003 brake
        }
        last = w().playerSpeed;
    }
    EXPECT_EQ(frames, 6);
    EXPECT_DOUBLE_EQ(w().playerDir, 180);  // standing: faces the target at once
}

TEST_F(PlayerActions, NearTargetDeceleratesAndNeverExceedsArrivalCap) {
    w().playerPos = {0, 0};
    w().playerDir = 0;
    w().playerSpeed = 0.0035;
    w().target = {0.05, 0};
    for (int i = 0; i < 5; ++i) {
        const double before = w().playerSpeed;
        updateTargetBearing();
        runPlayer();
        EXPECT_LE(w().playerSpeed, 0.004);
        if (before > 0) {
            EXPECT_NEAR(w().playerSpeed, std::max(0.0, before - 0.0015), 1e-12);
        }
    }
}

TEST_F(PlayerActions, ArrivalBrakingBands) {
    struct Row { double d, cap; } rows[] = {
        {0.15, 0.006}, {0.2, 0.008}, {0.3, 0.01}, {0.4, 0.012}, {0.45, 0.014}, {0.55, 0.016}, {0.6, tuning.runSpeed[1]},
    };
    for (const Row& r : rows) {
        SetUp();
        w().playerDir = 0;
        w().playerSpeed = 0.0159;
        w().target = {r.d, 0};
        updateTargetBearing();
        runPlayer();
        EXPECT_NEAR(w().playerSpeed, std::min(0.0159 + (r.d > 0.24 ? 0.001 : r.d > 0.19 ? 0.0006 : 0.0004), r.cap), 1e-12)
            << "d=" << r.d;
    }
}

TEST_F(PlayerActions, HeldKickButtonKeepsSpeedAndDirection) {
    w().playerDir = 0;
    w().playerSpeed = 0.01;
    w().target = {0, 3};
    w().holdRight = true;
    updateTargetBearing();
    runPlayer();
    EXPECT_DOUBLE_EQ(w().playerSpeed, 0.01);
    EXPECT_DOUBLE_EQ(w().playerDir, 0);
    EXPECT_DOUBLE_EQ(w().playerPos.x, 0.01);
}

TEST_F(PlayerActions, HeaderReachesBetweenFiveAndThirtyHundredths) {
    struct Row { double height; bool headed; } rows[] = {{0.04, false}, {0.05, true}, {0.25, true}, {0.301, false}};
    for (const Row& r : rows) {
        SetUp();
        placeBall({0.05, 0}, 180, 0.01, r.height, -0.001);
        w().holdJump = true;
        w().target = {2, 0};
        updateTargetBearing();
        jumpAndHeader();
        EXPECT_EQ(w().jumpFrames, 49);
        EXPECT_EQ(w().ballSpeed == 0.032, r.headed) << r.height;  // d = 2: fourth header speed
    }
    // A ball at 0.25 is too high for a kick.
    SetUp();
    placeBall({0.05, 0}, 0, 0, 0.25);
    w().power = 100;
    loftedKick();
    EXPECT_EQ(w().ballSpeed, 0.0);
}

TEST_F(PlayerActions, SlidingTackleStartsMovesAndPlaysTheBall) {
    w().playerDir = 0;
    w().playerSpeed = 0.01;
    w().target = {0, 2};
    w().holdTackle = true;
    placeBall({0, 0.09}, 0, 0);
    updateTargetBearing();
    slideTackle();
    EXPECT_EQ(w().slideFrames, 79);
    EXPECT_DOUBLE_EQ(w().playerDir, 90);
    const double speed = 0.01 + tuning.slideBoost[1] - 0.0005;
    EXPECT_NEAR(w().playerSpeed, speed, 1e-12);
    EXPECT_NEAR(w().playerPos.y, speed, 1e-12);
    EXPECT_NEAR(w().ballSpeed, 0.01 + tuning.slideBoost[1] + 0.01, 1e-12);  // contact before the slide moves
    EXPECT_DOUBLE_EQ(w().ballDir, 90);
    EXPECT_EQ(motionState(), 2);

    for (int stage : {1, 2, 3, 4, 5, 7}) {
        SetUp();
        w().stage = static_cast<std::uint8_t>(stage);
        w().holdTackle = true;
        slideTackle();
        EXPECT_EQ(w().slideFrames, 0) << "stage " << stage;
    }
}

TEST_F(PlayerActions, MotionStateOfJumpSides) {
    w().jumpFrames = 10;
    w().playerDir = 90;
    w().targetBearing = 60;  // clockwise of the direction: rel 150
    EXPECT_EQ(motionState(), 5);
    w().targetBearing = 120;  // counter-clockwise: rel 210
    EXPECT_EQ(motionState(), 4);
    w().jumpFrames = 0;
    w().playerSpeed = 0.001;
    EXPECT_EQ(motionState(), 1);
    w().playerSpeed = 0;
    EXPECT_EQ(motionState(), 0);
}

TEST_F(PlayerActions, DribblePutsBallAheadAndCapsPlayerSpeed) {
    w().playerPos = {1, 1};
    w().playerDir = 0;
    w().playerSpeed = tuning.runSpeed[1];
    w().keeperRunning = 2;
    placeBall({1.05, 1}, 0, 0);
    dribble();
    EXPECT_NEAR(w().ballPos.x, 1 + tuning.runSpeed[1] * 3.25, 1e-12);
    EXPECT_DOUBLE_EQ(w().ballSpeed, tuning.runSpeed[1]);
    EXPECT_DOUBLE_EQ(w().playerSpeed, tuning.runSpeed[1] - 0.002);
    EXPECT_EQ(w().keeperRunning, 0);
}

TEST_F(PlayerActions, PlayerStaysInsideBounds) {
    w().playerPos = {5.69, -7.99};
    w().playerDir = 315;
    w().playerSpeed = 0.016;
    w().target = {9, -9};
    updateTargetBearing();
    runPlayer();
    EXPECT_DOUBLE_EQ(w().playerPos.x, 5.7);
    EXPECT_DOUBLE_EQ(w().playerPos.y, -8);
}
