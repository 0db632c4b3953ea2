#pragma once
// Text: a font cache of faces and pixel sizes, each with a glyph atlas
// texture rasterised once with Qt (glyphs added on first use); printing is a
// run of batched quads, never QPainter on the GL surface.
//
// The face "Verdana" is not on Debian; it falls back to DejaVu Sans, loaded
// from its TTF file with QFontDatabase::addApplicationFont so the look does
// not depend on the fontconfig set-up of the machine.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "image.h"

namespace kf {

struct Glyph {
    int x = 0, y = 0, w = 0, h = 0;  // atlas rectangle
    float left = 0, top = 0;          // offset of the rectangle from the pen (top of line)
    float advance = 0;
};

class Font {
public:
    Font(const std::string& face, int pixelSize);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const std::string& face() const { return face_; }
    int size() const { return size_; }
    float lineHeight() const { return lineHeight_; }
    // Pixel width of a UTF-8 string (sum of advances).
    float width(std::string_view utf8);
    // Glyph of a code point, rasterised on first use; nullptr when the atlas is full.
    const Glyph* glyph(char32_t c);
    // GL texture of the atlas, uploaded after new glyphs were added (GL thread).
    uint32_t atlasTexture();
    int atlasWidth() const { return atlas_.width(); }
    int atlasHeight() const { return atlas_.height(); }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string face_;
    int size_;
    float lineHeight_ = 0;
    Image atlas_;
    int penX_ = 1, penY_ = 1, rowHeight_ = 0;
    bool dirty_ = true;
    uint32_t texture_ = 0;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

class FontCache {
public:
    // The font of a face at a pixel size, made on first request.
    Font& get(const std::string& face, int pixelSize);
    void clear();

private:
    std::map<std::pair<std::string, int>, std::unique_ptr<Font>> fonts_;
};

// Decodes the next code point of a UTF-8 string (invalid bytes give U+FFFD).
char32_t nextCodePoint(std::string_view s, size_t* pos);

}  // namespace kf
