#include "paint.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

QColor gray(int v, int alpha) { return QColor(v, v, v, alpha); }

QColor scaled(QColor c, double f) {
    auto k = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return QColor(k(c.red()), k(c.green()), k(c.blue()), c.alpha());
}

QColor mixed(QColor a, QColor b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

void fillNoise(QImage& img, QRect r, QColor c, int amp, Rng& rng) {
    r = r.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const int d = amp > 0 ? rng.below(2 * amp + 1) - amp : 0;
            auto k = [d](int v) { return std::clamp(v + d, 0, 255); };
            img.setPixel(x, y, qRgba(k(c.red()), k(c.green()), k(c.blue()), c.alpha()));
        }
}

namespace {
double hash01(int x, int y, std::uint64_t seed) {
    std::uint64_t h = seed ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) * 0x9e3779b97f4a7c15ULL) ^
                      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) * 0xc2b2ae3d27d4eb4fULL);
    Rng r(h);
    return r.uniform();
}
}  // namespace

double valueNoise(double x, double y, double cell, int period, std::uint64_t seed) {
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int a, int b) {
        const int pa = ((a % period) + period) % period, pb = ((b % period) + period) % period;
        return hash01(pa, pb, seed);
    };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double bot = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bot - top) * ty;
}

QImage maskedCopy(const QImage& shade, const std::function<bool(int, int)>& inPattern) {
    QImage out(shade.size(), QImage::Format_ARGB32);
    for (int y = 0; y < shade.height(); ++y)
        for (int x = 0; x < shade.width(); ++x) {
            const QRgb s = shade.pixel(x, y);
            out.setPixel(x, y, (s != kMagenta && inPattern(x, y)) ? s : kMagenta);
        }
    return out;
}

void softEllipse(QImage& img, QRectF r, int core, double hardness) {
    const QPointF c = r.center();
    const double rx = r.width() / 2, ry = r.height() / 2;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double dx = (x + 0.5 - c.x()) / rx, dy = (y + 0.5 - c.y()) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d >= 1.0) continue;
            const double a = std::pow(1.0 - d * d, hardness) * core;
            const int old = qAlpha(img.pixel(x, y));
            img.setPixel(x, y, qRgba(0, 0, 0, std::max(old, static_cast<int>(std::lround(a)))));
        }
}

void centredText(QPainter& p, QRectF r, const QString& text, const QFont& f, QColor c, QColor shadow) {
    p.setFont(f);
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace assetgen
