#pragma once
// Dimensions of the three pitch sizes (1 small, 2 normal, 3 large).

#include <cstdint>

namespace kf {

struct TPitchGeometry {
    std::uint8_t pitchSize = 3;
    double grassWidth = 12.0;
    double grassLength = 16.0;
    double goalLineNeg = -6.52, goalLinePos = 6.52;
    double sideLineNeg = -4.345, sideLinePos = 4.345;
    double boxLineNeg = -4.57, boxLinePos = 4.57;
    double boxSideNeg = -2.3, boxSidePos = 2.3;
    double netBackNeg = -6.73, netBackPos = 6.73;
    double postNeg = -0.42, postPos = 0.42;
    double crossbarHeight = 0.267;
    double ballRadius = 0.016;
};

extern TPitchGeometry pitch;

// Fills `pitch` for size 1, 2 or 3. Any other size (a bad byte from a server)
// selects the large pitch, so the geometry is always one of the three.
void setPitchSize(int size);

// Half-width of the advertising boards behind the goals for the current size.
double boardHalfWidth();

}  // namespace kf
