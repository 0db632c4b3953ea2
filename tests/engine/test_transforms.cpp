#include <gtest/gtest.h>

#include <cmath>

#include "transforms.h"

namespace kf {
namespace {

constexpr float halfPi = 1.5707964f;
constexpr float pi = 3.14159265f;

void expectNear(const Vec3& a, const Vec3& b, const std::string& what, float tol = 1e-4f) {
    EXPECT_NEAR(a.x, b.x, tol) << what;
    EXPECT_NEAR(a.y, b.y, tol) << what;
    EXPECT_NEAR(a.z, b.z, tol) << what;
}

TEST(WorldMatrix, ComposesScaleRotXRotZTranslationInOrder) {
    struct Row {
        const char* name;
        Vec3 scale;
        float rotX, rotZ;
        Vec3 translation, model, world;
    };
    const Row rows[] = {
        {"rotation 0 maps (x,y,z) to (x,-z,y)", Vec3(1), halfPi, 0, Vec3(0), {1, 2, 3}, {1, -3, 2}},
        {"model up is world up", Vec3(1), halfPi, 0, Vec3(0), {0, 1, 0}, {0, 0, 1}},
        {"model -z is world +y (forward)", Vec3(1), halfPi, 0, Vec3(0), {0, 0, -1}, {0, 1, 0}},
        {"z rotation turns +x to +y", Vec3(1), halfPi, halfPi, Vec3(0), {1, 0, 0}, {0, 1, 0}},
        {"z rotation after x rotation", Vec3(1), halfPi, halfPi, Vec3(0), {0, 0, -1}, {-1, 0, 0}},
        {"pi about z", Vec3(1), halfPi, pi, Vec3(0), {1, 0, 0}, {-1, 0, 0}},
        {"scale before rotation", Vec3(2, 3, 4), halfPi, 0, Vec3(0), {1, 1, 1}, {2, -4, 3}},
        {"translation last, unscaled", Vec3(0.5f), halfPi, halfPi, Vec3(10, 20, 30), {2, 0, 0}, {10, 21, 30}},
        {"bench: non-uniform scale then pi", Vec3(0.00696f, 0.00696f, 0.00608f), halfPi, pi,
         Vec3(-4, 1.4f, 0), {100, 0, 100}, {-4.696f, 1.4f + 0.608f, 0}},
    };
    for (const Row& r : rows)
        expectNear(transformPoint(worldMatrix(r.scale, r.rotX, r.rotZ, r.translation), r.model),
                   r.world, r.name);
}

// Screen x of the projection of a world point, for a camera set as a preset.
float screenX(const Camera& c, const Vec3& p) {
    Vec2f px;
    EXPECT_TRUE(projectToScreen(p, 1024, 768, c.view(), c.projection(), &px));
    return px.x;
}

float screenY(const Camera& c, const Vec3& p) {
    Vec2f px;
    EXPECT_TRUE(projectToScreen(p, 1024, 768, c.view(), c.projection(), &px));
    return px.y;
}

Camera preset(const Vec3& eye, const Vec3& target, const Vec3& up) {
    Camera c;
    c.fov = 0.6f;
    c.aspect = 1024.0f / 768.0f;
    c.eye = eye;
    c.target = target;
    c.up = up;
    return c;
}

TEST(LookAtLH, Preset1PutsWorldPlusXOnTheRight) {
    const Camera c = preset({0, 5.64f, 7.5f}, {0, 0.45f, 0}, {0, -1, 0});
    Vec2f centre;
    ASSERT_TRUE(projectToScreen(c.target, 1024, 768, c.view(), c.projection(), &centre));
    EXPECT_NEAR(centre.x, 512, 0.01);
    EXPECT_NEAR(centre.y, 384, 0.01);
    EXPECT_GT(screenX(c, {1, 0.45f, 0}), 600) << "+x must appear right of the centre";
    EXPECT_LT(screenX(c, {-1, 0.45f, 0}), 424);
    // Looking towards -y from the +y end: the far (-y) end is higher on screen.
    EXPECT_LT(screenY(c, {0, -3, 0}), screenY(c, {0, 3, 0}));
}

TEST(LookAtLH, Preset3PutsWorldPlusYOnTheRightAndPlusXUp) {
    const Camera c = preset({-7.5f, 0, 7.43f}, {-1.07f, 0, 0}, {1, 0, 0});
    EXPECT_GT(screenX(c, {-1.07f, 1, 0}), 600) << "+y must appear on the right";
    EXPECT_LT(screenX(c, {-1.07f, -1, 0}), 424);
    EXPECT_LT(screenY(c, {2, 0, 0}), screenY(c, {-2, 0, 0})) << "+x is the far side, up";
}

TEST(Frustum, KeepsBoxesInsideAndDropsBoxesOutside) {
    const Camera c = preset({0, 5.64f, 7.5f}, {0, 0.45f, 0}, {0, -1, 0});
    const Frustum f(c.projection() * c.view());
    struct Row {
        const char* name;
        Vec3 min, max;
        bool inside;
    };
    const Row rows[] = {
        {"at the target", {-0.1f, 0.35f, -0.1f}, {0.1f, 0.55f, 0.1f}, true},
        {"straddling the left edge", {-20, 0, 0}, {0, 0.1f, 0.1f}, true},
        {"far off to the side", {30, 0, 0}, {31, 1, 1}, false},
        {"behind the eye", {-0.1f, 9, 9}, {0.1f, 10, 10}, false},
        {"beyond the far plane", {-1, -120, 0}, {1, -110, 1}, false},
        {"between eye and near plane", {-0.01f, 5.3f, 7.0f}, {0.01f, 5.31f, 7.01f}, false},
        {"covering everything", {-500, -500, -500}, {500, 500, 500}, true},
    };
    for (const Row& r : rows) {
        Box b;
        b.add(r.min);
        b.add(r.max);
        EXPECT_EQ(f.intersects(b), r.inside) << r.name;
    }
    EXPECT_FALSE(f.intersects(Box{})) << "an empty box is never visible";
}

TEST(TransformBox, BoundsTheEightCorners) {
    Box b;
    b.add({-1, 0, -1});
    b.add({1, 2, 1});
    const Box w = transformBox(b, worldMatrix(Vec3(1), halfPi, 0, Vec3(5, 0, 0)));
    expectNear(w.min, {4, -1, 0}, "min");
    expectNear(w.max, {6, 1, 2}, "max");
}

TEST(RayFromScreen, HitsThePointThatProjectsThere) {
    const Camera c = preset({0, 5.64f, 7.5f}, {0, 0.45f, 0}, {0, -1, 0});
    const Vec3 points[] = {{0, 0, 0}, {1.5f, -2, 0}, {-3, 1, 0.2f}};
    for (const Vec3& p : points) {
        Vec2f px;
        ASSERT_TRUE(projectToScreen(p, 1024, 768, c.view(), c.projection(), &px));
        const Ray r = rayFromScreen(px.x, px.y, 1024, 768, c.view(), c.projection());
        EXPECT_NEAR(glm::length(r.dir), 1.0f, 1e-5f);
        // Distance from p to the ray.
        const Vec3 v = p - r.origin;
        const float along = glm::dot(v, r.dir);
        EXPECT_GT(along, 0);
        EXPECT_LT(glm::length(v - along * r.dir), 1e-3f) << p.x << "," << p.y;
    }
}

TEST(RayTriangle, ReportsTheDistanceAlongTheRay) {
    const Ray r{{0.2f, 0.2f, 5}, {0, 0, -1}};
    float t = 0;
    ASSERT_TRUE(rayTriangle(r, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, &t));
    EXPECT_NEAR(t, 4, 1e-5f);
    EXPECT_FALSE(rayTriangle(r, {1, 1, 1}, {2, 1, 1}, {1, 2, 1}, &t)) << "outside the triangle";
    EXPECT_FALSE(rayTriangle(Ray{{0.2f, 0.2f, 0}, {0, 0, -1}}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, &t))
        << "behind the origin";
}

}  // namespace
}  // namespace kf
