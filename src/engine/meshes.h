#pragma once
// The mesh manager: models registered under a name, each uploaded once into
// one vertex and one index buffer. Every operation may be called from any
// thread; the upload itself happens on the GL thread at the first draw.

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "mesh_data.h"
#include "mesh_instance.h"

namespace kf {

// GL side of one model, uploaded on the GL thread when first drawn (so a
// loader thread may register a model). Buffers are shared by the engine's
// contexts; the vertex array object is not, so it belongs to the drawing context.
class GpuMesh {
public:
    explicit GpuMesh(std::shared_ptr<const MeshData> data);
    ~GpuMesh();
    GpuMesh(const GpuMesh&) = delete;
    GpuMesh& operator=(const GpuMesh&) = delete;

    // The vertex array for the current context, made (and left bound) on first use.
    uint32_t vertexArray() const;
    // GL name of the material's embedded image, 0 when it has none.
    uint32_t materialTexture(int material) const;

private:
    void upload() const;

    std::shared_ptr<const MeshData> data_;
    mutable bool uploaded_ = false;
    mutable uint32_t vbo_ = 0, ibo_ = 0;
    mutable uint32_t vao_ = 0;
    mutable const void* vaoContext_ = nullptr;
    mutable std::vector<uint32_t> materialTextures_;
};

class MeshManager {
public:
    MeshManager() = default;
    ~MeshManager();
    MeshManager(const MeshManager&) = delete;
    MeshManager& operator=(const MeshManager&) = delete;

    // Parse and upload; false (and nothing registered) when the file is
    // missing or malformed.
    bool load(const std::string& name, const std::string& file, std::string* error = nullptr);
    // Upload parsed data; a mesh of the same name is replaced.
    bool add(const std::string& name, MeshData data);
    bool contains(const std::string& name) const;
    std::shared_ptr<const MeshData> data(const std::string& name) const;
    // nullptr for an unknown name. An instance keeps its model alive even
    // when the name is loaded again or released.
    std::unique_ptr<MeshInstance> createInstance(const std::string& name) const;
    void releaseAll();

private:
    struct Entry {
        std::shared_ptr<const MeshData> data;
        std::shared_ptr<const GpuMesh> gpu;
    };
    mutable std::mutex mutex_;
    std::unordered_map<std::string, Entry> meshes_;
};

}  // namespace kf
