#include "renderer.h"

#include <QOpenGLContext>

#include <cmath>
#include <optional>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "gl_functions.h"
#include "mesh_instance.h"
#include "meshes.h"
#include "textures.h"

namespace kf {

namespace {

constexpr float alphaCut = 0.5f;  // cut-out textures such as the nets
constexpr float defaultMaxAnisotropy = 8.0f;
constexpr uint32_t textureMaxAnisotropy = 0x84FE;

Vec3 toVec3(Rgba c) { return Vec3(c.r, c.g, c.b) / 255.0f; }

void setColour(uint8_t (&out)[4], Rgba c) {
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

}  // namespace

Renderer::Renderer(TextureManager& textures) : textures_(textures) {}

Renderer::~Renderer() = default;

bool Renderer::init(std::string* error) {
    if (!buildMeshProgram(&mesh_, error) || !batch_.init(error) || !overlay_.init(error)) return false;
    overlay_.setDeferred(true);
    GlFunctions* f = gl();
    whiteTexture_ = createGlTexture(Image(1, 1, white), false);
    f->glGenSamplers(4, samplers_);
    aniso_ = hasAnisotropicFiltering();
    // On a software rasteriser every texel fetch counts: the nearest mip level
    // (bilinear) costs half of blending two (trilinear) and looks nearly alike.
    const int minFilter = softwareRenderer() ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_LINEAR;
    for (int i = 0; i < 4; ++i) {
        const uint32_t s = samplers_[i];
        const bool point = i >= 2, clamp = i % 2 == 1;
        f->glSamplerParameteri(s, GL_TEXTURE_MIN_FILTER, point ? GL_NEAREST : minFilter);
        f->glSamplerParameteri(s, GL_TEXTURE_MAG_FILTER, point ? GL_NEAREST : GL_LINEAR);
        const int wrap = clamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        f->glSamplerParameteri(s, GL_TEXTURE_WRAP_S, wrap);
        f->glSamplerParameteri(s, GL_TEXTURE_WRAP_T, wrap);
    }
    if (maxAnisotropy_ < 0) maxAnisotropy_ = softwareRenderer() ? 1.0f : defaultMaxAnisotropy;
    setMaxAnisotropy(maxAnisotropy_);
    f->glUseProgram(mesh_.id);
    f->glUniform1i(mesh_.tex, 0);
    f->glUniform1f(mesh_.alphaCut, alphaCut);
    f->glUseProgram(0);
    // Triangles counter-clockwise in model space are clockwise on screen
    // under the left-handed view.
    f->glFrontFace(GL_CW);
    f->glCullFace(GL_BACK);
    f->glDepthFunc(GL_LEQUAL);
    f->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    state_.invalidate();
    return true;
}

// Mesa's software rasterisers filter anisotropically at several times the
// cost of trilinear filtering (about 20 ms a frame for the full-screen grass
// on two cores), which the frame budget cannot carry.
bool Renderer::softwareRenderer() {
    const auto* r = reinterpret_cast<const char*>(gl()->glGetString(GL_RENDERER));
    const std::string name = r ? r : "";
    return name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos ||
           name.find("swrast") != std::string::npos;
}

void Renderer::setMaxAnisotropy(float n) {
    maxAnisotropy_ = std::clamp(n, 1.0f, 16.0f);
    if (!samplers_[0] || !aniso_) return;
    for (int i = 0; i < 2; ++i)
        gl()->glSamplerParameterf(samplers_[i], textureMaxAnisotropy, maxAnisotropy_);
}

void Renderer::destroy() {
    GlFunctions* f = gl();
    if (!f) return;
    batch_.destroy();
    overlay_.destroy();
    fonts_.clear();
    if (mesh_.id) f->glDeleteProgram(mesh_.id);
    if (whiteTexture_) f->glDeleteTextures(1, &whiteTexture_);
    if (samplers_[0]) f->glDeleteSamplers(4, samplers_);
    mesh_.id = whiteTexture_ = 0;
    samplers_[0] = 0;
}

void Renderer::setTarget(int w, int h) {
    width_ = std::max(1, w);
    height_ = std::max(1, h);
    gl()->glViewport(0, 0, width_, height_);
    setVirtualScreen(virtualW_, virtualH_);
}

void Renderer::clear(Rgba colour, float depth) {
    batch_.flush(state_);
    GlFunctions* f = gl();
    state_.setDepthWrite(true);
    f->glClearColor(colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, colour.a / 255.0f);
    f->glClearDepth(depth);
    f->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Renderer::beginScene() {
    // Someone else (Qt) may have touched the GL state since the last frame.
    state_.invalidate();
    meshUniformsDirty_ = true;
    drawCalls_ = 0;
    batch_.resetCounters();
    overlay_.resetCounters();
}

void Renderer::endScene() {
    batch_.flush(state_);
    overlay_.flush(state_);
}

void Renderer::submit() {
    batch_.flush(state_);
    gl()->glFlush();
}

void Renderer::setCamera(const Camera& c) {
    projection_ = c.projection();
    view_ = c.view();
    viewProjectionChanged();
}

void Renderer::setView(const Mat4& m) {
    view_ = m;
    viewProjectionChanged();
}

void Renderer::setProjection(const Mat4& m) {
    projection_ = m;
    viewProjectionChanged();
}

void Renderer::viewProjectionChanged() {
    viewProj_ = projection_ * view_;
    frustum_ = Frustum(viewProj_);
    batch_.setMatrix(state_, 1, viewProj_);
    meshUniformsDirty_ = true;
}

void Renderer::setAmbient(Rgba c) {
    ambient_ = toVec3(c);
    meshUniformsDirty_ = true;
}

void Renderer::setDirectionalLight(const Vec3& dir, Rgba diffuse) {
    lightDir_ = glm::normalize(dir);
    lightDiffuse_ = toVec3(diffuse);
    meshUniformsDirty_ = true;
}

uint32_t Renderer::samplerObject(bool clamp) const {
    return samplers_[(sampler_ == Sampler::Point ? 2 : 0) + (clamp ? 1 : 0)];
}

void Renderer::applyMeshUniforms() {
    GlFunctions* f = gl();
    if (meshUniformsDirty_) {
        f->glUniformMatrix4fv(mesh_.viewProj, 1, GL_FALSE, glm::value_ptr(viewProj_));
        f->glUniform3fv(mesh_.ambient, 1, glm::value_ptr(ambient_));
        f->glUniform3fv(mesh_.lightDir, 1, glm::value_ptr(lightDir_));
        f->glUniform3fv(mesh_.lightDiffuse, 1, glm::value_ptr(lightDiffuse_));
        meshUniformsDirty_ = false;
        lightingUniform_ = -1;
    }
    if (lightingUniform_ != int(lighting_)) {
        f->glUniform1i(mesh_.lighting, lighting_);
        lightingUniform_ = lighting_;
    }
}

void Renderer::drawMesh(const MeshInstance& inst) {
    const GpuMesh* gpu = inst.gpu();
    if (!gpu) return;
    batch_.flush(state_);  // what was queued before is drawn before
    GlFunctions* f = gl();
    state_.useProgram(mesh_.id);
    applyMeshUniforms();
    state_.bindVao(gpu->vertexArray());
    state_.setDepthTest(depthTest_);
    state_.setDepthWrite(true);
    state_.setBlend(false);
    state_.setCull(cull_);
    state_.bindSampler(samplerObject(false));

    const MeshData& data = inst.data();
    const std::vector<Mat4>& globals = inst.nodeGlobals();
    int lastSkin = -2;
    // Skinned primitives all share the instance's world matrix: upload it once.
    std::optional<Mat4> lastWorld;
    for (const MeshPrimitive& p : data.primitives) {
        if (p.indexCount == 0 || (p.node >= 0 && !inst.nodeVisible(p.node))) continue;
        const bool rigid = p.skin < 0;
        const Mat4 m = rigid && p.node >= 0 ? world_ * globals[p.node] : world_;
        if (rigid && inst.nodeCulling() && !frustum_.intersects(transformBox(p.bounds, m))) continue;
        if (lastWorld != m) {
            f->glUniformMatrix4fv(mesh_.world, 1, GL_FALSE, glm::value_ptr(m));
            const glm::mat3 normalMat = glm::transpose(glm::inverse(glm::mat3(m)));
            f->glUniformMatrix3fv(mesh_.normalMat, 1, GL_FALSE, glm::value_ptr(normalMat));
            lastWorld = m;
        }
        if (p.skin != lastSkin) {
            f->glUniform1i(mesh_.skinned, !rigid);
            if (!rigid) {
                const std::vector<Mat4>& joints = inst.jointMatrices(p.skin);
                f->glUniformMatrix4fv(mesh_.joints, GLsizei(joints.size()), GL_FALSE,
                                      glm::value_ptr(joints[0]));
            }
            lastSkin = p.skin;
        }
        uint32_t tex = textures_.glName(inst.materialTexture(p.material));
        if (!tex) tex = gpu->materialTexture(p.material);
        if (!tex) tex = whiteTexture_;
        state_.bindTexture(tex);
        const Rgba factor = p.material < int(data.materials.size()) ? data.materials[p.material].factor : white;
        f->glUniform4f(mesh_.colour, factor.r / 255.0f, factor.g / 255.0f, factor.b / 255.0f,
                       factor.a / 255.0f);
        // The range lets the software rasteriser shade only this primitive's vertices.
        f->glDrawRangeElements(GL_TRIANGLES, p.minVertex, p.maxVertex, GLsizei(p.indexCount),
                               GL_UNSIGNED_INT,
                               reinterpret_cast<void*>(uintptr_t(p.firstIndex) * sizeof(uint32_t)));
        ++drawCalls_;
    }
}

void Renderer::queue(uint32_t tex, bool opaque, bool depth, int space, const QuadVertex (&v)[4]) {
    const bool clamp = space == 0;
    const bool blend = !opaque || v[0].colour[3] != 255;
    QuadBatch& target = space == 0 && overlayLast_ ? overlay_ : batch_;
    target.add(state_, QuadRun{tex, samplerObject(clamp), depth, blend, space}, v);
}

void Renderer::drawQuad(TextureHandle t, const Vec3 (&c)[4], Rgba colour) {
    bool opaque = false;
    const uint32_t tex = textures_.glName(t, &opaque);
    if (!tex) return;
    static constexpr float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    QuadVertex v[4];
    for (int i = 0; i < 4; ++i) {
        v[i].pos = c[i];
        v[i].uv = Vec2f(uv[i][0], uv[i][1]);
        setColour(v[i].colour, colour);
    }
    queue(tex, opaque, depthTest_, 1, v);
}

Ray Renderer::pickRay(float px, float py) const {
    return rayFromScreen(px, py, float(width_), float(height_), view_, projection_);
}

bool Renderer::projectToScreen(const Vec3& world, Vec2f* pixel) const {
    return kf::projectToScreen(world, float(width_), float(height_), view_, projection_, pixel);
}

void Renderer::setVirtualScreen(float w, float h) {
    virtualW_ = w;
    virtualH_ = h;
    const float vw = w > 0 ? w : float(width_), vh = h > 0 ? h : float(height_);
    const Mat4 screen = glm::ortho(0.0f, vw, vh, 0.0f, -1.0f, 1.0f);
    batch_.setMatrix(state_, 0, screen);
    overlay_.setMatrix(state_, 0, screen);
}

void Renderer::queue2D(uint32_t tex, bool opaque, const Rect& d, float u0, float v0, float u1,
                       float v1, Rgba c) {
    QuadVertex v[4];
    v[0].pos = Vec3(d.x, d.y, 0);
    v[1].pos = Vec3(d.x + d.w, d.y, 0);
    v[2].pos = Vec3(d.x + d.w, d.y + d.h, 0);
    v[3].pos = Vec3(d.x, d.y + d.h, 0);
    v[0].uv = Vec2f(u0, v0);
    v[1].uv = Vec2f(u1, v0);
    v[2].uv = Vec2f(u1, v1);
    v[3].uv = Vec2f(u0, v1);
    for (QuadVertex& q : v) setColour(q.colour, c);
    queue(tex, opaque, false, 0, v);
}

void Renderer::drawSprite(TextureHandle t, float x, float y, Rgba colour) {
    drawSprite(t, Rect{x, y, float(textures_.width(t)), float(textures_.height(t))}, colour);
}

void Renderer::drawSprite(TextureHandle t, const Rect& dst, Rgba colour) {
    bool opaque = false;
    const uint32_t tex = textures_.glName(t, &opaque);
    if (tex) queue2D(tex, opaque, dst, 0, 0, 1, 1, colour);
}

void Renderer::drawSprite(TextureHandle t, const Rect& src, const Rect& dst, Rgba colour) {
    bool opaque = false;
    const uint32_t tex = textures_.glName(t, &opaque);
    const float w = float(textures_.width(t)), h = float(textures_.height(t));
    if (!tex || w <= 0 || h <= 0) return;
    queue2D(tex, opaque, dst, src.x / w, src.y / h, (src.x + src.w) / w, (src.y + src.h) / h, colour);
}

void Renderer::drawRect(const Rect& dst, Rgba colour) {
    queue2D(whiteTexture_, true, dst, 0, 0, 1, 1, colour);
}

void Renderer::printText(Font& f, float x, float y, std::string_view utf8, Rgba colour) {
    // Glyph quads are placed on whole pixels and converted to virtual units,
    // so point sampling shows them unscaled and crisp.
    const float sx = (virtualW_ > 0 ? virtualW_ : float(width_)) / width_;
    const float sy = (virtualH_ > 0 ? virtualH_ : float(height_)) / height_;
    float pen = std::round(x);
    const float top = std::round(y);
    const float aw = float(f.atlasWidth()), ah = float(f.atlasHeight());
    std::vector<std::pair<const Glyph*, float>>& placed = placedGlyphs_;  // atlas final first
    placed.clear();
    for (size_t i = 0; i < utf8.size();) {
        const Glyph* g = f.glyph(nextCodePoint(utf8, &i));
        if (!g) continue;
        placed.emplace_back(g, pen);
        pen += g->advance;
    }
    const uint32_t tex = f.atlasTexture();
    if (!tex) return;
    for (const auto& [g, penX] : placed) {
        if (g->w == 0) continue;
        const float gx = std::round(penX + g->left), gy = std::round(top + g->top);
        queue2D(tex, false, Rect{gx * sx, gy * sy, g->w * sx, g->h * sy}, g->x / aw, g->y / ah,
                (g->x + g->w) / aw, (g->y + g->h) / ah, colour);
    }
}

}  // namespace kf
