#include "testkit.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstring>
#include <tiny_gltf.h>

namespace kf::testkit {

void ensureGuiApp(bool gl) {
    if (QGuiApplication::instance()) return;
    if (gl) qputenv("QT_QPA_PLATFORM", "xcb");
    static int argc = 1;
    static char name[] = "kf_engine_test";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

std::string tempPath(const std::string& name) {
    const QString dir = QDir::tempPath() + "/kf_engine_tests";
    QDir().mkpath(dir);
    return (dir + "/" + QString::fromStdString(name)).toStdString();
}

namespace {

// Appends raw bytes to buffer 0 and returns a buffer view over them.
int addView(tinygltf::Model& m, const void* data, size_t size, int target) {
    std::vector<unsigned char>& buf = m.buffers[0].data;
    while (buf.size() % 4) buf.push_back(0);
    tinygltf::BufferView v;
    v.buffer = 0;
    v.byteOffset = buf.size();
    v.byteLength = size;
    v.target = target;
    const auto* p = static_cast<const unsigned char*>(data);
    buf.insert(buf.end(), p, p + size);
    m.bufferViews.push_back(v);
    return int(m.bufferViews.size() - 1);
}

template <typename T>
int addAccessor(tinygltf::Model& m, const std::vector<T>& values, int type, int componentType,
                size_t count, int target = 0) {
    tinygltf::Accessor a;
    a.bufferView = addView(m, values.data(), values.size() * sizeof(T), target);
    a.type = type;
    a.componentType = componentType;
    a.count = count;
    m.accessors.push_back(a);
    return int(m.accessors.size() - 1);
}

int addFloats(tinygltf::Model& m, const std::vector<float>& v, int type, int comps) {
    const int a = addAccessor(m, v, type, TINYGLTF_COMPONENT_TYPE_FLOAT, v.size() / comps,
                              type == TINYGLTF_TYPE_MAT4 || type == TINYGLTF_TYPE_SCALAR
                                  ? 0 : TINYGLTF_TARGET_ARRAY_BUFFER);
    if (type == TINYGLTF_TYPE_SCALAR) {
        float lo = v[0], hi = v[0];
        for (float f : v) lo = std::min(lo, f), hi = std::max(hi, f);
        m.accessors[a].minValues = {lo};
        m.accessors[a].maxValues = {hi};
    }
    return a;
}

std::vector<unsigned char> redBluePng() {
    QImage img(8, 8, QImage::Format_RGBA8888);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) img.setPixelColor(x, y, x < 4 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    img.save(&out, "PNG");
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

tinygltf::Primitive primitive(tinygltf::Model& m, const std::vector<float>& pos,
                              const std::vector<float>& nrm, const std::vector<float>& uv,
                              const std::vector<uint16_t>& idx, int material) {
    tinygltf::Primitive p;
    p.mode = TINYGLTF_MODE_TRIANGLES;
    p.material = material;
    p.attributes["POSITION"] = addFloats(m, pos, TINYGLTF_TYPE_VEC3, 3);
    tinygltf::Accessor& a = m.accessors[p.attributes["POSITION"]];
    a.minValues = {1e9, 1e9, 1e9};
    a.maxValues = {-1e9, -1e9, -1e9};
    for (size_t i = 0; i < pos.size(); ++i) {
        a.minValues[i % 3] = std::min(a.minValues[i % 3], double(pos[i]));
        a.maxValues[i % 3] = std::max(a.maxValues[i % 3], double(pos[i]));
    }
    p.attributes["NORMAL"] = addFloats(m, nrm, TINYGLTF_TYPE_VEC3, 3);
    p.attributes["TEXCOORD_0"] = addFloats(m, uv, TINYGLTF_TYPE_VEC2, 2);
    p.indices = addAccessor(m, idx, TINYGLTF_TYPE_SCALAR, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT,
                            idx.size(), TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
    return p;
}

tinygltf::Node node(const std::string& name, std::vector<double> t = {}) {
    tinygltf::Node n;
    n.name = name;
    n.translation = std::move(t);
    return n;
}

}  // namespace

bool writeSkinnedStripGlb(const std::string& path) {
    tinygltf::Model m;
    m.asset.version = "2.0";
    m.buffers.resize(1);

    // The strip: rows at y 0, 100, 200; wound counter-clockwise seen from -z.
    const std::vector<float> pos = {-50, 0, 0, 50, 0, 0, -50, 100, 0, 50, 100, 0, -50, 200, 0, 50, 200, 0};
    std::vector<float> nrm;
    for (int i = 0; i < 6; ++i) nrm.insert(nrm.end(), {0, 0, -1});
    const std::vector<float> uv = {0, 1, 1, 1, 0, 0.5f, 1, 0.5f, 0, 0, 1, 0};
    const std::vector<uint16_t> idx = {0, 3, 1, 0, 2, 3, 2, 5, 3, 2, 4, 5};
    tinygltf::Mesh strip;
    strip.name = "strip";
    strip.primitives.push_back(primitive(m, pos, nrm, uv, idx, 0));
    const std::vector<uint8_t> joints = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    const std::vector<float> weights = {1, 0, 0, 0, 1, 0, 0, 0, 0.5f, 0.5f, 0, 0, 0.5f, 0.5f, 0, 0,
                                        1, 0, 0, 0, 1, 0, 0, 0};
    strip.primitives[0].attributes["JOINTS_0"] =
        addAccessor(m, joints, TINYGLTF_TYPE_VEC4, TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE, 6,
                    TINYGLTF_TARGET_ARRAY_BUFFER);
    strip.primitives[0].attributes["WEIGHTS_0"] = addFloats(m, weights, TINYGLTF_TYPE_VEC4, 4);
    m.meshes.push_back(strip);

    tinygltf::Mesh ball;
    ball.name = "ball";
    // One unit in front of the strip (towards -z), so the two never fight for depth.
    const std::vector<float> bpos = {-10, -10, -1, 10, -10, -1, -10, 10, -1, 10, 10, -1};
    const std::vector<float> bnrm = {0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1};
    const std::vector<float> buv = {0, 1, 1, 1, 0, 0, 1, 0};
    ball.primitives.push_back(primitive(m, bpos, bnrm, buv, {0, 3, 1, 0, 2, 3}, 1));
    m.meshes.push_back(ball);

    // Nodes: 0 figure, 1 root, 2 upper, 3 ball, 4 spinner.
    tinygltf::Node figure = node("figure");
    figure.mesh = 0;
    figure.skin = 0;
    tinygltf::Node root = node("root");
    root.children = {2};
    tinygltf::Node upper = node("upper", {0, 100, 0});
    upper.children = {3};
    tinygltf::Node ballNode = node("ball", {0, 50, 0});
    ballNode.mesh = 1;
    m.nodes = {figure, root, upper, ballNode, node("spinner")};
    m.scenes.resize(1);
    m.scenes[0].nodes = {0, 1, 4};
    m.defaultScene = 0;

    tinygltf::Skin skin;
    skin.name = "skeleton";
    skin.joints = {1, 2};
    const std::vector<float> inverseBind = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1,
                                            1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, -100, 0, 1};
    skin.inverseBindMatrices = addFloats(m, inverseBind, TINYGLTF_TYPE_MAT4, 16);
    m.skins.push_back(skin);

    // Materials: 0 textured (embedded PNG), 1 plain green.
    const std::vector<unsigned char> png = redBluePng();
    tinygltf::Image image;
    image.name = "redblue";
    image.mimeType = "image/png";
    image.bufferView = addView(m, png.data(), png.size(), 0);
    m.images.push_back(image);
    tinygltf::Texture tex;
    tex.source = 0;
    m.textures.push_back(tex);
    tinygltf::Material textured;
    textured.name = "cloth";
    textured.pbrMetallicRoughness.baseColorTexture.index = 0;
    tinygltf::Material green;
    green.name = "green";
    green.pbrMetallicRoughness.baseColorFactor = {0, 1, 0, 1};
    m.materials = {textured, green};

    auto channel = [&](tinygltf::Animation& a, int targetNode, const char* path,
                       const std::vector<float>& times, const std::vector<float>& values, int type,
                       int comps) {
        tinygltf::AnimationSampler s;
        s.input = addFloats(m, times, TINYGLTF_TYPE_SCALAR, 1);
        s.output = addFloats(m, values, type, comps);
        s.interpolation = "LINEAR";
        a.samplers.push_back(s);
        tinygltf::AnimationChannel c;
        c.sampler = int(a.samplers.size() - 1);
        c.target_node = targetNode;
        c.target_path = path;
        a.channels.push_back(c);
    };
    tinygltf::Animation run;
    run.name = "run";
    channel(run, 2, "translation", {0, 1}, {0, 100, 0, 100, 100, 0}, TINYGLTF_TYPE_VEC3, 3);
    const float s45 = std::sqrt(0.5f);
    channel(run, 4, "rotation", {0, 1}, {0, 0, 0, 1, 0, s45, 0, s45}, TINYGLTF_TYPE_VEC4, 4);
    tinygltf::Animation standing;
    standing.name = "standing";
    channel(standing, 2, "translation", {0}, {0, 100, 0}, TINYGLTF_TYPE_VEC3, 3);
    m.animations = {run, standing};

    tinygltf::TinyGLTF writer;
    return writer.WriteGltfSceneToFile(&m, path, true, true, false, true);
}

MeshData makeFigure(int segments, int sides, int ringsPerSegment, int materials) {
    MeshData d;
    constexpr float height = 236.0f, radius = 22.0f;
    const float segLen = height / segments;
    d.nodes.resize(segments);
    MeshSkin skin;
    for (int j = 0; j < segments; ++j) {
        d.nodes[j].name = "joint" + std::to_string(j);
        d.nodes[j].parent = j - 1;
        d.nodes[j].rest.t = Vec3(0, j == 0 ? 0 : segLen, 0);
        skin.joints.push_back(j);
        Mat4 inv(1.0f);
        inv[3] = Vec4(0, -segLen * j, 0, 1);
        skin.inverseBind.push_back(inv);
    }
    d.skins.push_back(skin);
    d.materials.resize(materials);
    // One primitive per material: consecutive bands of the body.
    const int rings = segments * ringsPerSegment;
    for (int mat = 0; mat < materials; ++mat) {
        const int r0 = rings * mat / materials, r1 = rings * (mat + 1) / materials;
        std::vector<MeshVertex> verts;
        std::vector<uint32_t> idx;
        for (int r = r0; r <= r1; ++r) {
            const float y = height * r / rings;
            const float along = y / segLen;
            const int j0 = std::min(int(along), segments - 1);
            const int j1 = std::min(j0 + 1, segments - 1);
            const float w1 = std::clamp(along - j0 - 0.5f, 0.0f, 1.0f);
            const float rad = radius * (0.6f + 0.4f * std::sin(3.14159f * y / height));
            for (int s = 0; s <= sides; ++s) {
                const float a = 6.2831853f * s / sides;
                MeshVertex v;
                v.pos = Vec3(rad * std::cos(a), y, rad * std::sin(a));
                v.normal = Vec3(std::cos(a), 0, std::sin(a));
                v.uv = Vec2f(float(s) / sides, 1.0f - float(r) / rings);
                v.joints[0] = uint8_t(j0);
                v.joints[1] = uint8_t(j1);
                v.weights[0] = 1 - w1;
                v.weights[1] = w1;
                verts.push_back(v);
            }
        }
        const uint32_t row = uint32_t(sides + 1);
        for (int r = 0; r < r1 - r0; ++r)
            for (int s = 0; s < sides; ++s) {
                const uint32_t a = r * row + s, b = a + 1, c = a + row, e = c + 1;
                idx.insert(idx.end(), {a, c, b, b, c, e});
            }
        d.addPrimitive(verts, idx, mat, 0, 0);
    }
    // "run": every joint sways about z, one key per frame over 30 frames.
    Animation run;
    run.name = "run";
    for (int j = 1; j < segments; ++j) {
        AnimChannel c;
        c.node = j;
        c.path = AnimChannel::Rotation;
        for (int f = 0; f <= 30; ++f) {
            c.times.push_back(f / animationFps);
            const glm::quat q = glm::angleAxis(0.35f * std::sin(6.2831853f * f / 30 + j), Vec3(0, 0, 1));
            c.values.emplace_back(q.x, q.y, q.z, q.w);
        }
        run.channels.push_back(c);
        run.duration = 1.0f;
    }
    d.animations.push_back(run);
    d.finish();
    return d;
}

}  // namespace kf::testkit
