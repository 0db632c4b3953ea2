#include "skeleton.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtx/quaternion.hpp>

#include <algorithm>
#include <cmath>

namespace assetgen {

int Skeleton::add(const std::string& name, int parent, glm::vec3 rest) {
    joints.push_back({name, parent, rest});
    return static_cast<int>(joints.size() - 1);
}

int Skeleton::find(const std::string& name) const {
    for (std::size_t i = 0; i < joints.size(); ++i)
        if (joints[i].name == name) return static_cast<int>(i);
    return -1;
}

int Skeleton::mirrorOf(int joint) const {
    const std::string& n = joints[joint].name;
    if (n.size() > 2 && n[n.size() - 2] == '_') {
        std::string other = n;
        char& side = other.back();
        if (side == 'l') side = 'r';
        else if (side == 'r') side = 'l';
        int m = find(other);
        if (m >= 0) return m;
    }
    return joint;
}

glm::vec3 Skeleton::restLocal(int joint) const {
    const Joint& j = joints[joint];
    return j.parent < 0 ? j.rest : j.rest - joints[j.parent].rest;
}

glm::quat euler(float xDeg, float yDeg, float zDeg) {
    const glm::quat qx = glm::angleAxis(glm::radians(xDeg), glm::vec3(1, 0, 0));
    const glm::quat qy = glm::angleAxis(glm::radians(yDeg), glm::vec3(0, 1, 0));
    const glm::quat qz = glm::angleAxis(glm::radians(zDeg), glm::vec3(0, 0, 1));
    return glm::normalize(qz * qy * qx);
}

std::vector<glm::mat4> forwardKinematics(const Skeleton& s, const Pose& p) {
    std::vector<glm::mat4> world(s.joints.size());
    for (std::size_t i = 0; i < s.joints.size(); ++i) {
        const Joint& j = s.joints[i];
        glm::mat4 local = glm::translate(glm::mat4(1.0f), s.restLocal(static_cast<int>(i)) + p.move[i]) *
                          glm::toMat4(p.rot[i]);
        world[i] = j.parent < 0 ? local : world[j.parent] * local;  // parents come first
    }
    return world;
}

glm::vec3 jointPos(const Skeleton& s, const Pose& p, int joint, glm::vec3 localOffset) {
    return glm::vec3(forwardKinematics(s, p)[joint] * glm::vec4(localOffset, 1.0f));
}

Pose blend(const Pose& a, const Pose& b, float t) {
    Pose r(a.rot.size());
    for (std::size_t i = 0; i < a.rot.size(); ++i) {
        r.rot[i] = glm::normalize(glm::slerp(a.rot[i], b.rot[i], t));
        r.move[i] = glm::mix(a.move[i], b.move[i], t);
    }
    return r;
}

Pose mirror(const Skeleton& s, const Pose& p) {
    Pose r(p.rot.size());
    for (std::size_t i = 0; i < p.rot.size(); ++i) {
        const int m = s.mirrorOf(static_cast<int>(i));
        const glm::quat& q = p.rot[i];
        r.rot[m] = glm::quat(q.w, q.x, -q.y, -q.z);
        r.move[m] = glm::vec3(-p.move[i].x, p.move[i].y, p.move[i].z);
    }
    return r;
}

namespace {
glm::quat fromTo(glm::vec3 a, glm::vec3 b) {
    a = glm::normalize(a);
    b = glm::normalize(b);
    const float c = glm::dot(a, b);
    if (c > 0.99999f) return glm::quat(1, 0, 0, 0);
    if (c < -0.99999f) {
        glm::vec3 axis = glm::cross(a, glm::vec3(1, 0, 0));
        if (glm::length(axis) < 1e-3f) axis = glm::cross(a, glm::vec3(0, 0, 1));
        return glm::angleAxis(glm::pi<float>(), glm::normalize(axis));
    }
    return glm::normalize(glm::rotation(a, b));
}
}  // namespace

void reachArm(const Skeleton& s, Pose& p, int upper, int lower, glm::vec3 tipRest, glm::vec3 target,
              glm::vec3 pole) {
    const glm::vec3 shoulder = s.restLocal(upper);  // in the parent's frame
    const glm::vec3 elbowRest = s.joints[lower].rest;
    const glm::vec3 r1 = elbowRest - s.joints[upper].rest;
    const glm::vec3 r2 = tipRest - elbowRest;
    const float l1 = glm::length(r1), l2 = glm::length(r2);
    glm::vec3 toT = target - shoulder;
    float d = std::clamp(glm::length(toT), std::abs(l1 - l2) + 0.5f, l1 + l2 - 0.01f);
    const glm::vec3 w = glm::normalize(toT);
    const float a = (l1 * l1 + d * d - l2 * l2) / (2.0f * d);
    const float h = std::sqrt(std::max(0.0f, l1 * l1 - a * a));
    glm::vec3 pv = pole - glm::dot(pole, w) * w;
    if (glm::length(pv) < 1e-4f) pv = glm::vec3(0, 0, -1) - w.z * w;
    pv = glm::normalize(pv);
    const glm::vec3 elbow = shoulder + a * w + h * pv;
    const glm::vec3 tip = shoulder + d * w;
    const glm::quat q1 = fromTo(r1, elbow - shoulder);
    const glm::vec3 d2 = glm::inverse(q1) * (tip - elbow);
    p.rot[upper] = q1;
    p.rot[lower] = fromTo(r2, d2);
}

std::vector<Pose> sampleKeys(const std::vector<KeyPose>& keys, int last) {
    std::vector<Pose> out;
    for (int f = 0; f <= last; ++f) {
        const float ff = static_cast<float>(f);
        std::size_t k = 0;
        while (k + 1 < keys.size() && keys[k + 1].frame <= ff) ++k;
        if (k + 1 >= keys.size() || ff <= keys[k].frame) {
            out.push_back(keys[k].pose);
            continue;
        }
        float t = (ff - keys[k].frame) / (keys[k + 1].frame - keys[k].frame);
        t = t * t * (3.0f - 2.0f * t);
        out.push_back(blend(keys[k].pose, keys[k + 1].pose, t));
    }
    return out;
}

Clip mirrorClip(const Skeleton& s, const Clip& c, const std::string& name) {
    Clip r{name, {}};
    for (const Pose& p : c.frames) r.frames.push_back(mirror(s, p));
    return r;
}

std::vector<KeyTrack> clipTracks(const Skeleton& s, const Clip& c, const std::vector<int>& jointNodes,
                                 const std::vector<int>& movedJoints) {
    std::vector<KeyTrack> tracks;
    std::vector<float> times;
    for (std::size_t f = 0; f < c.frames.size(); ++f) times.push_back(static_cast<float>(f) / kFramesPerSecond);
    for (std::size_t j = 0; j < jointNodes.size(); ++j) {
        KeyTrack t;
        t.node = jointNodes[j];
        t.rotation = true;
        t.times = times;
        glm::quat prev(1, 0, 0, 0);
        for (const Pose& p : c.frames) {
            glm::quat q = p.rot[j];
            if (glm::dot(q, prev) < 0.0f) q = -q;  // keep neighbours in one hemisphere
            t.rotations.push_back(q);
            prev = q;
        }
        tracks.push_back(t);
    }
    for (int j : movedJoints) {
        KeyTrack t;
        t.node = jointNodes[j];
        t.rotation = false;
        t.times = times;
        for (const Pose& p : c.frames) t.translations.push_back(s.restLocal(j) + p.move[j]);
        tracks.push_back(t);
    }
    return tracks;
}

}  // namespace assetgen
