#include <gtest/gtest.h>

#include "camera.h"
#include "camerapresets.h"
#include "ingamedata.h"
#include "owndata.h"
#include "settings.h"

using namespace kf;

class Camera : public ::testing::Test {
protected:
    void SetUp() override {
        cameraPresets = TCameraPresets{};
        resetIngamedata();
        ownData = TOwnData{};
        ownData.username = "me";
        ingamedata.playerName(1, 1) = "me";
        ingamedata.phase = 1;
        settings.resolutionWidth = 1024;
        settings.resolutionHeight = 768;
    }
    void TearDown() override { ownData = TOwnData{}; }
};

TEST_F(Camera, FocusFollowsOwnPlayerClampedPerPreset) {
    struct Row { int preset; TVec2 player; TVec2 want; } rows[] = {
        {1, {0.5, 1}, {0.5, 1}},  {1, {3, 6}, {1.6, 4.65}},   {2, {-3, -6}, {-2, -4.9}},
        {3, {5, 5}, {1, 3.55}},   {4, {-5, 5}, {-1.85, 4.4}},
    };
    for (const Row& r : rows) {
        cameraPresets.selectedCamera = static_cast<std::uint8_t>(r.preset);
        ingamedata.playerPos(1, 1) = r.player;
        const TVec2 f = cameraFocus();
        EXPECT_DOUBLE_EQ(f.x, r.want.x) << r.preset;
        EXPECT_DOUBLE_EQ(f.y, r.want.y) << r.preset;
    }
    cameraPresets.selectedCamera = 9;
    EXPECT_DOUBLE_EQ(cameraFocus().x, 0);
    // A spectator follows the ball.
    cameraPresets.selectedCamera = 1;
    ingamedata.viewMode = 3;
    ingamedata.ballPos = {-0.7, 0.2};
    EXPECT_DOUBLE_EQ(cameraFocus().x, -0.7);
}

TEST_F(Camera, ViewFromPresetAndFocusAndCentredOnScreens) {
    ingamedata.playerPos(1, 1) = {1, 2};
    TCameraView v = updateCamera();
    EXPECT_FLOAT_EQ(v.eye[0], 1);
    EXPECT_FLOAT_EQ(v.eye[1], 5.64f + 2);
    EXPECT_FLOAT_EQ(v.eye[2], 7.5f);
    EXPECT_FLOAT_EQ(v.target[1], 0.45f + 2);
    EXPECT_FLOAT_EQ(v.up[1], -1);
    EXPECT_FLOAT_EQ(v.fov, 0.6f);
    EXPECT_DOUBLE_EQ(v.aspect, 1024.0 / 768);
    EXPECT_EQ(v.nearPlane, 1.0);
    EXPECT_EQ(v.farPlane, 100.0);
    ingamedata.phase = 0;
    v = updateCamera();
    EXPECT_FLOAT_EQ(v.eye[0], 0);
    EXPECT_FLOAT_EQ(v.eye[1], 5.64f);
}

TEST_F(Camera, ReversedAngleTwiceRestoresEveryPreset) {
    const TCameraPresets before = cameraPresets;
    toggleReversedAngle();
    EXPECT_TRUE(cameraPresets.reversedAngle);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].y, -5.64f);
    EXPECT_FLOAT_EQ(cameraPresets.vec[2].y, 1);
    EXPECT_FLOAT_EQ(cameraPresets.eye[3].y, 0);
    EXPECT_FALSE(std::signbit(cameraPresets.eye[3].y)) << "zero stays zero";
    toggleReversedAngle();
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(cameraPresets.eye[p], before.eye[p]) << p;
        EXPECT_EQ(cameraPresets.lookAt[p], before.lookAt[p]) << p;
        EXPECT_EQ(cameraPresets.vec[p], before.vec[p]) << p;
    }
    EXPECT_FALSE(cameraPresets.reversedAngle);
}

TEST_F(Camera, EditorKeysAndWheelThenReset) {
    cameraPresets.selectedCamera = 1;
    adjustCamera('Q');
    adjustCamera('W');
    adjustCamera('R');
    adjustCamera('F');
    cameraWheel(120);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].y, 5.64f - 0.05f);
    EXPECT_FLOAT_EQ(cameraPresets.lookAt[1].y, 0.45f - 0.05f);
    EXPECT_FLOAT_EQ(cameraPresets.fov[1], 0.61f);
    EXPECT_FLOAT_EQ(cameraPresets.aspect[1], 0.01f);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].z, 8.0f);
    cameraPresets.selectedCamera = 3;
    adjustCamera('A');
    adjustCamera('S');
    cameraWheel(-120);
    EXPECT_FLOAT_EQ(cameraPresets.eye[3].x, -7.45f);
    EXPECT_FLOAT_EQ(cameraPresets.lookAt[3].x, -1.02f);
    EXPECT_FLOAT_EQ(cameraPresets.eye[3].z, 6.93f);
    toggleReversedAngle();
    cameraPresets.selectedCamera = 1;
    resetCamera();
    EXPECT_FALSE(cameraPresets.reversedAngle);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].y, 5.64f);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].z, 7.5f);
    EXPECT_FLOAT_EQ(cameraPresets.fov[1], 0.6f);
    EXPECT_FLOAT_EQ(cameraPresets.eye[2].y, -4.41f) << "other presets keep their mirrored values";
    EXPECT_FLOAT_EQ(cameraPresets.eye[3].x, -7.45f);
    selectCamera(4);
    EXPECT_EQ(cameraPresets.selectedCamera, 4);
    selectCamera(0);
    EXPECT_EQ(cameraPresets.selectedCamera, 4);
}
