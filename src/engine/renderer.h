#pragma once
// The graphics device of the match window: frame clear, transforms, render
// and sampler states, lights, meshes, 3D ground quads, 2D sprites and text.
// All calls on the GL thread, between EngineApp's frame start and present.
//
// 3D: world matrix per mesh draw (see worldMatrix), left-handed camera.
// Mesh triangles are front-facing when counter-clockwise in model space
// (glTF's rule); back faces are culled unless setBackfaceCulling(false).
// 2D: sprites and rectangles take coordinates of the virtual screen set with
// setVirtualScreen (origin top left, y down), default the back buffer's
// pixels; text and projections take and give back-buffer pixels.

#include <string>
#include <string_view>
#include <vector>

#include "image.h"
#include "quad_batch.h"
#include "shaders.h"
#include "text.h"
#include "texture_handle.h"
#include "transforms.h"

namespace kf {

class MeshInstance;
class TextureManager;

enum class Sampler { Anisotropic, Point };

struct Rect {
    float x = 0, y = 0, w = 0, h = 0;
};

constexpr Rgba white{255, 255, 255, 255};

class Renderer {
public:
    explicit Renderer(TextureManager& textures);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // GL objects, in the drawing context.
    bool init(std::string* error);
    void destroy();

    // Frame (EngineApp calls setTarget before every render callback).
    void setTarget(int widthPixels, int heightPixels);
    int width() const { return width_; }
    int height() const { return height_; }
    void clear(Rgba colour, float depth = 1.0f);
    void beginScene();
    void endScene();
    // Hands what was drawn so far to the GPU (or to the software
    // rasteriser's threads, which then work while the caller goes on).
    void submit();

    // Transforms.
    void setCamera(const Camera& c);
    void setView(const Mat4& m);
    void setProjection(const Mat4& m);
    void setWorld(const Mat4& m) { world_ = m; }
    const Mat4& view() const { return view_; }
    const Mat4& projection() const { return projection_; }
    const Mat4& world() const { return world_; }
    const Frustum& frustum() const { return frustum_; }

    // States and lights.
    void setDepthTest(bool on) { depthTest_ = on; }
    bool depthTest() const { return depthTest_; }
    void setBackfaceCulling(bool on) { cull_ = on; }
    void setLighting(bool on) { lighting_ = on; }
    bool lighting() const { return lighting_; }
    void setAmbient(Rgba c);
    // dir is the way the light travels (world space).
    void setDirectionalLight(const Vec3& dir, Rgba diffuse);
    void setSampler(Sampler s) { sampler_ = s; }
    Sampler sampler() const { return sampler_; }
    // Upper limit of Sampler::Anisotropic: 8, or 1 (trilinear) on software
    // renderers, chosen by init(); callers may change it.
    void setMaxAnisotropy(float n);
    float maxAnisotropy() const { return maxAnisotropy_; }

    // 3D drawing.
    void drawMesh(const MeshInstance& m);  // under world()
    void drawMesh(const MeshInstance& m, const Mat4& world) { setWorld(world); drawMesh(m); }
    // A quad from four world-space corners (texture corners (0,0), (1,0),
    // (1,1), (0,1) in that order), one colour; alpha-blended; not affected by
    // the world matrix.
    void drawQuad(TextureHandle t, const Vec3 (&corners)[4], Rgba colour = white);

    // Picking (back-buffer pixels).
    Ray pickRay(float px, float py) const;
    bool projectToScreen(const Vec3& world, Vec2f* pixel) const;

    // 2D drawing on the virtual screen. With overlayLast on, everything 2D
    // (sprites, rectangles, text) is drawn at endScene over the whole 3D
    // frame, in the order it was asked for; otherwise in call order with 3D.
    void setOverlayLast(bool on) { overlayLast_ = on; }
    void setVirtualScreen(float w, float h);
    float virtualWidth() const { return virtualW_; }
    float virtualHeight() const { return virtualH_; }
    // At the image's own size in virtual units.
    void drawSprite(TextureHandle t, float x, float y, Rgba colour = white);
    void drawSprite(TextureHandle t, const Rect& dst, Rgba colour = white);
    // src in texels of the image.
    void drawSprite(TextureHandle t, const Rect& src, const Rect& dst, Rgba colour);
    void drawRect(const Rect& dst, Rgba colour);

    // Text at back-buffer pixels: (x, y) is the top left of the line.
    Font& font(const std::string& face, int pixelSize) { return fonts_.get(face, pixelSize); }
    void printText(Font& f, float x, float y, std::string_view utf8, Rgba colour);
    float textWidth(Font& f, std::string_view utf8) { return f.width(utf8); }

    // Counters of the last frame, for benchmarks.
    int drawCalls() const { return drawCalls_ + int(batch_.drawCalls() + overlay_.drawCalls()); }

private:
    void viewProjectionChanged();
    void queue(uint32_t tex, bool opaque, bool depth, int space, const QuadVertex (&v)[4]);
    void queue2D(uint32_t tex, bool opaque, const Rect& dst, float u0, float v0, float u1, float v1,
                 Rgba c);
    static bool softwareRenderer();
    uint32_t samplerObject(bool clamp) const;
    void applyMeshUniforms();

    TextureManager& textures_;
    FontCache fonts_;
    GlStateCache state_;
    QuadBatch batch_;
    QuadBatch overlay_;  // 2D drawn last when overlayLast_
    bool overlayLast_ = false;
    MeshProgram mesh_;
    uint32_t whiteTexture_ = 0;
    uint32_t samplers_[4] = {0, 0, 0, 0};  // anisotropic wrap/clamp, point wrap/clamp

    int width_ = 1, height_ = 1;
    float virtualW_ = 0, virtualH_ = 0;  // 0: follow the pixels
    Mat4 view_{1.0f}, projection_{1.0f}, viewProj_{1.0f}, world_{1.0f};
    Frustum frustum_;
    bool depthTest_ = true, cull_ = true, lighting_ = false;
    Vec3 ambient_{0}, lightDir_{0, 0, 1}, lightDiffuse_{0};
    Sampler sampler_ = Sampler::Anisotropic;
    float maxAnisotropy_ = -1;  // -1: chosen by init()
    bool aniso_ = false;
    bool meshUniformsDirty_ = true;
    int lightingUniform_ = -1;
    std::vector<std::pair<const Glyph*, float>> placedGlyphs_;
    int drawCalls_ = 0;
};

}  // namespace kf
