#include <cmath>

#include "animtriggers.h"
#include "goalkeeper.h"
#include "playeractions.h"
#include "practice_fixture.h"
#include "vkeys.h"

using namespace kf;

using Practice = PracticeTest;

TEST_F(Practice, SetStageTable) {
    struct Row { int stage; bool live; TVec2 player; bool ballMoved; TVec2 ball; } rows[] = {
        {1, false, {0, 0}, false, {}},
        {2, true, {0, 0}, true, {0, 0}},
        {5, true, {0, 0}, true, {0, 0}},
        {6, false, {0, 0}, true, {0, 0}},
        {7, true, {0, -3.5}, true, {0, 0}},
    };
    for (const Row& r : rows) {
        SetUp();
        w().playerPos = {1, 1};
        w().ballPos = {2, 2};
        w().stageTarget = 3;
        w().slideFrames = 40;
        setStage(r.stage);
        EXPECT_EQ(w().stage, r.stage);
        EXPECT_EQ(w().ballLive, r.live) << r.stage;
        EXPECT_EQ(w().stageTarget, 1) << r.stage;
        EXPECT_DOUBLE_EQ(w().playerPos.y, r.player.y) << r.stage;
        EXPECT_DOUBLE_EQ(w().ballPos.x, r.ballMoved ? r.ball.x : 2) << r.stage;
        EXPECT_EQ(w().slideFrames, r.stage == 6 ? 40 : 0) << r.stage;
    }
    // Free practice keeps positions and the target; out-of-range stages are ignored.
    SetUp();
    w().playerPos = {1, 1};
    w().stageTarget = 3;
    w().ballLive = false;
    setStage(0);
    EXPECT_TRUE(w().ballLive);
    EXPECT_EQ(w().stageTarget, 3);
    EXPECT_DOUBLE_EQ(w().playerPos.x, 1);
    for (int bad : {8, -1, 255}) {
        setStage(bad);
        EXPECT_EQ(w().stage, 0) << bad;
    }
}

TEST_F(Practice, StageOneRunsThroughFourAreas) {
    setStage(1);
    for (int area = 1; area <= 4; ++area) {
        const TVec2 target = tutorialTarget(area);
        setInput(target);
        int frames = 0;
        while (w().stageTarget == area && frames < 2000) {
            practiceStep();
            ++frames;
        }
        ASSERT_LT(frames, 2000) << "area " << area << " never reached";
        EXPECT_EQ(w().stageDone, area == 4);
    }
    EXPECT_EQ(w().stageTarget, 5);
    // A finished step freezes the player.
    const TVec2 at = w().playerPos;
    setInput({3, 3});
    practiceStep();
    EXPECT_DOUBLE_EQ(w().playerPos.x, at.x);
}

TEST_F(Practice, StageTwoCountsAHighBallOverTheArea) {
    setStage(2);
    // A ball flying high over the centre of area 1 counts.
    placeBall({2, 1.76}, 90, 0.05, 0.25, 0.01);
    practiceStep();
    EXPECT_EQ(w().stageTarget, 1);  // the check runs before this frame's ball step
    practiceStep();
    EXPECT_EQ(w().stageTarget, 2);
}

TEST_F(Practice, StageFourNeedsTheBallAtRest) {
    setStage(4);
    placeBall({2.1, 2}, 0, 0.01, 0.1, -0.002);  // passing through, still moving
    practiceStep();
    EXPECT_EQ(w().stageTarget, 1);
    placeBall({2.3, 2}, 0, 0, 0, 0);  // resting within 0.4
    practiceStep();
    EXPECT_EQ(w().stageTarget, 2);
    EXPECT_DOUBLE_EQ(w().ballPos.x, w().playerPos.x);  // and back at the player's feet
}

TEST_F(Practice, StageFourLoftedPassIsPlayable) {
    setStage(4);
    setInput(tutorialTarget(1), true);
    for (int i = 0; i < 20; ++i) practiceStep();
    setInput(tutorialTarget(1), false);
    practiceStep();
    EXPECT_GT(w().ballClimb, 0.0);
    EXPECT_GT(w().ballSpeed, 0.0);
    EXPECT_EQ(w().playerSpeed, 0.0);  // cannot run in this step
}

TEST_F(Practice, StageSixCountsOnlyWhileSliding) {
    setStage(6);
    w().playerPos = {2, 1.85};
    setInput({2, 3});
    practiceStep();
    EXPECT_EQ(w().stageTarget, 1);
    setInput({2, 3}, false, false, true);
    practiceStep();  // the slide starts in this step
    practiceStep();  // and is seen by the next check
    EXPECT_EQ(w().stageTarget, 2);
}

TEST_F(Practice, StageSevenWallGoalAndRetry) {
    setStage(7);
    // The ball starts at rest away from the player: it comes to the player's feet.
    w().ballSpeed = 0;
    practiceStep();
    EXPECT_NEAR(w().ballPos.y, -3.5, 0.1);

    // A ball entering the wall is put back in front of it, slowed and mirrored.
    placeBall({0, -4.45}, 270, 0.06, 0.1, 0);
    setInput({0, -3.5});
    practiceStep();
    EXPECT_GT(w().ballPos.y, -4.4);
    EXPECT_DOUBLE_EQ(w().ballDir, 90);
    EXPECT_LT(w().ballSpeed, 0.021);

    // A ball resting in the -y goal finishes the step.
    placeBall({0.1, pitch.goalLineNeg - 0.1}, 0, 0);
    practiceStep();
    EXPECT_TRUE(w().stageDone);

    // Resting on the net's roof is not a goal.
    SetUp();
    setStage(7);
    placeBall({0.1, pitch.goalLineNeg - 0.1}, 0, 0, pitch.crossbarHeight + 0.022, 0);
    practiceStep();
    EXPECT_FALSE(w().stageDone);
}

TEST_F(Practice, SlideCarriedIntoTheTutorialDoesNotFreezeThePlayer) {
    setStage(0);
    setInput({0, 2}, false, false, true);
    practiceStep();
    ASSERT_GT(w().slideFrames, 0);
    setStage(1);
    setInput(tutorialTarget(1));
    for (int i = 0; i < 30; ++i) practiceStep();
    EXPECT_GT(w().playerSpeed, 0.0);
}

TEST_F(Practice, GoalReturnsBallAfterNinetyNineFrames) {
    w().playerPos = {1, 0};
    placeBall({0.1, pitch.goalLinePos - 0.01}, 90, 0.05);
    w().keeperPos[2] = {2, pitch.goalLinePos};  // out of the way
    setInput({1, 0});
    int frame = 0;
    while (w().ballResetFrames == 0 && frame < 10) {
        practiceStep();
        ++frame;
    }
    ASSERT_EQ(w().ballResetFrames, 99);  // set to 100 by the ball step, lowered in the same frame
    for (int i = 0; i < 98; ++i) practiceStep();
    EXPECT_GT(distance(w().ballPos, w().playerPos), 1.0);
    practiceStep();
    EXPECT_DOUBLE_EQ(w().ballPos.x, w().playerPos.x);
    EXPECT_DOUBLE_EQ(w().ballPos.y, w().playerPos.y);
}

TEST_F(Practice, RecallAndCornerKeys) {
    ingamedata.practice = false;
    w().ballPos = {3, 3};
    practiceKey('R');
    practiceKey('C');
    EXPECT_DOUBLE_EQ(w().ballPos.x, 3) << "keys do nothing outside practice";

    ingamedata.practice = true;
    practiceKey(vkF3);       // same code as 'r'
    practiceKey(0x63);       // numpad 3, same code as 'c'
    EXPECT_DOUBLE_EQ(w().ballPos.x, 3) << "F3 and numpad 3 are not R and C";
    w().playerPos = {1, 2};
    w().keeperPickup[1] = 50;
    w().keeperAction[1] = kaHolding;
    placeBall({3, 3}, 10, 0.05, 0.1, 0.01);
    practiceKey('R');
    EXPECT_DOUBLE_EQ(w().ballPos.x, 1);
    EXPECT_EQ(w().ballSpeed, 0.0);
    EXPECT_EQ(w().ballHeight, 0.0);
    EXPECT_EQ(w().ballClimb, 0.0);
    EXPECT_EQ(w().keeperPickup[1], 0);
    EXPECT_EQ(w().keeperAction[1], 0);

    // Corners alternate sides, at the end where the player stands.
    double xs[2];
    for (int i = 0; i < 2; ++i) {
        practiceKey('C');
        xs[i] = w().ballPos.x;
        EXPECT_DOUBLE_EQ(w().ballPos.y, pitch.goalLinePos - 0.05);
        EXPECT_EQ(w().keeperWaitFrames, 120);
        EXPECT_DOUBLE_EQ(w().keeperPos[2].y, pitch.goalLinePos - 0.07);
        EXPECT_DOUBLE_EQ(w().keeperPos[1].x, 0);
        EXPECT_GT(w().ballClimb, 0.0);
        EXPECT_EQ(w().keeperReactFrames, 20);
        const double d = w().ballDir;
        if (xs[i] < 0) EXPECT_TRUE(d >= 348 && d <= 357) << d;
        else EXPECT_TRUE(d >= 183 && d <= 192) << d;
    }
    EXPECT_DOUBLE_EQ(xs[0], pitch.sideLineNeg + 0.05);
    EXPECT_DOUBLE_EQ(xs[1], pitch.sideLinePos - 0.05);

    w().playerPos = {0, -1};
    practiceKey('C');
    EXPECT_DOUBLE_EQ(w().ballPos.y, pitch.goalLineNeg + 0.05);
    EXPECT_TRUE(w().ballDir >= 3 && w().ballDir <= 12) << w().ballDir;
}

TEST_F(Practice, HandOverCopiesStateAndRunsTriggers) {
    w().playerPos = {0.5, 0.5};
    setInput({3, 0.5});
    placeBall({-1, -1}, 45, 0.02, 0.05, 0.001);
    practiceStep();
    EXPECT_DOUBLE_EQ(ingamedata.playerPos(1, 1).x, w().playerPos.x);
    EXPECT_DOUBLE_EQ(ingamedata.playerSpeed(1, 1), w().playerSpeed);
    EXPECT_EQ(ingamedata.playerMotion(1, 1), 1);
    EXPECT_TRUE(ingamedata.playerAnimStarted(1, 1)[1]);
    EXPECT_DOUBLE_EQ(ingamedata.ballPos.x, w().ballPos.x);
    EXPECT_DOUBLE_EQ(ingamedata.ballHeight, w().ballHeight);
    EXPECT_EQ(ingamedata.ballClimb, 0.0) << "the practice copy leaves the climb at 0";
    EXPECT_DOUBLE_EQ(ingamedata.keeperPos[2].y, w().keeperPos[2].y);
    EXPECT_EQ(ingamedata.keeperWithBall, 0);

    // A keeper holding the ball is handed over as keeperWithBall.
    placeBall({w().keeperPos[1].x + 0.02, w().keeperPos[1].y}, 0, 0);
    practiceStep();
    EXPECT_EQ(w().keeperAction[1], kaHolding);
    EXPECT_EQ(ingamedata.keeperWithBall, 1);
}

TEST_F(Practice, BeginPracticeResetsTheDisplayedMatch) {
    ingamedata.score = {2, 2};
    w().keeperPos[1] = {0.3, -2};
    beginPractice(0, "averyveryverylongname");
    EXPECT_TRUE(ingamedata.practice);
    EXPECT_EQ(ingamedata.phase, 1);
    EXPECT_EQ(ingamedata.teamSize, 1);
    EXPECT_EQ(ingamedata.score[0], 0);
    EXPECT_EQ(ingamedata.playerName(1, 1).view(), "averyveryverylo");
    EXPECT_EQ(pitch.pitchSize, 3);
    EXPECT_DOUBLE_EQ(w().keeperPos[1].y, pitch.goalLineNeg);
    EXPECT_DOUBLE_EQ(w().keeperPos[1].x, 0.3);
    EXPECT_EQ(w().stage, 0);

    beginPractice(1, "me");
    EXPECT_EQ(w().stage, 1);
    EXPECT_FALSE(w().ballLive);
}

TEST(AnimTriggers, PlayerMotionTable) {
    resetIngamedata();
    auto& flags = ingamedata.playerAnimStarted(2, 3);
    auto& clocks = ingamedata.playerAnimClock(2, 3);
    auto motion = [&](int m) {
        ingamedata.playerMotion(2, 3) = static_cast<std::uint8_t>(m);
        playerAnimTriggers(2, 3);
    };
    motion(1);
    EXPECT_TRUE(flags[1]);
    clocks[1] = 7;
    motion(1);
    EXPECT_EQ(clocks[1], 7.0) << "running on does not restart the run";
    motion(2);
    EXPECT_TRUE(flags[2]);
    EXPECT_TRUE(flags[1]) << "a slide leaves the run flag";
    motion(1);
    EXPECT_FALSE(flags[2]);
    motion(4);
    EXPECT_TRUE(flags[4] && flags[5]);
    clocks[4] = 12;
    motion(5);
    EXPECT_EQ(clocks[4], 12.0) << "the two jump sides share one clock";
    motion(0);
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(flags[k]) << k;
    motion(3);
    EXPECT_TRUE(flags[3]);
    motion(255);
    EXPECT_TRUE(ingamedata.playerThrowIn(2, 3));
}

TEST(AnimTriggers, KeeperActionsAndBallHolder) {
    resetIngamedata();
    auto act = [](int team, int a) {
        ingamedata.keeperAction[team] = static_cast<std::uint8_t>(a);
        keeperAnimTriggers(team);
    };
    act(2, 16);
    EXPECT_TRUE(ingamedata.keeperAnimStarted[2][16]);
    EXPECT_EQ(ingamedata.keeperAnimClock[2][16], 15.0) << "catching dives start mid-animation";
    EXPECT_EQ(ingamedata.keeperWithBall, 2);
    ingamedata.keeperWithBall = 0;
    act(2, 3);
    EXPECT_EQ(ingamedata.keeperWithBall, 2) << "action 3 leaves the catch flags";
    ingamedata.keeperWithBall = 0;
    act(2, 0);
    EXPECT_FALSE(ingamedata.keeperAnimStarted[2][16]);
    EXPECT_EQ(ingamedata.keeperWithBall, 0);
    act(1, 8);
    EXPECT_EQ(ingamedata.keeperAnimClock[1][8], 0.0);
    EXPECT_EQ(ingamedata.keeperWithBall, 0);
    act(1, 2);
    EXPECT_EQ(ingamedata.keeperWithBall, 1);
    act(1, 200);  // a bad byte from a server touches no flag
    EXPECT_EQ(ingamedata.keeperWithBall, 1);
}
