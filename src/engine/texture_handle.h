#pragma once
// A texture as callers hold it: a slot of the texture manager plus the
// generation of that slot, so a released texture can never be drawn by mistake.

#include <cstdint>

namespace kf {

struct TextureHandle {
    uint32_t slot = 0;        // 0 = no texture
    uint32_t generation = 0;
    bool valid() const { return slot != 0; }
    bool operator==(const TextureHandle&) const = default;
};

}  // namespace kf
