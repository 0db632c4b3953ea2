#pragma once
// A small writer of glTF 2.0 binary files: meshes split into one primitive per
// material, a node tree, one skin and keyed animations. Every accessor gets its
// own buffer view in a single embedded buffer.

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include <tiny_gltf.h>

namespace assetgen {

struct Vertex {
    glm::vec3 pos{0.0f};
    glm::vec3 normal{0.0f, 1.0f, 0.0f};
    glm::vec2 uv{0.0f};
    int joint = 0;  // rigid binding: one joint, weight 1
};

// Triangles of one material, counter-clockwise seen from the outside.
struct Primitive {
    std::vector<Vertex> verts;
    std::vector<std::uint32_t> indices;
    std::uint32_t add(const Vertex& v) {
        verts.push_back(v);
        return static_cast<std::uint32_t>(verts.size() - 1);
    }
    void tri(std::uint32_t a, std::uint32_t b, std::uint32_t c) { indices.insert(indices.end(), {a, b, c}); }
};

// One primitive per material index; empty primitives are not written.
struct MeshData {
    std::vector<Primitive> prims;
    explicit MeshData(int materialCount = 1) : prims(materialCount) {}
    Primitive& operator[](int material) { return prims.at(material); }
    std::size_t triangleCount() const;
};

struct KeyTrack {
    int node = -1;
    bool rotation = true;  // false: translation
    std::vector<float> times;
    std::vector<glm::quat> rotations;
    std::vector<glm::vec3> translations;
};

class GlbBuilder {
public:
    GlbBuilder();
    int addMaterial(const std::string& name, glm::vec4 baseColor = glm::vec4(1.0f), bool blend = false);
    // A node with a rest translation; parent -1 makes it a scene root.
    int addNode(const std::string& name, int parent, glm::vec3 translation = glm::vec3(0.0f));
    // Writes a mesh; skinned meshes get JOINTS_0/WEIGHTS_0 from Vertex::joint.
    int addMesh(const std::string& name, const MeshData& mesh, bool skinned);
    void setNodeMesh(int node, int mesh, int skin = -1);
    int addSkin(const std::string& name, const std::vector<int>& jointNodes,
                const std::vector<glm::mat4>& inverseBind, int skeletonRoot);
    void addAnimation(const std::string& name, const std::vector<KeyTrack>& tracks);
    bool write(const std::string& path);
    const tinygltf::Model& model() const { return model_; }

private:
    int addAccessor(const void* data, std::size_t bytes, int componentType, int type, std::size_t count,
                    int target, const std::vector<double>& min = {}, const std::vector<double>& max = {});
    tinygltf::Model model_;
};

}  // namespace assetgen
