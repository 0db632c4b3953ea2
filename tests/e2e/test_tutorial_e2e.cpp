// The whole tutorial played through the match window's real handlers: a
// computed player steers the cursor, charges and releases the buttons,
// slides, and clicks "Next" on every completion screen.
#include <Qt>

#include <cmath>

#include "controls.h"
#include "drawing.h"
#include "e2e_fixture.h"
#include "pitch.h"
#include "practice.h"

using namespace kf;
using namespace kf::e2e;

namespace {

using Tutorial = MatchWindowTest;

}  // namespace

TEST_F(Tutorial, PlaysAllSevenStepsToTheFinalScreen) {
    start(kFirstTutorialStage);
    for (int stage = 1; stage <= 7; ++stage) {
        ASSERT_EQ(practiceWorld.stage, stage);
        ASSERT_FALSE(practiceWorld.stageDone);
        if (stage == 7) {
            // Over the wall and past the keeper into the goal at -y.
            bool scored = false;
            for (double x : {0.35, -0.35, 0.3, -0.3, 0.25, -0.25}) {
                const TVec2 goal{x, pitch.goalLineNeg};
                scored = kickUntil(goal, true, [] { return practiceWorld.stageDone; }, aims(0.8, 1.6, 0.05), 900);
                if (scored) break;
            }
            ASSERT_TRUE(scored) << "no shot found past the wall";
            screenshot("tutorial-final");
            break;
        }
        while (!practiceWorld.stageDone) {
            const int area = target();
            const TVec2 a = tutorialTarget(area);
            const auto next = [area] { return practiceWorld.stageTarget > area || practiceWorld.stageDone; };
            bool ok = false;
            switch (stage) {
            case 1:
                ok = runUntil([&] { pointAt(a); return next(); }, 1200);
                break;
            case 2:
                ok = kickUntil(a, true, next, {distance(practiceWorld.playerPos, a)});
                break;
            case 3:
                ok = kickUntil(a, false, next, {distance(practiceWorld.playerPos, a)});
                break;
            case 4:
                ok = kickUntil(a, true, next, aims(0.3, 3.0, 0.1));
                break;
            case 5:
                ok = kickUntil(a, false, next, aims(2.1, 3.0, 0.5));
                break;
            case 6:
                // Run at the area and slide into it.
                ok = runUntil([&] {
                    pointAt(a);
                    // The tackle key is held for a frame, as a finger would.
                    const bool down = ingamedata.inputTackle;
                    if (down) app->onKey(Qt::Key_A, false, false, {});
                    else if (practiceWorld.slideFrames == 0 && distance(practiceWorld.playerPos, a) < 0.45)
                        app->onKey(Qt::Key_A, true, false, "a");
                    return next();
                }, 2000);
                break;
            }
            ASSERT_TRUE(ok) << "stage " << stage << " area " << area;
        }
        if (stage == 4) screenshot("tutorial-step4-done");
        ASSERT_TRUE(practiceWorld.stageDone);
        clickButton(kReadyX);  // "Next"
        if (stage == 6) screenshot("tutorial-step7-wall");
    }
    EXPECT_TRUE(practiceWorld.stageDone);
    EXPECT_EQ(practiceWorld.stage, 7);
    // No next step after the last: a click where "Next" would be does nothing.
    clickButton(kReadyX);
    EXPECT_TRUE(practiceWorld.stageDone);
    EXPECT_EQ(practiceWorld.stage, 7);
    // Back to the lobby.
    clickButton(kLeaveX);
    EXPECT_TRUE(left);
    EXPECT_FALSE(ingamedata.practice);
}
