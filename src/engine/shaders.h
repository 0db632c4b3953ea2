#pragma once
// The layer's two GL programs: skinned/rigid meshes with per-vertex
// lighting, and textured coloured quads (3D ground quads, 2D sprites, text).

#include <cstdint>
#include <string>

namespace kf {

struct MeshProgram {
    uint32_t id = 0;
    int viewProj = -1, world = -1, normalMat = -1, skinned = -1, joints = -1;
    int colour = -1, lighting = -1, ambient = -1, lightDir = -1, lightDiffuse = -1;
    int alphaCut = -1, tex = -1;
};

struct QuadProgram {
    uint32_t id = 0;
    int viewProj = -1, tex = -1;
};

// Compiled in the current context; false (and a message) on a compile error.
bool buildMeshProgram(MeshProgram* p, std::string* error);
bool buildQuadProgram(QuadProgram* p, std::string* error);

}  // namespace kf
