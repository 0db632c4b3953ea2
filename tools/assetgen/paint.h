#pragma once
// Pixel-level helpers shared by the texture painters.

#include "common.h"

#include <QPainter>
#include <QRect>

#include <functional>

namespace assetgen {

QColor gray(int v, int alpha = 255);
QColor scaled(QColor c, double f);  // every channel times f, clamped
QColor mixed(QColor a, QColor b, double t);

// Each pixel of r gets c with its brightness moved by up to +-amp.
void fillNoise(QImage& img, QRect r, QColor c, int amp, Rng& rng);
// Smooth value noise in [0, 1] with cells of `cell` pixels, tiling every
// `period` cells.
double valueNoise(double x, double y, double cell, int period, std::uint64_t seed);

// A rectangle of a layout table (x0, y0, x1, y1).
inline QRect rectOf(const float (&r)[4]) {
    return QRect(QPoint(static_cast<int>(r[0]), static_cast<int>(r[1])),
                 QPoint(static_cast<int>(r[2]) - 1, static_cast<int>(r[3]) - 1));
}

// Pixels of `shape` that are not magenta copied from `shade` into a magenta
// image: used for pattern images that repeat the template's shading.
QImage maskedCopy(const QImage& shade, const std::function<bool(int x, int y)>& inPattern);

// A soft-edged dark blob (shadows): alpha falls from `core` at the centre to
// 0 at the edge of the ellipse inside r.
void softEllipse(QImage& img, QRectF r, int core, double hardness = 1.0);

// Text centred in r, with a one-pixel dark shadow.
void centredText(QPainter& p, QRectF r, const QString& text, const QFont& f, QColor c, QColor shadow);

}  // namespace assetgen
