#include "vec2.h"

#include <cmath>

namespace kf {

double distance(double ax, double ay, double bx, double by) {
    long double dx = static_cast<long double>(bx) - ax;
    long double dy = static_cast<long double>(by) - ay;
    return static_cast<double>(std::sqrt(dx * dx + dy * dy));
}

double bearing(double ax, double ay, double bx, double by) {
    double a = std::atan2(by - ay, bx - ax) * radToDeg;
    if (a < 0) a += 360;
    // A tiny negative angle would round up to 360 itself; keep the range half-open.
    if (a >= 360) a = 0;
    return a;
}

}  // namespace kf
