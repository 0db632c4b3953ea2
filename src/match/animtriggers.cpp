#include "animtriggers.h"

#include "ingamedata.h"

namespace kf {

namespace {

template <class Flags, class Clocks>
void start(Flags& flag, Clocks& clock, int k, double from = 0) {
    if (flag[k]) return;
    flag[k] = true;
    clock[k] = from;
}

}  // namespace

void playerAnimTriggers(int team, int slot) {
    auto& flag = ingamedata.playerAnimStarted(team, slot);
    auto& clock = ingamedata.playerAnimClock(team, slot);
    const int m = ingamedata.playerMotion(team, slot);
    switch (m) {
    case 0:
        for (int k = 1; k <= 5; ++k) flag[k] = false;
        break;
    case 1:
        for (int k = 2; k <= 5; ++k) flag[k] = false;
        start(flag, clock, 1);
        break;
    case 2:
    case 3:
        start(flag, clock, m);
        break;
    case 4:
    case 5:
        // Both jump sides share one clock: a change between 4 and 5 does not restart it.
        if (!flag[m]) {
            flag[4] = flag[5] = true;
            clock[4] = 0;
        }
        break;
    case 255:
        ingamedata.playerThrowIn(team, slot) = true;
        break;
    default:
        break;
    }
}

void keeperAnimTriggers(int team) {
    auto& flag = ingamedata.keeperAnimStarted[team];
    auto& clock = ingamedata.keeperAnimClock[team];
    const int a = ingamedata.keeperAction[team];
    if ((a >= 0 && a <= 2) || (a >= 4 && a <= 7)) {
        for (int k = 8; k <= 19; ++k) flag[k] = false;
    } else if (a >= 8 && a <= 19) {
        // The catching dives start mid-animation.
        start(flag, clock, a, a == 15 || a == 16 ? 15.0 : 0.0);
    }
    bool caught = false;
    for (int k = 15; k <= 19; ++k) caught = caught || flag[k];
    if (a == 2 || caught) ingamedata.keeperWithBall = static_cast<std::uint8_t>(team);
}

}  // namespace kf
