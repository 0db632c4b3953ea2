#include "figure.h"

#include "common.h"
#include "layout.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace assetgen {

FigureRig makeRig(bool keeper) {
    FigureRig r;
    r.keeper = keeper;
    Skeleton& s = r.skel;
    r.hips = s.add("hips", -1, {0, 122, 0});
    r.spine = s.add("spine", r.hips, {0, 142, 0});
    r.head = s.add("head", r.spine, {0, 200, 0});
    r.upperArmL = s.add("upperarm_l", r.spine, {25, 194, 0});
    r.lowerArmL = s.add("lowerarm_l", r.upperArmL, {28, 157, 0});
    r.upperArmR = s.add("upperarm_r", r.spine, {-25, 194, 0});
    r.lowerArmR = s.add("lowerarm_r", r.upperArmR, {-28, 157, 0});
    r.upperLegL = s.add("upperleg_l", r.hips, {11, 118, 0});
    r.lowerLegL = s.add("lowerleg_l", r.upperLegL, {11, 64, 0});
    r.footL = s.add("foot_l", r.lowerLegL, {11, 12, 0});
    r.upperLegR = s.add("upperleg_r", r.hips, {-11, 118, 0});
    r.lowerLegR = s.add("lowerleg_r", r.upperLegR, {-11, 64, 0});
    r.footR = s.add("foot_r", r.lowerLegR, {-11, 12, 0});
    if (keeper) r.ball = s.add("ball_hold", r.hips, {0, 160, -24});
    r.palmL = keeper ? glm::vec3(30.2f, 115, 0) : glm::vec3(30, 117, 0);
    r.palmR = glm::vec3(-r.palmL.x, r.palmL.y, r.palmL.z);
    return r;
}

namespace {

struct Materials {
    int skin, hair, shirt, shorts, socks, shoes, gloves = -1, ball = -1;
};

// How finely the body is cut: the full mesh for close views, and a far one
// with about a quarter of the triangles for figures only a few dozen pixels
// tall, where the software rasteriser pays per triangle, not per pixel.
struct Detail {
    int limb, capRings, tube, headU, headV, hairV, neck, shoeU, shoeV, handU, handV;
};
constexpr Detail kNear{12, 3, 16, 16, 10, 6, 10, 12, 8, 10, 6};
constexpr Detail kFar{6, 1, 8, 8, 5, 3, 5, 6, 4, 5, 3};

UvRect half(UvRect r, bool top) {
    const float mid = 0.5f * (r.v0 + r.v1);
    return top ? UvRect{r.u0, r.v0, r.u1, mid} : UvRect{r.u0, mid, r.u1, r.v1};
}

// One side's limbs; sx is +1 for the "_l" side (model +x), -1 for "_r".
void addLegs(MeshData& m, const Materials& mt, const Detail& d, float sx, int upper, int lower, int foot) {
    using namespace layout;
    const float x = 11 * sx;
    addLimb(m[mt.shorts], {x, 120, 0}, {x * 1.03f, 92, 0}, 11.0f, 10.3f, false, false, upper, uv(kPants, kPantsLeg),
            d.limb, d.capRings);
    addLimb(m[mt.skin], {x, 96, 0}, {x, 64, 0}, 8.5f, 7.0f, false, true, upper, uv(kSkin, kSkinLimb), d.limb,
            d.capRings);
    addLimb(m[mt.skin], {x, 64, 0}, {x, 54, 0}, 7.0f, 6.7f, true, false, lower, uv(kSkin, kSkinLimb), d.limb,
            d.capRings);
    addLimb(m[mt.socks], {x, 54, 0}, {x, 12, 0}, 6.7f, 4.6f, false, true, lower, uv(kSocks, kSocksLeg), d.limb,
            d.capRings);
    addEllipsoid(m[mt.shoes], {x, 7, -5}, {6.2f, 7.5f, 14.5f}, foot, uv(kShoe, kShoeAll), d.shoeU, d.shoeV, nullptr,
                 0.0f);
}

void addArms(const FigureRig& r, MeshData& m, const Materials& mt, const Detail& d, float sx, int upper, int lower) {
    using namespace layout;
    const UvRect sleeve = uv(kShirt, kShirtSleeve);
    const glm::vec3 shoulder(25 * sx, 194, 0), elbow(28 * sx, 157, 0), wrist(29.5f * sx, 124, 0);
    const glm::vec3 palm = sx > 0 ? r.palmL : r.palmR;
    if (r.keeper) {
        addLimb(m[mt.shirt], shoulder, elbow, 7.2f, 5.6f, true, true, upper, half(sleeve, true), d.limb, d.capRings);
        addLimb(m[mt.shirt], elbow, wrist, 5.6f, 4.6f, true, false, lower, half(sleeve, false), d.limb, d.capRings);
        addEllipsoid(m[mt.gloves], palm, {5.2f, 10.5f, 7.0f}, lower, uv(kGloves, kGlovesAll), d.shoeU, d.shoeV);
    } else {
        addLimb(m[mt.shirt], shoulder, glm::mix(shoulder, elbow, 0.48f), 7.2f, 6.6f, true, false, upper, sleeve,
                d.limb, d.capRings);
        addLimb(m[mt.skin], glm::mix(shoulder, elbow, 0.38f), elbow, 5.2f, 4.6f, false, true, upper,
                uv(kSkin, kSkinLimb), d.limb, d.capRings);
        addLimb(m[mt.skin], elbow, wrist, 4.6f, 3.6f, true, false, lower, uv(kSkin, kSkinLimb), d.limb, d.capRings);
        addEllipsoid(m[mt.skin], palm, {3.4f, 7.0f, 4.6f}, lower, uv(kSkin, kSkinHand), d.handU, d.handV);
    }
}

MeshData bodyMesh(const FigureRig& r, const Materials& mt, int materialCount, const Detail& d) {
    using namespace layout;
    MeshData m(materialCount);
    addEllipsoid(m[mt.skin], {0, 219, -1}, {12.5f, 15.5f, 13.5f}, r.head, uv(kSkin, kSkinHead), d.headU, d.headV);
    addEllipsoid(m[mt.hair], {0, 220.5f, 0.3f}, {13.6f, 16.0f, 14.6f}, r.head, uv(kHair, kHairAll), d.headU, d.hairV,
                 [](float th) { return -25.0f * std::cos(th); });
    addLimb(m[mt.skin], {0, 192, 0.5f}, {0, 211, 0.5f}, 6.3f, 6.0f, false, false, r.spine, uv(kSkin, kSkinLimb),
            d.neck, d.capRings);
    addTube(m[mt.shirt],
            {{203, 7.6f, 6.6f, 0.5f}, {198, 17.5f, 10.5f}, {191, 22.5f, 12.0f}, {180, 21.0f, 12.5f, -0.5f},
             {160, 17.8f, 12.0f, -0.5f}, {140, 15.8f, 11.0f}, {120, 15.6f, 10.6f}},
            0.0f, r.spine, uv(kShirt, kShirtTorso), d.tube);
    addTube(m[mt.shorts], {{131, 16.4f, 11.2f}, {118, 17.6f, 12.0f}, {104, 16.6f, 11.4f}}, 0.0f, r.hips,
            uv(kPants, kPantsHips), d.tube, true);
    addLegs(m, mt, d, 1.0f, r.upperLegL, r.lowerLegL, r.footL);
    addLegs(m, mt, d, -1.0f, r.upperLegR, r.lowerLegR, r.footR);
    addArms(r, m, mt, d, 1.0f, r.upperArmL, r.lowerArmL);
    addArms(r, m, mt, d, -1.0f, r.upperArmR, r.lowerArmR);
    return m;
}

void writeFigure(Output& out, const FigureRig& r, const std::vector<std::string>& materialNames,
                 const Materials& mt, const std::vector<Clip>& clips, const QString& file) {
    GlbBuilder b;
    for (const std::string& n : materialNames) b.addMaterial(n);
    std::vector<int> nodes;
    for (const Joint& j : r.skel.joints)
        nodes.push_back(b.addNode(j.name, j.parent < 0 ? -1 : nodes[j.parent], r.skel.restLocal(static_cast<int>(nodes.size()))));
    std::vector<glm::mat4> inverseBind;
    for (const Joint& j : r.skel.joints) inverseBind.push_back(glm::translate(glm::mat4(1.0f), -j.rest));
    const int skin = b.addSkin("skeleton", nodes, inverseBind, nodes[r.hips]);

    const int materials = static_cast<int>(materialNames.size());
    const int body = b.addNode("body", -1);
    b.setNodeMesh(body, b.addMesh("body", bodyMesh(r, mt, materials, kNear), true), skin);
    // The same body cut coarsely, on the same skin; the game shows one of the two.
    const int far = b.addNode("body_far", -1);
    b.setNodeMesh(far, b.addMesh("body_far", bodyMesh(r, mt, materials, kFar), true), skin);
    if (r.keeper) {
        MeshData ball(static_cast<int>(materialNames.size()));
        addEllipsoid(ball[mt.ball], r.skel.joints[r.ball].rest, glm::vec3(kHeldBallRadius), r.ball, UvRect{}, 14, 9);
        const int node = b.addNode("soccer_body", -1);
        b.setNodeMesh(node, b.addMesh("soccer_body", ball, true), skin);
    }
    std::vector<int> moved{r.hips};
    if (r.ball >= 0) moved.push_back(r.ball);
    for (const Clip& c : clips) b.addAnimation(c.name, clipTracks(r.skel, c, nodes, moved));
    const QString full = out.prepare(file);
    if (!b.write(full.toStdString())) out.fail("cannot write " + file);
}

}  // namespace

Pose restPose(const FigureRig& r) { return Pose(r.skel.joints.size()); }

void groundFeet(const FigureRig& r, Pose& p) {
    p.move[r.hips].y = 0.0f;
    const float ankle = r.skel.joints[r.footL].rest.y;
    const float low = std::min(jointPos(r.skel, p, r.footL).y, jointPos(r.skel, p, r.footR).y);
    p.move[r.hips].y = ankle - low;
}

void keepAboveGround(const FigureRig& r, Clip& c, float minY) {
    const int watched[] = {r.hips, r.spine, r.head, r.lowerLegL, r.lowerLegR, r.footL, r.footR, r.lowerArmL, r.lowerArmR};
    for (Pose& p : c.frames) {
        const std::vector<glm::mat4> w = forwardKinematics(r.skel, p);
        float low = 1e9f;
        for (int j : watched) low = std::min(low, w[j][3].y);
        if (low < minY) p.move[r.hips].y += minY - low;
    }
}

Pose gaitPose(const FigureRig& r, const Gait& g, float phase) {
    Pose p = restPose(r);
    auto leg = [&](int upper, int lower, int foot, float ph) {
        const float s = std::sin(ph);
        const float bend = 0.5f * (1.0f + std::cos(ph + 0.3f));
        p.rot[upper] = euler(g.thigh * s + 0.25f * g.thigh, 0, 0);
        p.rot[lower] = euler(-(g.kneeMin + g.kneeSwing * bend * bend), 0, 0);
        p.rot[foot] = euler(8.0f * s, 0, 0);
    };
    leg(r.upperLegL, r.lowerLegL, r.footL, phase);
    leg(r.upperLegR, r.lowerLegR, r.footR, phase + glm::pi<float>());
    const float s = std::sin(phase);
    p.rot[r.upperArmL] = euler(-g.arm * s, 0, 7);
    p.rot[r.upperArmR] = euler(g.arm * s, 0, -7);
    p.rot[r.lowerArmL] = euler(g.elbow, 0, 0);
    p.rot[r.lowerArmR] = euler(g.elbow, 0, 0);
    p.rot[r.spine] = euler(-g.lean, 5.0f * s, 0);
    p.rot[r.hips] = euler(-0.5f * g.lean, -5.0f * s, 0);
    p.rot[r.head] = euler(0.6f * g.lean, -4.0f * s, 0);
    groundFeet(r, p);
    p.move[r.hips].y += g.bob * std::cos(2.0f * phase);
    return p;
}

Clip cycleClip(const FigureRig& r, const std::string& name, const Pose& from, int start, int period,
               const std::function<Pose(float)>& at) {
    Clip c{name, {}};
    const float twoPi = 2.0f * glm::pi<float>();
    for (int f = 0; f <= start + period; ++f) {
        if (f < start) {
            float t = static_cast<float>(f) / static_cast<float>(start);
            c.frames.push_back(blend(from, at(0.0f), t * t * (3 - 2 * t)));
        } else {
            c.frames.push_back(at(twoPi * static_cast<float>(f - start) / static_cast<float>(period)));
        }
    }
    return c;
}

void writeFigureModels(Output& out) {
    const FigureRig player = makeRig(false);
    writeFigure(out, player, {"skin", "hair", "shirt", "shorts", "socks", "shoes"}, {0, 1, 2, 3, 4, 5},
                playerClips(player), "models/player.glb");
    const FigureRig keeper = makeRig(true);
    Materials km;
    km.hair = 0;
    km.shirt = 1;
    km.shorts = 2;
    km.socks = 3;
    km.shoes = 4;
    km.skin = 5;
    km.gloves = 6;
    km.ball = 7;
    writeFigure(out, keeper, {"hair", "shirt", "shorts", "socks", "shoes", "skin", "gloves", "ball"}, km,
                keeperClips(keeper), "models/goalkeeper.glb");
}

}  // namespace assetgen
