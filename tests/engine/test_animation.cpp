#include <gtest/gtest.h>

#include <cmath>

#include "animation.h"
#include "gltf_loader.h"
#include "testkit.h"

namespace kf {
namespace {

MeshData stripModel() {
    testkit::ensureGuiApp(false);
    const std::string path = testkit::tempPath("strip_animation.glb");
    EXPECT_TRUE(testkit::writeSkinnedStripGlb(path));
    MeshData m;
    std::string error;
    EXPECT_TRUE(parseGltfFile(path, &m, &error)) << error;
    return m;
}

TEST(Animation, InterpolatesFractionalFramesAndClampsOutsideTheKeys) {
    const MeshData m = stripModel();
    const int run = m.findAnimation("run");
    const int upper = m.findNode("upper");
    struct Row {
        float frame;
        float x;
        const char* name;
    };
    const Row rows[] = {
        {0, 0, "first key"},        {15, 50, "half way"},   {7.5f, 25, "fractional frame"},
        {0.72f, 2.4f, "one run step"}, {30, 100, "last key"}, {45, 100, "clamped past the end"},
        {-3, 0, "held before the start"},
    };
    std::vector<NodeTRS> locals;
    for (const Row& r : rows) {
        sampleAnimation(m, run, r.frame, locals);
        EXPECT_NEAR(locals[upper].t.x, r.x, 1e-4f) << r.name;
        EXPECT_NEAR(locals[upper].t.y, 100, 1e-4f) << r.name;
    }
}

TEST(Animation, SlerpsRotations) {
    const MeshData m = stripModel();
    const int spinner = m.findNode("spinner");
    std::vector<NodeTRS> locals;
    sampleAnimation(m, m.findAnimation("run"), 15, locals);
    const float angle = 2 * std::acos(std::min(1.0f, std::fabs(locals[spinner].r.w)));
    EXPECT_NEAR(angle, 3.14159265f / 4, 1e-4f) << "half of the 90 degree turn";
    EXPECT_NEAR(glm::length(locals[spinner].r), 1.0f, 1e-5f);
    const Vec3 turned = locals[spinner].r * Vec3(1, 0, 0);
    EXPECT_NEAR(turned.x, std::sqrt(0.5f), 1e-4f);
    EXPECT_NEAR(turned.z, -std::sqrt(0.5f), 1e-4f) << "about +y, right-handed";
}

TEST(Animation, UnanimatedNodesAndNoAnimationKeepTheRestPose) {
    const MeshData m = stripModel();
    std::vector<NodeTRS> locals;
    sampleAnimation(m, m.findAnimation("standing"), 10, locals);
    EXPECT_EQ(locals[m.findNode("ball")].t, Vec3(0, 50, 0));
    EXPECT_EQ(locals[m.findNode("spinner")].r, glm::quat(1, 0, 0, 0));
    sampleAnimation(m, -1, 10, locals);
    EXPECT_EQ(locals[m.findNode("upper")].t, Vec3(0, 100, 0));
}

TEST(Animation, JointMatricesMoveTheSkinWithTheJoint) {
    const MeshData m = stripModel();
    std::vector<NodeTRS> locals;
    std::vector<Mat4> globals, joints;
    sampleAnimation(m, m.findAnimation("run"), 30, locals);
    computeGlobals(m, locals, globals);
    computeJointMatrices(m, 0, globals, joints);
    ASSERT_EQ(joints.size(), 2u);
    const Vec3 top = transformPoint(joints[1], Vec3(-50, 200, 0));
    EXPECT_NEAR(top.x, 50, 1e-4f);
    EXPECT_NEAR(top.y, 200, 1e-4f);
    EXPECT_EQ(transformPoint(joints[0], Vec3(-50, 0, 0)), Vec3(-50, 0, 0));
    // The ball rides on "upper".
    EXPECT_NEAR(globals[m.findNode("ball")][3].x, 100, 1e-4f);
    EXPECT_NEAR(globals[m.findNode("ball")][3].y, 150, 1e-4f);
}

TEST(Animation, StepChannelsHoldTheEarlierKey) {
    MeshData m;
    m.nodes.resize(1);
    Animation a;
    a.name = "blink";
    AnimChannel c;
    c.node = 0;
    c.path = AnimChannel::Scale;
    c.step = true;
    c.times = {0, 1};
    c.values = {Vec4(1, 1, 1, 0), Vec4(2, 2, 2, 0)};
    a.channels.push_back(c);
    a.duration = 1;
    m.animations.push_back(a);
    ASSERT_TRUE(m.finish());
    std::vector<NodeTRS> locals;
    sampleAnimation(m, 0, 29.9f, locals);
    EXPECT_EQ(locals[0].s, Vec3(1));
    sampleAnimation(m, 0, 30, locals);
    EXPECT_EQ(locals[0].s, Vec3(2));
}

}  // namespace
}  // namespace kf
