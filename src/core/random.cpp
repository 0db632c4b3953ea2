#include "random.h"

#include <random>

namespace kf {

namespace {
std::mt19937_64& engine() {
    static std::mt19937_64 e{std::random_device{}()};
    return e;
}
}  // namespace

int randomInt(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

void seedRandom(std::uint64_t seed) { engine().seed(seed); }

}  // namespace kf
