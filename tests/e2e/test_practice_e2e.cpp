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
