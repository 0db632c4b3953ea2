#pragma once
// The rules behind the head-up display that do not need a window: texts,
// the virtual 1024 x 768 screen, hit tests, the radar mapping and the rows of
// the waiting screen.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "vec2.h"

namespace kf {

constexpr double kVirtualWidth = 1024;
constexpr double kVirtualHeight = 768;

// "45+" / "90+" in stoppage time, else the minute.
std::string clockText(int matchMinute, int half);
// The first three characters that are not blanks, upper-cased.
std::string shortNameText(std::string_view shortName);
// Shares in percent of the two teams' summed counters, rounded half to even.
std::array<int, 2> possessionShare(long long sum1, long long sum2);

// Strict on all sides, in virtual units against the cursor.
bool hitTest(double x, double y, double w, double h, double mouseX, double mouseY);

// Where drawText puts a virtual point on a W x H back buffer: each coordinate
// taken to the nearest whole pixel, halves to even.
struct TPixel {
    int x = 0;
    int y = 0;
};
TPixel textPixel(double x, double y, int width, int height);

// Cursor pixel position in the window to virtual units.
int virtualMouseX(int x, int clientWidth);
int virtualMouseY(int y, int clientHeight);

// Radar: a pitch point to the virtual screen for the selected camera preset.
TVec2 radarPoint(const TVec2& pitchPoint, int selectedCamera, bool reversedAngle);

// Waiting screen: the used slots 1 .. teamSize of a team, packed into rows.
std::vector<int> rosterRows(int team);

}  // namespace kf
