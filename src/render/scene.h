#pragma once
// The static scene of the match window: grass, ground shadows, ball, nets,
// benches, advertising boards and stadium, the mouse pick onto the pitch, and
// the two helpers every scene draw goes through.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "transforms.h"
#include "vec2.h"

namespace kf {

class MeshInstance;

// Texture of each advertising board (1 .. 4): entries 1 .. 9 behind both
// goals, 10 .. 22 along the touchlines (slot k uses entry 9 + k).
extern std::array<std::uint8_t, 23> adboardChoice;  // index 0 unused
void randomizeAdboards();

// Sets the world transform; true when the instance's box under it meets the view frustum.
bool placeInView(const MeshInstance& instance, const Mat4& world);
// Draws the instance when its transformed box meets the view frustum.
void drawCulled(MeshInstance& instance, const Mat4& world);
// A white quad at height z over [x1, x2] x [y1, y2], when it meets the frustum.
void groundQuad(std::string_view tex, double x1, double y1, double x2, double y2, double z);

// The pitch point where a world-space ray meets the pick surface, if it does.
std::optional<TVec2> pitchPointOnRay(const Ray& ray);
// Sets mouseTarget from the cursor (back-buffer pixels) when the ray meets the
// pick surface; leaves it otherwise. Then the world transform is the identity.
void pickPitchPoint(float pixelX, float pixelY);

void renderGrass();
void renderShadows();
void renderAdboardShadows();
void renderBenchShadows();
void renderBall();
void renderNets();
void renderBenches();
void renderAdboards();
void renderStadium();

// Which board slots a pitch size leaves out (rows: 0 end rows, 1 touchline rows).
bool boardSlotLeftOut(int pitchSize, bool touchline, int slot);

}  // namespace kf
