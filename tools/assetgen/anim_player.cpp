// The field player's seven animations. Angles: +x on a leg or arm swings it
// forward (model -z), -x on a lower leg bends the knee; -x on the hips or spine
// leans forward; -z tips the upper body towards model +x.
#include "figure.h"

#include <cmath>

namespace assetgen {

namespace {

Pose standPose(const FigureRig& r, float breath = 0.0f) {
    return Poser(r).arms(2, 6, 12).set(r.spine, breath).set(r.head, -breath).grounded().p;
}

const Gait kRun{36.0f, 12.0f, 70.0f, 34.0f, 78.0f, 9.0f, 2.5f};

Clip standing(const FigureRig& r) {
    Clip c{"standing", {}};
    for (int f = 0; f <= 30; ++f)
        c.frames.push_back(standPose(r, 1.5f * std::sin(2.0f * glm::pi<float>() * static_cast<float>(f) / 30.0f)));
    return c;
}

Clip run(const FigureRig& r) {
    return cycleClip(r, "run", standPose(r), 4, 25, [&](float ph) { return gaitPose(r, kRun, ph); });
}

Clip slideTackle(const FigureRig& r) {
    const Pose start = gaitPose(r, kRun, 0.5f * glm::pi<float>());
    Poser drop(r);
    drop.hips(0, -60, -8).set(r.hips, 28).set(r.spine, 6);
    drop.set(r.upperLegL, 62).set(r.lowerLegL, -8).set(r.footL, 10);
    drop.set(r.upperLegR, 70).set(r.lowerLegR, -110).set(r.footR, 20);
    drop.set(r.upperArmL, -25, 0, 45).set(r.upperArmR, -35, 0, -55).set(r.lowerArmL, 20).set(r.lowerArmR, 15);
    Poser slide(r);
    slide.hips(0, -98, -10).set(r.hips, 38).set(r.spine, 8).set(r.head, -18);
    slide.set(r.upperLegL, 57).set(r.lowerLegL, -5).set(r.footL, 5);
    slide.set(r.upperLegR, 102).set(r.lowerLegR, -120).set(r.footR, 25);
    slide.set(r.upperArmL, -40, 0, 70).set(r.upperArmR, -40, 0, -70).set(r.lowerArmL, 15).set(r.lowerArmR, 10);
    Pose slid = slide.p;
    slid.rot[r.spine] = euler(12);
    Poser rise(r);
    rise.hips(0, -50, -4).set(r.hips, 8).set(r.spine, -18);
    rise.set(r.upperLegL, 70).set(r.lowerLegL, -100).set(r.footL, 30);
    rise.set(r.upperLegR, 30).set(r.lowerLegR, -110).set(r.footR, 60);
    rise.arms(30, 25, 40);
    Clip c{"slidetackle", sampleKeys({{0, start}, {5, drop.p}, {9, slide.p}, {36, slid}, {46, rise.p},
                                      {54, standPose(r)}, {55, standPose(r)}},
                                     55)};
    return c;
}

Clip fall(const FigureRig& r) {
    const Pose start = gaitPose(r, kRun, 0.5f * glm::pi<float>());
    Poser stumble(r);
    stumble.hips(0, -22, -18).set(r.hips, -22).set(r.spine, -30).set(r.head, 20);
    stumble.set(r.upperLegL, -10).set(r.lowerLegL, -40).set(r.upperLegR, 30).set(r.lowerLegR, -30);
    stumble.arms(70, 20, 20);
    Poser down(r);
    down.hips(0, -98, -45).set(r.hips, -84).set(r.spine, -4).set(r.head, 35);
    down.legs(0, -8, -30);
    down.set(r.upperArmL, 150, 0, 35).set(r.upperArmR, 150, 0, -35).set(r.lowerArmL, 30).set(r.lowerArmR, 30);
    Pose lie = down.p;
    lie.rot[r.head] = euler(25);
    Poser kneel(r);
    kneel.hips(0, -62, -20).set(r.hips, -12).set(r.spine, -15);
    kneel.set(r.upperLegL, 85).set(r.lowerLegL, -95).set(r.footL, 10);
    kneel.set(r.upperLegR, -5).set(r.lowerLegR, -95).set(r.footR, -10);
    kneel.arms(40, 20, 30);
    Clip c{"fall", sampleKeys({{0, start}, {6, stumble.p}, {14, down.p}, {40, lie}, {50, kneel.p},
                               {58, standPose(r)}, {60, standPose(r)}},
                              60)};
    return c;
}

// Leaning and heading towards model -x; "header_left" is its mirror image.
Clip headerRight(const FigureRig& r) {
    Poser crouch(r);
    crouch.legs(32, -55, 22).arms(-25, 10, 30).set(r.spine, -10).grounded();
    Poser up(r);
    up.hips(0, 30, 0).set(r.hips, 0, 0, 8).set(r.spine, -5, 0, 24).set(r.head, -10, 0, 14);
    up.legs(10, -35, 25).arms(40, 45, 35);
    Poser peak(r);
    peak.hips(0, 40, 0).set(r.hips, 0, 0, 10).set(r.spine, -8, 0, 30).set(r.head, -15, 0, 22);
    peak.legs(5, -25, 25).arms(30, 55, 30);
    Poser land(r);
    land.legs(30, -50, 20).arms(15, 25, 30).set(r.spine, -8, 0, 6).grounded();
    Clip c{"header_right", sampleKeys({{0, standPose(r)}, {5, crouch.p}, {12, up.p}, {17, peak.p},
                                       {24, land.p}, {30, standPose(r)}, {35, standPose(r)}},
                                      35)};
    return c;
}

// The ball goes up behind the head (held from frame 14.2), then forward and out.
Clip throwIn(const FigureRig& r) {
    Poser raise(r);
    raise.arms(170, 8, 100).set(r.spine, 14).set(r.head, -8).grounded();
    Poser hold = raise;
    hold.set(r.spine, 18).set(r.head, -10).grounded();
    Poser swing(r);
    swing.arms(115, 8, 30).set(r.spine, -12).grounded();
    Poser release(r);
    release.arms(70, 8, 5).set(r.spine, -22).set(r.head, 5).grounded();
    Clip c{"throwin", sampleKeys({{0, standPose(r)}, {8, raise.p}, {14, hold.p}, {17, swing.p},
                                  {19, release.p}, {20, release.p}},
                                 20)};
    return c;
}

}  // namespace

std::vector<Clip> playerClips(const FigureRig& r) {
    const Clip hr = headerRight(r);
    // "standing" comes first: the tutorial's wall shows the first animation.
    std::vector<Clip> clips{standing(r), run(r), slideTackle(r), fall(r), hr, mirrorClip(r.skel, hr, "header_left"),
                            throwIn(r)};
    for (Clip& c : clips) keepAboveGround(r, c);
    return clips;
}

}  // namespace assetgen
