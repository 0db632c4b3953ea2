#pragma once
// A parsed model, plain CPU data without any GL object: one vertex and index
// array for the whole model, primitives (one per material use) attached to
// nodes, the node hierarchy, skins and animations. Built by the glTF parser
// (thread-safe) or by hand, uploaded once on the GL thread.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <glm/gtc/quaternion.hpp>

#include "image.h"
#include "transforms.h"

namespace kf {

// Joint matrices the skinning shader holds.
constexpr int maxJoints = 64;
// Animation frames: frame f is the glTF time f / animationFps seconds.
constexpr float animationFps = 30.0f;

struct MeshVertex {
    Vec3 pos{0};
    Vec3 normal{0, 1, 0};
    Vec2f uv{0};
    uint8_t joints[4] = {0, 0, 0, 0};
    float weights[4] = {0, 0, 0, 0};
};

struct MeshPrimitive {
    int material = 0;
    int node = -1;   // the node whose mesh this is
    int skin = -1;   // -1: rigid, moved by the node's transform
    uint32_t firstIndex = 0;
    uint32_t indexCount = 0;
    uint32_t minVertex = 0, maxVertex = 0;  // range its indices use (finish())
    Box bounds;      // of its vertices, in the primitive's own space
};

struct NodeTRS {
    Vec3 t{0};
    glm::quat r{1, 0, 0, 0};
    Vec3 s{1};
    Mat4 matrix() const;
};

struct MeshNode {
    std::string name;
    int parent = -1;
    NodeTRS rest;
};

struct MeshSkin {
    std::vector<int> joints;        // node indices
    std::vector<Mat4> inverseBind;  // one per joint
};

struct AnimChannel {
    enum Path { Translation, Rotation, Scale };
    int node = -1;
    Path path = Translation;
    bool step = false;
    std::vector<float> times;   // seconds, ascending
    std::vector<Vec4> values;   // xyz, or quaternion x y z w
};

struct Animation {
    std::string name;
    std::vector<AnimChannel> channels;
    float duration = 0;  // seconds
    float frameCount() const { return duration * animationFps; }
};

struct MeshMaterial {
    std::string name;
    Image image;            // embedded base colour image, may be empty
    Rgba factor{255, 255, 255, 255};
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<MeshPrimitive> primitives;
    std::vector<MeshNode> nodes;
    std::vector<MeshSkin> skins;
    std::vector<Animation> animations;
    std::vector<MeshMaterial> materials;
    // Filled by finish():
    std::vector<int> nodeOrder;  // every parent before its children
    std::vector<Mat4> restGlobals;
    Box bounds;                  // model space, rest pose

    int findNode(std::string_view name) const;
    int findAnimation(std::string_view name) const;
    // Appends a primitive from its own vertices and indices (0-based).
    void addPrimitive(const std::vector<MeshVertex>& verts, const std::vector<uint32_t>& idx,
                      int material, int node, int skin = -1);
    // Orders the nodes, computes rest transforms and bounds; call after building.
    // False when the hierarchy has a cycle or a reference is out of range.
    bool finish(std::string* error = nullptr);
};

// Global transforms from local ones, in nodeOrder.
void computeGlobals(const MeshData& m, const std::vector<NodeTRS>& locals,
                    std::vector<Mat4>& globals);

}  // namespace kf
