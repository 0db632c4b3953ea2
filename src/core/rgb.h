#pragma once
// An opaque colour, one byte a channel: kit and HUD colours, and the colours
// the settings store as "R,G,B".

#include <cstdint>

namespace kf {

struct TRGB {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const TRGB&, const TRGB&) = default;
};

}  // namespace kf
