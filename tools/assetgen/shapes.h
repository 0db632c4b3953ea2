#pragma once
// Simple solids for the generated models. Each shape appends to one primitive,
// binds all its vertices to one joint and maps its surface into a rectangle of
// the material's texture (u across, v down, (0, 0) = top-left of the image).

#include "gltfbuild.h"

#include <functional>

namespace assetgen {

struct UvRect {
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    glm::vec2 at(float u, float v) const { return {u0 + (u1 - u0) * u, v0 + (v1 - v0) * v}; }
    // The rectangle in pixels of a w x h image, mapped to texture coordinates.
    static UvRect px(float x0, float y0, float x1, float y1, float w, float h) {
        return {x0 / w, y0 / h, x1 / w, y1 / h};
    }
};

// Appends a triangle, turned so that it faces the way its vertex normals point;
// degenerate triangles are dropped.
void orientedTri(Primitive& p, std::uint32_t a, std::uint32_t b, std::uint32_t c);

// Closed rings of points joined band by band; ring k gets v = vs[k], point i of
// a ring u = i / (points - 1) (the first and last point coincide at the seam).
void addRings(Primitive& p, const std::vector<std::vector<glm::vec3>>& pts,
              const std::vector<std::vector<glm::vec3>>& nrm, const std::vector<float>& vs, UvRect uv,
              int joint);

// Tapered round limb from a to b; optional hemispheres close either end. The
// seam (u = 0 and 1) lies behind the limb (model +z), u = 0.5 in front.
void addLimb(Primitive& p, glm::vec3 a, glm::vec3 b, float ra, float rb, bool capA, bool capB, int joint,
             UvRect uv, int segments = 12, int capRings = 3);

// Elliptical tube along +y through rings (y, half-width x, half-depth z, centre z).
struct TubeRing {
    float y, rx, rz, cz = 0.0f;
};
void addTube(Primitive& p, const std::vector<TubeRing>& rings, float cx, int joint, UvRect uv, int segments = 16,
             bool capBottom = false, bool capTop = false);

// Ellipsoid with u around +y (front at 0.5) and v from the top pole down.
// `lowestLat` (degrees, of the longitude angle in radians) cuts it off below;
// points under `floorY` are flattened onto it.
void addEllipsoid(Primitive& p, glm::vec3 c, glm::vec3 r, int joint, UvRect uv, int segU = 16, int segV = 10,
                  const std::function<float(float)>& lowestLat = nullptr, float floorY = -1e9f);

// Quad p0 p1 p2 p3 (counter-clockwise seen from where it faces), texture
// corners (u0,v0) (u1,v0) (u1,v1) (u0,v1); twoSided adds the back face, its
// texture mirrored so that writing reads correctly from behind.
void addQuad(Primitive& p, glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3, UvRect uv, int joint = 0,
             bool twoSided = false, bool mirrorBack = true);

// The same with the side it faces given, whatever the order of the corners.
void addQuadFacing(Primitive& p, glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3, UvRect uv,
                   glm::vec3 facing, int joint = 0);

// Axis-aligned box; every face shows the whole rectangle.
void addBox(Primitive& p, glm::vec3 lo, glm::vec3 hi, UvRect uv, int joint = 0);

// Round bar between two points (posts, crossbars, bench frames), closed ends.
void addBar(Primitive& p, glm::vec3 a, glm::vec3 b, float r, UvRect uv, int segments = 10, int joint = 0);

}  // namespace assetgen
