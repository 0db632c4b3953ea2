#pragma once
// Joint hierarchy, poses and clips of the two figures. Every joint rests with
// the identity rotation, so a pose's rotation is the joint's glTF rotation and
// a joint's rest translation is its model-space offset from its parent.

#include "gltfbuild.h"

#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct Joint {
    std::string name;
    int parent = -1;
    glm::vec3 rest{0.0f};  // model-space position in the rest pose
};

struct Skeleton {
    std::vector<Joint> joints;
    int add(const std::string& name, int parent, glm::vec3 rest);
    int find(const std::string& name) const;  // -1 when absent
    int mirrorOf(int joint) const;            // the "_l"/"_r" partner, or itself
    glm::vec3 restLocal(int joint) const;
};

struct Pose {
    std::vector<glm::quat> rot;   // per joint, local
    std::vector<glm::vec3> move;  // per joint, added to the rest translation
    explicit Pose(std::size_t n = 0) : rot(n, glm::quat(1, 0, 0, 0)), move(n, glm::vec3(0.0f)) {}
};

// Rotation from angles in degrees about the joint's x, then y, then z axis.
glm::quat euler(float xDeg, float yDeg = 0.0f, float zDeg = 0.0f);

// World (model-space) transform of every joint.
std::vector<glm::mat4> forwardKinematics(const Skeleton& s, const Pose& p);
glm::vec3 jointPos(const Skeleton& s, const Pose& p, int joint, glm::vec3 localOffset = glm::vec3(0.0f));

Pose blend(const Pose& a, const Pose& b, float t);
// The same motion towards the other side: model x is negated, "_l" and "_r" swap.
Pose mirror(const Skeleton& s, const Pose& p);

// Two-bone arm placement: the end of `lower` (the point `tipRest` in model
// rest space) goes to `target`, given in the frame of the arm's parent joint;
// the elbow bends towards `pole` (same frame).
void reachArm(const Skeleton& s, Pose& p, int upper, int lower, glm::vec3 tipRest, glm::vec3 target,
              glm::vec3 pole);

struct KeyPose {
    float frame;
    Pose pose;
};
// One pose per whole frame 0 .. last, eased between the keys (smoothstep).
std::vector<Pose> sampleKeys(const std::vector<KeyPose>& keys, int last);

struct Clip {
    std::string name;
    std::vector<Pose> frames;  // frame f at glTF time f / 30 s
};
Clip mirrorClip(const Skeleton& s, const Clip& c, const std::string& name);

constexpr float kFramesPerSecond = 30.0f;

// Tracks of a clip: rotation of every joint, full translation (rest + move) of
// the joints listed.
std::vector<KeyTrack> clipTracks(const Skeleton& s, const Clip& c, const std::vector<int>& jointNodes,
                                 const std::vector<int>& movedJoints);

}  // namespace assetgen
