// "stad1": a closed bowl of stands round the pitch. Model x runs along the
// pitch (world y) and model z across it (world x); the grass lies at model
// y = 930.66 (the model is sunk by 1.02 at scale 0.001096). Each ring of the
// bowl (wall, step riser, tread) runs round all four sides with mitred corners
// and is cut into segments that each show their texture once, so nothing
// depends on texture repeat.
#include "assetgen.h"
#include "common.h"
#include "shapes.h"

#include <cmath>

namespace assetgen {

namespace {

enum Mat { kConcrete, kBoard, kSteps, kChairs, kBack, kSteps2, kMatCount };

constexpr float kInnerX = 7000, kInnerZ = 7100;  // half extents of the opening
constexpr float kFloorY = 920, kWallTop = 1450;
constexpr float kSegment = 2000;

// Corner k of the ring at `offset` outside the opening, in (x, z).
glm::vec2 corner(int k, float offset) {
    const float x = kInnerX + offset, z = kInnerZ + offset;
    const glm::vec2 c[4] = {{x, -z}, {x, z}, {-x, z}, {-x, -z}};
    return c[k & 3];
}
const glm::vec3 kInward[4] = {{-1, 0, 0}, {0, 0, -1}, {1, 0, 0}, {0, 0, 1}};

int segmentsOf(int side, float offset) {
    const float len = glm::length(corner(side + 1, offset) - corner(side, offset));
    return std::max(1, static_cast<int>(std::lround(len / kSegment)));
}

glm::vec3 at(int side, float offset, float t, float y) {
    const glm::vec2 p = glm::mix(corner(side, offset), corner(side + 1, offset), t);
    return {p.x, y, p.y};
}

// A vertical band facing the pitch at `offset`, from y0 up to y1.
void wallRing(Primitive& p, float offset, float y0, float y1) {
    for (int s = 0; s < 4; ++s) {
        const int n = segmentsOf(s, offset);
        for (int i = 0; i < n; ++i) {
            const float t0 = static_cast<float>(i) / n, t1 = static_cast<float>(i + 1) / n;
            addQuadFacing(p, at(s, offset, t0, y0), at(s, offset, t1, y0), at(s, offset, t1, y1), at(s, offset, t0, y1),
                          UvRect{0, 1, 1, 0}, kInward[s]);
        }
    }
}

// A level band from offset d0 out to d1 at height y.
void treadRing(Primitive& p, float d0, float d1, float y) {
    for (int s = 0; s < 4; ++s) {
        const int n = segmentsOf(s, d1);
        for (int i = 0; i < n; ++i) {
            const float t0 = static_cast<float>(i) / n, t1 = static_cast<float>(i + 1) / n;
            addQuadFacing(p, at(s, d0, t0, y), at(s, d0, t1, y), at(s, d1, t1, y), at(s, d1, t0, y), UvRect{},
                          {0, 1, 0});
        }
    }
}

// A tier of `steps` steps from offset d and height y; returns where it ends.
glm::vec2 tier(MeshData& m, float d, float y, int steps, float rise, float run, int riserMat, int treadMat) {
    for (int k = 0; k < steps; ++k) {
        wallRing(m[riserMat], d, y, y + rise);
        y += rise;
        treadRing(m[treadMat], d, d + run, y);
        d += run;
    }
    return {d, y};
}

MeshData bowl() {
    MeshData m(kMatCount);
    const int tiles = 10;
    for (int i = 0; i < tiles; ++i)
        for (int j = 0; j < tiles; ++j) {
            const float x0 = -kInnerX + 2 * kInnerX * i / tiles, x1 = -kInnerX + 2 * kInnerX * (i + 1) / tiles;
            const float z0 = -kInnerZ + 2 * kInnerZ * j / tiles, z1 = -kInnerZ + 2 * kInnerZ * (j + 1) / tiles;
            addQuadFacing(m[kConcrete], {x0, kFloorY, z0}, {x1, kFloorY, z0}, {x1, kFloorY, z1}, {x0, kFloorY, z1},
                          UvRect{}, {0, 1, 0});
        }
    wallRing(m[kBoard], 0, kFloorY, kWallTop);
    treadRing(m[kConcrete], 0, 300, kWallTop);
    glm::vec2 end = tier(m, 300, kWallTop, 10, 250, 450, kSteps, kChairs);
    wallRing(m[kConcrete], end.x, end.y, end.y + 60);
    treadRing(m[kConcrete], end.x, end.x + 700, end.y + 60);
    end = tier(m, end.x + 700, end.y + 60, 8, 300, 450, kSteps, kSteps2);
    wallRing(m[kBack], end.x, end.y, end.y + 1050);
    treadRing(m[kConcrete], end.x, end.x + 200, end.y + 1050);
    return m;
}

}  // namespace

void writeStadium(Output& out) {
    GlbBuilder b;
    for (const char* name : {"concrete", "board", "steps", "chairs", "back", "steps2"}) b.addMaterial(name);
    const int node = b.addNode("stad1", -1);
    b.setNodeMesh(node, b.addMesh("stad1", bowl(), false));
    if (!b.write(out.prepare("models/stad1.glb").toStdString())) out.fail("cannot write models/stad1.glb");
}

}  // namespace assetgen
