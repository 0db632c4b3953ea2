#include <gtest/gtest.h>

#include "gltf_loader.h"
#include "mesh_instance.h"
#include "testkit.h"

namespace kf {
namespace {

constexpr float halfPi = 1.5707964f;

// The pick surface of the match: a 100 x 100 plane in model x and z at y = 0.
std::shared_ptr<const MeshData> planeModel() {
    auto m = std::make_shared<MeshData>();
    m->nodes.resize(1);
    m->nodes[0].name = "plane";
    std::vector<MeshVertex> v(4);
    v[0].pos = {-50, 0, -50};
    v[1].pos = {50, 0, -50};
    v[2].pos = {50, 0, 50};
    v[3].pos = {-50, 0, 50};
    m->addPrimitive(v, {0, 2, 1, 0, 3, 2}, 0, 0);
    m->materials.resize(1);
    EXPECT_TRUE(m->finish());
    return m;
}

TEST(MeshInstance, RayPickHitsThePlaneUnderItsWorldMatrix) {
    MeshInstance field(planeModel());
    // The field's world matrix: scale (0.2, 0.01, 0.2), pi/2 about x, 0.01 down.
    const Mat4 world = worldMatrix(Vec3(0.2f, 0.01f, 0.2f), halfPi, 0, Vec3(0, 0, -0.01f));
    struct Row {
        const char* name;
        Ray ray;
        bool hit;
        Vec3 point;
    };
    const Vec3 eye(0, 5.64f, 7.5f);
    const Row rows[] = {
        {"straight down", {{1, 2, 5}, {0, 0, -1}}, true, {1, 2, -0.01f}},
        {"from the camera to a point", {eye, glm::normalize(Vec3(3, -2, -0.01f) - eye)}, true, {3, -2, -0.01f}},
        {"near the corner", {{9.9f, -9.9f, 1}, {0, 0, -1}}, true, {9.9f, -9.9f, -0.01f}},
        {"outside the plane", {{10.5f, 0, 1}, {0, 0, -1}}, false, {}},
        {"above the horizon", {eye, glm::normalize(Vec3(0, -1, 0.3f))}, false, {}},
    };
    for (const Row& r : rows) {
        float d = -1;
        ASSERT_EQ(field.intersectRay(world, r.ray, &d), r.hit) << r.name;
        if (!r.hit) continue;
        const Vec3 p = r.ray.origin + d * r.ray.dir;
        EXPECT_NEAR(p.x, r.point.x, 1e-4f) << r.name;
        EXPECT_NEAR(p.y, r.point.y, 1e-4f) << r.name;
        EXPECT_NEAR(p.z, r.point.z, 1e-4f) << r.name;
    }
}

class StripInstance : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::ensureGuiApp(false);
        const std::string path = testkit::tempPath("strip_instance.glb");
        ASSERT_TRUE(testkit::writeSkinnedStripGlb(path));
        auto m = std::make_shared<MeshData>();
        std::string error;
        ASSERT_TRUE(parseGltfFile(path, m.get(), &error)) << error;
        data_ = m;
    }
    std::shared_ptr<const MeshData> data_;
};

TEST_F(StripInstance, HidingANodeHidesItsDescendants) {
    MeshInstance inst(data_);
    const int upper = data_->findNode("upper"), ball = data_->findNode("ball"),
              root = data_->findNode("root");
    EXPECT_TRUE(inst.nodeVisible(ball));
    ASSERT_TRUE(inst.showNode("upper", false));
    EXPECT_FALSE(inst.nodeVisible(upper));
    EXPECT_FALSE(inst.nodeVisible(ball)) << "below a hidden node";
    EXPECT_TRUE(inst.nodeVisible(root));
    ASSERT_TRUE(inst.showNode("upper", true));
    ASSERT_TRUE(inst.showNode("ball", false));
    EXPECT_FALSE(inst.nodeVisible(ball));
    EXPECT_TRUE(inst.nodeVisible(upper));
    EXPECT_FALSE(inst.showNode("soccer_body", false)) << "unknown names are refused";
}

TEST_F(StripInstance, AnimationsAreSetByNameAndFrame) {
    MeshInstance inst(data_);
    EXPECT_FALSE(inst.setAnimation("dive_m_left", 3)) << "unknown animation";
    EXPECT_EQ(inst.animation(), -1);
    ASSERT_TRUE(inst.setAnimation("run", 15));
    EXPECT_NEAR(inst.nodeGlobals()[data_->findNode("ball")][3].x, 50, 1e-4f);
    EXPECT_NEAR(inst.jointMatrices(0)[1][3].x, 50, 1e-4f);
    ASSERT_TRUE(inst.setAnimation("run", 30));
    EXPECT_NEAR(inst.nodeGlobals()[data_->findNode("ball")][3].x, 100, 1e-4f) << "pose follows the frame";
    ASSERT_TRUE(inst.setAnimation(data_->findAnimation("standing"), 0));
    EXPECT_NEAR(inst.nodeGlobals()[data_->findNode("ball")][3].x, 0, 1e-4f);
}

TEST_F(StripInstance, MaterialTexturesAndCullingArePerInstance) {
    MeshInstance a(data_), b(data_);
    a.setMaterialTexture(1, TextureHandle{7, 2});
    EXPECT_EQ(a.materialTexture(1), (TextureHandle{7, 2}));
    EXPECT_FALSE(b.materialTexture(1).valid());
    EXPECT_FALSE(a.materialTexture(9).valid());
    EXPECT_TRUE(a.nodeCulling());
    a.setNodeCulling(false);
    EXPECT_FALSE(a.nodeCulling());
    EXPECT_TRUE(b.nodeCulling());
}

TEST_F(StripInstance, RayPickAndBoundingBoxUseTheRestPose) {
    MeshInstance inst(data_);
    EXPECT_EQ(inst.boundingBox().max, Vec3(50, 200, 0));
    // Standing figure at (1, 2) facing +y: the strip spans world x 0.9..1.1, z 0..0.2.
    const Mat4 world = worldMatrix(0.001f, halfPi, 0, Vec3(1, 2, 0));
    float d = 0;
    ASSERT_TRUE(inst.intersectRay(world, Ray{{1.05f, 10, 0.15f}, {0, -1, 0}}, &d));
    EXPECT_NEAR(d, 8, 1e-4f);
    EXPECT_FALSE(inst.intersectRay(world, Ray{{1.2f, 10, 0.15f}, {0, -1, 0}}, &d));
}

}  // namespace
}  // namespace kf
