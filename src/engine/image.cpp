#include "image.h"

#include <QImage>
#include <cstring>

namespace kf {

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(size_t(width) * height * 4) {
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        pixels_[i] = fill.r;
        pixels_[i + 1] = fill.g;
        pixels_[i + 2] = fill.b;
        pixels_[i + 3] = fill.a;
    }
}

Image Image::fromQImage(const QImage& src) {
    Image out;
    if (src.isNull()) return out;
    const QImage img = src.convertToFormat(QImage::Format_RGBA8888);
    out.width_ = img.width();
    out.height_ = img.height();
    out.pixels_.resize(size_t(out.width_) * out.height_ * 4);
    for (int y = 0; y < out.height_; ++y)
        std::memcpy(&out.pixels_[size_t(y) * out.width_ * 4], img.constScanLine(y),
                    size_t(out.width_) * 4);
    return out;
}

QImage Image::toQImage() const {
    QImage img(width_, height_, QImage::Format_RGBA8888);
    for (int y = 0; y < height_; ++y)
        std::memcpy(img.scanLine(y), &pixels_[size_t(y) * width_ * 4], size_t(width_) * 4);
    return img;
}

bool Image::load(const std::string& file) {
    *this = fromQImage(QImage(QString::fromStdString(file)));
    return !empty();
}

bool Image::loadFromMemory(const uint8_t* bytes, size_t size) {
    QImage img;
    img.loadFromData(bytes, int(size));
    *this = fromQImage(img);
    return !empty();
}

bool Image::save(const std::string& file) const {
    return toQImage().save(QString::fromStdString(file));
}

Rgba Image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const uint8_t* p = &pixels_[(size_t(y) * width_ + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void Image::setPixel(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = &pixels_[(size_t(y) * width_ + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

}  // namespace kf
