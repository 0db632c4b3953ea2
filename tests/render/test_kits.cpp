#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>

#include "kits.h"
#include "settings.h"
#include "textures.h"

using namespace kf;

namespace {
constexpr Rgba kMagenta{255, 0, 255, 255};
}

TEST(Kits, TintRuleKeepsMagentaAndDarkens) {
    struct Row { Rgba in; TRGB tint; Rgba want; } rows[] = {
        {{255, 255, 255, 255}, {10, 20, 30}, {10, 20, 30, 255}},   // white takes the tint
        {{200, 100, 0, 255}, {255, 255, 255}, {200, 100, 0, 255}}, // white tint leaves it
        {{200, 100, 50, 255}, {0, 0, 0}, {0, 0, 0, 255}},          // black tint blackens
        {{200, 100, 50, 255}, {100, 200, 250}, {45, 45, 45, 255}},
        {kMagenta, {0, 0, 0}, kMagenta},                           // magenta stays
        {{255, 0, 254, 255}, {128, 128, 128}, {128, 0, 127, 255}}, // almost magenta is tinted
    };
    for (const Row& r : rows) {
        Image img(1, 1, r.in);
        tintTemplate(img, r.tint);
        EXPECT_EQ(img.pixel(0, 0), r.want) << int(r.in.r) << "," << int(r.in.g) << "," << int(r.in.b);
    }
}

TEST(Kits, PatternReplacesShirtOutsideMagenta) {
    Image shirt(2, 1, {255, 0, 0, 255});
    Image pattern(2, 1, kMagenta);
    pattern.setPixel(1, 0, {255, 255, 255, 255});
    overlayPattern(shirt, pattern, {0, 255, 0});
    EXPECT_EQ(shirt.pixel(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(shirt.pixel(1, 0), (Rgba{0, 255, 0, 255}));
}

TEST(Kits, HairFollowsSkinForIndexFive) {
    EXPECT_EQ(hairTextureIndex(5, 2), 7);
    EXPECT_EQ(hairTextureIndex(5, 0), 5);
    EXPECT_EQ(hairTextureIndex(3, 2), 3);
    EXPECT_EQ(hairColour(1), (TRGB{91, 77, 11}));
    EXPECT_EQ(skinTone(1), (TRGB{217, 217, 217}));
}

TEST(Kits, TexturesRegisteredUnderTheirNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string tdir = dir.path().toStdString() + "/textures/3d/player/";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(tdir)));
    for (const char* f : {"shirt.png", "shirt1.png", "pants.png", "socks.png", "shoe.png", "skin.png", "hair.png", "gloves.png"})
        ASSERT_TRUE(Image(4, 4, {255, 255, 255, 255}).save(tdir + f)) << f;
    setenv("KF_DATA_DIR", dir.path().toUtf8().constData(), 1);

    TextureManager tm;
    buildPlainKits(tm);
    buildSkinTextures(tm);
    buildHairTextures(tm);
    buildKeeperTextures(tm);
    for (const char* n : {"shirts2", "pants3", "socks3", "skin2", "hair7", "GKShirt", "GKGloves", "GKShoes"}) {
        EXPECT_TRUE(tm.find(n).valid()) << n;
        EXPECT_EQ(tm.width(tm.find(n)), 4) << n;
    }
    buildShoeTexture(tm, 1, 3, {10, 20, 30});
    EXPECT_TRUE(tm.find("shoe13").valid());
    buildShoeTexture(tm, 1, 3, {0, 0, 0});
    EXPECT_FALSE(tm.find("shoe13").valid()) << "black shoes share the keepers' texture";
    EXPECT_TRUE(tm.find("GKShoes").valid());

    settings.plainKits = true;
    buildMatchKits(tm);
    EXPECT_FALSE(settings.plainKits);
    EXPECT_TRUE(tm.find("shirts0").valid() && tm.find("socks1").valid());
    unsetenv("KF_DATA_DIR");
}
