#include <cmath>

#include "goalkeeper.h"
#include "practice_fixture.h"

using namespace kf;

using Goalkeeper = PracticeTest;

namespace {
double gn() { return pitch.goalLineNeg; }
double gp() { return pitch.goalLinePos; }
}  // namespace

TEST_F(Goalkeeper, SaveDecisionPicksTheVariant) {
    struct Row {
        const char* name;
        int keeper;
        TVec2 ball;
        double height;
        int action;
        double dir;
        int frames;  // dive frames after the step (one already used)
    } rows[] = {
        {"k1 high at keeper", 1, {0.02, -6.52 + 0.4}, 0.22, kaHighAtKeeper, 90, 51},
        {"k1 low block to +x", 1, {0.02, -6.52 + 0.4}, 0, kaBlockRight, 0, 84},
        {"k1 low block to -x", 1, {-0.02, -6.52 + 0.4}, 0, kaBlockLeft, 180, 84},
        {"k2 low block to +x", 2, {0.02, 6.52 - 0.4}, 0, kaBlockLeft, 0, 84},
        {"k2 low block to -x", 2, {-0.02, 6.52 - 0.4}, 0, kaBlockRight, 180, 84},
        {"k1 low dive to +x", 1, {0.15, -6.52 + 0.2}, 0, kaLowDiveRight, 0, 99},
        {"k1 low dive to -x", 1, {-0.15, -6.52 + 0.2}, 0, kaLowDiveLeft, 180, 99},
        {"k1 high dive to +x", 1, {0.15, -6.52 + 0.2}, 0.15, kaHighDiveRight, 0, 99},
        {"k2 low dive to +x", 2, {0.15, 6.52 - 0.2}, 0, kaLowDiveLeft, 0, 99},
        {"k2 high dive to -x", 2, {-0.15, 6.52 - 0.2}, 0.15, kaHighDiveRight, 180, 99},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall(r.ball, r.keeper == 1 ? 270 : 90, 0.06, r.height);
        keeperStep();
        EXPECT_EQ(w().keeperAction[r.keeper], r.action) << r.name;
        EXPECT_DOUBLE_EQ(w().keeperDir[r.keeper], r.dir) << r.name;
        EXPECT_EQ(w().keeperDiveFrames[r.keeper], r.frames) << r.name;
        EXPECT_EQ(w().keeperDiveFrames[3 - r.keeper], 0) << r.name;
    }
}

TEST_F(Goalkeeper, NoSaveForWideHighOrSlowShots) {
    struct Row { const char* name; TVec2 ball; double speed, height, climb; int wait; bool save; } rows[] = {
        {"wide of 0.65", {0.9, -6.52 + 0.2}, 0.06, 0, 0, 0, false},
        {"over the bar", {0.1, -6.52 + 0.2}, 0.06, 0.31, 0.004, 0, false},
        {"slow ball", {0.02, -6.52 + 0.4}, 0.025, 0, 0, 0, false},
        {"slow ball during a corner", {0.02, -6.52 + 0.4}, 0.025, 0, 0, 50, true},
        {"travelling away", {0.02, -6.52 + 0.4}, -1, 0, 0, 0, false},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall(r.ball, r.speed < 0 ? 90 : 270, std::fabs(r.speed), r.height, r.climb);
        w().keeperWaitFrames = static_cast<std::uint8_t>(r.wait);
        keeperStep();
        EXPECT_EQ(w().keeperDiveFrames[1] > 0, r.save) << r.name;
        if (!r.save) {
            const int a = w().keeperAction[1];
            EXPECT_TRUE(a == kaRunning || (a >= kaSideStepA && a <= kaStepBackward)) << r.name << " action " << a;
        }
    }
}

TEST_F(Goalkeeper, ReactFramesHoldOffSaves) {
    placeBall({0.02, gn() + 0.4}, 270, 0.06);
    w().keeperReactFrames = 2;
    keeperStep();
    EXPECT_EQ(w().keeperDiveFrames[1], 0);
    keeperStep();  // the countdown reaches 0 at the start of this step
    EXPECT_GT(w().keeperDiveFrames[1], 0);
}

TEST_F(Goalkeeper, HardShotInDiveIsParriedSidewaysAtHalfSpeed) {
    struct Row { int keeper; double keeperDir; double lo, hi; } rows[] = {
        {1, 0, -21.5, 22.5}, {1, 180, 157.5, 201.5}, {2, 0, 337.5, 381.5}, {2, 180, 158.5, 202.5},
    };
    for (const Row& r : rows) {
        for (int seed = 0; seed < 8; ++seed) {
            SetUp();
            seedRandom(seed);
            const int k = r.keeper;
            w().keeperAction[k] = k == 1 ? kaLowDiveRight : kaLowDiveLeft;
            w().keeperDir[k] = r.keeperDir;
            w().keeperDiveFrames[k] = 50;
            const TVec2 kp = w().keeperPos[k];
            placeBall({kp.x, kp.y + (k == 1 ? 0.05 : -0.05)}, k == 1 ? 270 : 90, 0.08);
            keeperStep();
            EXPECT_DOUBLE_EQ(w().ballSpeed, 0.04);
            EXPECT_EQ(w().keeperCooldown[k], 25);
            double d = w().ballDir;
            EXPECT_GE(d, 0);
            EXPECT_LE(d, 360);
            if (d < r.lo) d += 360;
            if (d > r.hi) d -= 360;
            EXPECT_GE(d, r.lo) << "keeper " << k << " dir " << r.keeperDir;
            EXPECT_LE(d, r.hi) << "keeper " << k << " dir " << r.keeperDir;
        }
    }
}

TEST_F(Goalkeeper, SoftBallCaughtAndHeldUntilDiveEnds) {
    w().keeperAction[1] = kaLowDiveRight;
    w().keeperDir[1] = 0;
    w().keeperSpeed[1] = 0.0;
    w().keeperDiveFrames[1] = 10;
    placeBall({w().keeperPos[1].x, w().keeperPos[1].y + 0.05}, 270, 0.04);
    keeperStep();
    EXPECT_EQ(w().keeperAction[1], kaDiveRightCaught);
    EXPECT_EQ(w().keeperCatch[1], 100);
    EXPECT_EQ(w().keeperDiveFrames[1], 9 + 90);
    for (int i = 0; i < 98; ++i) {
        keeperStep();
        ASSERT_EQ(w().ballSpeed, 0.0);
        ASSERT_DOUBLE_EQ(w().ballPos.x, w().keeperPos[1].x);
    }
    EXPECT_EQ(w().keeperCatch[1], 100);
    keeperStep();
    EXPECT_EQ(w().keeperDiveFrames[1], 0);
    EXPECT_EQ(w().keeperCatch[1], 0);
}

TEST_F(Goalkeeper, BlockCatchesEvenAHardBallAndHighSavePunches) {
    w().keeperAction[1] = kaBlockLeft;
    w().keeperDiveFrames[1] = 40;
    placeBall({w().keeperPos[1].x, w().keeperPos[1].y + 0.05}, 270, 0.1);
    keeperStep();
    EXPECT_EQ(w().keeperAction[1], kaBlockLeftCaught);
    EXPECT_EQ(w().keeperCatch[1], 100);
    EXPECT_EQ(w().keeperDiveFrames[1], 39);  // a block keeps its own frames

    SetUp();
    w().keeperAction[2] = kaHighAtKeeper;
    w().keeperDiveFrames[2] = 40;
    placeBall({w().keeperPos[2].x, w().keeperPos[2].y - 0.05}, 90, 0.1, 0.2);
    keeperStep();
    EXPECT_EQ(w().keeperAction[2], kaHighAtKeeper);
    EXPECT_DOUBLE_EQ(w().ballClimb, 0.02);
    EXPECT_EQ(w().keeperCooldown[2], 25);
    EXPECT_EQ(w().keeperCatch[2], 0);
}

TEST_F(Goalkeeper, LooseBallInBoxFetchedOnlyWhenKeeperIsNearer) {
    const TVec2 ball{0.5, gn() + 1.5};
    const double towardsBall = bearing(w().keeperPos[1], ball);
    placeBall(ball, 0, 0);
    w().playerPos = {0, 0};
    keeperStep();
    EXPECT_EQ(w().keeperAction[1], kaRunning);
    EXPECT_NEAR(w().keeperDir[1], towardsBall, 1e-9);

    SetUp();
    placeBall(ball, 0, 0);
    w().playerPos = {0.5, gn() + 1.6};
    keeperStep();
    EXPECT_GT(std::fabs(w().keeperDir[1] - towardsBall), 5.0);  // keeps position instead
}

TEST_F(Goalkeeper, StepActionWhileKeepingPosition) {
    // Ball at the centre spot: keeper 1's spot is (0, gn + 0.2), facing +y.
    struct Row { TVec2 offset; int action; } rows[] = {
        {{0, -0.01}, kaStepForward}, {{0, 0.01}, kaStepBackward}, {{0.01, 0}, kaSideStepB}, {{-0.01, 0}, kaSideStepA},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall({0, 0}, 0, 0);
        w().keeperPos[1] = {r.offset.x, gn() + 0.2 + r.offset.y};
        keeperStep();
        EXPECT_EQ(w().keeperAction[1], r.action) << r.offset.x << "," << r.offset.y;
        EXPECT_NEAR(w().keeperSpeed[1], 0.01, 1e-9);
        EXPECT_NEAR(w().keeperPos[1].y, gn() + 0.2, 1e-9);
    }
}

TEST_F(Goalkeeper, PickUpHoldsHundredFramesThenGivesBallBack) {
    w().playerPos = {1, 1};
    w().keeperRunning = 1;
    placeBall({0.03, gn() + 0.05}, 270, 0.0);
    w().keeperRunning = 0;
    keeperStep();
    EXPECT_EQ(w().keeperAction[1], kaHolding);
    EXPECT_EQ(w().keeperPickup[1], 99);
    EXPECT_DOUBLE_EQ(w().ballPos.y, w().keeperPos[1].y + 0.05);
    EXPECT_DOUBLE_EQ(w().keeperDir[1], 90);
    for (int i = 0; i < 98; ++i) keeperStep();
    EXPECT_EQ(w().keeperPickup[1], 1);
    EXPECT_DOUBLE_EQ(w().ballPos.x, w().keeperPos[1].x);
    keeperStep();
    EXPECT_EQ(w().keeperPickup[1], 0);
    EXPECT_DOUBLE_EQ(w().ballPos.x, 1);
    EXPECT_DOUBLE_EQ(w().ballPos.y, 1);
}

TEST_F(Goalkeeper, ShotReactionSendsKeeperToTheCrossing) {
    struct Row { const char* name; TVec2 from; double dir; int running; } rows[] = {
        {"from midfield at goal 2", {0.1, 0}, 90, 2},
        {"from midfield at goal 1", {-0.1, 0}, 270, 1},
        {"from near the goal", {0.1, 3.0}, 90, 0},
        {"wide", {1.0, 0}, 90, 0},
    };
    for (const Row& r : rows) {
        SetUp();
        placeBall(r.from, r.dir, 0.08);
        keeperShotReaction();
        EXPECT_EQ(w().keeperRunning, r.running) << r.name;
        if (r.running == 2) {
            EXPECT_NEAR(w().keeperRunTo.x, r.from.x, 1e-9) << r.name;
            EXPECT_DOUBLE_EQ(w().keeperRunTo.y, gp() - 0.01) << r.name;
        }
        if (r.running == 1) {
            EXPECT_DOUBLE_EQ(w().keeperRunTo.y, gn() + 0.01) << r.name;
        }
    }
}

TEST_F(Goalkeeper, RunsToTheLineOnlyWhenTheBallIsNear) {
    w().keeperRunning = 2;
    w().keeperRunTo = {0.3, gp() - 0.01};
    placeBall({0, 0}, 90, 0.0);
    keeperStep();
    EXPECT_DOUBLE_EQ(w().keeperPos[2].x, 0);  // ball more than 1.0 away: waits

    placeBall({0, gp() - 0.9}, 90, 0.0);
    for (int i = 0; i < 40; ++i) keeperStep();
    EXPECT_DOUBLE_EQ(w().keeperPos[2].x, 0.3);
    EXPECT_DOUBLE_EQ(w().keeperPos[2].y, gp() - 0.01);
    EXPECT_EQ(w().keeperAction[2], kaStanding);
    EXPECT_EQ(w().keeperSpeed[2], 0.0);
}

TEST_F(Goalkeeper, ForecastFindsKeeperLineAndNearness) {
    placeBall({0.05, gn() + 1.0}, 270, 0.06);
    forecastShot();
    EXPECT_TRUE(shotForecast.nearKeeper);
    EXPECT_LT(shotForecast.keeperLine.y, w().keeperPos[1].y);
    EXPECT_NEAR(shotForecast.keeperLine.x, 0.05, 1e-9);
    EXPECT_LT(shotForecast.pos.y, gn());
    // The forecast leaves the real ball alone.
    EXPECT_DOUBLE_EQ(w().ballPos.y, gn() + 1.0);

    placeBall({0.5, 0}, 0, 0.02);  // rolls out sideways before stopping? no: stops on the pitch
    forecastShot();
    EXPECT_FALSE(shotForecast.nearKeeper);
    EXPECT_EQ(shotForecast.keeperLine.y, 0.0);
    EXPECT_EQ(shotForecast.speed, 0.0);
}
