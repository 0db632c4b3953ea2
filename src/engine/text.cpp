#include "text.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <mutex>

#include "gl_functions.h"
#include "textures.h"

namespace kf {

namespace {

constexpr int atlasSize = 1024;

// "Verdana" is the game's face; DejaVu Sans stands in for it.
QString familyFor(const std::string& face) {
    static QString dejaVu;
    static std::once_flag once;
    std::call_once(once, [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(KF_DEJAVU_SANS));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        dejaVu = families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
    });
    if (face == "Verdana" || face.empty()) return dejaVu;
    return QString::fromStdString(face);
}

}  // namespace

char32_t nextCodePoint(std::string_view s, size_t* pos) {
    const auto byte = [&](size_t i) { return uint8_t(s[i]); };
    const uint8_t b = byte((*pos)++);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (*pos >= s.size() || (byte(*pos) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (byte((*pos)++) & 0x3F);
    }
    return c;
}

struct Font::Impl {
    QFont font;
    QFontMetricsF metrics;
    explicit Impl(const QFont& f) : font(f), metrics(f) {}
};

Font::Font(const std::string& face, int pixelSize)
    : face_(face), size_(pixelSize), atlas_(atlasSize, atlasSize, Rgba{255, 255, 255, 0}) {
    QFont f(familyFor(face));
    f.setPixelSize(std::max(1, pixelSize));
    impl_ = std::make_unique<Impl>(f);
    lineHeight_ = float(impl_->metrics.height());
    // The characters of the game's texts up front; others on first use.
    for (char32_t c = 32; c < 127; ++c) glyph(c);
}

Font::~Font() {
    if (texture_ && makeEngineContextCurrent()) gl()->glDeleteTextures(1, &texture_);
}

const Glyph* Font::glyph(char32_t c) {
    if (const auto it = glyphs_.find(c); it != glyphs_.end()) return &it->second;
    const QString text = QString::fromUcs4(&c, 1);
    const QRectF box = impl_->metrics.boundingRect(text);
    Glyph g;
    g.advance = float(impl_->metrics.horizontalAdvance(text));
    g.w = box.isEmpty() ? 0 : int(std::ceil(box.width())) + 2;
    g.h = box.isEmpty() ? 0 : int(std::ceil(box.height())) + 2;
    if (g.w > 0) {
        if (penX_ + g.w + 1 > atlas_.width()) {
            penX_ = 1;
            penY_ += rowHeight_ + 1;
            rowHeight_ = 0;
        }
        if (penY_ + g.h + 1 > atlas_.height()) return nullptr;
        QImage img(g.w, g.h, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setFont(impl_->font);
            p.setPen(Qt::white);
            p.drawText(QPointF(-box.left() + 1, -box.top() + 1), text);
        }
        // White glyphs whose alpha is the coverage, so the print colour tints them.
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
                atlas_.setPixel(penX_ + x, penY_ + y,
                                Rgba{255, 255, 255, uint8_t(qAlpha(img.pixel(x, y)))});
        g.x = penX_;
        g.y = penY_;
        g.left = float(box.left()) - 1;
        g.top = float(impl_->metrics.ascent() + box.top()) - 1;
        penX_ += g.w + 1;
        rowHeight_ = std::max(rowHeight_, g.h);
        dirty_ = true;
    }
    return &glyphs_.emplace(c, g).first->second;
}

float Font::width(std::string_view utf8) {
    float w = 0;
    for (size_t i = 0; i < utf8.size();)
        if (const Glyph* g = glyph(nextCodePoint(utf8, &i))) w += g->advance;
    return w;
}

uint32_t Font::atlasTexture() {
    if (!dirty_) return texture_;
    if (!texture_)
        texture_ = createGlTexture(atlas_, false);
    else
        updateGlTexture(texture_, 0, 0, atlas_);
    dirty_ = false;
    return texture_;
}

Font& FontCache::get(const std::string& face, int pixelSize) {
    std::unique_ptr<Font>& f = fonts_[{face, pixelSize}];
    if (!f) f = std::make_unique<Font>(face, pixelSize);
    return *f;
}

void FontCache::clear() { fonts_.clear(); }

}  // namespace kf
