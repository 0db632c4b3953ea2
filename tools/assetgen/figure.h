#pragma once
// The two figures, "player" and "goalkeeper": one skeleton layout, their
// meshes and their named animations.

#include "skeleton.h"

namespace assetgen {

class Output;

// Joint indices of a figure (also its glTF node indices: joints come first).
struct FigureRig {
    Skeleton skel;
    int hips, spine, head;
    int upperArmL, lowerArmL, upperArmR, lowerArmR;
    int upperLegL, lowerLegL, footL, upperLegR, lowerLegR, footR;
    int ball = -1;                  // "ball_hold", goalkeeper only
    glm::vec3 palmL{0.0f}, palmR{0.0f};  // rest positions of the palm centres
    bool keeper = false;
};

// Radius of the held ball in goalkeeper model units (world radius 0.016 at
// the goalkeeper's scale 0.00115).
constexpr float kHeldBallRadius = 13.9f;

FigureRig makeRig(bool keeper);
std::vector<Clip> playerClips(const FigureRig& r);
std::vector<Clip> keeperClips(const FigureRig& r);

// Shared posing helpers of the two clip files.
Pose restPose(const FigureRig& r);
// Raises or lowers the hips so that the lower ankle stands at its rest height.
void groundFeet(const FigureRig& r, Pose& p);
// Raises the hips where a joint would sink below `minY` (never lowers them),
// for every frame of a clip.
void keepAboveGround(const FigureRig& r, Clip& c, float minY = 6.0f);
// Runs or walks: one stride per 2 pi of phase.
struct Gait {
    float thigh, kneeMin, kneeSwing, arm, elbow, lean, bob;
};
Pose gaitPose(const FigureRig& r, const Gait& g, float phase);
// A looping clip: frames 0..start blend in from `from`, then one cycle of
// `period` frames, so frame start + period repeats frame start.
Clip cycleClip(const FigureRig& r, const std::string& name, const Pose& from, int start, int period,
               const std::function<Pose(float)>& at);

// Builds a pose joint by joint (angles in degrees, see euler()).
struct Poser {
    const FigureRig& r;
    Pose p;
    explicit Poser(const FigureRig& rig) : r(rig), p(restPose(rig)) {}
    Poser& set(int j, float x, float y = 0, float z = 0) {
        p.rot[j] = euler(x, y, z);
        return *this;
    }
    Poser& hips(float dx, float dy, float dz) {
        p.move[r.hips] = {dx, dy, dz};
        return *this;
    }
    Poser& arms(float x, float z, float elbow) {
        set(r.upperArmL, x, 0, z).set(r.upperArmR, x, 0, -z);
        set(r.lowerArmL, elbow).set(r.lowerArmR, elbow);
        return *this;
    }
    Poser& legs(float thigh, float knee, float foot) {
        set(r.upperLegL, thigh).set(r.upperLegR, thigh);
        set(r.lowerLegL, knee).set(r.lowerLegR, knee);
        set(r.footL, foot).set(r.footR, foot);
        return *this;
    }
    Poser& grounded() {
        groundFeet(r, p);
        return *this;
    }
};


void writeFigureModels(Output& out);

}  // namespace assetgen
