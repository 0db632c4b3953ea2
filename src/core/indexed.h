#pragma once
// Arrays indexed the way the game talks about them: team 1..2, slot 1..10.
// Storage is exactly 2 (teams) or 2 x 10 (players) entries; an index out of
// range is a programming error and trips the assertion in debug builds.
#include <array>
#include <cassert>

namespace kf {

constexpr int kTeams = 2;
constexpr int kSlots = 10;

template <class T>
struct PerTeam {
    std::array<T, kTeams> v{};
    T& operator[](int team) { assert(team >= 1 && team <= kTeams); return v[team - 1]; }
    const T& operator[](int team) const { assert(team >= 1 && team <= kTeams); return v[team - 1]; }
};

template <class T>
struct PerPlayer {
    std::array<std::array<T, kSlots>, kTeams> v{};
    T& operator()(int team, int slot) {
        assert(team >= 1 && team <= kTeams && slot >= 1 && slot <= kSlots);
        return v[team - 1][slot - 1];
    }
    const T& operator()(int team, int slot) const {
        assert(team >= 1 && team <= kTeams && slot >= 1 && slot <= kSlots);
        return v[team - 1][slot - 1];
    }
};

}  // namespace kf
