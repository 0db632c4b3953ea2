#include "playeranim.h"

#include <cmath>

#include "ingamedata.h"

namespace kf {

namespace {

constexpr double kDegreesPerHalfRadian = 114.59155902616465;  // 2 x 57.29...

}  // namespace

std::string_view playerAnimName(int t, int s) {
    if (ingamedata.playerThrowIn(t, s)) return "throwin";
    switch (ingamedata.playerMotion(t, s)) {
    case 0: return "standing";
    case 1: return "run";
    case 2: return "slidetackle";
    case 3: return "fall";
    case 4: return "header_right";
    case 5: return "header_left";
    default: return "standing";  // a state without its own animation stands
    }
}

double playerAnimFrame(int t, int s) {
    TIngamedata& g = ingamedata;
    const int m = g.playerMotion(t, s);
    auto& K = g.playerAnimClock(t, s);
    if (g.playerThrowIn(t, s)) {
        double& clock = g.playerThrowInClock(t, s);
        if (m == 255) {
            clock = 14.2;
        } else {
            clock += 0.57;
            if (clock > 19) g.playerThrowIn(t, s) = false;
        }
        return clock;
    }
    switch (m) {
    case 0:
        K[0] = 0;
        return 0;
    case 1:
        K[1] += g.playerSpeed(t, s) * 45;
        if (K[1] > 29) K[1] = K[1] - 29 + 4;  // the run loops over frames 4 .. 29
        return K[1];
    case 2: K[2] += 0.62; return K[2];
    case 3: K[3] += 0.69; return K[3];
    case 4:
    case 5: K[4] += 0.64; return K[4];
    default: return 0;
    }
}

namespace {

struct KeeperAnim {
    std::string_view name;
    int partner;  // a dive and its catching variant advance together
    double step;
};

// Actions 8 .. 19.
constexpr KeeperAnim kDives[12] = {
    {"dive_m_left", 15, 0.68},        {"dive_m_right", 16, 0.68},      {"jump_punch", 19, 0.7},
    {"dive_l_left", 17, 0.56},        {"dive_l_right", 18, 0.56},      {"dive_h_left", 15, 0.68},
    {"dive_h_right", 16, 0.68},       {"dive_grab_m_left", 8, 0.68},   {"dive_grab_m_right", 9, 0.68},
    {"dive_grab_l_left", 11, 0.56},   {"dive_grab_l_right", 12, 0.56}, {"jump_grab", 10, 0.7},
};

}  // namespace

std::string_view keeperAnimName(int k) {
    const int a = ingamedata.keeperAction[k];
    switch (a) {
    case 0: return "stand";
    case 1: return "runloop";
    case 2: return "stand_holdball";
    case 4: return "sidestep_left";
    case 5: return "sidestep_right";
    case 6:
    case 7: return "walk";
    default: break;
    }
    if (a >= 8 && a <= 19) return kDives[a - 8].name;
    return "stand";  // action 3 and unknown codes stand
}

double keeperAnimFrame(int k) {
    const int a = ingamedata.keeperAction[k];
    auto& K = ingamedata.keeperAnimClock[k];
    const double v = ingamedata.keeperSpeed[k];
    switch (a) {
    case 0: K[0] = 0; return 0;
    case 1:
        K[1] += v * 45;
        if (K[1] > 27) K[1] = K[1] - 27 + 4;
        return K[1];
    case 2: K[2] = 15; return 15;
    case 4:
    case 5:
        K[a] += v * 250;
        if (K[a] > 23) K[a] -= 23;
        return K[a];
    case 6:
        K[6] += v * 250;
        if (K[6] > 39) K[6] = K[6] - 39 + 5;
        return K[6];
    case 7:  // the walk played backwards
        K[7] -= v * 250;
        if (K[7] < 5) K[7] = K[7] + 39 - 5;
        return K[7];
    default: break;
    }
    if (a < 8 || a > 19) return 0;
    const KeeperAnim& d = kDives[a - 8];
    const int own = a <= 14 ? a : d.partner;   // the dive's own clock ...
    const int grab = a <= 14 ? d.partner : a;  // ... and its catching variant's
    K[own] += d.step;
    K[grab] += d.step;
    return K[a];
}

double bodyScale(int body) {
    if (body == 0) return 0.001;
    if (body == 2) return 0.0012;
    return 0.0011;
}

double figureAngle(double dir) { return (dir - 90) / kDegreesPerHalfRadian * 2; }

double keeperAngle(int k) {
    const int a = ingamedata.keeperAction[k];
    const bool dive = a == 8 || a == 9 || (a >= 11 && a <= 18);
    if (dive) return k == 1 ? 0 : M_PI;
    return figureAngle(ingamedata.keeperDir[k]);
}

int labelFontSize(int h) {
    int size = static_cast<int>(std::nearbyint(h / 100.0));  // halves go to the even neighbour
    const int floor = h < 576 ? 7 : (h < 768 ? 8 : 10);
    return size < floor ? floor : size;
}

}  // namespace kf
