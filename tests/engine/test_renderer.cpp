// Draws into the real window under Xvfb and checks pixels where the scene
// should be, always with tolerances: the software rasteriser's exact bytes
// are not part of the contract.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <thread>

#include "engine_app.h"
#include "gltf_loader.h"
#include "testkit.h"

namespace kf {
namespace {

constexpr float halfPi = 1.5707964f;
constexpr float pi = 3.14159265f;
constexpr int W = 640, H = 480;

class TestApp : public EngineApp {
public:
    std::function<void()> draw;
    int renders = 0;
    void onRender() override {
        ++renders;
        Renderer& r = renderer();
        r.clear(Rgba{0, 0, 0, 255});
        r.beginScene();
        if (draw) draw();
        present();
    }
};

class RendererTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testkit::ensureGuiApp(true);
        app_ = new TestApp;
        app_->setBackBufferSize(W, H);
        app_->initialise();
        ASSERT_TRUE(app_->waitUntilReady());
        const std::string path = testkit::tempPath("strip_renderer.glb");
        ASSERT_TRUE(testkit::writeSkinnedStripGlb(path));
        std::string error;
        ASSERT_TRUE(app_->meshes().load("strip", path, &error)) << error;
        Image green(16, 16, Rgba{0, 255, 0, 255});
        app_->textures().create("green", green);
        Image yellow(8, 8, Rgba{255, 255, 0, 255});
        app_->textures().create("yellow", yellow);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(app_, nullptr);
        strip_ = app_->meshes().createInstance("strip");
        ASSERT_NE(strip_, nullptr);
        strip_->setNodeCulling(false);
    }

    // Camera preset 1 around the centre spot.
    static Camera camera() {
        Camera c;
        c.fov = 0.6f;
        c.aspect = float(W) / H;
        c.eye = {0, 5.64f, 7.5f};
        c.target = {0, 0.45f, 0};
        c.up = {0, -1, 0};
        return c;
    }
    // The strip 0.8 tall standing at the centre spot, facing the camera.
    static Mat4 stripWorld(float rotZ = 0) { return worldMatrix(0.004f, halfPi, rotZ, Vec3(0)); }

    QImage frame(const std::function<void(Renderer&)>& draw) {
        app_->draw = [&] {
            Renderer& r = app_->renderer();
            r.setCamera(camera());
            r.setVirtualScreen(0, 0);
            draw(r);
        };
        QImage img = app_->grabFrame();
        app_->draw = nullptr;
        EXPECT_EQ(img.size(), QSize(W, H));
        return img;
    }
    // Pixel where a model point of the strip appears.
    static QPoint where(const Vec3& model, float rotZ = 0) {
        Vec2f px;
        const Camera c = camera();
        EXPECT_TRUE(projectToScreen(transformPoint(stripWorld(rotZ), model), W, H, c.view(),
                                    c.projection(), &px));
        return QPoint(int(px.x), int(px.y));
    }

    static TestApp* app_;
    std::unique_ptr<MeshInstance> strip_;
};
TestApp* RendererTest::app_ = nullptr;

bool isRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 80 && qGreen(c) < 80; }
bool isGreen(QRgb c) { return qGreen(c) > 150 && qRed(c) < 80 && qBlue(c) < 80; }
bool isBlack(QRgb c) { return qRed(c) < 30 && qGreen(c) < 30 && qBlue(c) < 30; }

int brightPixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) > 160) ++n;
    return n;
}

TEST_F(RendererTest, SkinnedMeshIsTexturedPosedAndTheRightWayRound) {
    strip_->setAnimation("standing", 0);
    const QImage rest = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    rest.save(QString::fromStdString(testkit::tempPath("engine_strip_rest.png")));
    // Model -x is the red half; world +x (model +x) must be on the screen's right.
    const QPoint left = where({-35, 60, 0}), right = where({35, 60, 0});
    EXPECT_LT(left.x(), right.x());
    EXPECT_TRUE(isRed(rest.pixel(left))) << std::hex << rest.pixel(left);
    EXPECT_TRUE(isBlue(rest.pixel(right))) << std::hex << rest.pixel(right);
    const QPoint topLeft = where({-35, 190, 0});
    EXPECT_TRUE(isRed(rest.pixel(topLeft)));
    EXPECT_TRUE(isBlack(rest.pixel(where({-90, 60, 0})))) << "beside the strip";

    // "run" at frame 30 moves the upper joint 100 units along +x.
    ASSERT_TRUE(strip_->setAnimation("run", 30));
    const QImage moved = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    EXPECT_TRUE(isBlack(moved.pixel(topLeft))) << "the top has left its rest place";
    EXPECT_TRUE(isRed(moved.pixel(where({65, 190, 0})))) << "and shows up 100 units to the right";
    EXPECT_TRUE(isRed(moved.pixel(where({-35, 10, 0})))) << "the feet stay";
}

TEST_F(RendererTest, NodesHideAndMaterialsTakeInstanceTextures) {
    strip_->setAnimation("standing", 0);
    const QPoint ball = where({0, 150, -1});
    const QImage shown = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    EXPECT_TRUE(isGreen(shown.pixel(ball))) << std::hex << shown.pixel(ball);
    strip_->showNode("ball", false);
    const QImage hidden = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    EXPECT_FALSE(isGreen(hidden.pixel(ball)));
    strip_->showNode("ball", true);

    strip_->setMaterialTexture(0, app_->textures().find("yellow"));
    const QImage dressed = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    const QRgb c = dressed.pixel(where({-35, 60, 0}));
    EXPECT_TRUE(qRed(c) > 150 && qGreen(c) > 150 && qBlue(c) < 80) << std::hex << c;
}

TEST_F(RendererTest, AModelRegisteredOnALoaderThreadIsDrawn) {
    std::thread loader([] {
        MeshData data;
        std::string error;
        if (parseGltfFile(testkit::tempPath("strip_renderer.glb"), &data, &error))
            app_->meshes().add("threaded", std::move(data));
    });
    loader.join();
    std::unique_ptr<MeshInstance> inst = app_->meshes().createInstance("threaded");
    ASSERT_NE(inst, nullptr);
    const QImage img = frame([&](Renderer& r) { r.drawMesh(*inst, stripWorld()); });
    EXPECT_TRUE(isBlue(img.pixel(where({35, 60, 0}))));
}

TEST_F(RendererTest, BackFacesAreCulledAndLightingDarkens) {
    strip_->setAnimation("standing", 0);
    const QPoint centre = where({0, 60, 0});
    const QImage away = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld(pi)); });
    EXPECT_TRUE(isBlack(away.pixel(centre))) << "turned away: back face culled";
    const QImage twoSided = frame([&](Renderer& r) {
        r.setBackfaceCulling(false);
        r.drawMesh(*strip_, stripWorld(pi));
        r.setBackfaceCulling(true);
    });
    EXPECT_FALSE(isBlack(twoSided.pixel(centre)));

    const QPoint left = where({-35, 60, 0});
    const QImage lit = frame([&](Renderer& r) {
        r.setLighting(true);
        r.setAmbient(Rgba{170, 170, 170, 255});
        r.setDirectionalLight(Vec3(-1, 1, -1), Rgba{255, 255, 255, 255});
        r.drawMesh(*strip_, stripWorld());
        r.setLighting(false);
    });
    // The strip faces +y, away from the light: ambient only, 170/255 of red.
    EXPECT_NEAR(qRed(lit.pixel(left)), 170, 25);
    EXPECT_LT(qGreen(lit.pixel(left)), 40);
}

TEST_F(RendererTest, GroundQuadsSpritesAndText) {
    const TextureHandle green = app_->textures().find("green");
    const TextureHandle missing = app_->textures().load("missing", testkit::tempPath("nope.png"));
    const Camera c = camera();
    Vec2f quadCentre, missingCentre;
    ASSERT_TRUE(projectToScreen({1.5f, 0, 0}, W, H, c.view(), c.projection(), &quadCentre));
    ASSERT_TRUE(projectToScreen({-1.5f, 0, 0}, W, H, c.view(), c.projection(), &missingCentre));
    Font* font = nullptr;
    const QImage img = frame([&](Renderer& r) {
        r.drawQuad(green, {Vec3(1.3f, -0.2f, 0), Vec3(1.7f, -0.2f, 0), Vec3(1.7f, 0.2f, 0),
                           Vec3(1.3f, 0.2f, 0)});
        r.drawQuad(missing, {Vec3(-1.7f, -0.2f, 0), Vec3(-1.3f, -0.2f, 0), Vec3(-1.3f, 0.2f, 0),
                             Vec3(-1.7f, 0.2f, 0)});
        r.setVirtualScreen(1024, 768);
        r.drawSprite(green, 512, 384);  // 16 x 16 units: 10 x 10 pixels here
        r.drawSprite(missing, 100, 600);
        r.drawRect(Rect{900, 700, 50, 30}, Rgba{0, 0, 255, 255});
        r.setSampler(Sampler::Point);
        font = &r.font("Verdana", 16);
        r.printText(*font, 20, 20, "Kickfield", white);
        r.setSampler(Sampler::Anisotropic);
    });
    img.save(QString::fromStdString(testkit::tempPath("engine_2d.png")));
    EXPECT_TRUE(isGreen(img.pixel(int(quadCentre.x), int(quadCentre.y))));
    EXPECT_TRUE(isBlack(img.pixel(int(missingCentre.x), int(missingCentre.y)))) << "empty texture draws nothing";
    EXPECT_TRUE(isGreen(img.pixel(325, 245)));
    EXPECT_TRUE(isBlack(img.pixel(318, 238)));
    EXPECT_TRUE(isBlack(img.pixel(332, 252)));
    EXPECT_TRUE(isBlack(img.pixel(67, 380))) << "missing sprite";
    EXPECT_TRUE(isBlue(img.pixel(590, 450)));
    const int textWidth = int(font->width("Kickfield"));
    EXPECT_GT(textWidth, 40);
    EXPECT_GT(brightPixels(img, QRect(20, 20, textWidth, 20)), 40) << "the text is there";
    EXPECT_EQ(brightPixels(img, QRect(20 + textWidth + 4, 20, 60, 20)), 0) << "and ends where measured";
    EXPECT_EQ(brightPixels(img, QRect(20, 50, textWidth, 20)), 0);
}

TEST_F(RendererTest, PickRayFindsTheGroundPointUnderThePixel) {
    auto field = std::make_shared<MeshData>();
    field->nodes.resize(1);
    std::vector<MeshVertex> v(4);
    v[0].pos = {-50, 0, -50};
    v[1].pos = {50, 0, -50};
    v[2].pos = {50, 0, 50};
    v[3].pos = {-50, 0, 50};
    field->addPrimitive(v, {0, 1, 2, 0, 2, 3}, 0, 0);
    field->materials.resize(1);
    ASSERT_TRUE(field->finish());
    MeshInstance pick(field);
    const Mat4 world = worldMatrix(Vec3(0.2f, 0.01f, 0.2f), halfPi, 0, Vec3(0, 0, -0.01f));
    Renderer& r = app_->renderer();
    r.setCamera(camera());
    r.setTarget(W, H);
    for (const Vec3 target : {Vec3(0, 0, -0.01f), Vec3(2.5f, -3, -0.01f), Vec3(-1, 4, -0.01f)}) {
        Vec2f px;
        ASSERT_TRUE(r.projectToScreen(target, &px));
        const Ray ray = r.pickRay(px.x, px.y);
        float d = 0;
        ASSERT_TRUE(pick.intersectRay(world, ray, &d));
        const Vec3 hit = ray.origin + d * ray.dir;
        EXPECT_NEAR(hit.x, target.x, 1e-3f);
        EXPECT_NEAR(hit.y, target.y, 1e-3f);
    }
}

TEST_F(RendererTest, FullScreenScalesTheBackBufferOntoTheScreen) {
    strip_->setAnimation("standing", 0);
    app_->setFullScreen(true);
    app_->applyParameters();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QImage img = frame([&](Renderer& r) { r.drawMesh(*strip_, stripWorld()); });
    EXPECT_EQ(img.size(), QSize(W, H)) << "drawn at the back buffer's size";
    EXPECT_TRUE(isRed(img.pixel(where({-35, 60, 0}))));
    app_->setFullScreen(false);
    app_->applyParameters();
}

TEST_F(RendererTest, TheTimerCapsTheFrameRate) {
    app_->renders = 0;
    app_->setTimerEnabled(true);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1500) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    app_->setTimerEnabled(false);
    const int renders = app_->renders;
    EXPECT_GT(renders, 0);
    EXPECT_LE(renders, int(59 * t.elapsed() / 1000.0) + 2) << "at most 59 frames a second";
    EXPECT_LE(app_->fps(), 59);
    const int after = app_->renders;
    t.restart();
    while (t.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(app_->renders, after) << "disabled: no more frames";
}

}  // namespace
}  // namespace kf
