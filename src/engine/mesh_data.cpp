#include "mesh_data.h"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>

namespace kf {

Mat4 NodeTRS::matrix() const {
    return glm::translate(Mat4(1.0f), t) * glm::mat4_cast(r) * glm::scale(Mat4(1.0f), s);
}

int MeshData::findNode(std::string_view name) const {
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].name == name) return int(i);
    return -1;
}

int MeshData::findAnimation(std::string_view name) const {
    for (size_t i = 0; i < animations.size(); ++i)
        if (animations[i].name == name) return int(i);
    return -1;
}

void MeshData::addPrimitive(const std::vector<MeshVertex>& verts,
                            const std::vector<uint32_t>& idx, int material, int node,
                            int skin) {
    MeshPrimitive p;
    p.material = material;
    p.node = node;
    p.skin = skin;
    p.firstIndex = uint32_t(indices.size());
    p.indexCount = uint32_t(idx.size());
    const uint32_t base = uint32_t(vertices.size());
    vertices.insert(vertices.end(), verts.begin(), verts.end());
    for (uint32_t i : idx) indices.push_back(base + i);
    primitives.push_back(p);
}

void computeGlobals(const MeshData& m, const std::vector<NodeTRS>& locals,
                    std::vector<Mat4>& globals) {
    globals.resize(m.nodes.size());
    for (int i : m.nodeOrder) {
        const Mat4 local = locals[i].matrix();
        const int p = m.nodes[i].parent;
        globals[i] = p >= 0 ? globals[p] * local : local;
    }
}

static bool fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

bool MeshData::finish(std::string* error) {
    const int n = int(nodes.size());
    for (const MeshNode& node : nodes)
        if (node.parent < -1 || node.parent >= n) return fail(error, "node parent out of range");
    // Depth of each node by walking up; a walk longer than n is a cycle.
    nodeOrder.clear();
    std::vector<int> depth(n, -1);
    for (int i = 0; i < n; ++i) {
        int d = 0;
        for (int p = nodes[i].parent; p >= 0; p = nodes[p].parent)
            if (++d > n) return fail(error, "node hierarchy has a cycle");
        depth[i] = d;
    }
    for (int d = 0; int(nodeOrder.size()) < n; ++d)
        for (int i = 0; i < n; ++i)
            if (depth[i] == d) nodeOrder.push_back(i);

    std::vector<NodeTRS> rest(n);
    for (int i = 0; i < n; ++i) rest[i] = nodes[i].rest;
    computeGlobals(*this, rest, restGlobals);

    for (const MeshSkin& s : skins) {
        if (s.joints.size() > size_t(maxJoints)) return fail(error, "skin has too many joints");
        if (s.inverseBind.size() != s.joints.size())
            return fail(error, "skin joints and inverse bind matrices differ in count");
        for (int j : s.joints)
            if (j < 0 || j >= n) return fail(error, "skin joint out of range");
    }
    for (const Animation& a : animations)
        for (const AnimChannel& c : a.channels)
            if (c.node < 0 || c.node >= n || c.times.size() != c.values.size())
                return fail(error, "animation channel malformed");

    bounds = Box{};
    for (MeshPrimitive& p : primitives) {
        if (p.firstIndex + uint64_t(p.indexCount) > indices.size())
            return fail(error, "primitive indices out of range");
        if (p.node >= n || p.skin >= int(skins.size())) return fail(error, "primitive reference out of range");
        p.bounds = Box{};
        p.minVertex = ~0u;
        p.maxVertex = 0;
        for (uint32_t k = 0; k < p.indexCount; ++k) {
            const uint32_t v = indices[p.firstIndex + k];
            if (v >= vertices.size()) return fail(error, "vertex index out of range");
            p.bounds.add(vertices[v].pos);
            p.minVertex = std::min(p.minVertex, v);
            p.maxVertex = std::max(p.maxVertex, v);
        }
        if (p.indexCount == 0) p.minVertex = 0;
        if (p.skin >= 0 || p.node < 0) {
            if (!p.bounds.empty()) {
                bounds.add(p.bounds.min);
                bounds.add(p.bounds.max);
            }
        } else {
            const Box b = transformBox(p.bounds, restGlobals[p.node]);
            if (!b.empty()) {
                bounds.add(b.min);
                bounds.add(b.max);
            }
        }
    }
    return true;
}

}  // namespace kf
