#pragma once
// Reads back generated .glb files for the tests: accessors, the node tree and
// animated joint positions (linear keys, as the files promise).

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <tiny_gltf.h>

namespace probe {

struct Glb {
    tinygltf::Model m;
    bool ok = false;
    std::string error;
};

inline Glb load(const std::string& path) {
    Glb g;
    tinygltf::TinyGLTF io;
    std::string warn;
    g.ok = io.LoadBinaryFromFile(&g.m, &g.error, &warn, path);
    return g;
}

inline std::vector<float> floats(const tinygltf::Model& m, int accessor) {
    const tinygltf::Accessor& a = m.accessors[accessor];
    const tinygltf::BufferView& v = m.bufferViews[a.bufferView];
    const int comps = tinygltf::GetNumComponentsInType(a.type);
    std::vector<float> out(a.count * comps);
    const unsigned char* p = m.buffers[v.buffer].data.data() + v.byteOffset + a.byteOffset;
    std::memcpy(out.data(), p, out.size() * sizeof(float));
    return out;
}

inline std::vector<std::uint16_t> shorts(const tinygltf::Model& m, int accessor) {
    const tinygltf::Accessor& a = m.accessors[accessor];
    const tinygltf::BufferView& v = m.bufferViews[a.bufferView];
    std::vector<std::uint16_t> out(a.count * tinygltf::GetNumComponentsInType(a.type));
    std::memcpy(out.data(), m.buffers[v.buffer].data.data() + v.byteOffset + a.byteOffset, out.size() * 2);
    return out;
}

inline int node(const tinygltf::Model& m, const std::string& name) {
    for (std::size_t i = 0; i < m.nodes.size(); ++i)
        if (m.nodes[i].name == name) return static_cast<int>(i);
    return -1;
}

inline int animation(const tinygltf::Model& m, const std::string& name) {
    for (std::size_t i = 0; i < m.animations.size(); ++i)
        if (m.animations[i].name == name) return static_cast<int>(i);
    return -1;
}

// Last key time of an animation, in frames (30 per second).
inline float lastFrame(const tinygltf::Model& m, int anim) {
    float t = 0;
    for (const tinygltf::AnimationSampler& s : m.animations[anim].samplers) {
        const std::vector<float> in = floats(m, s.input);
        t = std::max(t, in.back());
    }
    return t * 30.0f;
}

struct Trs {
    glm::vec3 t{0.0f};
    glm::quat r{1, 0, 0, 0};
};

// Model-space matrix of every node in the pose of `anim` at `frame`.
inline std::vector<glm::mat4> pose(const tinygltf::Model& m, int anim, float frame) {
    std::vector<Trs> local(m.nodes.size());
    for (std::size_t i = 0; i < m.nodes.size(); ++i) {
        const tinygltf::Node& n = m.nodes[i];
        if (n.translation.size() == 3) local[i].t = glm::vec3(n.translation[0], n.translation[1], n.translation[2]);
        if (n.rotation.size() == 4) local[i].r = glm::quat(n.rotation[3], n.rotation[0], n.rotation[1], n.rotation[2]);
    }
    if (anim >= 0) {
        const float time = frame / 30.0f;
        for (const tinygltf::AnimationChannel& c : m.animations[anim].channels) {
            const tinygltf::AnimationSampler& s = m.animations[anim].samplers[c.sampler];
            const std::vector<float> in = floats(m, s.input), out = floats(m, s.output);
            std::size_t k = 0;
            while (k + 1 < in.size() && in[k + 1] <= time) ++k;
            const std::size_t k1 = std::min(k + 1, in.size() - 1);
            const float u = (k1 == k || time <= in[k]) ? 0.0f : std::min(1.0f, (time - in[k]) / (in[k1] - in[k]));
            if (c.target_path == "rotation") {
                const glm::quat a(out[4 * k + 3], out[4 * k], out[4 * k + 1], out[4 * k + 2]);
                const glm::quat b(out[4 * k1 + 3], out[4 * k1], out[4 * k1 + 1], out[4 * k1 + 2]);
                local[c.target_node].r = glm::normalize(glm::slerp(a, b, u));
            } else if (c.target_path == "translation") {
                const glm::vec3 a(out[3 * k], out[3 * k + 1], out[3 * k + 2]);
                const glm::vec3 b(out[3 * k1], out[3 * k1 + 1], out[3 * k1 + 2]);
                local[c.target_node].t = glm::mix(a, b, u);
            }
        }
    }
    std::vector<int> parent(m.nodes.size(), -1);
    for (std::size_t i = 0; i < m.nodes.size(); ++i)
        for (int ch : m.nodes[i].children) parent[ch] = static_cast<int>(i);
    std::vector<glm::mat4> world(m.nodes.size());
    std::vector<bool> done(m.nodes.size(), false);
    std::function<void(int)> solve = [&](int i) {
        if (done[i]) return;
        glm::mat4 l = glm::mat4(1.0f);
        l[3] = glm::vec4(local[i].t, 1.0f);
        l = l * glm::mat4_cast(local[i].r);
        if (parent[i] >= 0) {
            solve(parent[i]);
            l = world[parent[i]] * l;
        }
        world[i] = l;
        done[i] = true;
    };
    for (std::size_t i = 0; i < m.nodes.size(); ++i) solve(static_cast<int>(i));
    return world;
}

inline glm::vec3 position(const std::vector<glm::mat4>& world, int node) { return glm::vec3(world[node][3]); }

// Vertices of every primitive of every mesh, in model space of the file (rest pose).
struct Bounds {
    glm::vec3 lo{1e30f}, hi{-1e30f};
    glm::vec3 size() const { return hi - lo; }
};
inline Bounds bounds(const tinygltf::Model& m) {
    Bounds b;
    for (const tinygltf::Mesh& mesh : m.meshes)
        for (const tinygltf::Primitive& p : mesh.primitives) {
            const std::vector<float> v = floats(m, p.attributes.at("POSITION"));
            for (std::size_t i = 0; i + 2 < v.size(); i += 3) {
                b.lo = glm::min(b.lo, glm::vec3(v[i], v[i + 1], v[i + 2]));
                b.hi = glm::max(b.hi, glm::vec3(v[i], v[i + 1], v[i + 2]));
            }
        }
    return b;
}

}  // namespace probe
