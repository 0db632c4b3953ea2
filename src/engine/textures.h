#pragma once
// The texture manager: textures registered under a name, made from image
// files or images in memory, with up to 8 mip levels. Every operation may be
// called from any thread: off the GL thread the image is kept and uploaded
// on the GL thread when the texture is first drawn, and GL names of released
// textures are deleted there too.
//
// A missing or unreadable file still gives a valid handle to an empty
// texture (size 0 x 0): sprites and quads with it draw nothing, a mesh
// material with it is drawn white.

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "image.h"
#include "texture_handle.h"

class QImage;

namespace kf {

constexpr int maxMipLevels = 8;

// A GL texture from an image in the current context (internal to the layer;
// callers use TextureManager). 0 when the image is empty or no context.
uint32_t createGlTexture(const Image& image, bool mipmaps);
void updateGlTexture(uint32_t glName, int x, int y, const Image& pixels);

class TextureManager {
public:
    TextureManager() = default;
    ~TextureManager();
    TextureManager(const TextureManager&) = delete;
    TextureManager& operator=(const TextureManager&) = delete;

    // A texture of the same name is released first.
    TextureHandle load(const std::string& name, const std::string& file);
    // Without mipmaps for textures that are updated in place (glyph atlases).
    TextureHandle create(const std::string& name, const Image& image, bool mipmaps = true);
    TextureHandle create(const std::string& name, const QImage& image);
    bool release(const std::string& name);
    void releaseAll();

    TextureHandle find(const std::string& name) const;
    bool alive(TextureHandle h) const;
    int width(TextureHandle h) const;
    int height(TextureHandle h) const;
    bool empty(TextureHandle h) const { return width(h) == 0; }
    size_t count() const;

    // For the renderer (GL thread): the GL name, 0 for released or empty
    // textures; uploads a texture that was made on another thread.
    uint32_t glName(TextureHandle h, bool* opaque = nullptr);

private:
    struct Slot {
        std::string name;
        uint32_t generation = 0;
        uint32_t glName = 0;
        int width = 0, height = 0;
        bool used = false;
        bool mipmaps = true;
        bool opaque = false;  // every pixel's alpha is 255
        std::shared_ptr<const Image> pending;  // made off the GL thread
    };
    void deleteDeferred();
    const Slot* slotOf(TextureHandle h) const;
    void freeSlot(uint32_t index);

    mutable std::mutex mutex_;
    std::vector<Slot> slots_{1};  // slot 0 means "no texture"
    std::vector<uint32_t> freeSlots_;
    std::unordered_map<std::string, uint32_t> byName_;
    std::vector<uint32_t> deferredDeletes_;
};

}  // namespace kf
