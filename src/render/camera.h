#pragma once
// The follow camera: where it looks from the selected preset and the focus
// point, and the edits of the presets (reversed angle, the tuning keys, the
// wheel, reset). The presets themselves live in the settings layer.

#include "vec2.h"

namespace kf {

struct TCameraView {
    double eye[3] = {};
    double target[3] = {};
    double up[3] = {};
    double fov = 0;     // radians
    double aspect = 0;  // width / height of the configured resolution + the preset's offset
    double nearPlane = 1.0;
    double farPlane = 100.0;
};

// The followed point clamped to the selected preset's box.
TVec2 cameraFocus();
// The camera for this frame (its result is applied from the next frame on).
TCameraView updateCamera();

void toggleReversedAngle();
// Camera editor keys Q/A, W/S, E/R, D/F (virtual-key codes); other keys do nothing.
void adjustCamera(int key);
// Mouse wheel in the editor: +120 raises the eye by 0.5, -120 lowers it.
void cameraWheel(int delta);
// The selected preset back to its defaults; the reversed angle is cleared.
void resetCamera();
// Keys "1" .. "4".
void selectCamera(int preset);

}  // namespace kf
