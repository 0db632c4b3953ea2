#pragma once
// glTF 2.0 (binary .glb or text .gltf) to MeshData. Pure CPU work, no GL,
// safe to run on several loader threads at once.
//
// What is read: every node of the default scene's hierarchy (all nodes when
// there is no scene) with its TRS or matrix; each triangle primitive of a
// node's mesh becomes one MeshPrimitive (POSITION, NORMAL, TEXCOORD_0,
// JOINTS_0, WEIGHTS_0; normals computed when absent); skins with their inverse
// bind matrices; TRS animation channels (cubic splines use their key values
// linearly); materials with an embedded base colour image and factor.

#include <string>

#include "mesh_data.h"

namespace kf {

bool parseGltfFile(const std::string& file, MeshData* out, std::string* error);
bool parseGltfMemory(const uint8_t* bytes, size_t size, MeshData* out, std::string* error);

}  // namespace kf
