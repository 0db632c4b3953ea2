// The generated models read back with tinygltf: materials, nodes and named
// animations as the client asks for them, sizes in model units as the world
// matrices need, and animations that move the figures the named way.
#include "gltfprobe.h"
#include "rungenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

const probe::Glb& model(const std::string& name) {
    static std::map<std::string, probe::Glb> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, probe::load((probe::generated() + "/models/" + QString::fromStdString(name) + ".glb").toStdString())).first;
    return it->second;
}

std::vector<std::string> materialNames(const tinygltf::Model& m) {
    std::vector<std::string> n;
    for (const tinygltf::Material& mat : m.materials) n.push_back(mat.name);
    return n;
}

TEST(AssetgenModels, MaterialsInTheOrderTheClientAssigns) {
    const struct {
        const char* model;
        std::vector<std::string> materials;
    } rows[] = {
        {"player", {"skin", "hair", "shirt", "shorts", "socks", "shoes"}},
        {"goalkeeper", {"hair", "shirt", "shorts", "socks", "shoes", "skin", "gloves", "ball"}},
        {"stad1", {"concrete", "board", "steps", "chairs", "back", "steps2"}},
        {"ball", {"ball"}}, {"net", {"net"}}, {"bench", {"bench"}}, {"adboard", {"adboard"}}, {"field", {"field"}},
    };
    for (const auto& r : rows) {
        const probe::Glb& g = model(r.model);
        ASSERT_TRUE(g.ok) << r.model << ": " << g.error;
        EXPECT_EQ(materialNames(g.m), r.materials) << r.model;
        std::set<int> used;
        for (const tinygltf::Mesh& mesh : g.m.meshes)
            for (const tinygltf::Primitive& p : mesh.primitives) {
                EXPECT_GE(p.material, 0) << r.model;
                EXPECT_LT(p.material, static_cast<int>(r.materials.size())) << r.model;
                used.insert(p.material);
                EXPECT_TRUE(p.attributes.count("TEXCOORD_0")) << r.model;
                EXPECT_TRUE(p.attributes.count("NORMAL")) << r.model;
            }
        EXPECT_EQ(used.size(), r.materials.size()) << r.model << ": every material is drawn";
    }
}

std::set<std::string> animationNames(const tinygltf::Model& m) {
    std::set<std::string> n;
    for (const tinygltf::Animation& a : m.animations) n.insert(a.name);
    return n;
}

TEST(AssetgenModels, FiguresHoldExactlyTheNamedAnimations) {
    const probe::Glb& p = model("player");
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(animationNames(p.m), (std::set<std::string>{"standing", "run", "slidetackle", "fall", "header_right",
                                                          "header_left", "throwin"}));
    EXPECT_EQ(p.m.animations.size(), 7u);
    EXPECT_EQ(p.m.animations.front().name, "standing") << "the tutorial wall shows the first animation";
    const probe::Glb& k = model("goalkeeper");
    ASSERT_TRUE(k.ok);
    EXPECT_EQ(animationNames(k.m),
              (std::set<std::string>{"stand", "runloop", "stand_holdball", "sidestep_left", "sidestep_right", "walk",
                                     "dive_m_left", "dive_m_right", "jump_punch", "dive_l_left", "dive_l_right",
                                     "dive_h_left", "dive_h_right", "dive_grab_m_left", "dive_grab_m_right",
                                     "dive_grab_l_left", "dive_grab_l_right", "jump_grab"}));
    EXPECT_EQ(k.m.animations.size(), 18u);
}

TEST(AssetgenModels, GoalkeeperBallNodeUsesTheBallMaterial) {
    const probe::Glb& k = model("goalkeeper");
    const int n = probe::node(k.m, "soccer_body");
    ASSERT_GE(n, 0);
    ASSERT_GE(k.m.nodes[n].mesh, 0);
    for (const tinygltf::Primitive& p : k.m.meshes[k.m.nodes[n].mesh].primitives) EXPECT_EQ(p.material, 7);
    EXPECT_LT(probe::node(model("player").m, "soccer_body"), 0);
}

// Last whole frame each clock can reach before it wraps or the action ends.
TEST(AssetgenModels, AnimationsAreLongEnoughForTheirClocks) {
    const struct {
        const char* model;
        const char* anim;
        float frames;
    } rows[] = {
        {"player", "run", 29},           {"player", "throwin", 19},        {"player", "slidetackle", 49.6f},
        {"player", "fall", 40},          {"player", "header_right", 32},   {"player", "header_left", 32},
        {"goalkeeper", "runloop", 27},   {"goalkeeper", "walk", 39},       {"goalkeeper", "sidestep_left", 23},
        {"goalkeeper", "sidestep_right", 23}, {"goalkeeper", "stand_holdball", 15},
        {"goalkeeper", "dive_m_left", 70}, {"goalkeeper", "dive_m_right", 70}, {"goalkeeper", "dive_h_left", 70},
        {"goalkeeper", "dive_h_right", 70}, {"goalkeeper", "dive_grab_m_left", 70},
        {"goalkeeper", "dive_grab_m_right", 70}, {"goalkeeper", "dive_l_left", 47.6f},
        {"goalkeeper", "dive_l_right", 47.6f}, {"goalkeeper", "dive_grab_l_left", 47.6f},
        {"goalkeeper", "dive_grab_l_right", 47.6f}, {"goalkeeper", "jump_punch", 36.4f},
        {"goalkeeper", "jump_grab", 36.4f},
    };
    for (const auto& r : rows) {
        const tinygltf::Model& m = model(r.model).m;
        const int a = probe::animation(m, r.anim);
        ASSERT_GE(a, 0) << r.anim;
        EXPECT_GE(probe::lastFrame(m, a), r.frames) << r.anim;
    }
}

TEST(AssetgenModels, KeysSitOnWholeFrames) {
    for (const char* name : {"player", "goalkeeper"}) {
        const tinygltf::Model& m = model(name).m;
        for (const tinygltf::Animation& a : m.animations)
            for (const tinygltf::AnimationSampler& s : a.samplers) {
                EXPECT_EQ(s.interpolation, "LINEAR") << a.name;
                for (float t : probe::floats(m, s.input)) {
                    const float f = t * 30.0f;
                    EXPECT_NEAR(f, std::round(f), 1e-3) << a.name;
                }
            }
    }
}

TEST(AssetgenModels, SizesMatchTheWorldScales) {
    const struct {
        const char* model;
        glm::vec3 lo, hi;
        float tol;
    } rows[] = {
        {"player", {-40, 0, -25}, {40, 236, 15}, 8},
        {"goalkeeper", {-40, 0, -40}, {40, 235, 15}, 8},
        {"ball", {-2.25f, -2.25f, -2.25f}, {2.25f, 2.25f, 2.25f}, 0.05f},
        {"net", {-37.5f, 0, 0}, {37.5f, 23.8f, 18.75f}, 1.1f},
        {"bench", {-17, 0, -110}, {247, 68, 154}, 10},
        {"adboard", {-25, 0, -0.3f}, {25, 5, 0.3f}, 0.5f},
        {"field", {-50, 0, -50}, {50, 0, 50}, 0.01f},
    };
    for (const auto& r : rows) {
        const probe::Bounds b = probe::bounds(model(r.model).m);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(b.lo[k], r.lo[k], r.tol) << r.model << " axis " << k;
            EXPECT_NEAR(b.hi[k], r.hi[k], r.tol) << r.model << " axis " << k;
        }
    }
    const probe::Bounds bench = probe::bounds(model("bench").m);
    EXPECT_NEAR(bench.size().x, 264, 6);
    EXPECT_NEAR(bench.size().z, 264, 6);
}

// Nothing of the stands rises above the grass inside the opening the boards
// and benches need (world |x| 6.5 and |y| 7.2 at the large size).
TEST(AssetgenModels, StadiumLeavesThePitchFree) {
    const tinygltf::Model& m = model("stad1").m;
    int inside = 0, vertices = 0;
    float top = 0;
    for (const tinygltf::Primitive& p : m.meshes.at(0).primitives) {
        const std::vector<float> v = probe::floats(m, p.attributes.at("POSITION"));
        for (std::size_t i = 0; i + 2 < v.size(); i += 3) {
            ++vertices;
            top = std::max(top, v[i + 1]);
            const bool aboveGrass = v[i + 1] > 931;
            if (aboveGrass && std::abs(v[i]) < 7.2f / 0.001096f && std::abs(v[i + 2]) < 6.5f / 0.001096f) ++inside;
            EXPECT_GE(v[i + 1], 900) << "below the sunk ground";
        }
    }
    EXPECT_GT(vertices, 0);
    EXPECT_EQ(inside, 0);
    EXPECT_GT(top, 3000) << "the stands rise well above the pitch";
}

TEST(AssetgenModels, FiguresStayWithinTheTriangleBudget) {
    // The full body for close views and the coarse one for small figures,
    // both on the figure's skin and with every material of the full one.
    const struct {
        const char* model;
        std::size_t max;
    } rows[] = {{"player", 2600}, {"goalkeeper", 3000}};
    for (const auto& r : rows) {
        const tinygltf::Model& m = model(r.model).m;
        const auto triangles = [&](const char* name, std::set<int>* materials) {
            const int n = probe::node(m, name);
            EXPECT_GE(n, 0) << r.model << " has no " << name;
            if (n < 0) return std::size_t(0);
            EXPECT_GE(m.nodes[n].skin, 0) << r.model << " " << name;
            EXPECT_EQ(m.nodes[n].skin, m.nodes[probe::node(m, "body")].skin) << r.model << " " << name;
            std::size_t tris = 0;
            for (const tinygltf::Primitive& p : m.meshes[m.nodes[n].mesh].primitives) {
                tris += m.accessors[p.indices].count / 3;
                materials->insert(p.material);
            }
            return tris;
        };
        std::set<int> nearMaterials, farMaterials;
        const std::size_t body = triangles("body", &nearMaterials), far = triangles("body_far", &farMaterials);
        EXPECT_LE(body, r.max) << r.model;
        EXPECT_GE(body, 1500u) << r.model << " is too coarse to look round close up";
        EXPECT_LE(far, body * 2 / 5) << r.model;
        EXPECT_GE(far, 300u) << r.model << " far body lost its shape";
        EXPECT_EQ(farMaterials, nearMaterials) << r.model;
    }
}

struct Figure {
    const tinygltf::Model& m;
    glm::vec3 at(const char* anim, float frame, const char* joint) const {
        const int n = probe::node(m, joint);
        EXPECT_GE(n, 0) << joint;
        return probe::position(probe::pose(m, probe::animation(m, anim), frame), n);
    }
    // Direction of a limb, from a joint to its child.
    glm::vec3 limb(const char* anim, float frame, const char* a, const char* b) const {
        return glm::normalize(at(anim, frame, b) - at(anim, frame, a));
    }
};

TEST(AssetgenModels, LoopsJoinUp) {
    const struct {
        const char* model;
        const char* anim;
        float from, to;
    } rows[] = {{"player", "run", 4, 29},      {"goalkeeper", "runloop", 4, 27}, {"goalkeeper", "walk", 5, 39},
                {"goalkeeper", "sidestep_left", 0, 23}, {"goalkeeper", "sidestep_right", 0, 23}};
    for (const auto& r : rows) {
        const tinygltf::Model& m = model(r.model).m;
        const int a = probe::animation(m, r.anim);
        const auto p0 = probe::pose(m, a, r.from), p1 = probe::pose(m, a, r.to);
        for (std::size_t i = 0; i < p0.size(); ++i)
            EXPECT_LT(glm::distance(probe::position(p0, static_cast<int>(i)), probe::position(p1, static_cast<int>(i))), 0.5f)
                << r.anim << " node " << m.nodes[i].name;
    }
}

// Forward swing of a leg: the knee's distance ahead of the hip (model -z).
TEST(AssetgenModels, RunningSwingsLegsAndArmsInOppositePhase) {
    const struct {
        const char* model;
        const char* anim;
        int from, to;
    } rows[] = {{"player", "run", 4, 29}, {"goalkeeper", "runloop", 4, 27}, {"goalkeeper", "walk", 5, 39}};
    for (const auto& r : rows) {
        Figure f{model(r.model).m};
        std::vector<float> l, rr, al;
        for (int k = r.from; k < r.to; ++k) {
            l.push_back(-f.limb(r.anim, k, "upperleg_l", "lowerleg_l").z);
            rr.push_back(-f.limb(r.anim, k, "upperleg_r", "lowerleg_r").z);
            al.push_back(-f.limb(r.anim, k, "upperarm_l", "lowerarm_l").z);
        }
        auto corr = [](const std::vector<float>& a, const std::vector<float>& b) {
            double ma = 0, mb = 0;
            for (std::size_t i = 0; i < a.size(); ++i) ma += a[i], mb += b[i];
            ma /= a.size();
            mb /= b.size();
            double sab = 0, saa = 0, sbb = 0;
            for (std::size_t i = 0; i < a.size(); ++i) {
                sab += (a[i] - ma) * (b[i] - mb);
                saa += (a[i] - ma) * (a[i] - ma);
                sbb += (b[i] - mb) * (b[i] - mb);
            }
            return sab / std::sqrt(saa * sbb + 1e-12);
        };
        EXPECT_LT(corr(l, rr), -0.8) << r.anim << ": legs";
        EXPECT_LT(corr(l, al), -0.8) << r.anim << ": left arm against left leg";
        EXPECT_GT(*std::max_element(l.begin(), l.end()) - *std::min_element(l.begin(), l.end()), 0.4f) << r.anim;
    }
}

// Sides: "..._left" goes towards model +x, "..._right" towards -x.
TEST(AssetgenModels, DivesCarryTheKeeperTowardsTheNamedSide) {
    Figure k{model("goalkeeper").m};
    const struct {
        const char* anim;
        float side;
        bool high;
    } rows[] = {{"dive_m_left", 1, false},      {"dive_m_right", -1, false},     {"dive_h_left", 1, true},
                {"dive_h_right", -1, true},     {"dive_l_left", 1, false},       {"dive_l_right", -1, false},
                {"dive_grab_m_left", 1, false}, {"dive_grab_m_right", -1, false}, {"dive_grab_l_left", 1, false},
                {"dive_grab_l_right", -1, false}};
    for (const auto& r : rows) {
        const glm::vec3 hips = k.at(r.anim, 60, "hips"), head = k.at(r.anim, 60, "head");
        EXPECT_GT(r.side * hips.x, 25) << r.anim << ": the body moves sideways";
        EXPECT_GT(r.side * (head.x - hips.x), 40) << r.anim << ": stretched towards the side";
        EXPECT_LT(head.y, 80) << r.anim << ": down on the ground";
        float peak = 0;
        for (int f = 0; f <= 40; ++f) peak = std::max(peak, k.at(r.anim, f, "hips").y);
        if (r.high) EXPECT_GT(peak, 150) << r.anim << ": leaves the ground";
    }
}

// The palm centres: the middle of each glove (rest pose) carried by the
// lower arm.
struct Palms {
    glm::vec3 restL, restR;
    int armL, armR;
};
Palms palms(const tinygltf::Model& m) {
    Palms p{};
    p.armL = probe::node(m, "lowerarm_l");
    p.armR = probe::node(m, "lowerarm_r");
    glm::vec3 sumL(0), sumR(0);
    int nl = 0, nr = 0;
    for (const tinygltf::Primitive& prim : m.meshes[m.nodes[probe::node(m, "body")].mesh].primitives) {
        if (prim.material != 6) continue;
        const std::vector<float> v = probe::floats(m, prim.attributes.at("POSITION"));
        for (std::size_t i = 0; i + 2 < v.size(); i += 3) {
            const glm::vec3 q(v[i], v[i + 1], v[i + 2]);
            if (q.x > 0) sumL += q, ++nl;
            else sumR += q, ++nr;
        }
    }
    p.restL = sumL / float(std::max(nl, 1));
    p.restR = sumR / float(std::max(nr, 1));
    return p;
}

glm::vec3 carried(const tinygltf::Model& m, const std::vector<glm::mat4>& pose, int node, glm::vec3 rest) {
    const glm::vec3 restJoint = probe::position(probe::pose(m, -1, 0), node);
    return glm::vec3(pose[node] * glm::vec4(rest - restJoint, 1.0f));
}

TEST(AssetgenModels, CatchesHoldTheBallBetweenTheHands) {
    const tinygltf::Model& m = model("goalkeeper").m;
    const Palms p = palms(m);
    const int ball = probe::node(m, "ball_hold");
    ASSERT_GE(ball, 0);
    const struct {
        const char* anim;
        float from, to;
    } rows[] = {{"stand_holdball", 15, 30},     {"dive_grab_m_left", 15, 90}, {"dive_grab_m_right", 15, 90},
                {"dive_grab_l_left", 15, 60},   {"dive_grab_l_right", 15, 60}, {"jump_grab", 26, 40}};
    const float reach = 13.9f + 12.0f;
    for (const auto& r : rows) {
        const int a = probe::animation(m, r.anim);
        for (float f = r.from; f <= r.to; f += 5) {
            const auto pose = probe::pose(m, a, f);
            const glm::vec3 c = probe::position(pose, ball);
            EXPECT_LT(glm::distance(c, carried(m, pose, p.armL, p.restL)), reach) << r.anim << " frame " << f;
            EXPECT_LT(glm::distance(c, carried(m, pose, p.armR, p.restR)), reach) << r.anim << " frame " << f;
            EXPECT_GT(glm::distance(c, probe::position(pose, probe::node(m, "spine"))), 15.0f)
                << r.anim << " frame " << f << ": the ball is outside the body";
        }
    }
    // A catching dive started at frame 15 is already in the air and sideways.
    Figure k{m};
    EXPECT_GT(k.at("dive_grab_m_left", 15, "hips").x, 20);
}

TEST(AssetgenModels, PlayerMotionsLookLikeTheirNames) {
    Figure p{model("player").m};
    const glm::vec3 restHead = p.at("standing", 0, "head");
    EXPECT_LT(p.at("slidetackle", 20, "hips").y, 50) << "down on the grass";
    EXPECT_LT(p.at("slidetackle", 20, "foot_l").z, p.at("slidetackle", 20, "hips").z - 40) << "leg out in front";
    EXPECT_LT(p.at("fall", 25, "head").y, 50);
    EXPECT_LT(p.at("fall", 25, "hips").y, 40);
    EXPECT_LT(p.at("header_right", 17, "head").x, -10) << "leans towards -x";
    EXPECT_GT(p.at("header_left", 17, "head").x, 10) << "leans towards +x";
    EXPECT_GT(p.at("header_left", 17, "hips").y, p.at("standing", 0, "hips").y + 25) << "jumps";
    // Throw-in: the hands are behind and above the head while waiting, in front after the throw.
    const glm::vec3 headHold = p.at("throwin", 14.2f, "head");
    EXPECT_GT(p.at("throwin", 14.2f, "lowerarm_l").y, headHold.y);
    EXPECT_LT(p.at("throwin", 19, "lowerarm_l").z, p.at("throwin", 19, "head").z - 10);
    EXPECT_NEAR(restHead.y, 200, 1);
}

TEST(AssetgenModels, SideStepsLeadWithTheLegOfTheirSide) {
    Figure k{model("goalkeeper").m};
    const float restL = k.at("stand", 0, "foot_l").x, restR = k.at("stand", 0, "foot_r").x;
    EXPECT_GT(k.at("sidestep_left", 6, "foot_l").x, restL + 5);
    EXPECT_LT(k.at("sidestep_right", 6, "foot_r").x, restR - 5);
}

TEST(AssetgenModels, FiguresStayAboveTheGround) {
    for (const char* name : {"player", "goalkeeper"}) {
        const tinygltf::Model& m = model(name).m;
        for (std::size_t a = 0; a < m.animations.size(); ++a) {
            const float last = probe::lastFrame(m, static_cast<int>(a));
            for (float f = 0; f <= last; f += 1) {
                const auto pose = probe::pose(m, static_cast<int>(a), f);
                for (const char* j : {"hips", "spine", "head", "foot_l", "foot_r", "lowerleg_l", "lowerleg_r"}) {
                    const float y = probe::position(pose, probe::node(m, j)).y;
                    EXPECT_GT(y, 3.0f) << name << " " << m.animations[a].name << " frame " << f << " " << j;
                }
            }
        }
    }
}

}  // namespace
