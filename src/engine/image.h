#pragma once
// An RGBA pixel buffer with per-pixel access, for the colouring of template
// images before they become textures. Loading and saving are thread-safe.

#include <cstdint>
#include <string>
#include <vector>

class QImage;

namespace kf {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    // Any format QImage reads (PNG among them); false and an empty image
    // when the file is missing or unreadable.
    bool load(const std::string& file);
    bool loadFromMemory(const uint8_t* bytes, size_t size);
    bool save(const std::string& file) const;

    static Image fromQImage(const QImage& img);
    QImage toQImage() const;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    Rgba pixel(int x, int y) const;
    void setPixel(int x, int y, Rgba c);
    // Rows of width() * 4 bytes, R G B A, top row first.
    const uint8_t* data() const { return pixels_.data(); }
    uint8_t* data() { return pixels_.data(); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace kf
