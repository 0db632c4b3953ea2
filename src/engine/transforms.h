#pragma once
// World, view and projection maths of the match view. The world uses the
// conventions of the original engine: left-handed view and projection, world
// matrices composed from row-vector steps (scale, rotation about x, rotation
// about z, translation). glm stores column-vector matrices, so the composed
// matrix is T * Rz * Rx * S; a point p goes to world as M * p.

#include <glm/glm.hpp>

namespace kf {

using Vec2f = glm::vec2;
using Vec3 = glm::vec3;
using Vec4 = glm::vec4;
using Mat4 = glm::mat4;

// scale -> rotation rotX about x -> rotation rotZ about z -> translation.
Mat4 worldMatrix(const Vec3& scale, float rotX, float rotZ, const Vec3& translation);
inline Mat4 worldMatrix(float scale, float rotX, float rotZ, const Vec3& translation) {
    return worldMatrix(Vec3(scale), rotX, rotZ, translation);
}
Vec3 transformPoint(const Mat4& m, const Vec3& p);

// Axis-aligned box; empty() until a point is added.
struct Box {
    Vec3 min{1e30f};
    Vec3 max{-1e30f};
    bool empty() const { return min.x > max.x; }
    void add(const Vec3& p);
    Vec3 centre() const { return (min + max) * 0.5f; }
};
// The axis-aligned box of the eight transformed corners of b.
Box transformBox(const Box& b, const Mat4& m);

// Six planes (a, b, c, d) with a·x + b·y + c·z + d >= 0 inside.
class Frustum {
public:
    Frustum() = default;
    explicit Frustum(const Mat4& viewProjection);
    // True when the box touches or lies inside the frustum (conservative).
    bool intersects(const Box& b) const;

private:
    Vec4 planes_[6]{};
};

// Left-handed look-at and perspective (vertical field of view in radians,
// depth mapped to OpenGL's -1..1).
Mat4 lookAtLH(const Vec3& eye, const Vec3& target, const Vec3& up);
Mat4 perspectiveLH(float fovY, float aspect, float zNear, float zFar);

// The camera object of the match window: perspective plus eye, target, up.
struct Camera {
    float fov = 0.6f;
    float aspect = 4.0f / 3.0f;
    float zNear = 1.0f;
    float zFar = 100.0f;
    Vec3 eye{0, 0, -10};
    Vec3 target{0, 0, 0};
    Vec3 up{0, 1, 0};
    Mat4 view() const { return lookAtLH(eye, target, up); }
    Mat4 projection() const { return perspectiveLH(fov, aspect, zNear, zFar); }
};

struct Ray {
    Vec3 origin{0};
    Vec3 dir{0, 0, 1};  // unit length
};

// Ray through window pixel (px, py) (origin top left) of a viewport of
// width x height pixels: from the near plane away from the eye.
Ray rayFromScreen(float px, float py, float width, float height, const Mat4& view,
                  const Mat4& projection);
// Window pixel of a world point; false when it lies behind the eye.
bool projectToScreen(const Vec3& world, float width, float height, const Mat4& view,
                     const Mat4& projection, Vec2f* pixel);

// Möller–Trumbore; on a hit sets *t with origin + t * dir the hit point.
bool rayTriangle(const Ray& r, const Vec3& a, const Vec3& b, const Vec3& c, float* t);

}  // namespace kf
