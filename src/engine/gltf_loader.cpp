#include "gltf_loader.h"

#include <tiny_gltf.h>

#include <cstring>
#include <fstream>
#include <glm/gtc/type_ptr.hpp>
#include <glm/gtx/matrix_decompose.hpp>

namespace kf {

namespace {

// Keeps encoded image bytes as they are; Image decodes them later with Qt.
bool keepImageBytes(tinygltf::Image* image, const int, std::string*, std::string*, int, int,
                    const unsigned char* bytes, int size, void*) {
    image->image.assign(bytes, bytes + size);
    image->width = -1;
    return true;
}

int componentCount(int type) {
    switch (type) {
    case TINYGLTF_TYPE_SCALAR: return 1;
    case TINYGLTF_TYPE_VEC2: return 2;
    case TINYGLTF_TYPE_VEC3: return 3;
    case TINYGLTF_TYPE_VEC4: return 4;
    case TINYGLTF_TYPE_MAT4: return 16;
    default: return 0;
    }
}

float readComponent(const unsigned char* p, int componentType, bool normalized) {
    switch (componentType) {
    case TINYGLTF_COMPONENT_TYPE_FLOAT: { float f; std::memcpy(&f, p, 4); return f; }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return normalized ? p[0] / 255.0f : p[0];
    case TINYGLTF_COMPONENT_TYPE_BYTE: {
        const auto v = int8_t(p[0]);
        return normalized ? std::max(v / 127.0f, -1.0f) : v;
    }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: {
        uint16_t v; std::memcpy(&v, p, 2); return normalized ? v / 65535.0f : v;
    }
    case TINYGLTF_COMPONENT_TYPE_SHORT: {
        int16_t v; std::memcpy(&v, p, 2); return normalized ? std::max(v / 32767.0f, -1.0f) : v;
    }
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: {
        uint32_t v; std::memcpy(&v, p, 4); return float(v);
    }
    default: return 0;
    }
}

// An accessor as rows of `width` floats (missing components are 0).
class AccessorReader {
public:
    AccessorReader(const tinygltf::Model& m, int index) {
        if (index < 0 || index >= int(m.accessors.size())) return;
        const tinygltf::Accessor& a = m.accessors[index];
        count_ = a.count;
        comps_ = componentCount(a.type);
        type_ = a.componentType;
        norm_ = a.normalized;
        elem_ = tinygltf::GetComponentSizeInBytes(uint32_t(type_));
        if (a.bufferView < 0 || a.bufferView >= int(m.bufferViews.size()) || elem_ <= 0) {
            count_ = 0;
            return;
        }
        const tinygltf::BufferView& v = m.bufferViews[a.bufferView];
        if (v.buffer < 0 || v.buffer >= int(m.buffers.size())) { count_ = 0; return; }
        const std::vector<unsigned char>& buf = m.buffers[v.buffer].data;
        stride_ = v.byteStride ? v.byteStride : size_t(elem_) * comps_;
        const size_t start = v.byteOffset + a.byteOffset;
        const size_t need = count_ ? start + stride_ * (count_ - 1) + size_t(elem_) * comps_ : start;
        if (need > buf.size() || need > v.byteOffset + v.byteLength) { count_ = 0; return; }
        base_ = buf.data() + start;
    }
    size_t count() const { return count_; }
    int components() const { return comps_; }
    float get(size_t row, int c) const {
        if (c >= comps_) return 0;
        return readComponent(base_ + row * stride_ + size_t(c) * elem_, type_, norm_);
    }
    uint32_t getIndex(size_t row) const {
        const unsigned char* p = base_ + row * stride_;
        switch (type_) {
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return p[0];
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: { uint16_t v; std::memcpy(&v, p, 2); return v; }
        default: { uint32_t v; std::memcpy(&v, p, 4); return v; }
        }
    }

private:
    const unsigned char* base_ = nullptr;
    size_t count_ = 0, stride_ = 0;
    int comps_ = 0, type_ = 0, elem_ = 0;
    bool norm_ = false;
};

int attribute(const tinygltf::Primitive& p, const char* name) {
    const auto it = p.attributes.find(name);
    return it == p.attributes.end() ? -1 : it->second;
}

NodeTRS nodeRest(const tinygltf::Node& n) {
    NodeTRS r;
    if (n.matrix.size() == 16) {
        Mat4 m;
        for (int i = 0; i < 16; ++i) glm::value_ptr(m)[i] = float(n.matrix[i]);
        Vec3 skew;
        Vec4 persp;
        glm::decompose(m, r.s, r.r, r.t, skew, persp);
        return r;
    }
    if (n.translation.size() == 3) r.t = Vec3(n.translation[0], n.translation[1], n.translation[2]);
    if (n.rotation.size() == 4)
        r.r = glm::quat(float(n.rotation[3]), float(n.rotation[0]), float(n.rotation[1]),
                        float(n.rotation[2]));
    if (n.scale.size() == 3) r.s = Vec3(n.scale[0], n.scale[1], n.scale[2]);
    return r;
}

void computeFlatNormals(std::vector<MeshVertex>& v, const std::vector<uint32_t>& idx) {
    std::vector<Vec3> sum(v.size(), Vec3(0));
    for (size_t k = 0; k + 2 < idx.size(); k += 3) {
        const Vec3 n = glm::cross(v[idx[k + 1]].pos - v[idx[k]].pos, v[idx[k + 2]].pos - v[idx[k]].pos);
        for (int j = 0; j < 3; ++j) sum[idx[k + j]] += n;
    }
    for (size_t i = 0; i < v.size(); ++i)
        v[i].normal = glm::length(sum[i]) > 0 ? glm::normalize(sum[i]) : Vec3(0, 1, 0);
}

bool readPrimitive(const tinygltf::Model& m, const tinygltf::Primitive& prim, int node, int skin,
                   MeshData* out, std::string* error) {
    if (prim.mode != TINYGLTF_MODE_TRIANGLES && prim.mode != -1) return true;  // points, lines
    const AccessorReader pos(m, attribute(prim, "POSITION"));
    if (pos.count() == 0) { *error = "primitive without positions"; return false; }
    const AccessorReader nrm(m, attribute(prim, "NORMAL"));
    const AccessorReader uv(m, attribute(prim, "TEXCOORD_0"));
    const AccessorReader jnt(m, attribute(prim, "JOINTS_0"));
    const AccessorReader wgt(m, attribute(prim, "WEIGHTS_0"));
    std::vector<MeshVertex> verts(pos.count());
    for (size_t i = 0; i < verts.size(); ++i) {
        MeshVertex& v = verts[i];
        v.pos = Vec3(pos.get(i, 0), pos.get(i, 1), pos.get(i, 2));
        if (nrm.count() == verts.size()) v.normal = Vec3(nrm.get(i, 0), nrm.get(i, 1), nrm.get(i, 2));
        if (uv.count() == verts.size()) v.uv = Vec2f(uv.get(i, 0), uv.get(i, 1));
        if (skin >= 0 && jnt.count() == verts.size() && wgt.count() == verts.size()) {
            float total = 0;
            for (int c = 0; c < 4; ++c) {
                const float j = jnt.get(i, c);
                if (j < 0 || j >= float(maxJoints)) { *error = "joint index too large"; return false; }
                v.joints[c] = uint8_t(j);
                v.weights[c] = wgt.get(i, c);
                total += v.weights[c];
            }
            if (total > 0)
                for (float& w : v.weights) w /= total;
            else
                v.weights[0] = 1;
        } else if (skin >= 0) {
            v.weights[0] = 1;
        }
    }
    std::vector<uint32_t> idx;
    if (prim.indices >= 0) {
        const AccessorReader ir(m, prim.indices);
        if (ir.count() == 0) { *error = "unreadable index accessor"; return false; }
        idx.resize(ir.count());
        for (size_t i = 0; i < idx.size(); ++i) {
            idx[i] = ir.getIndex(i);
            if (idx[i] >= verts.size()) { *error = "index out of range"; return false; }
        }
    } else {
        idx.resize(verts.size());
        for (size_t i = 0; i < idx.size(); ++i) idx[i] = uint32_t(i);
    }
    idx.resize(idx.size() / 3 * 3);
    if (nrm.count() != verts.size()) computeFlatNormals(verts, idx);
    out->addPrimitive(verts, idx, std::max(prim.material, 0), node, skin);
    return true;
}

void readMaterials(const tinygltf::Model& m, MeshData* out) {
    for (const tinygltf::Material& mat : m.materials) {
        MeshMaterial mm;
        mm.name = mat.name;
        const auto& f = mat.pbrMetallicRoughness.baseColorFactor;
        if (f.size() == 4)
            mm.factor = Rgba{uint8_t(f[0] * 255 + 0.5), uint8_t(f[1] * 255 + 0.5),
                             uint8_t(f[2] * 255 + 0.5), uint8_t(f[3] * 255 + 0.5)};
        const int tex = mat.pbrMetallicRoughness.baseColorTexture.index;
        if (tex >= 0 && tex < int(m.textures.size())) {
            const int src = m.textures[tex].source;
            if (src >= 0 && src < int(m.images.size())) {
                const std::vector<unsigned char>& bytes = m.images[src].image;
                if (!bytes.empty()) mm.image.loadFromMemory(bytes.data(), bytes.size());
            }
        }
        out->materials.push_back(std::move(mm));
    }
}

bool readAnimations(const tinygltf::Model& m, MeshData* out, std::string* error) {
    for (const tinygltf::Animation& a : m.animations) {
        Animation anim;
        anim.name = a.name;
        for (const tinygltf::AnimationChannel& ch : a.channels) {
            if (ch.sampler < 0 || ch.sampler >= int(a.samplers.size())) continue;
            AnimChannel c;
            c.node = ch.target_node;
            if (ch.target_path == "translation") c.path = AnimChannel::Translation;
            else if (ch.target_path == "rotation") c.path = AnimChannel::Rotation;
            else if (ch.target_path == "scale") c.path = AnimChannel::Scale;
            else continue;  // morph weights
            const tinygltf::AnimationSampler& s = a.samplers[ch.sampler];
            c.step = s.interpolation == "STEP";
            const bool cubic = s.interpolation == "CUBICSPLINE";
            const AccessorReader in(m, s.input), val(m, s.output);
            const size_t keys = in.count();
            if (keys == 0 || val.count() != (cubic ? keys * 3 : keys)) {
                *error = "animation \"" + a.name + "\" has malformed keys";
                return false;
            }
            for (size_t k = 0; k < keys; ++k) {
                const size_t row = cubic ? k * 3 + 1 : k;
                c.times.push_back(in.get(k, 0));
                c.values.emplace_back(val.get(row, 0), val.get(row, 1), val.get(row, 2),
                                      val.get(row, 3));
                anim.duration = std::max(anim.duration, c.times.back());
            }
            anim.channels.push_back(std::move(c));
        }
        out->animations.push_back(std::move(anim));
    }
    return true;
}

bool convert(const tinygltf::Model& m, MeshData* out, std::string* error) {
    *out = MeshData{};
    const int n = int(m.nodes.size());
    out->nodes.resize(n);
    for (int i = 0; i < n; ++i) {
        out->nodes[i].name = m.nodes[i].name;
        out->nodes[i].rest = nodeRest(m.nodes[i]);
    }
    for (int i = 0; i < n; ++i)
        for (int c : m.nodes[i].children) {
            if (c < 0 || c >= n || out->nodes[c].parent >= 0) { *error = "bad node children"; return false; }
            out->nodes[c].parent = i;
        }
    for (const tinygltf::Skin& s : m.skins) {
        MeshSkin skin;
        skin.joints.assign(s.joints.begin(), s.joints.end());
        const AccessorReader ib(m, s.inverseBindMatrices);
        for (size_t j = 0; j < skin.joints.size(); ++j) {
            Mat4 mat(1.0f);
            if (ib.count() > j)
                for (int e = 0; e < 16; ++e) glm::value_ptr(mat)[e] = ib.get(j, e);
            skin.inverseBind.push_back(mat);
        }
        out->skins.push_back(std::move(skin));
    }
    readMaterials(m, out);
    for (int i = 0; i < n; ++i) {
        const tinygltf::Node& node = m.nodes[i];
        if (node.mesh < 0 || node.mesh >= int(m.meshes.size())) continue;
        const int skin = node.skin >= 0 && node.skin < int(m.skins.size()) ? node.skin : -1;
        for (const tinygltf::Primitive& p : m.meshes[node.mesh].primitives)
            if (!readPrimitive(m, p, i, skin, out, error)) return false;
    }
    // Primitives may name materials the file does not list.
    for (const MeshPrimitive& p : out->primitives)
        if (p.material >= int(out->materials.size())) out->materials.resize(p.material + 1);
    if (!readAnimations(m, out, error)) return false;
    return out->finish(error);
}

bool load(const uint8_t* bytes, size_t size, const std::string& baseDir, MeshData* out,
          std::string* error) {
    const bool binary = size >= 4 && std::memcmp(bytes, "glTF", 4) == 0;
    tinygltf::TinyGLTF loader;
    loader.SetImageLoader(keepImageBytes, nullptr);
    tinygltf::Model model;
    std::string err, warn;
    const bool ok = binary ? loader.LoadBinaryFromMemory(&model, &err, &warn, bytes, unsigned(size), baseDir)
                           : loader.LoadASCIIFromString(&model, &err, &warn,
                                                        reinterpret_cast<const char*>(bytes),
                                                        unsigned(size), baseDir);
    std::string dummy;
    if (!error) error = &dummy;
    if (!ok) {
        *error = err.empty() ? "not a glTF file" : err;
        return false;
    }
    return convert(model, out, error);
}

}  // namespace

bool parseGltfMemory(const uint8_t* bytes, size_t size, MeshData* out, std::string* error) {
    return load(bytes, size, "", out, error);
}

bool parseGltfFile(const std::string& file, MeshData* out, std::string* error) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (error) *error = "cannot open " + file;
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t slash = file.find_last_of('/');
    const std::string baseDir = slash == std::string::npos ? "." : file.substr(0, slash);
    return load(bytes.data(), bytes.size(), baseDir, out, error);
}

}  // namespace kf
