// Ball, net, bench, advertising board and the pick surface "field".
#include "assetgen.h"
#include "common.h"
#include "shapes.h"
#include "staticmodels.h"

namespace assetgen {

namespace {
using namespace scenery;

void writeStatic(Output& out, const QString& file, const std::vector<std::string>& materials, const MeshData& mesh,
                 const std::string& nodeName) {
    GlbBuilder b;
    for (const std::string& m : materials) b.addMaterial(m);
    const int node = b.addNode(nodeName, -1);
    b.setNodeMesh(node, b.addMesh(nodeName, mesh, false));
    if (!b.write(out.prepare(file).toStdString())) out.fail("cannot write " + file);
}

MeshData ball() {
    MeshData m(1);
    addEllipsoid(m[0], glm::vec3(0.0f), glm::vec3(kBallRadius), 0, UvRect{}, 16, 12);
    return m;
}

// Mesh coordinates that keep the threads' cells square on every panel.
UvRect netPanel(float width, float height) {
    const float pxPerUnit = static_cast<float>(kNetMeshEnd) / (2 * kNetHalfWidth);
    return UvRect::px(0, 0, width * pxPerUnit, height * pxPerUnit, kNetTexSize, kNetTexSize);
}

MeshData net() {
    MeshData m(1);
    Primitive& p = m[0];
    const float w = kNetHalfWidth, h = kNetHeight, d = kNetDepth, hb = kNetBackHeight;
    const UvRect frame = UvRect::px(kNetFrameStart, 0, kNetTexSize, kNetTexSize, kNetTexSize, kNetTexSize);
    addBar(p, {-w, 0, 0}, {-w, h, 0}, kNetPostRadius, frame);
    addBar(p, {w, 0, 0}, {w, h, 0}, kNetPostRadius, frame);
    addBar(p, {-w, h, 0}, {w, h, 0}, kNetPostRadius, frame);
    for (float sx : {-w, w}) {
        addBar(p, {sx, 0, 0}, {sx, 0, d}, 0.45f, frame, 6);
        addBar(p, {sx, 0, d}, {sx, hb, d}, 0.45f, frame, 6);
        addBar(p, {sx, h, 0}, {sx, hb, d}, 0.45f, frame, 6);
    }
    addBar(p, {-w, 0, d}, {w, 0, d}, 0.45f, frame, 6);
    addBar(p, {-w, hb, d}, {w, hb, d}, 0.45f, frame, 6);
    const float roofLen = glm::length(glm::vec2(d, h - hb));
    addQuad(p, {-w, h, 0}, {w, h, 0}, {w, hb, d}, {-w, hb, d}, netPanel(2 * w, roofLen), 0, true);  // roof
    addQuad(p, {-w, hb, d}, {w, hb, d}, {w, 0, d}, {-w, 0, d}, netPanel(2 * w, hb), 0, true);       // back
    addQuad(p, {w, h, 0}, {w, hb, d}, {w, 0, d}, {w, 0, 0}, netPanel(d, h), 0, true);               // sides
    addQuad(p, {-w, hb, d}, {-w, h, 0}, {-w, 0, 0}, {-w, 0, d}, netPanel(d, h), 0, true);
    return m;
}

// A covered bench: the open front faces model -x (the pitch after the
// bench's half turn), the back wall stands at +x.
MeshData bench() {
    MeshData m(1);
    Primitive& p = m[0];
    const float s = kBenchTexSize;
    const UvRect roof = UvRect::px(4, 4, 124, 124, s, s), wall = UvRect::px(132, 4, 252, 124, s, s);
    const UvRect seat = UvRect::px(4, 132, 124, 252, s, s), floor = UvRect::px(132, 132, 252, 252, s, s);
    const float z0 = -110, z1 = 154;
    addBox(p, {-17, 0, z0}, {247, 3, z1}, floor);
    addBox(p, {237, 3, z0}, {247, 66, z1}, wall);
    addBox(p, {30, 3, z0}, {237, 62, z0 + 6}, wall);
    addBox(p, {30, 3, z1 - 6}, {237, 62, z1}, wall);
    addBox(p, {24, 62, z0 - 2}, {247, 68, z1 + 2}, roof);
    addBox(p, {150, 3, z0 + 8}, {186, 20, z1 - 8}, seat);
    addBox(p, {186, 3, z0 + 8}, {193, 38, z1 - 8}, seat);
    addBox(p, {193, 3, z0 + 6}, {237, 18, z1 - 6}, floor);
    addBox(p, {196, 18, z0 + 8}, {226, 34, z1 - 8}, seat);
    addBox(p, {226, 18, z0 + 8}, {233, 52, z1 - 8}, seat);
    return m;
}

// The board shows its advert on both faces. The picture is left-handed, so a
// face seen from model -z has +x on the viewer's right and one seen from +z has
// -x there: the writing runs that way on each face.
MeshData adboard() {
    MeshData m(1);
    Primitive& p = m[0];
    const float l = kBoardHalfLength, h = kBoardHeight, d = kBoardHalfDepth;
    const UvRect edge{0, 0, 1, 0.03f};
    addQuad(p, {-l, 0, d}, {l, 0, d}, {l, h, d}, {-l, h, d}, UvRect{1, 1, 0, 0});    // +z face
    addQuad(p, {l, 0, -d}, {-l, 0, -d}, {-l, h, -d}, {l, h, -d}, UvRect{1, 1, 0, 0});  // -z face
    addQuad(p, {-l, h, d}, {l, h, d}, {l, h, -d}, {-l, h, -d}, edge);
    addQuad(p, {l, 0, d}, {l, 0, -d}, {l, h, -d}, {l, h, d}, edge);
    addQuad(p, {-l, 0, -d}, {-l, 0, d}, {-l, h, d}, {-l, h, -d}, edge);
    return m;
}

MeshData field() {
    MeshData m(1);
    addQuad(m[0], {-50, 0, 50}, {50, 0, 50}, {50, 0, -50}, {-50, 0, -50}, UvRect{}, 0, true);
    return m;
}

}  // namespace

void writeStaticModels(Output& out) {
    writeStatic(out, "models/ball.glb", {"ball"}, ball(), "ball");
    writeStatic(out, "models/net.glb", {"net"}, net(), "net");
    writeStatic(out, "models/bench.glb", {"bench"}, bench(), "bench");
    writeStatic(out, "models/adboard.glb", {"adboard"}, adboard(), "adboard");
    writeStatic(out, "models/field.glb", {"field"}, field(), "field");
}

}  // namespace assetgen
