#pragma once
// The four follow-camera presets of the match window and the selected one.
// A default-constructed record holds the defaults the store falls back to.

#include <QLocale>

#include <cstdint>

#include "settings.h"

namespace kf {

constexpr int kCameraPresets = 4;

struct TFloat3 {
    float x = 0;
    float y = 0;
    float z = 0;
    friend bool operator==(const TFloat3&, const TFloat3&) = default;
};

struct TFloat2 {
    float x = 0;
    float y = 0;
    friend bool operator==(const TFloat2&, const TFloat2&) = default;
};

// Presets 1 and 2 look along the pitch from behind the positive-y end,
// 3 and 4 across it from beside the negative-x touchline.
struct TCameraPresets {
    bool reversedAngle = false;       // mirrored to view the match from the other end
    std::uint8_t selectedCamera = 1;  // the active preset; the keys set only 1 .. 4
    OneBased<float, kCameraPresets> aspect{};                    // added to the screen's width / height
    OneBased<float, kCameraPresets> fov{{0.6f, 0.6f, 0.6f, 0.6f}};  // radians
    // Relative to the focus point in x and y.
    OneBased<TFloat3, kCameraPresets> eye{{{{0, 5.64f, 7.5f}, {0, 4.41f, 6}, {-7.5f, 0, 7.43f}, {-6, 0, 5.944f}}}};
    OneBased<TFloat3, kCameraPresets> lookAt{{{{0, 0.45f, 0}, {0, 0.45f, 0}, {-1.07f, 0, 0}, {-0.856f, 0, 0}}}};
    OneBased<TFloat2, kCameraPresets> vec{{{{0, -1}, {0, -1}, {1, 0}, {1, 0}}}};  // up direction, z always 0
};

extern TCameraPresets cameraPresets;

// Reads every preset value (a missing one is written with its default; a text
// that is not a number reads as the default), in the stored order:
// "reversedAngle", "selectedCamera", "aspect"n and "fov"n for n = 1 .. 4, then
// per preset "eye"nX/Y/Z, "lookAt"nX/Y/Z, "vec"nX/Y. Decimal numbers use the
// separators of `locale`.
void loadCameraPresets(const QLocale& locale = QLocale::system());
// Writes the same values in the same order; "reversedAngle" as "1" or "0".
void saveCameraPresets(const QLocale& locale = QLocale::system());

}  // namespace kf
