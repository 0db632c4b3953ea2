#include <gtest/gtest.h>

#include "frame_timer.h"

namespace kf {
namespace {

// Drives the timer like the loop does: polls every `pollMs` and starts a
// frame whenever one is due; each frame then takes `frameMs`.
int framesIn(double seconds, double pollMs, double frameMs, FrameTimer& t) {
    t.reset(0);
    int frames = 0;
    for (double now = 0; now < seconds * 1000;) {
        if (t.msUntilDue(now) <= 0) {
            t.frameStarted(now);
            ++frames;
            now += frameMs;
        } else {
            now += pollMs;
        }
    }
    return frames;
}

TEST(FrameTimer, CapsTheRateAndRunsAsFastAsPossibleBelowIt) {
    struct Row {
        const char* name;
        double pollMs, frameMs;
        int minFrames, maxFrames;
    };
    const Row rows[] = {
        {"fast machine: exactly the cap", 0.1, 2, 589, 591},
        {"coarse polling keeps the average", 1.0, 2, 588, 591},
        {"frames of 16 ms still reach the cap", 0.1, 16, 585, 591},
        {"slow frames: as fast as they go", 0.1, 25, 399, 401},
    };
    for (const Row& r : rows) {
        FrameTimer t(59);
        const int n = framesIn(10, r.pollMs, r.frameMs, t);
        EXPECT_GE(n, r.minFrames) << r.name;
        EXPECT_LE(n, r.maxFrames) << r.name;
    }
}

TEST(FrameTimer, NoBurstAfterAStall) {
    FrameTimer t(59);
    t.reset(0);
    t.frameStarted(0);
    // A 500 ms stall, then a fast loop: the next frames keep the period.
    t.frameStarted(500);
    EXPECT_GT(t.msUntilDue(500), 16.0);
}

TEST(FrameTimer, CountsFramesOfTheLastSecond) {
    FrameTimer t(59);
    EXPECT_EQ(t.fps(), 0);
    framesIn(3.01, 0.1, 2, t);
    EXPECT_EQ(t.fps(), 59);
    framesIn(3.01, 0.1, 40, t);
    EXPECT_EQ(t.fps(), 25);
}

TEST(FixedStep, CallsTheUpdateAtItsOwnRate) {
    FixedStep s(50);
    s.reset(0);
    int calls = 0;
    for (double now = 0; now <= 1000; now += 3) calls += s.stepsDue(now);
    EXPECT_NEAR(calls, 50, 1);
    // After a long stall only a few catch-up calls run.
    EXPECT_EQ(s.stepsDue(10000), 5);
    EXPECT_EQ(s.stepsDue(10001), 0);
}

}  // namespace
}  // namespace kf
