#include <gtest/gtest.h>

#include <thread>

#include "engine_app.h"
#include "gl_functions.h"
#include "testkit.h"

namespace kf {
namespace {

class Textures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testkit::ensureGuiApp(true);
        app_ = new EngineApp;
        app_->initialise();
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    static EngineApp* app_;
};
EngineApp* Textures::app_ = nullptr;

// The texture's level 0 as RGBA bytes.
std::vector<uint8_t> readBack(uint32_t glName, int w, int h) {
    std::vector<uint8_t> out(size_t(w) * h * 4);
    EXPECT_TRUE(makeEngineContextCurrent());
    gl()->glBindTexture(GL_TEXTURE_2D, glName);
    gl()->glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gl()->glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    gl()->glBindTexture(GL_TEXTURE_2D, 0);
    return out;
}

TEST_F(Textures, FromAnImageInMemory) {
    TextureManager& tm = app_->textures();
    Image img(5, 3, Rgba{10, 20, 30, 255});
    img.setPixel(4, 2, Rgba{255, 0, 255, 255});
    const TextureHandle h = tm.create("shirts0", img);
    ASSERT_TRUE(h.valid());
    EXPECT_EQ(tm.find("shirts0"), h);
    EXPECT_EQ(tm.width(h), 5);
    EXPECT_EQ(tm.height(h), 3);
    ASSERT_NE(tm.glName(h), 0u);
    const std::vector<uint8_t> px = readBack(tm.glName(h), 5, 3);
    EXPECT_EQ(px[0], 10);
    EXPECT_EQ(px[(2 * 5 + 4) * 4 + 0], 255) << "bottom-right pixel, rows top first";
    EXPECT_EQ(px[(2 * 5 + 4) * 4 + 1], 0);

    QImage q(7, 2, QImage::Format_RGB32);
    q.fill(qRgb(1, 2, 3));
    const TextureHandle hq = tm.create("fromQImage", q);
    EXPECT_EQ(tm.width(hq), 7);
    EXPECT_EQ(readBack(tm.glName(hq), 7, 2)[2], 3);
}

TEST_F(Textures, AMissingFileGivesAnEmptyTextureAndLoadingGoesOn) {
    TextureManager& tm = app_->textures();
    const TextureHandle missing = tm.load("shadow", testkit::tempPath("no/such/shadow.png"));
    EXPECT_TRUE(missing.valid()) << "a handle all the same";
    EXPECT_TRUE(tm.alive(missing));
    EXPECT_TRUE(tm.empty(missing));
    EXPECT_EQ(tm.width(missing), 0);
    EXPECT_EQ(tm.glName(missing), 0u);
    // The next file of the group still loads.
    const std::string path = testkit::tempPath("ballShadow.png");
    ASSERT_TRUE(Image(4, 4, Rgba{0, 0, 0, 128}).save(path));
    const TextureHandle ok = tm.load("ballShadow", path);
    EXPECT_EQ(tm.width(ok), 4);
    EXPECT_NE(tm.glName(ok), 0u);
}

TEST_F(Textures, ReleasedTexturesCannotBeUsedAgain) {
    TextureManager& tm = app_->textures();
    const TextureHandle first = tm.create("shoe13", Image(2, 2, Rgba{9, 9, 9, 255}));
    EXPECT_TRUE(tm.release("shoe13"));
    EXPECT_FALSE(tm.alive(first));
    EXPECT_EQ(tm.glName(first), 0u);
    EXPECT_FALSE(tm.find("shoe13").valid());
    EXPECT_FALSE(tm.release("shoe13")) << "already gone";
    const TextureHandle second = tm.create("shoe13", Image(3, 3, Rgba{1, 1, 1, 255}));
    EXPECT_TRUE(tm.alive(second));
    EXPECT_FALSE(tm.alive(first)) << "a reused slot does not revive the old handle";
    EXPECT_EQ(tm.width(first), 0);
    // Creating under an existing name replaces the texture.
    const TextureHandle third = tm.create("shoe13", Image(4, 4, Rgba{1, 1, 1, 255}));
    EXPECT_FALSE(tm.alive(second));
    EXPECT_EQ(tm.width(tm.find("shoe13")), 4);
    EXPECT_EQ(tm.find("shoe13"), third);
}

TEST_F(Textures, ImagesDecodedOnLoaderThreadsBecomeTexturesHere) {
    const std::string path = testkit::tempPath("grass.png");
    ASSERT_TRUE(Image(64, 32, Rgba{0, 200, 0, 255}).save(path));
    std::vector<Image> decoded(4);
    std::vector<std::thread> threads;
    for (Image& img : decoded) threads.emplace_back([&img, path] { img.load(path); });
    for (std::thread& t : threads) t.join();
    for (size_t i = 0; i < decoded.size(); ++i) {
        const TextureHandle h = app_->textures().create("grass" + std::to_string(i), decoded[i]);
        EXPECT_EQ(app_->textures().width(h), 64);
        EXPECT_EQ(readBack(app_->textures().glName(h), 64, 32)[1], 200);
    }
}

TEST_F(Textures, TexturesRegisteredOnALoaderThreadAreUploadedOnTheGlThread) {
    TextureManager& tm = app_->textures();
    TextureHandle h;
    std::thread loader([&] {
        h = tm.create("adboardTex1", Image(8, 4, Rgba{7, 77, 177, 255}));
        tm.create("adboardTex2", Image(2, 2, Rgba{1, 1, 1, 255}));
        tm.release("adboardTex2");
    });
    loader.join();
    EXPECT_TRUE(tm.alive(h));
    EXPECT_EQ(tm.width(h), 8) << "the size is known before the upload";
    EXPECT_FALSE(tm.find("adboardTex2").valid());
    const uint32_t name = tm.glName(h);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(readBack(name, 8, 4)[1], 77);
}

}  // namespace
}  // namespace kf
