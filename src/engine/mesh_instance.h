#pragma once
// One drawable use of a model: its pose (animation and frame), which texture
// each material wears, which nodes are hidden, and the per-node culling
// switch. CPU only; the renderer draws it. Dressing and posing are cheap, so
// one instance can serve many figures drawn one after another.

#include <memory>
#include <string>
#include <vector>

#include "mesh_data.h"
#include "texture_handle.h"

namespace kf {

class GpuMesh;

class MeshInstance {
public:
    explicit MeshInstance(std::shared_ptr<const MeshData> data,
                          std::shared_ptr<const GpuMesh> gpu = nullptr);

    const MeshData& data() const { return *data_; }
    const GpuMesh* gpu() const { return gpu_.get(); }

    int findAnimation(std::string_view name) const { return data_->findAnimation(name); }
    // False (pose unchanged) when there is no such animation.
    bool setAnimation(std::string_view name, float frame);
    bool setAnimation(int index, float frame);
    int animation() const { return anim_; }
    float frame() const { return frame_; }

    // Hides or shows a node with everything below it; false when unknown.
    bool showNode(std::string_view name, bool visible);
    // False when the node or one of its ancestors is hidden.
    bool nodeVisible(int node) const;

    // An invalid handle (the default) draws the material's own image, else white.
    void setMaterialTexture(int material, TextureHandle texture);
    TextureHandle materialTexture(int material) const;

    // Per-primitive frustum culling inside the instance (rigid parts only).
    void setNodeCulling(bool on) { nodeCulling_ = on; }
    bool nodeCulling() const { return nodeCulling_; }

    // Model-space box of the rest pose.
    const Box& boundingBox() const { return data_->bounds; }

    // Triangle-exact test of a world-space ray against the rest pose under
    // `world`; *distance is t of the nearest hit (origin + t * dir).
    bool intersectRay(const Mat4& world, const Ray& ray, float* distance) const;

    // Current pose, recomputed only after the animation or frame changed.
    const std::vector<Mat4>& nodeGlobals() const;
    const std::vector<Mat4>& jointMatrices(int skin) const;

private:
    void updatePose() const;

    std::shared_ptr<const MeshData> data_;
    std::shared_ptr<const GpuMesh> gpu_;
    int anim_ = -1;
    float frame_ = 0;
    std::vector<char> hidden_;
    std::vector<TextureHandle> textures_;
    bool nodeCulling_ = true;

    mutable bool poseDirty_ = true;
    mutable std::vector<NodeTRS> locals_;
    mutable std::vector<Mat4> globals_;
    mutable std::vector<std::vector<Mat4>> joints_;
};

}  // namespace kf
