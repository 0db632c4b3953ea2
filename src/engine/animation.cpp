#include "animation.h"

#include <algorithm>

namespace kf {

namespace {

Vec4 sampleChannel(const AnimChannel& c, float time) {
    const std::vector<float>& t = c.times;
    if (t.empty()) return Vec4(0);
    if (time <= t.front()) return c.values.front();
    if (time >= t.back()) return c.values.back();
    const size_t hi = size_t(std::upper_bound(t.begin(), t.end(), time) - t.begin());
    const size_t lo = hi - 1;
    if (c.step) return c.values[lo];
    const float span = t[hi] - t[lo];
    const float u = span > 0 ? (time - t[lo]) / span : 0.0f;
    const Vec4& a = c.values[lo];
    const Vec4& b = c.values[hi];
    if (c.path == AnimChannel::Rotation) {
        const glm::quat qa(a.w, a.x, a.y, a.z), qb(b.w, b.x, b.y, b.z);
        const glm::quat q = glm::slerp(qa, qb, u);
        return Vec4(q.x, q.y, q.z, q.w);
    }
    return a + (b - a) * u;
}

}  // namespace

void sampleAnimation(const MeshData& m, int anim, float frame, std::vector<NodeTRS>& locals) {
    locals.resize(m.nodes.size());
    for (size_t i = 0; i < m.nodes.size(); ++i) locals[i] = m.nodes[i].rest;
    if (anim < 0 || anim >= int(m.animations.size())) return;
    const float time = frame / animationFps;
    for (const AnimChannel& c : m.animations[anim].channels) {
        const Vec4 v = sampleChannel(c, time);
        NodeTRS& node = locals[c.node];
        switch (c.path) {
        case AnimChannel::Translation: node.t = Vec3(v); break;
        case AnimChannel::Scale: node.s = Vec3(v); break;
        case AnimChannel::Rotation: node.r = glm::normalize(glm::quat(v.w, v.x, v.y, v.z)); break;
        }
    }
}

void computeJointMatrices(const MeshData& m, int skin, const std::vector<Mat4>& globals,
                          std::vector<Mat4>& out) {
    const MeshSkin& s = m.skins[skin];
    out.resize(s.joints.size());
    for (size_t j = 0; j < s.joints.size(); ++j) out[j] = globals[s.joints[j]] * s.inverseBind[j];
}

}  // namespace kf
