#pragma once
// Where each part of a figure lies in its template texture. The models map
// their surfaces into these rectangles and the template painter fills them, so
// both read the sizes from here. Rectangles are in pixels; everything outside
// them is pure magenta (never dyed, never sampled).

#include "shapes.h"

namespace assetgen::layout {

struct Tex {
    int w, h;
    UvRect rect(float x0, float y0, float x1, float y1) const { return UvRect::px(x0, y0, x1, y1, w, h); }
};

// "shirt.png" and its patterns "shirt1.png" .. "shirt3.png".
constexpr Tex kShirt{256, 256};
constexpr float kShirtTorso[4] = {0, 0, 256, 160};    // round the chest, neck at the top
constexpr float kShirtSleeve[4] = {0, 168, 256, 232};  // round the arm, shoulder at the top
// "pants.png"
constexpr Tex kPants{128, 128};
constexpr float kPantsHips[4] = {0, 0, 128, 48};
constexpr float kPantsLeg[4] = {0, 56, 128, 112};
// "socks.png"
constexpr Tex kSocks{64, 128};
constexpr float kSocksLeg[4] = {0, 0, 64, 112};
// "shoe.png"
constexpr Tex kShoe{64, 64};
constexpr float kShoeAll[4] = {0, 0, 64, 48};
// "skin.png": the head (face at the centre column), bare limbs, hands.
constexpr Tex kSkin{256, 256};
constexpr float kSkinHead[4] = {0, 0, 256, 128};
constexpr float kSkinLimb[4] = {0, 136, 256, 216};
constexpr float kSkinHand[4] = {0, 224, 128, 248};
// "hair.png"
constexpr Tex kHair{128, 64};
constexpr float kHairAll[4] = {0, 0, 128, 48};
// "gloves.png"
constexpr Tex kGloves{64, 64};
constexpr float kGlovesAll[4] = {0, 0, 64, 48};

inline UvRect uv(const Tex& t, const float (&r)[4]) { return t.rect(r[0], r[1], r[2], r[3]); }

}  // namespace assetgen::layout
