#include "tuning.h"

namespace kf {

TPracticeTuning tuning;

void initPracticeTuning() {
    constexpr double baseRun = 0.0169;
    tuning.slideReach = {0.0963, 0.1063, 0.12};
    tuning.slideBoost = {0.6666 * baseRun, 0.7142 * baseRun, 0.7619 * baseRun};
    tuning.kickMaxHeight = {0.18, 0.2, 0.22};
    tuning.runSpeed = {baseRun, 0.9523 * baseRun, 0.9285 * baseRun};
    tuning.headerReach = 0.13;
    tuning.turnStep = 6.3;
    tuning.trapReach = 0.08;
    tuning.kickReach = 0.13;
    tuning.groundPassSpeed = {0.03, 0.035, 0.04, 0.045, 0.05, 0.055};
}

}  // namespace kf
