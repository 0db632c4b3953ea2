#pragma once
// Practice tuning table. The three-level fields exist for the game server's
// skill levels; the local practice always reads level 1.

#include <array>

namespace kf {

struct TPracticeTuning {
    std::array<double, 3> slideReach{};
    std::array<double, 3> slideBoost{};
    std::array<double, 3> kickMaxHeight{};
    std::array<double, 3> runSpeed{};
    double headerReach = 0;
    double turnStep = 0;
    double trapReach = 0;
    double kickReach = 0;
    std::array<double, 6> groundPassSpeed{};
};

extern TPracticeTuning tuning;

constexpr int kPracticeLevel = 1;

void initPracticeTuning();

}  // namespace kf
