#include <gtest/gtest.h>

#include <QImage>

#include "image.h"
#include "testkit.h"

namespace kf {
namespace {

TEST(Image, PixelsRoundTripThroughAPngFile) {
    testkit::ensureGuiApp(false);
    Image img(3, 2, Rgba{10, 20, 30, 255});
    img.setPixel(2, 1, Rgba{255, 0, 255, 255});
    img.setPixel(0, 1, Rgba{1, 2, 3, 128});
    const std::string path = testkit::tempPath("image_roundtrip.png");
    ASSERT_TRUE(img.save(path));
    Image back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.width(), 3);
    EXPECT_EQ(back.height(), 2);
    EXPECT_EQ(back.pixel(2, 1), (Rgba{255, 0, 255, 255}));
    EXPECT_EQ(back.pixel(0, 1), (Rgba{1, 2, 3, 128}));
    EXPECT_EQ(back.pixel(1, 0), (Rgba{10, 20, 30, 255}));
}

TEST(Image, MissingOrBrokenFilesGiveAnEmptyImage) {
    testkit::ensureGuiApp(false);
    Image img(4, 4);
    EXPECT_FALSE(img.load(testkit::tempPath("does_not_exist.png")));
    EXPECT_TRUE(img.empty());
    const uint8_t junk[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(img.loadFromMemory(junk, sizeof junk));
    EXPECT_TRUE(img.empty());
}

TEST(Image, ConvertsFromQImageTopRowFirst) {
    QImage q(2, 2, QImage::Format_RGB32);
    q.setPixel(0, 0, qRgb(200, 100, 50));
    q.setPixel(1, 1, qRgb(5, 6, 7));
    const Image img = Image::fromQImage(q);
    EXPECT_EQ(img.pixel(0, 0), (Rgba{200, 100, 50, 255}));
    EXPECT_EQ(img.pixel(1, 1), (Rgba{5, 6, 7, 255}));
    EXPECT_EQ(img.data()[0], 200) << "bytes are R G B A";
}

TEST(Image, OutOfRangeAccessIsIgnored) {
    Image img(2, 2, Rgba{9, 9, 9, 255});
    img.setPixel(-1, 0, Rgba{});
    img.setPixel(2, 0, Rgba{});
    EXPECT_EQ(img.pixel(5, 5), Rgba{});
    EXPECT_EQ(img.pixel(1, 1), (Rgba{9, 9, 9, 255}));
}

}  // namespace
}  // namespace kf
