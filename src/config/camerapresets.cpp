#include "camerapresets.h"

#include <QString>

#include "settingsstore.h"

namespace kf {

TCameraPresets cameraPresets;

namespace {

const QLatin1String kReversedAngle{"reversedAngle"};
const QLatin1String kSelectedCamera{"selectedCamera"};

QString presetName(const char* field, int n, const char* axis = "") {
    return QStringLiteral("%1%2%3").arg(QLatin1String(field)).arg(n).arg(QLatin1String(axis));
}

// One pass over every float of the presets in the stored order, shared by
// load and save so that the two cannot drift apart.
template <class Visit>
void forEachNumber(TCameraPresets& p, Visit visit) {
    for (int n = 1; n <= kCameraPresets; ++n) {
        visit(presetName("aspect", n), p.aspect[n]);
        visit(presetName("fov", n), p.fov[n]);
    }
    for (int n = 1; n <= kCameraPresets; ++n) {
        visit(presetName("eye", n, "X"), p.eye[n].x);
        visit(presetName("eye", n, "Y"), p.eye[n].y);
        visit(presetName("eye", n, "Z"), p.eye[n].z);
        visit(presetName("lookAt", n, "X"), p.lookAt[n].x);
        visit(presetName("lookAt", n, "Y"), p.lookAt[n].y);
        visit(presetName("lookAt", n, "Z"), p.lookAt[n].z);
        visit(presetName("vec", n, "X"), p.vec[n].x);
        visit(presetName("vec", n, "Y"), p.vec[n].y);
    }
}

}  // namespace

void loadCameraPresets(const QLocale& locale) {
    const TSettingsBatch batch;
    TCameraPresets p;
    p.reversedAngle = readSettingOrDefault(kReversedAngle, QStringLiteral("0")) != QLatin1String("0");
    std::int32_t selected = readIntSetting(kSelectedCamera, p.selectedCamera);
    // Out-of-range presets are the camera's to handle; only a value that does
    // not fit the byte falls back to the default.
    if (selected >= 0 && selected <= 255) p.selectedCamera = static_cast<std::uint8_t>(selected);
    // p starts with the defaults, so each value is its own fallback.
    forEachNumber(p, [&](const QString& name, float& value) { value = readFloatSetting(name, value, locale); });
    cameraPresets = p;
}

void saveCameraPresets(const QLocale& locale) {
    const TSettingsBatch batch;
    writeSetting(kReversedAngle, cameraPresets.reversedAngle ? QStringLiteral("1") : QStringLiteral("0"));
    writeSetting(kSelectedCamera, QString::number(cameraPresets.selectedCamera));
    TCameraPresets p = cameraPresets;
    forEachNumber(p, [&](const QString& name, float& value) { writeFloatSetting(name, value, locale); });
}

}  // namespace kf
