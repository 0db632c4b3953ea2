#pragma once
// End-to-end fixture: the real match window under Xvfb, driven frame by frame
// through its own input handlers, with a small planner that tries candidate
// actions on a copy of the simulation before playing the best one for real.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "assets.h"
#include "mesh_instance.h"
#include "camerapresets.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "matchwindow.h"
#include "owndata.h"
#include "practice.h"
#include "practiceworld.h"
#include "random.h"
#include "scene.h"
#include "settings.h"
#include "settingsstore.h"
#include "controls.h"
#include "transforms.h"

#include <cmath>
#include <vector>

namespace kf::e2e {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "e2e";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from an exit handler crashes in its font cache.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Everything the simulation reads and writes, for trying an action and undoing it.
struct TSnapshot {
    TPracticeWorld world = practiceWorld;
    TIngamedata match = ingamedata;
    void restore() const {
        practiceWorld = world;
        ingamedata = match;
    }
};

// A kick to try: the button held for `hold` frames.
struct TKick {
    int hold = 0;
    bool lofted = true;
};

// Plays the kick on the simulation alone (no drawing) from the current state
// and reports whether `success` held within `frames`; the state is restored.
inline bool tryKick(const TKick& k, const TVec2& target, int frames, const std::function<bool()>& success,
                    std::uint64_t seed) {
    const TSnapshot snap;
    seedRandom(seed);
    ingamedata.mouseTarget = target;
    bool ok = false;
    ingamedata.inputLeft = k.lofted;
    ingamedata.inputRight = !k.lofted;
    for (int i = 0; i < frames && !ok; ++i) {
        if (i == k.hold) ingamedata.inputLeft = ingamedata.inputRight = false;
        practiceStep();
        ok = success();
    }
    snap.restore();
    return ok;
}

class MatchWindowTest : public ::testing::Test {
protected:
    static inline std::unique_ptr<TMyApp> app;
    static inline std::unique_ptr<QTemporaryDir> config;
    bool left = false;

    static void SetUpTestSuite() {
        application();
        config = std::make_unique<QTemporaryDir>();
        setConfigDir(config->path());
        writeSetting("resolution width", "1024");
        writeSetting("resolution height", "768");
        loadSettings();
        loadCameraPresets();
        initSimulation();
        app = std::make_unique<TMyApp>();
        app->setWindowed(true);
        app->initialise();
        ASSERT_TRUE(app->waitUntilReady());
        startAssetLoading(true);
        ASSERT_TRUE(assetsLoaded());
    }
    static void TearDownTestSuite() {
        app->finalise();
        app.reset();
        config.reset();
    }
    void SetUp() override {
        left = false;
        app->onLeft = [this] { left = true; };
        ownData.username = "Tester";
        cameraPresets = TCameraPresets{};
        seedRandom(99);
    }

    void start(int stage) {
        ASSERT_TRUE(app->startLocalMatch(stage));
        app->setTimerEnabled(false);  // the test draws every frame itself
        frame();
    }
    void frame(int n = 1) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(app->renderFrameNow());
    }
    void screenshot(const std::string& name) {
        const QImage img = app->grabFrame();
        ASSERT_FALSE(img.isNull());
        QDir().mkpath("e2e-shots");
        img.save(QString::fromStdString("e2e-shots/" + name + ".png"));
    }

    // Cursor over a pitch point (through the camera of the next frame).
    void pointAt(const TVec2& p) {
        const Camera& c = app->nextCamera();
        Vec2f px;
        const float w = float(app->backBufferWidth()), h = float(app->backBufferHeight());
        if (projectToScreen(Vec3(float(p.x), float(p.y), 0), w, h, c.view(), c.projection(), &px))
            app->onMouseMove(px.x, px.y);
    }
    // Cursor over a point of the virtual 1024 x 768 screen.
    void pointAtScreen(double x, double y) {
        app->onMouseMove(float(x * app->backBufferWidth() / 1024), float(y * app->backBufferHeight() / 768));
    }
    void press(MouseButton b) { app->onMouseButton(b, true, app->cursorX(), app->cursorY()); }
    void release(MouseButton b) { app->onMouseButton(b, false, app->cursorX(), app->cursorY()); }
    void key(int qtKey, const std::string& text = {}) {
        app->onKey(qtKey, true, false, text);
        app->onKey(qtKey, false, false, {});
    }

    // Runs frames until `done` or the limit; true when done.
    bool runUntil(const std::function<bool()>& done, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            frame();
        }
        return done();
    }

    // The pitch point the next frame's pick will give for the cursor as it is
    // now, found the way the pick finds it (same surface, same camera).
    TVec2 predictedTarget() const {
        const Camera& c = app->nextCamera();
        const Ray r = rayFromScreen(app->cursorX(), app->cursorY(), float(app->backBufferWidth()),
                                    float(app->backBufferHeight()), c.view(), c.projection());
        return pitchPointOnRay(r).value_or(ingamedata.mouseTarget);
    }

    // Waits with the cursor on the player until the ball lies still at his feet.
    bool ballAtFeet() {
        return runUntil([&] {
            pointAt(practiceWorld.playerPos);
            return ballAtRest() && practiceWorld.playerSpeed <= 0 &&
                   distance(practiceWorld.ballPos, practiceWorld.playerPos) < 0.1;
        }, 600);
    }

    // Searches aim distance and hold time for a kick that makes `success`
    // true, then plays it for real. Aims lie on the line towards `towards`.
    bool kickUntil(const TVec2& towards, bool lofted, const std::function<bool()>& success,
                   const std::vector<double>& distances, int frames = 600) {
        if (!ballAtFeet()) return false;
        const TVec2 from = practiceWorld.playerPos;
        const double dir = bearing(from, towards);
        for (double d : distances) {
            const TVec2 aim{from.x + d * std::cos(dir * degToRad), from.y + d * std::sin(dir * degToRad)};
            pointAt(aim);
            const TVec2 target = predictedTarget();
            for (int hold = 1; hold <= (lofted ? 38 : 1); ++hold) {
                if (!tryKick({hold, lofted}, target, frames, success, 7)) continue;
                seedRandom(7);
                const MouseButton b = lofted ? MouseButton::Left : MouseButton::Right;
                // The cursor stays on the aim while the camera moves, as it did
                // in the trial run.
                press(b);
                for (int i = 0; i < hold; ++i) {
                    pointAt(aim);
                    frame();
                }
                release(b);
                return runUntil([&] {
                    pointAt(aim);
                    return success();
                }, frames);
            }
        }
        return false;
    }

    void clickButton(double x) {
        pointAtScreen(x + clickSizes.buttonW / 2, kButtonY + clickSizes.buttonH / 2);
        press(MouseButton::Left);
        release(MouseButton::Left);
        frame();
    }

    static int target() { return practiceWorld.stageTarget; }
};

inline std::vector<double> aims(double from, double to, double step) {
    std::vector<double> v;
    for (double d = from; d <= to + 1e-9; d += step) v.push_back(d);
    return v;
}


}  // namespace kf::e2e
