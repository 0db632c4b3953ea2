#include "hudlogic.h"

#include <cctype>
#include <cmath>

#include "ingamedata.h"
#include "pitch.h"

namespace kf {

std::string clockText(int minute, int half) {
    if (minute > 45 && half == 1) return "45+";
    if (minute > 90 && half == 2) return "90+";
    return std::to_string(minute);
}

std::string shortNameText(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == ' ') continue;
        out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        if (out.size() == 3) break;
    }
    return out;
}

std::array<int, 2> possessionShare(long long s1, long long s2) {
    const long long total = s1 + s2;
    auto share = [total](long long s) {
        return s == 0 || total == 0 ? 0 : static_cast<int>(std::nearbyint(100.0 / total * s));
    };
    return {share(s1), share(s2)};
}

bool hitTest(double x, double y, double w, double h, double mx, double my) {
    return x < mx && mx < x + w && y < my && my < y + h;
}

TPixel textPixel(double x, double y, int width, int height) {
    return {static_cast<int>(std::nearbyint(x * width / kVirtualWidth)),
            static_cast<int>(std::nearbyint(y * height / kVirtualHeight))};
}

int virtualMouseX(int x, int w) { return w > 0 ? static_cast<int>(std::nearbyint(kVirtualWidth / w * x)) : 0; }
int virtualMouseY(int y, int h) { return h > 0 ? static_cast<int>(std::nearbyint(kVirtualHeight / h * y)) : 0; }

TVec2 radarPoint(const TVec2& p, int camera, bool reversed) {
    const double s = reversed ? -1 : 1;
    const double g6 = pitch.sideLinePos, g4 = pitch.goalLinePos;
    if (camera == 3 || camera == 4) return {143 + s * 128.5 / g4 * p.y, 171 - s * 101.8 / g6 * p.x};
    return {116 + s * 102 / g6 * p.x, 198 + s * 128 / g4 * p.y};
}

std::vector<int> rosterRows(int team) {
    std::vector<int> rows;
    const int n = rosterSlots();
    for (int slot = 1; slot <= n; ++slot)
        if (slotUsed(team, slot)) rows.push_back(slot);
    return rows;
}

}  // namespace kf
