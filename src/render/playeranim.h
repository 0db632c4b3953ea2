#pragma once
// Which animation a field player or goalkeeper plays and at which frame,
// advanced once per drawn frame; the body scales and angles of their world
// matrices; the label size. Clocks live in ingamedata; the trigger logic that
// restarts them is in the match layer.

#include <string_view>

namespace kf {

std::string_view playerAnimName(int team, int slot);
// Advances the player's clock for this frame and returns the frame to show.
double playerAnimFrame(int team, int slot);

std::string_view keeperAnimName(int k);
double keeperAnimFrame(int k);

// Uniform model scale by body type.
double bodyScale(int body);
// Rotation about z in radians for a direction in degrees (model faces +y at 90).
double figureAngle(double dirDegrees);
double keeperAngle(int k);

// Text size of labels and the HUD for a back-buffer height.
int labelFontSize(int height);

}  // namespace kf
