#include "camera.h"

#include <algorithm>

#include "camerapresets.h"
#include "ingamedata.h"
#include "settings.h"

namespace kf {

namespace {

struct FocusBox {
    double x, y;
};
// Half extents of the focus box of presets 1 .. 4.
constexpr FocusBox kFocusBox[4] = {{1.6, 4.65}, {2.0, 4.9}, {1.0, 3.55}, {1.85, 4.4}};

bool validPreset(int p) { return p >= 1 && p <= kCameraPresets; }

TVec2 followedPoint() {
    if (ingamedata.viewMode == 3) return ingamedata.ballPos;
    const TSlot own = ownSlot();
    // Without a slot of our own (an empty roster) the camera stays on the centre spot.
    if (own.team == 0) return {};
    return ingamedata.playerPos(own.team, own.slot);
}

float flipped(float v) { return v == 0 ? 0.0f : -v; }

}  // namespace

TVec2 cameraFocus() {
    const int p = cameraPresets.selectedCamera;
    if (!validPreset(p)) return {};
    const TVec2 f = followedPoint();
    const FocusBox& b = kFocusBox[p - 1];
    return {std::clamp(f.x, -b.x, b.x), std::clamp(f.y, -b.y, b.y)};
}

TCameraView updateCamera() {
    // A stored preset outside 1 .. 4 is looked through as preset 1.
    const int p = validPreset(cameraPresets.selectedCamera) ? cameraPresets.selectedCamera : 1;
    TCameraView v;
    v.fov = cameraPresets.fov[p];
    const double h = settings.resolutionHeight > 0 ? settings.resolutionHeight : 768;
    const double w = settings.resolutionWidth > 0 ? settings.resolutionWidth : 1024;
    v.aspect = w / h + cameraPresets.aspect[p];
    TVec2 f = cameraFocus();
    if (ingamedata.phase == 0 || ingamedata.phase == 2) f = {};
    const TFloat3& e = cameraPresets.eye[p];
    const TFloat3& t = cameraPresets.lookAt[p];
    const TFloat2& u = cameraPresets.vec[p];
    v.eye[0] = e.x + f.x;
    v.eye[1] = e.y + f.y;
    v.eye[2] = e.z;
    v.target[0] = t.x + f.x;
    v.target[1] = t.y + f.y;
    v.target[2] = t.z;
    v.up[0] = u.x;
    v.up[1] = u.y;
    v.up[2] = 0;
    return v;
}

void toggleReversedAngle() {
    cameraPresets.reversedAngle = !cameraPresets.reversedAngle;
    for (int p = 1; p <= kCameraPresets; ++p) {
        cameraPresets.eye[p].y = flipped(cameraPresets.eye[p].y);
        cameraPresets.lookAt[p].y = flipped(cameraPresets.lookAt[p].y);
        cameraPresets.vec[p].y = flipped(cameraPresets.vec[p].y);
    }
}

void adjustCamera(int key) {
    const int p = cameraPresets.selectedCamera;
    if (!validPreset(p)) return;
    const bool along = p <= 2;  // presets 1 and 2 look along the pitch: tune y; 3 and 4 tune x
    float& eye = along ? cameraPresets.eye[p].y : cameraPresets.eye[p].x;
    float& look = along ? cameraPresets.lookAt[p].y : cameraPresets.lookAt[p].x;
    switch (key) {
    case 'Q': eye -= 0.05f; break;
    case 'A': eye += 0.05f; break;
    case 'W': look -= 0.05f; break;
    case 'S': look += 0.05f; break;
    case 'E': cameraPresets.fov[p] -= 0.01f; break;
    case 'R': cameraPresets.fov[p] += 0.01f; break;
    case 'D': cameraPresets.aspect[p] -= 0.01f; break;
    case 'F': cameraPresets.aspect[p] += 0.01f; break;
    default: break;
    }
}

void cameraWheel(int delta) {
    const int p = cameraPresets.selectedCamera;
    if (!validPreset(p)) return;
    if (delta >= 120) cameraPresets.eye[p].z += 0.5f;
    if (delta <= -120) cameraPresets.eye[p].z -= 0.5f;
}

void resetCamera() {
    const int p = cameraPresets.selectedCamera;
    // Only the selected preset is reset; the others keep their values, mirrored or not.
    const TCameraPresets defaults;
    cameraPresets.reversedAngle = false;
    if (!validPreset(p)) return;
    cameraPresets.eye[p] = defaults.eye[p];
    cameraPresets.lookAt[p] = defaults.lookAt[p];
    cameraPresets.vec[p] = defaults.vec[p];
    cameraPresets.fov[p] = defaults.fov[p];
    cameraPresets.aspect[p] = defaults.aspect[p];
}

void selectCamera(int preset) {
    if (validPreset(preset)) cameraPresets.selectedCamera = static_cast<std::uint8_t>(preset);
}

}  // namespace kf
