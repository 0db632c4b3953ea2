#include "meshes.h"

#include <QOpenGLContext>
#include <cstddef>

#include "gl_functions.h"
#include "gltf_loader.h"
#include "textures.h"

namespace kf {


GpuMesh::GpuMesh(std::shared_ptr<const MeshData> data) : data_(std::move(data)) {
    if (onGlThread()) upload();
}

void GpuMesh::upload() const {
    if (uploaded_ || !makeEngineContextCurrent()) return;
    uploaded_ = true;
    const MeshData& data = *data_;
    GlFunctions* f = gl();
    f->glGenBuffers(1, &vbo_);
    f->glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    f->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.vertices.size() * sizeof(MeshVertex)),
                    data.vertices.data(), GL_STATIC_DRAW);
    f->glBindBuffer(GL_ARRAY_BUFFER, 0);
    f->glGenBuffers(1, &ibo_);
    f->glBindBuffer(GL_ARRAY_BUFFER, ibo_);  // bound as element array with the VAO later
    f->glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.indices.size() * sizeof(uint32_t)),
                    data.indices.data(), GL_STATIC_DRAW);
    f->glBindBuffer(GL_ARRAY_BUFFER, 0);
    for (const MeshMaterial& m : data.materials)
        materialTextures_.push_back(m.image.empty() ? 0 : createGlTexture(m.image, true));
}

GpuMesh::~GpuMesh() {
    if (!uploaded_ || !makeEngineContextCurrent()) return;
    GlFunctions* f = gl();
    if (vao_ && vaoContext_ == QOpenGLContext::currentContext()) f->glDeleteVertexArrays(1, &vao_);
    f->glDeleteBuffers(1, &vbo_);
    f->glDeleteBuffers(1, &ibo_);
    for (uint32_t t : materialTextures_)
        if (t) f->glDeleteTextures(1, &t);
}

uint32_t GpuMesh::vertexArray() const {
    upload();
    GlFunctions* f = gl();
    const void* ctx = QOpenGLContext::currentContext();
    if (vao_ && vaoContext_ == ctx) return vao_;
    // Put back what was bound: the renderer caches its bindings.
    GLint previous = 0;
    f->glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previous);
    f->glGenVertexArrays(1, &vao_);
    vaoContext_ = ctx;
    f->glBindVertexArray(vao_);
    f->glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    f->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
    const GLsizei stride = sizeof(MeshVertex);
    f->glEnableVertexAttribArray(0);
    f->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(MeshVertex, pos)));
    f->glEnableVertexAttribArray(1);
    f->glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(MeshVertex, normal)));
    f->glEnableVertexAttribArray(2);
    f->glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(MeshVertex, uv)));
    f->glEnableVertexAttribArray(3);
    f->glVertexAttribIPointer(3, 4, GL_UNSIGNED_BYTE, stride,
                              reinterpret_cast<void*>(offsetof(MeshVertex, joints)));
    f->glEnableVertexAttribArray(4);
    f->glVertexAttribPointer(4, 4, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<void*>(offsetof(MeshVertex, weights)));
    f->glBindVertexArray(GLuint(previous));
    return vao_;
}

uint32_t GpuMesh::materialTexture(int material) const {
    upload();
    return material >= 0 && material < int(materialTextures_.size()) ? materialTextures_[material] : 0;
}

MeshManager::~MeshManager() { releaseAll(); }

bool MeshManager::load(const std::string& name, const std::string& file, std::string* error) {
    MeshData data;
    if (!parseGltfFile(file, &data, error)) return false;
    return add(name, std::move(data));
}

bool MeshManager::add(const std::string& name, MeshData data) {
    Entry e;
    e.data = std::make_shared<const MeshData>(std::move(data));
    e.gpu = std::make_shared<const GpuMesh>(e.data);
    std::lock_guard lock(mutex_);
    meshes_[name] = std::move(e);
    return true;
}

bool MeshManager::contains(const std::string& name) const {
    std::lock_guard lock(mutex_);
    return meshes_.count(name) != 0;
}

std::shared_ptr<const MeshData> MeshManager::data(const std::string& name) const {
    std::lock_guard lock(mutex_);
    const auto it = meshes_.find(name);
    return it == meshes_.end() ? nullptr : it->second.data;
}

std::unique_ptr<MeshInstance> MeshManager::createInstance(const std::string& name) const {
    std::lock_guard lock(mutex_);
    const auto it = meshes_.find(name);
    if (it == meshes_.end()) return nullptr;
    return std::make_unique<MeshInstance>(it->second.data, it->second.gpu);
}

void MeshManager::releaseAll() {
    std::lock_guard lock(mutex_);
    meshes_.clear();
}

}  // namespace kf
