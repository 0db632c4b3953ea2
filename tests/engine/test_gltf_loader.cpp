#include <gtest/gtest.h>

#include <atomic>
#include <QByteArray>
#include <fstream>
#include <thread>

#include "gltf_loader.h"
#include "testkit.h"

namespace kf {
namespace {

class GltfLoader : public ::testing::Test {
protected:
    void SetUp() override {
        testkit::ensureGuiApp(false);
        path_ = testkit::tempPath("strip_loader.glb");
        ASSERT_TRUE(testkit::writeSkinnedStripGlb(path_));
    }
    std::string path_;
};

TEST_F(GltfLoader, ReadsNodesSkinMaterialsAndAnimations) {
    MeshData m;
    std::string error;
    ASSERT_TRUE(parseGltfFile(path_, &m, &error)) << error;
    ASSERT_EQ(m.nodes.size(), 5u);
    EXPECT_EQ(m.nodes[m.findNode("upper")].parent, m.findNode("root"));
    EXPECT_EQ(m.nodes[m.findNode("ball")].parent, m.findNode("upper"));
    EXPECT_EQ(m.nodes[m.findNode("upper")].rest.t, Vec3(0, 100, 0));

    ASSERT_EQ(m.skins.size(), 1u);
    EXPECT_EQ(m.skins[0].joints, (std::vector<int>{1, 2}));
    EXPECT_FLOAT_EQ(m.skins[0].inverseBind[1][3][1], -100.0f);

    ASSERT_EQ(m.primitives.size(), 2u);
    const MeshPrimitive& strip = m.primitives[0];
    EXPECT_EQ(strip.skin, 0);
    EXPECT_EQ(strip.material, 0);
    EXPECT_EQ(strip.indexCount, 12u);
    const MeshPrimitive& ball = m.primitives[1];
    EXPECT_EQ(ball.skin, -1);
    EXPECT_EQ(ball.node, m.findNode("ball"));
    EXPECT_EQ(ball.material, 1);

    // Weights: row 1 is split between the joints, row 2 follows "upper".
    EXPECT_FLOAT_EQ(m.vertices[2].weights[0], 0.5f);
    EXPECT_EQ(m.vertices[4].joints[0], 1);
    EXPECT_EQ(m.vertices[4].pos, Vec3(-50, 200, 0));
    EXPECT_EQ(m.vertices[4].uv, Vec2f(0, 0));

    ASSERT_EQ(m.materials.size(), 2u);
    EXPECT_EQ(m.materials[0].name, "cloth");
    ASSERT_EQ(m.materials[0].image.width(), 8) << "embedded PNG decoded";
    EXPECT_EQ(m.materials[0].image.pixel(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(m.materials[0].image.pixel(7, 0), (Rgba{0, 0, 255, 255}));
    EXPECT_TRUE(m.materials[1].image.empty());
    EXPECT_EQ(m.materials[1].factor, (Rgba{0, 255, 0, 255}));

    const int run = m.findAnimation("run");
    ASSERT_GE(run, 0);
    EXPECT_GE(m.findAnimation("standing"), 0);
    EXPECT_FLOAT_EQ(m.animations[run].duration, 1.0f);
    EXPECT_FLOAT_EQ(m.animations[run].frameCount(), 30.0f);
    ASSERT_EQ(m.animations[run].channels.size(), 2u);
    EXPECT_EQ(m.animations[run].channels[0].values[1], Vec4(100, 100, 0, 0));

    // Rest-pose bounds: the strip plus the ball square at y 150 + [-10, 10], z -1.
    EXPECT_EQ(m.bounds.min, Vec3(-50, 0, -1));
    EXPECT_EQ(m.bounds.max, Vec3(50, 200, 0));
}

TEST_F(GltfLoader, RejectsMissingAndMalformedFiles) {
    MeshData m;
    std::string error;
    EXPECT_FALSE(parseGltfFile(testkit::tempPath("no_such_model.glb"), &m, &error));
    EXPECT_FALSE(error.empty());

    // A truncated copy of a valid file.
    std::ifstream in(path_, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.resize(bytes.size() / 2);
    error.clear();
    EXPECT_FALSE(parseGltfMemory(bytes.data(), bytes.size(), &m, &error));
    EXPECT_FALSE(error.empty());

    const char junk[] = "not a model at all";
    EXPECT_FALSE(parseGltfMemory(reinterpret_cast<const uint8_t*>(junk), sizeof junk, &m, &error));
}

TEST(GltfLoaderThreads, ParsesOnSeveralThreadsAtOnce) {
    testkit::ensureGuiApp(false);
    const std::string path = testkit::tempPath("strip_threads.glb");
    ASSERT_TRUE(testkit::writeSkinnedStripGlb(path));
    std::vector<std::thread> threads;
    std::atomic<int> ok{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int k = 0; k < 10; ++k) {
                MeshData m;
                if (parseGltfFile(path, &m, nullptr) && m.animations.size() == 2) ++ok;
            }
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(ok.load(), 40);
}

// The models the generator writes, when the build has made them: every one
// parses, and the figures carry the animations and nodes the game asks for.
TEST(GltfLoaderGeneratedData, ParsesEveryModelOfTheGame) {
    const QByteArray dir = qgetenv("KF_DATA_DIR");
    const std::string models = (dir.isEmpty() ? std::string("data") : dir.toStdString()) + "/models/";
    if (!std::ifstream(models + "player.glb")) GTEST_SKIP() << "no generated data in " << models;
    for (const char* name : {"player", "goalkeeper", "ball", "net", "bench", "adboard", "stad1", "field"}) {
        MeshData m;
        std::string error;
        EXPECT_TRUE(parseGltfFile(models + name + ".glb", &m, &error)) << name << ": " << error;
        EXPECT_FALSE(m.bounds.empty()) << name;
    }
    MeshData player, keeper;
    ASSERT_TRUE(parseGltfFile(models + "player.glb", &player, nullptr));
    ASSERT_TRUE(parseGltfFile(models + "goalkeeper.glb", &keeper, nullptr));
    for (const char* a : {"standing", "run", "slidetackle", "fall", "header_right", "header_left", "throwin"})
        EXPECT_GE(player.findAnimation(a), 0) << a;
    for (const char* a : {"stand", "runloop", "stand_holdball", "sidestep_left", "sidestep_right", "walk",
                          "dive_m_left", "dive_m_right", "jump_punch", "dive_l_left", "dive_l_right",
                          "dive_h_left", "dive_h_right", "dive_grab_m_left", "dive_grab_m_right",
                          "dive_grab_l_left", "dive_grab_l_right", "jump_grab"})
        EXPECT_GE(keeper.findAnimation(a), 0) << a;
    EXPECT_GE(keeper.findNode("soccer_body"), 0);
    EXPECT_EQ(player.materials.size(), 6u);
    EXPECT_EQ(keeper.materials.size(), 8u);
    EXPECT_NEAR(player.bounds.max.y, 236, 15) << "player height in model units";
}

}  // namespace
}  // namespace kf
