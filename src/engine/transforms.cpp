#include "transforms.h"

#include <glm/gtc/matrix_transform.hpp>
#include <algorithm>
#include <cmath>

namespace kf {

Mat4 worldMatrix(const Vec3& scale, float rotX, float rotZ, const Vec3& translation) {
    const Mat4 s = glm::scale(Mat4(1.0f), scale);
    const Mat4 rx = glm::rotate(Mat4(1.0f), rotX, Vec3(1, 0, 0));
    const Mat4 rz = glm::rotate(Mat4(1.0f), rotZ, Vec3(0, 0, 1));
    const Mat4 t = glm::translate(Mat4(1.0f), translation);
    return t * rz * rx * s;
}

Vec3 transformPoint(const Mat4& m, const Vec3& p) {
    const Vec4 r = m * Vec4(p, 1.0f);
    return Vec3(r) / r.w;
}

void Box::add(const Vec3& p) {
    min = glm::min(min, p);
    max = glm::max(max, p);
}

Box transformBox(const Box& b, const Mat4& m) {
    Box out;
    if (b.empty()) return out;
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner((i & 1) ? b.max.x : b.min.x, (i & 2) ? b.max.y : b.min.y,
                          (i & 4) ? b.max.z : b.min.z);
        out.add(Vec3(m * Vec4(corner, 1.0f)));
    }
    return out;
}

// Gribb–Hartmann extraction for clip space -w <= x, y, z <= w.
Frustum::Frustum(const Mat4& vp) {
    const Mat4 t = glm::transpose(vp);  // rows of vp as columns
    const Vec4 r0 = t[0], r1 = t[1], r2 = t[2], r3 = t[3];
    planes_[0] = r3 + r0;
    planes_[1] = r3 - r0;
    planes_[2] = r3 + r1;
    planes_[3] = r3 - r1;
    planes_[4] = r3 + r2;
    planes_[5] = r3 - r2;
    for (Vec4& p : planes_) p /= glm::length(Vec3(p));
}

bool Frustum::intersects(const Box& b) const {
    if (b.empty()) return false;
    for (const Vec4& p : planes_) {
        // The corner furthest along the plane normal.
        const Vec3 v(p.x >= 0 ? b.max.x : b.min.x, p.y >= 0 ? b.max.y : b.min.y,
                     p.z >= 0 ? b.max.z : b.min.z);
        if (glm::dot(Vec3(p), v) + p.w < 0) return false;
    }
    return true;
}

Mat4 lookAtLH(const Vec3& eye, const Vec3& target, const Vec3& up) {
    return glm::lookAtLH(eye, target, up);
}

Mat4 perspectiveLH(float fovY, float aspect, float zNear, float zFar) {
    return glm::perspectiveLH_NO(fovY, aspect, zNear, zFar);
}

Ray rayFromScreen(float px, float py, float width, float height, const Mat4& view,
                  const Mat4& projection) {
    const Mat4 inv = glm::inverse(projection * view);
    const float nx = 2.0f * px / width - 1.0f;
    const float ny = 1.0f - 2.0f * py / height;
    const Vec3 nearPt = transformPoint(inv, Vec3(nx, ny, -1.0f));
    const Vec3 farPt = transformPoint(inv, Vec3(nx, ny, 1.0f));
    return Ray{nearPt, glm::normalize(farPt - nearPt)};
}

bool projectToScreen(const Vec3& world, float width, float height, const Mat4& view,
                     const Mat4& projection, Vec2f* pixel) {
    const Vec4 clip = projection * view * Vec4(world, 1.0f);
    if (clip.w <= 0) return false;
    const Vec3 ndc = Vec3(clip) / clip.w;
    *pixel = Vec2f((ndc.x + 1.0f) * 0.5f * width, (1.0f - ndc.y) * 0.5f * height);
    return true;
}

bool rayTriangle(const Ray& r, const Vec3& a, const Vec3& b, const Vec3& c, float* t) {
    const Vec3 e1 = b - a, e2 = c - a;
    const Vec3 p = glm::cross(r.dir, e2);
    const float det = glm::dot(e1, p);
    if (std::fabs(det) < 1e-12f) return false;
    const float inv = 1.0f / det;
    const Vec3 s = r.origin - a;
    const float u = glm::dot(s, p) * inv;
    if (u < 0.0f || u > 1.0f) return false;
    const Vec3 q = glm::cross(s, e1);
    const float v = glm::dot(r.dir, q) * inv;
    if (v < 0.0f || u + v > 1.0f) return false;
    const float dist = glm::dot(e2, q) * inv;
    if (dist < 0.0f) return false;
    *t = dist;
    return true;
}

}  // namespace kf
