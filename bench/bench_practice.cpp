// Cost of the practice simulation: one practice step while dribbling towards
// a goal (the keeper's forecast runs every frame), a frame in which a lofted
// shot is struck (shot reaction and save decision forecasts), and the
// forecast alone. The world is restored before every step so each iteration
// measures the same frame.
#include <benchmark/benchmark.h>

#include "goalkeeper.h"
#include "ingamedata.h"
#include "pitch.h"
#include "practice.h"
#include "practiceworld.h"
#include "tuning.h"

using namespace kf;

namespace {

void freshPractice() {
    initSimulation();
    practiceWorld = TPracticeWorld{};
    beginPractice(0, "bench");
    practiceWorld.keeperPos[1] = {0, pitch.goalLineNeg + 0.2};
    practiceWorld.keeperPos[2] = {0, pitch.goalLinePos - 0.2};
}

TPracticeWorld dribbleFrame() {
    freshPractice();
    TPracticeWorld& w = practiceWorld;
    w.playerPos = {0.2, -1.0};
    w.playerDir = 265;
    w.playerSpeed = tuning.runSpeed[1] - 0.002;
    w.ballPos = {0.2, -1.05};
    w.ballDir = 265;
    w.ballSpeed = w.playerSpeed;
    ingamedata.mouseTarget = {0, -5};
    // Run into a steady dribble first.
    for (int i = 0; i < 30; ++i) practiceStep();
    return practiceWorld;
}

TPracticeWorld shotFrame() {
    freshPractice();
    TPracticeWorld& w = practiceWorld;
    w.playerPos = {0.3, -2.0};
    w.playerDir = 270;
    w.ballPos = {0.3, -2.05};
    w.power = 150;  // charged; the button is released in this frame
    ingamedata.mouseTarget = {0.1, -6.52};
    ingamedata.inputLeft = false;
    return practiceWorld;
}

void BM_PracticeStepDribbling(benchmark::State& state) {
    const TPracticeWorld start = dribbleFrame();
    if (distance(start.playerPos, start.ballPos) > tuning.trapReach || start.playerSpeed <= 0)
        state.SkipWithError("the player is not dribbling");
    for (auto _ : state) {
        practiceWorld = start;
        practiceStep();
        benchmark::DoNotOptimize(practiceWorld.ballPos);
    }
}

void BM_PracticeStepShot(benchmark::State& state) {
    const TPracticeWorld start = shotFrame();
    practiceWorld = start;
    practiceStep();
    if (practiceWorld.ballClimb <= 0 || practiceWorld.keeperRunning != 1)
        state.SkipWithError("the shot was not struck towards the goal");
    for (auto _ : state) {
        practiceWorld = start;
        practiceStep();
        benchmark::DoNotOptimize(practiceWorld.ballPos);
    }
}

void BM_ForecastShot(benchmark::State& state) {
    freshPractice();
    practiceWorld.ballPos = {0.2, 0};
    practiceWorld.ballDir = 268;
    practiceWorld.ballSpeed = 0.07;
    practiceWorld.ballClimb = 0.012;
    for (auto _ : state) {
        forecastShot();
        benchmark::DoNotOptimize(shotForecast.pos);
    }
}

}  // namespace

BENCHMARK(BM_PracticeStepDribbling)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PracticeStepShot)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ForecastShot)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
