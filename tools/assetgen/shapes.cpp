#include "shapes.h"

#include <glm/gtc/constants.hpp>

#include <cmath>

namespace assetgen {

namespace {
constexpr float kPi = glm::pi<float>();

// Frame round an axis: e1 points to the figure's front (model -z) as far as
// the axis allows.
void basis(glm::vec3 d, glm::vec3& e1, glm::vec3& e2) {
    glm::vec3 f(0, 0, -1);
    if (std::abs(glm::dot(f, d)) > 0.95f) f = glm::vec3(0, 1, 0);
    e1 = glm::normalize(f - glm::dot(f, d) * d);
    e2 = glm::cross(d, e1);
}
glm::vec3 around(glm::vec3 e1, glm::vec3 e2, float theta) { return -std::cos(theta) * e1 + std::sin(theta) * e2; }
}  // namespace

void orientedTri(Primitive& p, std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    const glm::vec3 pa = p.verts[a].pos, pb = p.verts[b].pos, pc = p.verts[c].pos;
    const glm::vec3 n = glm::cross(pb - pa, pc - pa);
    if (glm::length(n) < 1e-6f) return;
    const glm::vec3 want = p.verts[a].normal + p.verts[b].normal + p.verts[c].normal;
    if (glm::dot(n, want) >= 0.0f)
        p.tri(a, b, c);
    else
        p.tri(a, c, b);
}

void addRings(Primitive& p, const std::vector<std::vector<glm::vec3>>& pts,
              const std::vector<std::vector<glm::vec3>>& nrm, const std::vector<float>& vs, UvRect uv,
              int joint) {
    std::vector<std::vector<std::uint32_t>> ids(pts.size());
    for (std::size_t k = 0; k < pts.size(); ++k) {
        const std::size_t n = pts[k].size();
        for (std::size_t i = 0; i < n; ++i) {
            Vertex v;
            v.pos = pts[k][i];
            v.normal = nrm[k][i];
            v.uv = uv.at(static_cast<float>(i) / static_cast<float>(n - 1), vs[k]);
            v.joint = joint;
            ids[k].push_back(p.add(v));
        }
    }
    for (std::size_t k = 0; k + 1 < pts.size(); ++k)
        for (std::size_t i = 0; i + 1 < pts[k].size(); ++i) {
            const std::uint32_t a = ids[k][i], b = ids[k][i + 1], c = ids[k + 1][i + 1], d = ids[k + 1][i];
            orientedTri(p, a, b, c);
            orientedTri(p, a, c, d);
        }
}

void addLimb(Primitive& p, glm::vec3 a, glm::vec3 b, float ra, float rb, bool capA, bool capB, int joint,
             UvRect uv, int segments, int capRings) {
    const glm::vec3 d = glm::normalize(b - a);
    glm::vec3 e1, e2;
    basis(d, e1, e2);
    struct Ring {
        glm::vec3 c;
        float r, lift;  // lift: sine of the cap angle (along d)
    };
    std::vector<Ring> rings;
    rings.reserve(2 * capRings + 2);
    if (capA)
        for (int k = capRings; k >= 1; --k) {
            const float phi = 0.5f * kPi * static_cast<float>(k) / capRings;
            rings.push_back({a - d * (ra * std::sin(phi)), ra * std::cos(phi), -std::sin(phi)});
        }
    rings.push_back({a, ra, 0.0f});
    rings.push_back({b, rb, 0.0f});
    if (capB)
        for (int k = 1; k <= capRings; ++k) {
            const float phi = 0.5f * kPi * static_cast<float>(k) / capRings;
            rings.push_back({b + d * (rb * std::sin(phi)), rb * std::cos(phi), std::sin(phi)});
        }
    std::vector<std::vector<glm::vec3>> pts, nrm;
    std::vector<float> len{0.0f};
    for (std::size_t k = 0; k < rings.size(); ++k) {
        std::vector<glm::vec3> rp, rn;
        for (int i = 0; i <= segments; ++i) {
            const float th = 2.0f * kPi * static_cast<float>(i) / segments;
            const glm::vec3 dir = around(e1, e2, th);
            rp.push_back(rings[k].c + dir * rings[k].r);
            const float l = rings[k].lift;
            rn.push_back(glm::normalize(dir * std::sqrt(std::max(0.0f, 1.0f - l * l)) + d * l));
        }
        pts.push_back(rp);
        nrm.push_back(rn);
        if (k > 0) len.push_back(len.back() + glm::length(rp[0] - pts[k - 1][0]) + 1e-3f);
    }
    for (float& v : len) v /= len.back();
    addRings(p, pts, nrm, len, uv, joint);
}

void addTube(Primitive& p, const std::vector<TubeRing>& rings, float cx, int joint, UvRect uv, int segments,
             bool capBottom, bool capTop) {
    const glm::vec3 e1(0, 0, -1), e2(-1, 0, 0);
    std::vector<std::vector<glm::vec3>> pts, nrm;
    std::vector<float> vs;
    const float top = rings.front().y, bottom = rings.back().y;
    for (const TubeRing& r : rings) {
        std::vector<glm::vec3> rp, rn;
        for (int i = 0; i <= segments; ++i) {
            const float th = 2.0f * kPi * static_cast<float>(i) / segments;
            const glm::vec3 dir = around(e1, e2, th);
            rp.push_back(glm::vec3(cx + dir.x * r.rx, r.y, r.cz + dir.z * r.rz));
            rn.push_back(glm::normalize(glm::vec3(dir.x / r.rx, 0.0f, dir.z / r.rz)));
        }
        pts.push_back(rp);
        nrm.push_back(rn);
        vs.push_back((r.y - top) / (bottom - top));
    }
    addRings(p, pts, nrm, vs, uv, joint);
    auto cap = [&](const TubeRing& r, float ny, float v) {
        Vertex c;
        c.pos = glm::vec3(cx, r.y, r.cz);
        c.normal = glm::vec3(0, ny, 0);
        c.uv = uv.at(0.5f, v);
        c.joint = joint;
        const std::uint32_t ci = p.add(c);
        std::vector<std::uint32_t> ring;
        for (int i = 0; i <= segments; ++i) {
            const float th = 2.0f * kPi * static_cast<float>(i) / segments;
            const glm::vec3 dir = around(e1, e2, th);
            Vertex e = c;
            e.pos = glm::vec3(cx + dir.x * r.rx, r.y, r.cz + dir.z * r.rz);
            e.uv = uv.at(static_cast<float>(i) / segments, v);
            ring.push_back(p.add(e));
        }
        for (int i = 0; i < segments; ++i) orientedTri(p, ci, ring[i], ring[i + 1]);
    };
    if (capTop) cap(rings.front(), 1.0f, 0.0f);
    if (capBottom) cap(rings.back(), -1.0f, 1.0f);
}

void addEllipsoid(Primitive& p, glm::vec3 c, glm::vec3 r, int joint, UvRect uv, int segU, int segV,
                  const std::function<float(float)>& lowestLat, float floorY) {
    const glm::vec3 e1(0, 0, -1), e2(-1, 0, 0);
    std::vector<std::vector<glm::vec3>> pts, nrm;
    std::vector<float> vs;
    for (int k = 0; k <= segV; ++k) {
        const float t = static_cast<float>(k) / segV;
        std::vector<glm::vec3> rp, rn;
        for (int i = 0; i <= segU; ++i) {
            const float th = 2.0f * kPi * static_cast<float>(i) / segU;
            const float low = lowestLat ? lowestLat(th) : -90.0f;
            const float lat = glm::radians(90.0f - t * (90.0f - low));
            const glm::vec3 dir = around(e1, e2, th);
            const glm::vec3 unit = dir * std::cos(lat) + glm::vec3(0, 1, 0) * std::sin(lat);
            glm::vec3 q = c + unit * r;
            q.y = std::max(q.y, floorY);
            rp.push_back(q);
            rn.push_back(glm::normalize(unit / r));
        }
        pts.push_back(rp);
        nrm.push_back(rn);
        vs.push_back(t);
    }
    addRings(p, pts, nrm, vs, uv, joint);
}

void addQuad(Primitive& p, glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3, UvRect uv, int joint,
             bool twoSided, bool mirrorBack) {
    const glm::vec3 n = glm::normalize(glm::cross(p1 - p0, p2 - p0));
    const glm::vec3 q[4] = {p0, p1, p2, p3};
    const glm::vec2 t[4] = {{uv.u0, uv.v0}, {uv.u1, uv.v0}, {uv.u1, uv.v1}, {uv.u0, uv.v1}};
    auto face = [&](glm::vec3 normal, bool flipU) {
        std::uint32_t id[4];
        for (int i = 0; i < 4; ++i) {
            Vertex v;
            v.pos = q[i];
            v.normal = normal;
            v.uv = t[i];
            if (flipU) v.uv.x = uv.u0 + uv.u1 - v.uv.x;
            v.joint = joint;
            id[i] = p.add(v);
        }
        orientedTri(p, id[0], id[1], id[2]);
        orientedTri(p, id[0], id[2], id[3]);
    };
    face(n, false);
    if (twoSided) face(-n, mirrorBack);
}

void addQuadFacing(Primitive& p, glm::vec3 p0, glm::vec3 p1, glm::vec3 p2, glm::vec3 p3, UvRect uv,
                   glm::vec3 facing, int joint) {
    const glm::vec3 q[4] = {p0, p1, p2, p3};
    const glm::vec2 t[4] = {{uv.u0, uv.v0}, {uv.u1, uv.v0}, {uv.u1, uv.v1}, {uv.u0, uv.v1}};
    std::uint32_t id[4];
    for (int i = 0; i < 4; ++i) {
        Vertex v;
        v.pos = q[i];
        v.normal = glm::normalize(facing);
        v.uv = t[i];
        v.joint = joint;
        id[i] = p.add(v);
    }
    orientedTri(p, id[0], id[1], id[2]);
    orientedTri(p, id[0], id[2], id[3]);
}

void addBox(Primitive& p, glm::vec3 lo, glm::vec3 hi, UvRect uv, int joint) {
    const glm::vec3 a = lo, b = hi;
    addQuad(p, {a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}, uv, joint);  // +z
    addQuad(p, {b.x, a.y, a.z}, {a.x, a.y, a.z}, {a.x, b.y, a.z}, {b.x, b.y, a.z}, uv, joint);  // -z
    addQuad(p, {b.x, a.y, b.z}, {b.x, a.y, a.z}, {b.x, b.y, a.z}, {b.x, b.y, b.z}, uv, joint);  // +x
    addQuad(p, {a.x, a.y, a.z}, {a.x, a.y, b.z}, {a.x, b.y, b.z}, {a.x, b.y, a.z}, uv, joint);  // -x
    addQuad(p, {a.x, b.y, b.z}, {b.x, b.y, b.z}, {b.x, b.y, a.z}, {a.x, b.y, a.z}, uv, joint);  // +y
    addQuad(p, {a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, a.y, b.z}, {a.x, a.y, b.z}, uv, joint);  // -y
}

void addBar(Primitive& p, glm::vec3 a, glm::vec3 b, float r, UvRect uv, int segments, int joint) {
    addLimb(p, a, b, r, r, true, true, joint, uv, segments);
}

}  // namespace assetgen
