#include "pitch.h"

namespace kf {

TPitchGeometry pitch;

namespace {
struct SizeRow {
    double grassWidth, grassLength, goalLine, sideLine, boxLine, boxSide, boardHalf;
};
constexpr SizeRow kSizes[3] = {
    {8.0, 12.0, 4.89, 2.895, 3.43, 1.5, 2.3},
    {10.0, 14.0, 5.71, 3.62, 4.0, 1.9, 3.6},
    {12.0, 16.0, 6.52, 4.345, 4.57, 2.3, 4.6},
};
}  // namespace

void setPitchSize(int size) {
    if (size < 1 || size > 3) size = 3;
    const SizeRow& r = kSizes[size - 1];
    pitch.pitchSize = static_cast<std::uint8_t>(size);
    pitch.grassWidth = r.grassWidth;
    pitch.grassLength = r.grassLength;
    pitch.goalLineNeg = -r.goalLine;
    pitch.goalLinePos = r.goalLine;
    pitch.sideLineNeg = -r.sideLine;
    pitch.sideLinePos = r.sideLine;
    pitch.boxLineNeg = -r.boxLine;
    pitch.boxLinePos = r.boxLine;
    pitch.boxSideNeg = -r.boxSide;
    pitch.boxSidePos = r.boxSide;
    pitch.netBackNeg = pitch.goalLineNeg - 0.21;
    pitch.netBackPos = pitch.goalLinePos + 0.21;
    pitch.postNeg = -0.42;
    pitch.postPos = 0.42;
    pitch.crossbarHeight = 0.267;
    pitch.ballRadius = 0.016;
}

double boardHalfWidth() {
    return kSizes[(pitch.pitchSize >= 1 && pitch.pitchSize <= 3 ? pitch.pitchSize : 3) - 1].boardHalf;
}

}  // namespace kf
