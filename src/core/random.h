#pragma once
// The game's uniform random integer source (parries, practice corners).
// Seedable so that tests and recorded runs are repeatable.

#include <cstdint>

namespace kf {

// Uniform over 0 .. n-1; n <= 0 gives 0.
int randomInt(int n);
void seedRandom(std::uint64_t seed);

}  // namespace kf
