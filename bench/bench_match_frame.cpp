// Frame time of the real match window with a full online-looking match on
// it: 10 v 10 named, numbered, running figures (labels on), both keepers,
// grass, shadows, benches, boards, nets, the stadium and the HUD. Run under
// xvfb-run; per resolution (windowed) it prints the median and 99th
// percentile of renderFrameNow (which ends with present) in milliseconds,
// for the full scene and two cut-down ones that show where the time goes.
//
//   xvfb-run -a -s "-screen 0 1920x1200x24" build/bench/bench_match_frame [frames] [warmup]
//
// KF_BENCH_SHOTS=<folder> saves one frame of every run there.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "assets.h"
#include "camerapresets.h"
#include "ingamedata.h"
#include "matchwindow.h"
#include "owndata.h"
#include "pitch.h"
#include "practice.h"
#include "settings.h"
#include "settingsstore.h"

using namespace kf;

namespace {

struct Resolution {
    int width, height;
};

struct Variant {
    const char* name;
    bool stadium;
    bool figures;
};

constexpr Resolution kResolutions[] = {{1024, 768}, {1920, 1080}};
constexpr Variant kVariants[] = {
    {"full (stadium, 20 players, 2 keepers, HUD)", true, true},
    {"stadium off", false, true},
    {"no figures (stadium on)", true, false},
};

// Players spread over the part of the pitch around the centre spot that the
// follow camera shows, team 1 in its own half; all running in varied
// directions so every figure has its own pose.
void placePlayers() {
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= kSlots; ++s) {
            const int i = s - 1;
            const double side = t == 1 ? -1 : 1;
            ingamedata.playerName(t, s) = "Player" + std::to_string((t - 1) * kSlots + s);
            ingamedata.playerNumber(t, s) = static_cast<std::uint8_t>(s + 1);
            ingamedata.playerPos(t, s) = {-3.0 + 0.65 * i, side * (0.4 + 0.7 * (i % 4))};
            ingamedata.playerDir(t, s) = 36.0 * i + (t == 1 ? 90 : 270);
            ingamedata.playerSpeed(t, s) = 0.015 + 0.002 * i;
            ingamedata.playerMotion(t, s) = 1;
            ingamedata.playerBody(t, s) = static_cast<std::uint8_t>(i % 3);
            ingamedata.playerSkin(t, s) = static_cast<std::uint8_t>(i % 3);
            ingamedata.playerHair(t, s) = static_cast<std::uint8_t>(i % 8);
            ingamedata.playerAnimClock(t, s)[1] = 4 + 2.5 * i;
        }
}

// The state a game server would send mid-match; practice stays off so no
// practice step moves anything.
void setUpMatch(bool figures) {
    resetIngamedata();
    ingamedata.practice = false;
    ingamedata.phase = 1;
    ingamedata.teamSize = kSlots;
    ingamedata.viewMode = 2;
    ingamedata.kickoffTeam = 1;
    ingamedata.half = 1;
    ingamedata.matchMinute = 23;
    ingamedata.clockRunning = true;
    ingamedata.score = {1, 2};
    ingamedata.teamName[1] = "Home Team";
    ingamedata.teamName[2] = "Away Team";
    ingamedata.teamShortName[1] = "HOM";
    ingamedata.teamShortName[2] = "AWY";
    ingamedata.ballPos = {0.2, 0.1};
    if (figures) placePlayers();
    // Without figures the keepers stand far outside every view, so culling drops them.
    const double away = figures ? 0 : 1000;
    ingamedata.keeperPos[1] = {away, pitch.goalLineNeg + 0.2};
    ingamedata.keeperPos[2] = {away, pitch.goalLinePos - 0.2};
    ingamedata.keeperAction[1] = ingamedata.keeperAction[2] = 1;
    ingamedata.keeperSpeed[1] = ingamedata.keeperSpeed[2] = 0.01;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const size_t k = static_cast<size_t>(std::ceil(p * double(v.size())));
    return v[std::clamp<size_t>(k, 1, v.size()) - 1];
}

// Figures whose feet land inside the window through the next frame's camera.
int figuresInView(TMyApp& app) {
    const Camera& c = app.nextCamera();
    const float w = float(app.backBufferWidth()), h = float(app.backBufferHeight());
    int n = 0;
    auto count = [&](const TVec2& p) {
        Vec2f px;
        if (projectToScreen(Vec3(float(p.x), float(p.y), 0), w, h, c.view(), c.projection(), &px) && px.x >= 0 &&
            px.y >= 0 && px.x < w && px.y < h)
            ++n;
    };
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= kSlots; ++s)
            if (slotUsed(t, s)) count(ingamedata.playerPos(t, s));
    count(ingamedata.keeperPos[1]);
    count(ingamedata.keeperPos[2]);
    return n;
}

bool measure(TMyApp& app, const Resolution& r, const Variant& v, int frames, int warmup) {
    writeSetting("resolution width", QString::number(r.width));
    writeSetting("resolution height", QString::number(r.height));
    loadSettings();
    settings.drawStadium = v.stadium;
    if (!app.startLocalMatch(0)) return false;
    app.setTimerEnabled(false);
    setUpMatch(v.figures);
    for (int i = 0; i < warmup; ++i)
        if (!app.renderFrameNow()) return false;
    std::vector<double> ms;
    ms.reserve(frames);
    QElapsedTimer t;
    for (int i = 0; i < frames; ++i) {
        t.start();
        if (!app.renderFrameNow()) return false;
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    // KF_BENCH_SHOTS=<folder> keeps one frame of every run to look at.
    const QString shots = qEnvironmentVariable("KF_BENCH_SHOTS");
    if (!shots.isEmpty())
        app.grabFrame().save(QStringLiteral("%1/match-%2x%3-%4.png")
                                 .arg(shots).arg(r.width).arg(r.height).arg(&v - kVariants));
    std::printf("%4d x %-4d  %-44s  median %6.2f ms  p99 %6.2f ms  (%d figures in view, %d draw calls)\n",
                app.backBufferWidth(), app.backBufferHeight(), v.name, percentile(ms, 0.5),
                percentile(ms, 0.99), figuresInView(app), app.renderer().drawCalls());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int warmup = argc > 2 ? std::max(0, std::atoi(argv[2])) : 30;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    // The program sits in bench/, away from the data beside the client.
    if (qEnvironmentVariableIsEmpty("KF_DATA_DIR")) qputenv("KF_DATA_DIR", KF_RUNTIME_DATA);
    QApplication qapp(argc, argv);
    QTemporaryDir config;
    setConfigDir(config.path());
    writeSetting("resolution width", "1024");
    writeSetting("resolution height", "768");
    loadSettings();
    loadCameraPresets();
    initSimulation();
    ownData.username = "Bench";

    auto app = std::make_unique<TMyApp>();
    app->setWindowed(true);
    app->initialise();
    if (!app->waitUntilReady()) {
        std::fprintf(stderr, "bench_match_frame: no OpenGL window (run under xvfb-run)\n");
        return 1;
    }
    startAssetLoading(true);
    if (!assetsLoaded()) {
        std::fprintf(stderr, "bench_match_frame: the game data did not load (KF_DATA_DIR?)\n");
        return 1;
    }
    std::printf("%d frames after %d warm-up frames each\n", frames, warmup);
    int rc = 0;
    for (const Resolution& r : kResolutions)
        for (const Variant& v : kVariants)
            if (!measure(*app, r, v, frames, warmup)) {
                std::fprintf(stderr, "bench_match_frame: %s at %d x %d did not run\n", v.name, r.width, r.height);
                rc = 1;
            }
    app->finalise();
    app.reset();
    return rc;
}
