#include "mesh_instance.h"

#include "animation.h"

namespace kf {

MeshInstance::MeshInstance(std::shared_ptr<const MeshData> data,
                           std::shared_ptr<const GpuMesh> gpu)
    : data_(std::move(data)), gpu_(std::move(gpu)), hidden_(data_->nodes.size(), 0),
      textures_(data_->materials.size()), joints_(data_->skins.size()) {}

bool MeshInstance::setAnimation(std::string_view name, float frame) {
    const int index = data_->findAnimation(name);
    return index >= 0 && setAnimation(index, frame);
}

bool MeshInstance::setAnimation(int index, float frame) {
    if (index < 0 || index >= int(data_->animations.size())) return false;
    if (index != anim_ || frame != frame_) poseDirty_ = true;
    anim_ = index;
    frame_ = frame;
    return true;
}

bool MeshInstance::showNode(std::string_view name, bool visible) {
    const int node = data_->findNode(name);
    if (node < 0) return false;
    hidden_[node] = visible ? 0 : 1;
    return true;
}

bool MeshInstance::nodeVisible(int node) const {
    for (int n = node; n >= 0; n = data_->nodes[n].parent)
        if (hidden_[n]) return false;
    return true;
}

void MeshInstance::setMaterialTexture(int material, TextureHandle texture) {
    if (material < 0) return;
    if (material >= int(textures_.size())) textures_.resize(material + 1);
    textures_[material] = texture;
}

TextureHandle MeshInstance::materialTexture(int material) const {
    if (material < 0 || material >= int(textures_.size())) return {};
    return textures_[material];
}

void MeshInstance::updatePose() const {
    if (!poseDirty_) return;
    sampleAnimation(*data_, anim_, frame_, locals_);
    computeGlobals(*data_, locals_, globals_);
    for (size_t s = 0; s < data_->skins.size(); ++s)
        computeJointMatrices(*data_, int(s), globals_, joints_[s]);
    poseDirty_ = false;
}

const std::vector<Mat4>& MeshInstance::nodeGlobals() const {
    updatePose();
    return globals_;
}

const std::vector<Mat4>& MeshInstance::jointMatrices(int skin) const {
    updatePose();
    return joints_[skin];
}

bool MeshInstance::intersectRay(const Mat4& world, const Ray& ray, float* distance) const {
    const MeshData& m = *data_;
    bool hit = false;
    float best = 0;
    for (const MeshPrimitive& p : m.primitives) {
        // The ray in the primitive's own space; with an unnormalised direction
        // the parameter t is the same as in world space.
        const Mat4 toWorld =
            (p.skin >= 0 || p.node < 0) ? world : world * m.restGlobals[p.node];
        const Mat4 inv = glm::inverse(toWorld);
        const Ray local{Vec3(inv * Vec4(ray.origin, 1.0f)), Vec3(inv * Vec4(ray.dir, 0.0f))};
        for (uint32_t k = 0; k + 2 < p.indexCount; k += 3) {
            const uint32_t* tri = &m.indices[p.firstIndex + k];
            float t;
            if (rayTriangle(local, m.vertices[tri[0]].pos, m.vertices[tri[1]].pos,
                            m.vertices[tri[2]].pos, &t) &&
                (!hit || t < best)) {
                best = t;
                hit = true;
            }
        }
    }
    if (hit) *distance = best;
    return hit;
}

}  // namespace kf
