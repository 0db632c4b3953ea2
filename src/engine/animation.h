#pragma once
// Sampling of named animations at fractional frames: linear between keys,
// slerp for rotations, held at the first key before it and clamped at the
// last key past the end. Nodes an animation does not move keep their rest pose.

#include <vector>

#include "mesh_data.h"

namespace kf {

// Local transforms of all nodes for animation `anim` at `frame`; anim < 0
// gives the rest pose.
void sampleAnimation(const MeshData& m, int anim, float frame, std::vector<NodeTRS>& locals);

// Skinning matrices of one skin: jointGlobal * inverseBind per joint.
void computeJointMatrices(const MeshData& m, int skin, const std::vector<Mat4>& globals,
                          std::vector<Mat4>& out);

}  // namespace kf
