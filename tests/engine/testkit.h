#pragma once
// Fixtures of the engine tests and benchmark, built in code: a small skinned
// glTF file and a figure-sized skinned mesh.

#include <string>

#include "mesh_data.h"

namespace kf::testkit {

// A Qt application for the test program. gl selects the X11 platform (the
// tests run under xvfb-run) instead of the offscreen one.
void ensureGuiApp(bool gl);

// A writable scratch file path for this test program.
std::string tempPath(const std::string& name);

// The two-joint strip: 100 wide (x -50..50), 200 tall (y 0..200), facing
// model -z, joints "root" (at 0) and "upper" (at y 100, child of root). Its
// texture is left half red, right half blue. Node "ball" (child of "upper",
// 50 above it) carries a 20 x 20 green square of material 1, one unit in
// front of the strip. Node
// "spinner" has no mesh. Animations: "run" moves "upper" from (0, 100, 0) at
// frame 0 to (100, 100, 0) at frame 30 and turns "spinner" 90 degrees about y
// over the same time; "standing" holds "upper" at rest with one key.
bool writeSkinnedStripGlb(const std::string& path);

// A skinned figure about 236 tall with `segments` joints stacked along y,
// one primitive per material (bands of the body) and a looping 30-frame
// animation "run"; about 480 triangles per segment at the default detail.
MeshData makeFigure(int segments = 5, int sides = 24, int ringsPerSegment = 10, int materials = 6);

}  // namespace kf::testkit
