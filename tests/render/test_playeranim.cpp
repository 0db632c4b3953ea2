#include <gtest/gtest.h>

#include <cmath>

#include "animtriggers.h"
#include "ingamedata.h"
#include "playeranim.h"

using namespace kf;

class PlayerAnim : public ::testing::Test {
protected:
    void SetUp() override {
        resetIngamedata();
        ingamedata.playerName(1, 1) = "p";
    }
};

TEST_F(PlayerAnim, NamesByMotion) {
    struct Row { int motion; const char* name; } rows[] = {
        {0, "standing"}, {1, "run"}, {2, "slidetackle"}, {3, "fall"}, {4, "header_right"}, {5, "header_left"}, {9, "standing"},
    };
    for (const Row& r : rows) {
        ingamedata.playerMotion(1, 1) = static_cast<std::uint8_t>(r.motion);
        EXPECT_EQ(playerAnimName(1, 1), r.name) << r.motion;
    }
    ingamedata.playerThrowIn(1, 1) = true;
    EXPECT_EQ(playerAnimName(1, 1), "throwin");
}

TEST_F(PlayerAnim, RunLoopsOverFramesFourToTwentyNine) {
    ingamedata.playerMotion(1, 1) = 1;
    ingamedata.playerSpeed(1, 1) = 0.0169;
    EXPECT_NEAR(playerAnimFrame(1, 1), 0.7605, 1e-12);
    ingamedata.playerAnimClock(1, 1)[1] = 28.9;
    EXPECT_NEAR(playerAnimFrame(1, 1), 4.6605, 1e-12);
}

TEST_F(PlayerAnim, ClockStepsOfTheOtherMotions) {
    struct Row { int motion; int clock; double step; } rows[] = {{2, 2, 0.62}, {3, 3, 0.69}, {4, 4, 0.64}, {5, 4, 0.64}};
    for (const Row& r : rows) {
        SetUp();
        ingamedata.playerMotion(1, 1) = static_cast<std::uint8_t>(r.motion);
        playerAnimFrame(1, 1);
        EXPECT_DOUBLE_EQ(playerAnimFrame(1, 1), 2 * r.step) << r.motion;
        EXPECT_DOUBLE_EQ(ingamedata.playerAnimClock(1, 1)[r.clock], 2 * r.step) << r.motion;
    }
    ingamedata.playerMotion(1, 1) = 0;
    ingamedata.playerAnimClock(1, 1)[0] = 5;
    EXPECT_EQ(playerAnimFrame(1, 1), 0.0);
    EXPECT_EQ(ingamedata.playerAnimClock(1, 1)[0], 0.0);
}

TEST_F(PlayerAnim, ThrowInHoldsThenRunsOutOnTheNinthFrame) {
    ingamedata.playerMotion(1, 1) = 255;
    playerAnimTriggers(1, 1);
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(playerAnimFrame(1, 1), 14.2);
    ingamedata.playerMotion(1, 1) = 1;
    ingamedata.playerSpeed(1, 1) = 0.01;
    for (int i = 1; i <= 8; ++i) {
        playerAnimFrame(1, 1);
        EXPECT_TRUE(ingamedata.playerThrowIn(1, 1)) << i;
    }
    EXPECT_NEAR(playerAnimFrame(1, 1), 14.2 + 9 * 0.57, 1e-9);
    EXPECT_FALSE(ingamedata.playerThrowIn(1, 1));
    EXPECT_EQ(ingamedata.playerAnimClock(1, 1)[1], 0.0) << "the run clock did not move meanwhile";
}

TEST_F(PlayerAnim, KeeperTable) {
    struct Row { int action; const char* name; int clock; int partner; double step; } rows[] = {
        {8, "dive_m_left", 8, 15, 0.68},         {9, "dive_m_right", 9, 16, 0.68},
        {10, "jump_punch", 10, 19, 0.7},         {11, "dive_l_left", 11, 17, 0.56},
        {12, "dive_l_right", 12, 18, 0.56},      {13, "dive_h_left", 13, 15, 0.68},
        {14, "dive_h_right", 14, 16, 0.68},      {15, "dive_grab_m_left", 15, 8, 0.68},
        {16, "dive_grab_m_right", 16, 9, 0.68},  {17, "dive_grab_l_left", 17, 11, 0.56},
        {18, "dive_grab_l_right", 18, 12, 0.56}, {19, "jump_grab", 19, 10, 0.7},
    };
    for (const Row& r : rows) {
        resetIngamedata();
        ingamedata.keeperAction[2] = static_cast<std::uint8_t>(r.action);
        EXPECT_EQ(keeperAnimName(2), r.name) << r.action;
        EXPECT_DOUBLE_EQ(keeperAnimFrame(2), r.step) << r.action;
        EXPECT_DOUBLE_EQ(ingamedata.keeperAnimClock[2][r.clock], r.step) << r.action;
        EXPECT_DOUBLE_EQ(ingamedata.keeperAnimClock[2][r.partner], r.step) << r.action;
    }
}

TEST_F(PlayerAnim, KeeperLoopsAndBackwardWalk) {
    auto& K = ingamedata.keeperAnimClock[1];
    ingamedata.keeperSpeed[1] = 0.02;
    struct Row { int action; const char* name; double start; double want; } rows[] = {
        {1, "runloop", 26.5, 26.5 + 0.9 - 27 + 4},
        {4, "sidestep_left", 22, 22 + 5 - 23},
        {5, "sidestep_right", 1, 6},
        {6, "walk", 38, 38 + 5 - 39 + 5},
        {7, "walk", 8, 8 - 5 + 39 - 5},
        {2, "stand_holdball", 3, 15},
        {0, "stand", 3, 0},
    };
    for (const Row& r : rows) {
        ingamedata.keeperAction[1] = static_cast<std::uint8_t>(r.action);
        K[r.action] = r.start;
        EXPECT_EQ(keeperAnimName(1), r.name);
        EXPECT_NEAR(keeperAnimFrame(1), r.want, 1e-9) << r.action;
    }
}

TEST(FigureMaths, ScalesAnglesAndLabelSizes) {
    EXPECT_DOUBLE_EQ(bodyScale(0), 0.001);
    EXPECT_DOUBLE_EQ(bodyScale(1), 0.0011);
    EXPECT_DOUBLE_EQ(bodyScale(2), 0.0012);
    EXPECT_DOUBLE_EQ(bodyScale(7), 0.0011);
    EXPECT_NEAR(figureAngle(90), 0, 1e-12);
    EXPECT_NEAR(figureAngle(180), M_PI / 2, 1e-12);
    resetIngamedata();
    ingamedata.keeperAction[2] = 11;
    ingamedata.keeperDir[2] = 0;
    EXPECT_NEAR(keeperAngle(2), M_PI, 1e-12) << "dives face along the pitch";
    ingamedata.keeperAction[2] = 10;
    EXPECT_NEAR(keeperAngle(2), -M_PI / 2, 1e-12);
    struct Row { int h, size; } rows[] = {{480, 7}, {600, 8}, {768, 10}, {1050, 10}, {1080, 11}, {1150, 12}, {1250, 12}, {2160, 22}};
    for (const Row& r : rows) EXPECT_EQ(labelFontSize(r.h), r.size) << r.h;
}
