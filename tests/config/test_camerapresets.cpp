#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>

#include <functional>
#include <map>
#include <string>

#include "camerapresets.h"
#include "configfixture.h"

using namespace kf;

namespace {

const std::map<std::string, std::string> kDefaultsInC = {
    {"reversedAngle", "0"}, {"selectedCamera", "1"},
    {"aspect1", "0"}, {"aspect2", "0"}, {"aspect3", "0"}, {"aspect4", "0"},
    {"fov1", "0.6"}, {"fov2", "0.6"}, {"fov3", "0.6"}, {"fov4", "0.6"},
    {"eye1X", "0"}, {"eye1Y", "5.64"}, {"eye1Z", "7.5"},
    {"lookAt1X", "0"}, {"lookAt1Y", "0.45"}, {"lookAt1Z", "0"}, {"vec1X", "0"}, {"vec1Y", "-1"},
    {"eye2X", "0"}, {"eye2Y", "4.41"}, {"eye2Z", "6"},
    {"lookAt2X", "0"}, {"lookAt2Y", "0.45"}, {"lookAt2Z", "0"}, {"vec2X", "0"}, {"vec2Y", "-1"},
    {"eye3X", "-7.5"}, {"eye3Y", "0"}, {"eye3Z", "7.43"},
    {"lookAt3X", "-1.07"}, {"lookAt3Y", "0"}, {"lookAt3Z", "0"}, {"vec3X", "1"}, {"vec3Y", "0"},
    {"eye4X", "-6"}, {"eye4Y", "0"}, {"eye4Z", "5.944"},
    {"lookAt4X", "-0.856"}, {"lookAt4Y", "0"}, {"lookAt4Z", "0"}, {"vec4X", "1"}, {"vec4Y", "0"},
};

bool samePresets(const TCameraPresets& a, const TCameraPresets& b) {
    for (int n = 1; n <= kCameraPresets; ++n)
        if (a.aspect[n] != b.aspect[n] || a.fov[n] != b.fov[n] || !(a.eye[n] == b.eye[n]) ||
            !(a.lookAt[n] == b.lookAt[n]) || !(a.vec[n] == b.vec[n]))
            return false;
    return a.reversedAngle == b.reversedAngle && a.selectedCamera == b.selectedCamera;
}

}  // namespace

using CameraPresets = ConfigFolder;

TEST_F(CameraPresets, FirstStartWritesEveryValueWithItsDefault) {
    cameraPresets.selectedCamera = 3;
    cameraPresets.eye[2].z = 99;
    loadCameraPresets(QLocale::c());
    EXPECT_TRUE(samePresets(cameraPresets, TCameraPresets{}));
    EXPECT_EQ(iniValues("GameSettings.ini"), kDefaultsInC);
}

TEST_F(CameraPresets, DefaultValues) {
    const TCameraPresets d;
    EXPECT_FALSE(d.reversedAngle);
    EXPECT_EQ(d.selectedCamera, 1);
    EXPECT_EQ(d.eye[1], (TFloat3{0, 5.64f, 7.5f}));
    EXPECT_EQ(d.eye[4], (TFloat3{-6, 0, 5.944f}));
    EXPECT_EQ(d.lookAt[3], (TFloat3{-1.07f, 0, 0}));
    EXPECT_EQ(d.vec[2], (TFloat2{0, -1}));
    EXPECT_EQ(d.vec[3], (TFloat2{1, 0}));
    EXPECT_EQ(d.fov[4], 0.6f);
    EXPECT_EQ(d.aspect[1], 0.0f);
}

TEST_F(CameraPresets, SaveAndLoadUnderADecimalCommaLocale) {
    const QLocale de(QLocale::German, QLocale::Germany);
    TCameraPresets p;
    p.reversedAngle = true;
    p.selectedCamera = 4;
    p.aspect[2] = 0.13f;
    p.fov[3] = 0.7853982f;
    p.eye[1] = {0.25f, -5.64f, 8.1f};
    p.lookAt[4] = {-0.856f, 0.001f, 1e-7f};
    p.vec[2] = {0, 1};
    cameraPresets = p;
    saveCameraPresets(de);
    auto ini = iniValues("GameSettings.ini");
    EXPECT_EQ(ini.size(), kDefaultsInC.size());
    EXPECT_EQ(ini["reversedAngle"], "1");
    EXPECT_EQ(ini["selectedCamera"], "4");
    EXPECT_EQ(ini["eye1Y"], "-5,64");
    EXPECT_EQ(ini["aspect2"], "0,13");
    EXPECT_EQ(ini["fov1"], "0,6");
    cameraPresets = TCameraPresets{};
    loadCameraPresets(de);
    EXPECT_TRUE(samePresets(cameraPresets, p));
    // The same file read under another locale: comma texts are not numbers there.
    loadCameraPresets(QLocale::c());
    EXPECT_EQ(cameraPresets.eye[1].y, 5.64f);
    EXPECT_EQ(cameraPresets.eye[1].x, 0.0f);  // "0,25" is no number there: the default
    EXPECT_EQ(cameraPresets.selectedCamera, 4);
}

TEST_F(CameraPresets, StoredTexts) {
    struct Row {
        const char* name;
        const char* stored;
        std::function<bool(const TCameraPresets&)> check;
    } rows[] = {
        {"reversedAngle", "yes", [](const TCameraPresets& p) { return p.reversedAngle; }},
        {"reversedAngle", "1", [](const TCameraPresets& p) { return p.reversedAngle; }},
        {"reversedAngle", "0", [](const TCameraPresets& p) { return !p.reversedAngle; }},
        {"selectedCamera", "2", [](const TCameraPresets& p) { return p.selectedCamera == 2; }},
        {"selectedCamera", "7", [](const TCameraPresets& p) { return p.selectedCamera == 7; }},
        {"selectedCamera", "300", [](const TCameraPresets& p) { return p.selectedCamera == 1; }},
        {"selectedCamera", "two", [](const TCameraPresets& p) { return p.selectedCamera == 1; }},
        {"fov2", "1.5", [](const TCameraPresets& p) { return p.fov[2] == 1.5f && p.fov[1] == 0.6f; }},
        {"eye3Z", "wide", [](const TCameraPresets& p) { return p.eye[3].z == 7.43f; }},
        {"vec4Y", "-0", [](const TCameraPresets& p) { return p.vec[4].y == 0.0f; }},
        {"lookAt2Y", "1e40", [](const TCameraPresets& p) { return p.lookAt[2].y == 0.45f; }},
    };
    for (const Row& r : rows) {
        QDir(dir).removeRecursively();
        storeValue("GameSettings.ini", r.name, r.stored);
        loadCameraPresets(QLocale::c());
        EXPECT_TRUE(r.check(cameraPresets)) << r.name << " = \"" << r.stored << '"';
        EXPECT_EQ(iniValues("GameSettings.ini")[r.name], r.stored) << r.name;
    }
}
