#pragma once
// Model sizes and texture layouts of the static scenery, shared by the model
// writer and the texture painter.

namespace assetgen::scenery {

// "ball": radius in model units (world 0.016 at scale 0.0071).
constexpr float kBallRadius = 2.25f;

// "net": posts at x = +-kNetHalfWidth, crossbar at kNetHeight, the net reaching
// kNetDepth along +z with its back top at kNetBackHeight.
constexpr float kNetHalfWidth = 37.5f, kNetHeight = 23.8f, kNetDepth = 18.75f, kNetBackHeight = 20.0f;
constexpr float kNetPostRadius = 1.0f;
// "net.png": mesh threads left of kNetMeshEnd (pixels), solid white frame paint
// right of kNetFrameStart.
constexpr int kNetTexSize = 256, kNetMeshEnd = 224, kNetFrameStart = 232;

// "bench.png" quadrants: roof, walls, seats, floor and frame.
constexpr int kBenchTexSize = 256;

// "adboard": 50 long (x), 5 high (y), standing on y = 0.
constexpr float kBoardHalfLength = 25.0f, kBoardHeight = 5.0f, kBoardHalfDepth = 0.3f;

}  // namespace assetgen::scenery
