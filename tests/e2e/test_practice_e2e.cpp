// Free practice through the match window's real handlers: the player follows
// the cursor, a shot goes into the goal, R recalls the ball, C calls corners
// from alternating sides; the camera presets, the reversed angle and the menu
// are shown and photographed on the way.
#include <Qt>

#include "e2e_fixture.h"
#include "goalkeeper.h"
#include "pitch.h"
#include "vkeys.h"

using namespace kf;
using namespace kf::e2e;

class FreePractice : public MatchWindowTest {
protected:
    // A line typed into the chat (F5) and sent.
    void say(const std::string& line) {
        key(Qt::Key_F5);
        for (char c : line) key(0, std::string(1, c));
        key(Qt::Key_Return, "\r");
    }
    bool runTo(const TVec2& p) {
        return runUntil([&] {
            pointAt(p);
            return distance(practiceWorld.playerPos, p) < 0.2;
        }, 800);
    }
};

TEST_F(FreePractice, ShotRecallCornersCamerasAndLeave) {
    start(0);
    EXPECT_EQ(ingameChat.history[0].text.view(), "Press C to call corner");
    EXPECT_EQ(ingameChat.history[1].text.view(), "Press R to recall ball");

    // The player runs to the cursor.
    const TVec2 spot{1.2, -1.0};
    const double before = distance(practiceWorld.playerPos, spot);
    for (int i = 0; i < 40; ++i) {
        pointAt(spot);
        frame();
    }
    EXPECT_LT(distance(practiceWorld.playerPos, spot), before - 0.4);
    screenshot("practice-follow");

    // Up to the -y penalty area, then a shot into the goal past the keeper.
    const TVec2 shootingSpot{0.3, -4.3};
    ASSERT_TRUE(runTo(shootingSpot));
    key(Qt::Key_R, "r");
    EXPECT_LT(distance(practiceWorld.ballPos, practiceWorld.playerPos), 1e-9) << "R puts the ball at the feet";
    bool scored = false;
    for (double x : {0.32, -0.32, 0.2, -0.2}) {
        scored = kickUntil({x, pitch.goalLineNeg}, true, [] { return practiceWorld.ballResetFrames > 0; },
                           aims(0.2, 2.6, 0.2), 400);
        if (scored) break;
    }
    ASSERT_TRUE(scored);
    EXPECT_GT(practiceWorld.ballPos.y, pitch.netBackNeg - 0.05);
    EXPECT_LT(practiceWorld.ballPos.y, pitch.goalLineNeg);
    screenshot("practice-goal");

    // A lofted pass across the pitch, photographed in flight with its shadow.
    ASSERT_TRUE(runTo(shootingSpot));
    key(Qt::Key_R, "r");
    ASSERT_TRUE(kickUntil({3, -3}, true, [] { return practiceWorld.ballHeight > 0.15; }, {2.0}, 100));
    screenshot("practice-lofted-ball");

    // A ground ball straight at the keeper: he saves or picks it up.
    ASSERT_TRUE(runTo(shootingSpot));
    key(Qt::Key_R, "r");
    ASSERT_TRUE(kickUntil({0, pitch.goalLineNeg}, false, [] {
        const int a = practiceWorld.keeperAction[1];
        return a == 2 || a >= 8;
    }, {2.0, 2.6}, 300));
    screenshot("practice-keeper");

    // Corners from alternating sides at the end where the player stands.
    key(Qt::Key_C, "c");
    const double firstX = practiceWorld.ballPos.x;
    frame();
    EXPECT_GT(practiceWorld.ballHeight, 0.0) << "the corner is lofted";
    frame(80);
    key(Qt::Key_C, "c");
    const double secondX = practiceWorld.ballPos.x;
    EXPECT_DOUBLE_EQ(std::fabs(firstX), pitch.sideLinePos - 0.05);
    EXPECT_LT(firstX * secondX, 0.0) << "the second corner comes from the other side";
    EXPECT_DOUBLE_EQ(practiceWorld.ballPos.y, pitch.goalLineNeg + 0.05);
    frame(20);

    // Camera presets and the reversed angle.
    key(Qt::Key_1, "1");
    frame(2);
    screenshot("practice-preset1");
    key(Qt::Key_3, "3");
    frame(2);
    EXPECT_EQ(cameraPresets.selectedCamera, 3);
    screenshot("practice-preset3");
    key(Qt::Key_1, "1");
    key(Qt::Key_5, "5");
    frame(2);
    EXPECT_TRUE(cameraPresets.reversedAngle);
    screenshot("practice-reversed");
    key(Qt::Key_5, "5");
    key(Qt::Key_3, "3");

    // Esc opens the menu; its leave button ends the practice.
    key(Qt::Key_Escape);
    EXPECT_TRUE(ingamedata.menuOpen);
    frame();
    screenshot("practice-menu");
    clickButton(kLeaveX);
    EXPECT_TRUE(left);
    EXPECT_FALSE(ingamedata.practice);
}

// A series from a closer camera: the player closing in on the cursor, a
// lofted ball in the air above its shadow, the keeper diving at a shot by the
// post and then holding the ball or seeing it go past.
TEST_F(FreePractice, CloseUpSeriesOfFollowLoftAndDive) {
    start(0);
    key(Qt::Key_2, "2");
    say("/camera on");
    ASSERT_TRUE(cameraEditor);
    for (int i = 0; i < 20; ++i) key(Qt::Key_E, "e");  // a narrower view
    for (int i = 0; i < 2; ++i) app->onMouseWheel(-120);  // from lower down
    EXPECT_NEAR(cameraPresets.fov[2], 0.4f, 1e-4);
    say("/camera off");
    ASSERT_FALSE(cameraEditor);
    frame(2);

    const TVec2 spot{1.2, -1.4};
    const double first = distance(practiceWorld.playerPos, spot);
    double last = first;
    for (const char* name : {"series-1-follow-a", "series-1-follow-b", "series-1-follow-c"}) {
        for (int i = 0; i < 17; ++i) {
            pointAt(spot);
            frame();
        }
        const double now = distance(practiceWorld.playerPos, spot);
        EXPECT_LT(now, last) << name << ": the player keeps closing in";
        last = now;
        screenshot(name);
    }
    EXPECT_LT(last, first - 0.5);

    ASSERT_TRUE(runTo({0.3, -4.0}));
    key(Qt::Key_R, "r");
    ASSERT_TRUE(kickUntil({1.6, -2.2}, true, [] { return practiceWorld.ballHeight > 0.12; }, {1.6, 2.0}, 100));
    EXPECT_GT(practiceWorld.ballHeight, 0.12);
    screenshot("series-2-lofted");

    const auto diving = [] {
        switch (practiceWorld.keeperAction[1]) {
        case kaLowDiveRight: case kaLowDiveLeft: case kaHighDiveRight: case kaHighDiveLeft:
        case kaDiveRightCaught: case kaDiveLeftCaught: case kaBlockRight: case kaBlockLeft:
            return true;
        default:
            return false;
        }
    };
    // The view moved a metre on towards the goal, to see keeper and shooter.
    say("/camera on");
    for (int i = 0; i < 20; ++i) {
        key(Qt::Key_Q, "q");
        key(Qt::Key_W, "w");
    }
    say("/camera off");
    // Lofted shots at the posts from a few spots, until one draws a dive.
    bool dived = false;
    for (const TVec2 from : {TVec2{0.3, -4.0}, TVec2{-0.4, -3.9}, TVec2{0.1, -3.6}, TVec2{0.6, -4.3}}) {
        if (dived) break;
        ASSERT_TRUE(runTo(from));
        key(Qt::Key_R, "r");
        for (double x : {0.3, -0.3, 0.22, -0.22})
            if (!dived) dived = kickUntil({x, pitch.goalLineNeg}, true, diving, aims(0.4, 2.6, 0.2), 200);
    }
    ASSERT_TRUE(dived);
    frame(6);  // well into the dive
    EXPECT_TRUE(diving());
    screenshot("series-3-keeper-dive");
    ASSERT_TRUE(runUntil([] { return practiceWorld.keeperAction[1] == kaHolding || practiceWorld.ballResetFrames > 0; },
                         300));
    frame(3);
    screenshot("series-4-after-the-dive");
}
