#pragma once
// Batched textured, coloured quads (internal): ground quads, sprites and
// glyphs are collected into one stream buffer and drawn with one call per run
// of quads that share texture, sampler, depth test and matrix.

#include <cstdint>
#include <vector>

#include "shaders.h"
#include "transforms.h"

namespace kf {

// Skips GL calls that would not change anything.
struct GlStateCache {
    uint32_t program = ~0u, vao = ~0u, texture = ~0u, sampler = ~0u;
    int depthTest = -1, blend = -1, cull = -1, depthWrite = -1;
    void useProgram(uint32_t p);
    void bindVao(uint32_t v);
    void bindTexture(uint32_t t);
    void bindSampler(uint32_t s);
    void setDepthTest(bool on);
    void setDepthWrite(bool on);
    void setBlend(bool on);
    void setCull(bool on);
    void invalidate() { *this = GlStateCache{}; }
};

struct QuadVertex {
    Vec3 pos;
    Vec2f uv;
    uint8_t colour[4];
};

struct QuadRun {
    uint32_t texture = 0;
    uint32_t sampler = 0;
    bool depthTest = false;
    bool blend = true;  // off for opaque textures: blending reads the frame back
    int space = 0;      // which matrix: 0 the 2D screen, 1 the 3D view
    bool operator==(const QuadRun&) const = default;
};

class QuadBatch {
public:
    // In the drawing context.
    bool init(std::string* error);
    void destroy();

    // Both flush the quads queued so far when they would change their look.
    void setMatrix(GlStateCache& state, int space, const Mat4& m);
    void add(GlStateCache& state, const QuadRun& run, const QuadVertex (&v)[4]);
    void flush(GlStateCache& state);
    // A deferred batch keeps every run until flush() (the 2D overlay drawn
    // last); otherwise a run is drawn as soon as a different one starts.
    void setDeferred(bool on) { deferred_ = on; }
    size_t drawCalls() const { return drawCalls_; }
    void resetCounters() { drawCalls_ = 0; }

private:
    static constexpr size_t maxQuads = 4096;
    QuadProgram program_;
    uint32_t vao_ = 0, vbo_ = 0, ibo_ = 0;
    std::vector<QuadVertex> verts_;
    QuadRun run_;
    bool deferred_ = false;
    struct Segment {
        QuadRun run;
        Mat4 matrix;
        size_t firstVertex;
    };
    std::vector<Segment> segments_;  // deferred runs, in order
    void drawRange(GlStateCache& state, const QuadRun& run, const Mat4& m, size_t first, size_t count);
    Mat4 matrices_[2]{Mat4(1.0f), Mat4(1.0f)};
    size_t drawCalls_ = 0;
};

}  // namespace kf
