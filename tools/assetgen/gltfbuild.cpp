#include "gltfbuild.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace assetgen {

std::size_t MeshData::triangleCount() const {
    std::size_t n = 0;
    for (const Primitive& p : prims) n += p.indices.size() / 3;
    return n;
}

GlbBuilder::GlbBuilder() {
    model_.asset.version = "2.0";
    model_.asset.generator = "Kickfield assetgen";
    model_.buffers.emplace_back();
    model_.scenes.emplace_back();
    model_.defaultScene = 0;
}

int GlbBuilder::addAccessor(const void* data, std::size_t bytes, int componentType, int type, std::size_t count,
                            int target, const std::vector<double>& min, const std::vector<double>& max) {
    std::vector<unsigned char>& buf = model_.buffers[0].data;
    while (buf.size() % 4 != 0) buf.push_back(0);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = buf.size();
    view.byteLength = bytes;
    view.target = target;
    const auto* p = static_cast<const unsigned char*>(data);
    buf.insert(buf.end(), p, p + bytes);
    model_.bufferViews.push_back(view);

    tinygltf::Accessor acc;
    acc.bufferView = static_cast<int>(model_.bufferViews.size() - 1);
    acc.componentType = componentType;
    acc.type = type;
    acc.count = count;
    acc.minValues = min;
    acc.maxValues = max;
    model_.accessors.push_back(acc);
    return static_cast<int>(model_.accessors.size() - 1);
}

int GlbBuilder::addMaterial(const std::string& name, glm::vec4 baseColor, bool blend) {
    tinygltf::Material m;
    m.name = name;
    m.pbrMetallicRoughness.baseColorFactor = {baseColor.r, baseColor.g, baseColor.b, baseColor.a};
    m.pbrMetallicRoughness.metallicFactor = 0.0;
    m.pbrMetallicRoughness.roughnessFactor = 1.0;
    if (blend) m.alphaMode = "BLEND";
    model_.materials.push_back(m);
    return static_cast<int>(model_.materials.size() - 1);
}

int GlbBuilder::addNode(const std::string& name, int parent, glm::vec3 translation) {
    tinygltf::Node n;
    n.name = name;
    if (translation != glm::vec3(0.0f)) n.translation = {translation.x, translation.y, translation.z};
    model_.nodes.push_back(n);
    int id = static_cast<int>(model_.nodes.size() - 1);
    if (parent < 0)
        model_.scenes[0].nodes.push_back(id);
    else
        model_.nodes[parent].children.push_back(id);
    return id;
}

int GlbBuilder::addMesh(const std::string& name, const MeshData& mesh, bool skinned) {
    tinygltf::Mesh out;
    out.name = name;
    for (std::size_t m = 0; m < mesh.prims.size(); ++m) {
        const Primitive& p = mesh.prims[m];
        if (p.indices.empty()) continue;
        const std::size_t n = p.verts.size();
        std::vector<float> pos, nrm, uv, wts;
        std::vector<std::uint16_t> jts;
        std::vector<double> lo(3, std::numeric_limits<double>::max()), hi(3, -std::numeric_limits<double>::max());
        for (const Vertex& v : p.verts) {
            pos.insert(pos.end(), {v.pos.x, v.pos.y, v.pos.z});
            glm::vec3 nn = glm::length(v.normal) > 0.0f ? glm::normalize(v.normal) : glm::vec3(0, 1, 0);
            nrm.insert(nrm.end(), {nn.x, nn.y, nn.z});
            uv.insert(uv.end(), {v.uv.x, v.uv.y});
            jts.insert(jts.end(), {static_cast<std::uint16_t>(v.joint), 0, 0, 0});
            wts.insert(wts.end(), {1.0f, 0.0f, 0.0f, 0.0f});
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], static_cast<double>(v.pos[k]));
                hi[k] = std::max(hi[k], static_cast<double>(v.pos[k]));
            }
        }
        tinygltf::Primitive prim;
        prim.mode = TINYGLTF_MODE_TRIANGLES;
        prim.material = static_cast<int>(m);
        prim.attributes["POSITION"] = addAccessor(pos.data(), pos.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                  TINYGLTF_TYPE_VEC3, n, TINYGLTF_TARGET_ARRAY_BUFFER, lo, hi);
        prim.attributes["NORMAL"] = addAccessor(nrm.data(), nrm.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                TINYGLTF_TYPE_VEC3, n, TINYGLTF_TARGET_ARRAY_BUFFER);
        prim.attributes["TEXCOORD_0"] = addAccessor(uv.data(), uv.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                    TINYGLTF_TYPE_VEC2, n, TINYGLTF_TARGET_ARRAY_BUFFER);
        if (skinned) {
            prim.attributes["JOINTS_0"] =
                addAccessor(jts.data(), jts.size() * 2, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, TINYGLTF_TYPE_VEC4,
                            n, TINYGLTF_TARGET_ARRAY_BUFFER);
            prim.attributes["WEIGHTS_0"] = addAccessor(wts.data(), wts.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                                       TINYGLTF_TYPE_VEC4, n, TINYGLTF_TARGET_ARRAY_BUFFER);
        }
        prim.indices = addAccessor(p.indices.data(), p.indices.size() * 4, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                                   TINYGLTF_TYPE_SCALAR, p.indices.size(), TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
        out.primitives.push_back(prim);
    }
    model_.meshes.push_back(out);
    return static_cast<int>(model_.meshes.size() - 1);
}

void GlbBuilder::setNodeMesh(int node, int mesh, int skin) {
    model_.nodes[node].mesh = mesh;
    model_.nodes[node].skin = skin;
}

int GlbBuilder::addSkin(const std::string& name, const std::vector<int>& jointNodes,
                        const std::vector<glm::mat4>& inverseBind, int skeletonRoot) {
    std::vector<float> m;
    for (const glm::mat4& ib : inverseBind)
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) m.push_back(ib[c][r]);  // column-major, as glTF
    tinygltf::Skin s;
    s.name = name;
    s.joints = jointNodes;
    s.skeleton = skeletonRoot;
    s.inverseBindMatrices = addAccessor(m.data(), m.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_MAT4,
                                        inverseBind.size(), 0);
    model_.skins.push_back(s);
    return static_cast<int>(model_.skins.size() - 1);
}

void GlbBuilder::addAnimation(const std::string& name, const std::vector<KeyTrack>& tracks) {
    tinygltf::Animation anim;
    anim.name = name;
    for (const KeyTrack& t : tracks) {
        double tmin = t.times.front(), tmax = t.times.back();
        int input = addAccessor(t.times.data(), t.times.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                TINYGLTF_TYPE_SCALAR, t.times.size(), 0, {tmin}, {tmax});
        std::vector<float> vals;
        if (t.rotation)
            for (const glm::quat& q : t.rotations) vals.insert(vals.end(), {q.x, q.y, q.z, q.w});
        else
            for (const glm::vec3& v : t.translations) vals.insert(vals.end(), {v.x, v.y, v.z});
        int output = addAccessor(vals.data(), vals.size() * 4, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                 t.rotation ? TINYGLTF_TYPE_VEC4 : TINYGLTF_TYPE_VEC3, t.times.size(), 0);
        tinygltf::AnimationSampler sampler;
        sampler.input = input;
        sampler.output = output;
        sampler.interpolation = "LINEAR";
        anim.samplers.push_back(sampler);
        tinygltf::AnimationChannel ch;
        ch.sampler = static_cast<int>(anim.samplers.size() - 1);
        ch.target_node = t.node;
        ch.target_path = t.rotation ? "rotation" : "translation";
        anim.channels.push_back(ch);
    }
    model_.animations.push_back(anim);
}

bool GlbBuilder::write(const std::string& path) {
    model_.buffers[0].name.clear();
    tinygltf::TinyGLTF io;
    return io.WriteGltfSceneToFile(&model_, path, true, true, false, true);
}

}  // namespace assetgen
