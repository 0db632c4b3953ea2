// The goalkeeper's eighteen animations. Sides follow the model: "..._left"
// goes towards model +x, "..._right" (the mirror image) towards -x. Angle
// conventions as in anim_player.cpp.
#include "figure.h"

#include <glm/gtc/matrix_inverse.hpp>

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr float kPi = glm::pi<float>();

Pose readyPose(const FigureRig& r, float breath = 0.0f) {
    Poser k(r);
    k.set(r.upperLegL, 20, 0, 6).set(r.upperLegR, 20, 0, -6);
    k.set(r.lowerLegL, -38).set(r.lowerLegR, -38).set(r.footL, 18).set(r.footR, 18);
    k.arms(35, 20, 45).set(r.spine, -12 + breath).set(r.head, 8 - breath);
    return k.grounded().p;
}

// Arms closed round the ball in front of the chest, in the spine's frame, so
// the hold looks the same whatever the body does.
void holdArms(const FigureRig& r, Pose& p, glm::vec3 ballInSpine = {0, 20, -26}) {
    const float side = kHeldBallRadius + 3.5f;
    reachArm(r.skel, p, r.upperArmL, r.lowerArmL, r.palmL, ballInSpine + glm::vec3(side, 0, 2), {1, -1, 0.2f});
    reachArm(r.skel, p, r.upperArmR, r.lowerArmR, r.palmR, ballInSpine + glm::vec3(-side, 0, 2), {-1, -1, 0.2f});
}

void blendArms(const FigureRig& r, Pose& p, const Pose& arms, float t) {
    for (int j : {r.upperArmL, r.lowerArmL, r.upperArmR, r.lowerArmR})
        p.rot[j] = glm::normalize(glm::slerp(p.rot[j], arms.rot[j], t));
}

Pose holdPose(const FigureRig& r) {
    Pose p = readyPose(r);
    p.rot[r.spine] = euler(-4);
    holdArms(r, p);
    return p;
}

Clip stand(const FigureRig& r) {
    Clip c{"stand", {}};
    for (int f = 0; f <= 30; ++f) c.frames.push_back(readyPose(r, 1.5f * std::sin(2 * kPi * f / 30.0f)));
    return c;
}

Clip standHoldBall(const FigureRig& r) {
    Poser gather(r);
    gather.legs(45, -80, 35).set(r.spine, -40).set(r.head, 20).grounded();
    holdArms(r, gather.p, {0, -8, -34});
    return {"stand_holdball", sampleKeys({{0, readyPose(r)}, {8, gather.p}, {15, holdPose(r)}, {30, holdPose(r)}}, 30)};
}

Clip runLoop(const FigureRig& r) {
    const Gait g{34.0f, 12.0f, 68.0f, 30.0f, 75.0f, 8.0f, 2.5f};
    return cycleClip(r, "runloop", readyPose(r), 4, 23, [&](float ph) { return gaitPose(r, g, ph); });
}

Clip walk(const FigureRig& r) {
    const Gait g{20.0f, 8.0f, 35.0f, 10.0f, 30.0f, 6.0f, 1.0f};
    return cycleClip(r, "walk", readyPose(r), 5, 34, [&](float ph) {
        Pose p = gaitPose(r, g, ph);
        const float s = std::sin(ph);
        p.rot[r.upperArmL] = euler(30 - 8 * s, 0, 18);
        p.rot[r.upperArmR] = euler(30 + 8 * s, 0, -18);
        p.rot[r.lowerArmL] = p.rot[r.lowerArmR] = euler(45);
        return p;
    });
}

// Shuffle towards model +x: the "_l" leg steps out, then the other follows.
Clip sidestepLeft(const FigureRig& r) {
    Clip c{"sidestep_left", {}};
    for (int f = 0; f <= 23; ++f) {
        const float ph = 2 * kPi * f / 23.0f;
        const float lead = std::max(0.0f, std::sin(ph)), trail = std::max(0.0f, -std::sin(ph));
        Pose p = readyPose(r);
        p.rot[r.upperLegL] = euler(20 + 6 * lead, 0, 6 + 16 * lead);
        p.rot[r.lowerLegL] = euler(-38 - 18 * lead);
        p.rot[r.upperLegR] = euler(20 + 6 * trail, 0, -6 + 12 * trail);
        p.rot[r.lowerLegR] = euler(-38 - 18 * trail);
        p.rot[r.hips] = euler(0, 0, -3 * std::sin(ph));
        groundFeet(r, p);
        p.move[r.hips].x = 4.0f * std::sin(ph - 0.5f * kPi) + 4.0f;
        c.frames.push_back(p);
    }
    return c;
}

struct DiveShape {
    float launchRoll, launchX, launchY;  // at frame 14
    float airFrame, airRoll, airX, airY;
    float landFrame, landX;
};

// A dive towards model +x: load, push off, fly with the arms stretched past
// the head, land on the side and stay down.
Clip dive(const FigureRig& r, const std::string& name, const DiveShape& d) {
    Poser load(r);
    load.legs(38, -60, 22).set(r.upperLegL, 38, 0, 12).arms(20, 30, 50).set(r.hips, 0, 0, -6).grounded();
    load.p.move[r.hips].x = 8;
    auto stretched = [&](Poser& k, float spread) {
        k.set(r.upperArmL, 15, 0, 165 - spread).set(r.upperArmR, 15, 0, -172 + spread);
        k.set(r.lowerArmL, 10).set(r.lowerArmR, 10).set(r.head, 0, 0, -10);
    };
    Poser launch(r);
    launch.hips(d.launchX, d.launchY, 0).set(r.hips, 0, 0, d.launchRoll).set(r.spine, 0, 0, -5);
    launch.set(r.upperLegL, 30, 0, 10).set(r.lowerLegL, -50).set(r.upperLegR, -10, 0, -5).set(r.lowerLegR, -10);
    stretched(launch, 10);
    Poser air(r);
    air.hips(d.airX, d.airY, 0).set(r.hips, 0, 0, d.airRoll).set(r.spine, 0, 0, -6);
    air.set(r.upperLegL, 10, 0, 8).set(r.lowerLegL, -12).set(r.upperLegR, 0, 0, -2).set(r.lowerLegR, -8);
    stretched(air, 0);
    Poser land(r);
    land.hips(d.landX, -92, 0).set(r.hips, 0, 0, -88).set(r.spine, 0, 0, -3);
    land.set(r.upperLegL, 15, 0, 5).set(r.lowerLegL, -20).set(r.upperLegR, 5).set(r.lowerLegR, -15);
    stretched(land, 5);
    Poser lie = land;
    stretched(lie, 25);
    return {name, sampleKeys({{0, readyPose(r)}, {5, load.p}, {14, launch.p}, {d.airFrame, air.p},
                              {d.landFrame, land.p}, {d.landFrame + 14, lie.p}, {90, lie.p}},
                             90)};
}

const DiveShape kMedium{-55, 45, -5, 22, -82, 92, -42, 32, 112};
const DiveShape kHigh{-40, 30, 22, 24, -68, 72, 42, 38, 118};

// Going down sideways onto the ground towards model +x, arms along the grass.
Clip lowBlock(const FigureRig& r, const std::string& name) {
    Poser drop(r);
    drop.hips(10, -35, 0).set(r.hips, 0, 0, -15).arms(30, 40, 20);
    drop.set(r.upperLegL, 20, 0, 5).set(r.lowerLegL, -20).set(r.upperLegR, 60, 0, -5).set(r.lowerLegR, -90);
    Poser down(r);
    down.hips(35, -88, -5).set(r.hips, 0, 0, -72).set(r.spine, 0, 0, -8).set(r.head, 0, 0, -12);
    down.set(r.upperLegL, 10, 0, -18).set(r.lowerLegL, -5).set(r.upperLegR, 45).set(r.lowerLegR, -80);
    down.set(r.upperArmL, 20, 0, 150).set(r.upperArmR, 25, 0, -160).set(r.lowerArmL, 10).set(r.lowerArmR, 10);
    Poser settled = down;
    settled.set(r.hips, 0, 0, -76).set(r.head, 0, 0, -6);
    return {name, sampleKeys({{0, readyPose(r)}, {4, drop.p}, {10, down.p}, {22, settled.p}, {60, settled.p}}, 60)};
}

// Crouch, jump and come down again; `arms` poses the arms at the top.
Clip jump(const FigureRig& r, const std::string& name, const std::function<void(Pose&, float)>& arms) {
    Poser crouch(r);
    crouch.legs(40, -75, 32).arms(-30, 15, 20).set(r.spine, -15).grounded();
    Poser up(r);
    up.hips(0, 45, 0).legs(8, -15, 20).set(r.spine, 4);
    Poser top = up;
    top.hips(0, 52, 0);
    Poser land(r);
    land.legs(30, -55, 25).set(r.spine, -10).grounded();
    Clip c{name, sampleKeys({{0, readyPose(r)}, {6, crouch.p}, {14, up.p}, {20, top.p}, {28, land.p},
                             {36, readyPose(r)}, {40, readyPose(r)}},
                            40)};
    for (std::size_t f = 0; f < c.frames.size(); ++f) arms(c.frames[f], static_cast<float>(f));
    return c;
}

float ramp(float f, float a, float b) {
    const float t = std::clamp((f - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

Clip jumpPunch(const FigureRig& r) {
    Pose fists = restPose(r);
    fists.rot[r.upperArmL] = euler(12, 0, 172);
    fists.rot[r.upperArmR] = euler(12, 0, -172);
    return jump(r, "jump_punch", [&, fists](Pose& p, float f) {
        blendArms(r, p, fists, ramp(f, 6, 14) * (1 - ramp(f, 22, 34)));
    });
}

Clip jumpGrab(const FigureRig& r) {
    Pose high = restPose(r), chest = restPose(r);
    holdArms(r, high, {0, 88, -22});
    holdArms(r, chest);
    return jump(r, "jump_grab", [&, high, chest](Pose& p, float f) {
        Pose arms = blend(high, chest, ramp(f, 16, 26));
        blendArms(r, p, arms, ramp(f, 5, 14));
    });
}

// The catching variant of a dive: the same body, the arms gathering the ball
// so that it is held from frame 15 on.
Clip grab(const FigureRig& r, const Clip& base, const std::string& name) {
    Pose hold = restPose(r);
    holdArms(r, hold);
    Clip c{name, base.frames};
    for (std::size_t f = 0; f < c.frames.size(); ++f) blendArms(r, c.frames[f], hold, ramp(static_cast<float>(f), 7, 15));
    return c;
}

// Puts "ball_hold" between the palms (catching clips) or against the right
// palm (the rest), for every frame.
void placeBall(const FigureRig& r, Clip& c, bool between) {
    const glm::vec3 palmL = r.palmL - r.skel.joints[r.lowerArmL].rest;
    const glm::vec3 palmR = r.palmR - r.skel.joints[r.lowerArmR].rest;
    for (Pose& p : c.frames) {
        p.move[r.ball] = glm::vec3(0.0f);
        const std::vector<glm::mat4> w = forwardKinematics(r.skel, p);
        glm::vec3 target;
        if (between)
            target = 0.5f * (glm::vec3(w[r.lowerArmL] * glm::vec4(palmL, 1)) + glm::vec3(w[r.lowerArmR] * glm::vec4(palmR, 1)));
        else
            target = glm::vec3(w[r.lowerArmR] * glm::vec4(palmR + glm::vec3(-(kHeldBallRadius + 4), 0, 0), 1));
        const glm::vec3 local = glm::vec3(glm::inverse(w[r.hips]) * glm::vec4(target, 1));
        p.move[r.ball] = local - r.skel.restLocal(r.ball);
    }
}

}  // namespace

std::vector<Clip> keeperClips(const FigureRig& r) {
    const Skeleton& s = r.skel;
    const Clip side = sidestepLeft(r);
    const Clip diveM = dive(r, "dive_m_left", kMedium);
    const Clip diveH = dive(r, "dive_h_left", kHigh);
    const Clip diveL = lowBlock(r, "dive_l_left");
    const Clip grabM = grab(r, diveM, "dive_grab_m_left");
    const Clip grabL = grab(r, diveL, "dive_grab_l_left");
    std::vector<Clip> clips{stand(r),
                            runLoop(r),
                            standHoldBall(r),
                            side,
                            mirrorClip(s, side, "sidestep_right"),
                            walk(r),
                            diveM,
                            mirrorClip(s, diveM, "dive_m_right"),
                            jumpPunch(r),
                            diveL,
                            mirrorClip(s, diveL, "dive_l_right"),
                            diveH,
                            mirrorClip(s, diveH, "dive_h_right"),
                            grabM,
                            mirrorClip(s, grabM, "dive_grab_m_right"),
                            grabL,
                            mirrorClip(s, grabL, "dive_grab_l_right"),
                            jumpGrab(r)};
    for (Clip& c : clips) {
        const bool holding = c.name == "stand_holdball" || c.name == "jump_grab" || c.name.rfind("dive_grab", 0) == 0;
        keepAboveGround(r, c);
        placeBall(r, c, holding);
    }
    return clips;
}

}  // namespace assetgen
