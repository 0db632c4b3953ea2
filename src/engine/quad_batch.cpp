#include "quad_batch.h"

#include <cstddef>
#include <glm/gtc/type_ptr.hpp>

#include "gl_functions.h"

namespace kf {

void GlStateCache::useProgram(uint32_t p) {
    if (p != program) gl()->glUseProgram(program = p);
}
void GlStateCache::bindVao(uint32_t v) {
    if (v != vao) gl()->glBindVertexArray(vao = v);
}
void GlStateCache::bindTexture(uint32_t t) {
    if (t != texture) gl()->glBindTexture(GL_TEXTURE_2D, texture = t);
}
void GlStateCache::bindSampler(uint32_t s) {
    if (s != sampler) gl()->glBindSampler(0, sampler = s);
}

static void toggle(int& cached, bool on, uint32_t cap) {
    if (cached == int(on)) return;
    cached = on;
    if (on) gl()->glEnable(cap); else gl()->glDisable(cap);
}
void GlStateCache::setDepthTest(bool on) { toggle(depthTest, on, GL_DEPTH_TEST); }
void GlStateCache::setBlend(bool on) { toggle(blend, on, GL_BLEND); }
void GlStateCache::setCull(bool on) { toggle(cull, on, GL_CULL_FACE); }
void GlStateCache::setDepthWrite(bool on) {
    if (depthWrite == int(on)) return;
    depthWrite = on;
    gl()->glDepthMask(on ? GL_TRUE : GL_FALSE);
}

bool QuadBatch::init(std::string* error) {
    if (!buildQuadProgram(&program_, error)) return false;
    GlFunctions* f = gl();
    verts_.reserve(maxQuads * 4);
    std::vector<uint16_t> idx;
    idx.reserve(maxQuads * 6);
    for (size_t q = 0; q < maxQuads; ++q) {
        const uint16_t b = uint16_t(q * 4);
        for (uint16_t k : {0, 1, 2, 0, 2, 3}) idx.push_back(uint16_t(b + k));
    }
    f->glGenVertexArrays(1, &vao_);
    f->glBindVertexArray(vao_);
    f->glGenBuffers(1, &vbo_);
    f->glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    f->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(maxQuads * 4 * sizeof(QuadVertex)), nullptr,
                    GL_STREAM_DRAW);
    f->glGenBuffers(1, &ibo_);
    f->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
    f->glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(idx.size() * 2), idx.data(), GL_STATIC_DRAW);
    const GLsizei stride = sizeof(QuadVertex);
    f->glEnableVertexAttribArray(0);
    f->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(QuadVertex, pos)));
    f->glEnableVertexAttribArray(1);
    f->glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(QuadVertex, uv)));
    f->glEnableVertexAttribArray(2);
    f->glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                             reinterpret_cast<void*>(offsetof(QuadVertex, colour)));
    f->glBindVertexArray(0);
    f->glUseProgram(program_.id);
    f->glUniform1i(program_.tex, 0);
    f->glUseProgram(0);
    return true;
}

void QuadBatch::destroy() {
    GlFunctions* f = gl();
    if (!f) return;
    if (vao_) f->glDeleteVertexArrays(1, &vao_);
    if (vbo_) f->glDeleteBuffers(1, &vbo_);
    if (ibo_) f->glDeleteBuffers(1, &ibo_);
    if (program_.id) f->glDeleteProgram(program_.id);
    vao_ = vbo_ = ibo_ = program_.id = 0;
}

void QuadBatch::setMatrix(GlStateCache& state, int space, const Mat4& m) {
    if (!deferred_ && !verts_.empty() && run_.space == space && m != matrices_[space]) flush(state);
    matrices_[space] = m;
}

void QuadBatch::add(GlStateCache& state, const QuadRun& run, const QuadVertex (&v)[4]) {
    if (!verts_.empty() && verts_.size() >= maxQuads * 4) flush(state);
    if (deferred_) {
        const Mat4& m = matrices_[run.space];
        if (segments_.empty() || !(segments_.back().run == run) || segments_.back().matrix != m)
            segments_.push_back({run, m, verts_.size()});
    } else if (!verts_.empty() && !(run == run_)) {
        flush(state);
    }
    run_ = run;
    verts_.insert(verts_.end(), v, v + 4);
}

void QuadBatch::drawRange(GlStateCache& state, const QuadRun& run, const Mat4& m, size_t first, size_t count) {
    GlFunctions* f = gl();
    f->glUniformMatrix4fv(program_.viewProj, 1, GL_FALSE, glm::value_ptr(m));
    state.bindTexture(run.texture);
    state.bindSampler(run.sampler);
    state.setDepthTest(run.depthTest);
    state.setDepthWrite(run.depthTest);
    state.setBlend(run.blend);
    // Indices of quad q start at 6q and name its own four vertices.
    const size_t firstQuad = first / 4;
    f->glDrawElements(GL_TRIANGLES, GLsizei(count / 4 * 6), GL_UNSIGNED_SHORT,
                      reinterpret_cast<const void*>(firstQuad * 6 * sizeof(uint16_t)));
    ++drawCalls_;
}

void QuadBatch::flush(GlStateCache& state) {
    if (verts_.empty()) return;
    GlFunctions* f = gl();
    state.useProgram(program_.id);
    state.bindVao(vao_);
    state.setCull(false);
    f->glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    // A fresh buffer of just this size: the driver need not wait for the previous draw.
    f->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(verts_.size() * sizeof(QuadVertex)), verts_.data(),
                    GL_STREAM_DRAW);
    if (segments_.empty()) {
        drawRange(state, run_, matrices_[run_.space], 0, verts_.size());
    } else {
        for (size_t i = 0; i < segments_.size(); ++i) {
            const size_t end = i + 1 < segments_.size() ? segments_[i + 1].firstVertex : verts_.size();
            drawRange(state, segments_[i].run, segments_[i].matrix, segments_[i].firstVertex,
                      end - segments_[i].firstVertex);
        }
        segments_.clear();
    }
    verts_.clear();
}

}  // namespace kf
