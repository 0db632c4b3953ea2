// Frame time of a match-like scene through the engine layer: 22 animated
// skinned figures (the generated "player" model when it exists, else a
// ~2400-triangle test figure), grass, shadows and a HUD with text, at
// 1024 x 768 in the real window. Run under xvfb-run; prints the median and
// 99th percentile frame time in milliseconds.
//
//   xvfb-run -a -s "-screen 0 1920x1200x24" build/bench/bench_engine_figures [frames] [model.glb|figure]
//
// "figure" forces the test figure. KF_BENCH_PARTS (default
// "ground,figures,hud") picks what is drawn; KF_BENCH_DETAIL=sides,rings,materials
// shapes the test figure.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine_app.h"
#include "gltf_loader.h"
#include "testkit.h"

using namespace kf;

namespace {

constexpr float halfPi = 1.5707964f;
constexpr int figures = 22;

class BenchApp : public EngineApp {
public:
    std::unique_ptr<MeshInstance> figure;
    std::vector<TextureHandle> kit;
    TextureHandle grass, shadow, panel;
    float scale = 0.0011f;
    int frameNo = 0;
    double meshMs = 0, presentMs = 0;
    bool ground = true, bodies = true, hud = true;
    bool submitEarly = qEnvironmentVariableIsSet("KF_BENCH_SUBMIT");

    void onRender() override {
        Renderer& r = renderer();
        r.clear(Rgba{0, 0, 0, 255});
        r.beginScene();
        Camera c;
        c.fov = 0.6f;
        c.aspect = 1024.0f / 768.0f;
        c.eye = {0, 5.64f, 7.5f};
        c.target = {0, 0.45f, 0};
        c.up = {0, -1, 0};
        r.setCamera(c);
        r.setDepthTest(true);
        r.setSampler(Sampler::Anisotropic);
        if (ground) r.drawQuad(grass, {Vec3(-4, -6, 0), Vec3(4, -6, 0), Vec3(4, 0, 0), Vec3(-4, 0, 0)});
        if (ground) r.drawQuad(grass, {Vec3(4, 6, 0), Vec3(-4, 6, 0), Vec3(-4, 0, 0), Vec3(4, 0, 0)});
        for (int i = 0; ground && i < figures; ++i) {
            const Vec2f p = position(i);
            r.drawQuad(shadow, {Vec3(p.x - 0.15f, p.y - 0.15f, 0.003f), Vec3(p.x + 0.15f, p.y - 0.15f, 0.003f),
                                Vec3(p.x + 0.15f, p.y + 0.15f, 0.003f), Vec3(p.x - 0.15f, p.y + 0.15f, 0.003f)});
        }
        if (submitEarly) r.submit();
        QElapsedTimer phase;
        phase.start();
        for (int i = 0; bodies && i < figures; ++i) {
            const Vec2f p = position(i);
            for (int m = 0; m < 6; ++m)
                figure->setMaterialTexture(m, kit[(i / 11) * 6 + m]);
            figure->setAnimation(0, std::fmod(frameNo * 0.72f + i * 1.3f, 25.0f) + 4.0f);
            r.drawMesh(*figure, worldMatrix(scale, halfPi, 0.1f * i, Vec3(p.x, p.y, 0)));
        }
        meshMs += phase.nsecsElapsed() / 1e6;
        if (hud) drawHud(r);
        phase.restart();
        present();
        presentMs += phase.nsecsElapsed() / 1e6;
        ++frameNo;
    }

    void drawHud(Renderer& r) {
        r.setVirtualScreen(1024, 768);
        r.drawSprite(panel, 10, 10);
        r.drawSprite(panel, 437, 710);
        r.setSampler(Sampler::Point);
        Font& f = r.font("Verdana", 10);
        static const char* lines[] = {"45+", "2", ":", "1", "ABC", "XYZ", "Player one -- well played",
                                      "Player two (Team) -- next time", "Goal!", "FPS: 59"};
        int y = 20;
        for (const char* line : lines) {
            r.printText(f, 15, float(y), line, white);
            y += 15;
        }
        for (int i = 0; i < figures; ++i) {
            Vec2f s;
            const Vec2f p = position(i);
            if (r.projectToScreen(Vec3(p.x, p.y, 0), &s)) {
                const float w = f.width("10 Player");
                r.printText(f, s.x - w / 2 + 1, s.y - 49, "10 Player", Rgba{0, 0, 0, 255});
                r.printText(f, s.x - w / 2, s.y - 50, "10 Player", white);
            }
        }
        r.setSampler(Sampler::Anisotropic);
    }

    static Vec2f position(int i) {
        const int team = i / 11, slot = i % 11;
        return Vec2f(-2.5f + 0.5f * slot, team == 0 ? -1.0f - 0.3f * (slot % 3) : 1.0f + 0.3f * (slot % 3));
    }
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::string defaultModel() {
    const QByteArray dir = qgetenv("KF_DATA_DIR");
    const std::string base = dir.isEmpty() ? std::string(KF_RUNTIME_DATA) : dir.toStdString();
    return base + "/models/player.glb";
}

}  // namespace

int main(int argc, char** argv) {
    testkit::ensureGuiApp(true);
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    const std::string modelPath = argc > 2 ? argv[2] : defaultModel();

    BenchApp app;
    const QByteArray parts = qgetenv("KF_BENCH_PARTS");
    if (!parts.isEmpty()) {
        app.ground = parts.contains("ground");
        app.bodies = parts.contains("figures");
        app.hud = parts.contains("hud");
    }
    app.setBackBufferSize(1024, 768);
    app.initialise();
    if (!app.waitUntilReady()) {
        std::fprintf(stderr, "no GL window (run under xvfb-run)\n");
        return 1;
    }
    MeshData data;
    std::string source = "test figure";
    std::string error;
    if (QFileInfo::exists(QString::fromStdString(modelPath)) && parseGltfFile(modelPath, &data, &error) &&
        data.findAnimation("run") >= 0) {
        source = modelPath;
    } else {
        int sides = 24, rings = 10, materials = 6;
        if (const QByteArray d = qgetenv("KF_BENCH_DETAIL"); !d.isEmpty())
            std::sscanf(d.constData(), "%d,%d,%d", &sides, &rings, &materials);
        data = testkit::makeFigure(5, sides, rings, materials);
        app.scale = 0.0011f;
    }
    size_t triangles = 0;
    for (const MeshPrimitive& p : data.primitives) triangles += p.indexCount / 3;
    const int run = data.findAnimation("run");
    std::swap(data.animations[0], data.animations[run]);
    app.meshes().add("player", std::move(data));
    app.figure = app.meshes().createInstance("player");
    app.figure->setNodeCulling(false);
    for (int set = 0; set < 2; ++set)
        for (int m = 0; m < 6; ++m)
            app.kit.push_back(app.textures().create(
                "kit" + std::to_string(set * 6 + m),
                Image(64, 64, Rgba{uint8_t(40 * m), uint8_t(set ? 200 : 50), uint8_t(255 - 40 * m), 255})));
    app.grass = app.textures().create("grass", Image(512, 512, Rgba{40, 140, 40, 255}));
    app.shadow = app.textures().create("shadow", Image(64, 64, Rgba{0, 0, 0, 120}));
    app.panel = app.textures().create("panel", Image(150, 30, Rgba{30, 30, 90, 200}));

    for (int i = 0; i < 30; ++i) app.renderFrameNow();
    std::vector<double> ms;
    QElapsedTimer t;
    const double cpuStart = cpuSeconds();
    for (int i = 0; i < frames; ++i) {
        t.start();
        app.renderFrameNow();
        ms.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    const double cpuPerFrame = (cpuSeconds() - cpuStart) * 1000 / frames;
    std::printf("issuing meshes %.2f ms, present %.2f ms (averages incl. warm-up)\n",
                app.meshMs / (frames + 30), app.presentMs / (frames + 30));
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const auto pct = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * ms.size()))]; };
    std::printf("figures: %d x %zu triangles (%s), 1024x768, %d frames\n", figures, triangles,
                source.c_str(), frames);
    std::printf("draw calls per frame: %d\n", app.renderer().drawCalls());
    std::printf("frame ms: median %.2f  p99 %.2f  mean %.2f  max %.2f  (cpu %.2f ms/frame, all threads)\n",
                pct(0.5), pct(0.99), sum / ms.size(), ms.back(), cpuPerFrame);
    app.grabFrame().save(QString::fromStdString(testkit::tempPath("bench_engine_figures.png")));
    return 0;
}
