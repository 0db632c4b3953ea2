#pragma once
// A clean practice world for each test: tables filled, large pitch, ball and
// keepers placed where they do not interfere unless the test moves them.

#include <gtest/gtest.h>

#include "ingamedata.h"
#include "pitch.h"
#include "practice.h"
#include "practiceworld.h"
#include "random.h"

class PracticeTest : public ::testing::Test {
protected:
    void SetUp() override {
        kf::initSimulation();
        kf::setPitchSize(3);
        kf::seedRandom(1234);
        kf::resetIngamedata();
        kf::ingamedata.practice = true;
        kf::practiceWorld = kf::TPracticeWorld{};
        auto& w = kf::practiceWorld;
        w.ballLive = true;
        w.keeperPos[1] = {0, kf::pitch.goalLineNeg + 0.05};
        w.keeperPos[2] = {0, kf::pitch.goalLinePos - 0.05};
        w.keeperDir[1] = 90;
        w.keeperDir[2] = 270;
    }

    static kf::TPracticeWorld& w() { return kf::practiceWorld; }

    // Ball in free flight with the given state.
    static void placeBall(kf::TVec2 pos, double dir, double speed, double height = 0, double climb = 0) {
        w().ballPos = pos;
        w().ballDir = dir;
        w().ballSpeed = speed;
        w().ballHeight = height;
        w().ballClimb = climb;
    }

    static void setInput(kf::TVec2 target, bool left = false, bool right = false, bool tackle = false,
                         bool jump = false) {
        kf::ingamedata.mouseTarget = target;
        kf::ingamedata.inputLeft = left;
        kf::ingamedata.inputRight = right;
        kf::ingamedata.inputTackle = tackle;
        kf::ingamedata.inputJump = jump;
    }
};
