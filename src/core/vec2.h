#pragma once
// Points and directions on the pitch plane. Directions are degrees from +x
// towards +y; every conversion to radians multiplies by degToRad.

namespace kf {

struct TVec2 {
    double x = 0;
    double y = 0;
};

constexpr double degToRad = 0.0174532925199432;
constexpr double radToDeg = 57.29577951308232;

// Euclidean distance, computed in extended precision.
double distance(double ax, double ay, double bx, double by);
inline double distance(const TVec2& a, const TVec2& b) { return distance(a.x, a.y, b.x, b.y); }

// Direction from a to b in [0, 360); equal points give 0.
double bearing(double ax, double ay, double bx, double by);
inline double bearing(const TVec2& a, const TVec2& b) { return bearing(a.x, a.y, b.x, b.y); }

}  // namespace kf
